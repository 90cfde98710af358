#pragma once

// One tile of the 136-tile set. The id fixes the tile for good: four consecutive
// ids per kind, kinds numbered suit by suit (characters, circles, bamboo, honours).
// The two-digit code (suit*10 + number + 1, 0 for none) is the notation of record
// files, of kind comparisons and of the analyser's trace.

#include <cstdint>

enum TPaiState : std::int32_t { stWall = 0, stTe = 1, stSute = 2 };

class TMjPai {
public:
  std::int32_t Id = -1;           // 0..135, -1 for no tile
  std::int32_t State = stWall;    // last thing that happened to the tile

  TMjPai() = default;
  explicit TMjPai(int id, int state = stWall) : Id(id), State(state) {}

  int GetSuit() const { return Id < 0 ? -1 : Id / 36; }
  int GetNumber() const { return Id < 0 ? -1 : (Id / 4) % 9; }
  int GetCode() const { return Id < 0 ? 0 : GetSuit() * 10 + GetNumber() + 1; }
};

constexpr int PaiCount = 136;   // tiles in the full set
constexpr int KindCount = 34;   // tile kinds

// The reverse of the code: code 0 names suit -1 and number -1. Integer division
// truncates toward zero, so codes outside 1..37 give values that callers range-check.
constexpr int CodeSuit(int code) { return code == 0 ? -1 : code / 10; }
constexpr int CodeNumber(int code) { return code == 0 ? -1 : code % 10 - 1; }

// The tile image sheet has 10 cells a row: the cell of (suit, number) is
// (suit + 1) * 10 + number + 1, so the cell of code c is c + 10, and (-1, -1),
// the empty slot, is cell 0. A pair no sheet can hold (from a damaged record)
// gives -1 instead of overflowing.
constexpr int PaiSheetCols = 10;
constexpr int PaiCell(int suit, int number) {
  if (suit == -1 && number == -1) return 0;
  const long long cell = (suit + 1LL) * PaiSheetCols + number + 1;
  return cell >= 0 && cell <= 0x7fffffffLL ? static_cast<int>(cell) : -1;
}

// Code of the kind with index k (0..33): 1..9, 11..19, 21..29, 31..37.
constexpr int KindCode(int kind) { return (kind / 9) * 10 + kind % 9 + 1; }
