#pragma once

// The per-suit tables behind the shanten engine, shared by the engine and the
// program that writes them at build time (about 6 MB in all). One row per way of holding at most
// 14 tiles of one suit, rows in lexicographic order of the counts (first kind
// slowest). A row holds, for m sets (0..4) and p pairs (0..1), the fewest tiles
// to add so that the suit holds them with no kind beyond four: ten costs of
// 4 bits, cost 2m + p in bits 8m + 4p.., five bytes little-endian.

#include <array>

namespace shanten_table {

constexpr int MaxTiles = 14;
constexpr int RowBytes = 5;
constexpr int RowPadding = 8;  // zero bytes after the last row, so any row reads as 8 bytes
constexpr int SuitKinds = 9;
constexpr int HonourKinds = 7;

// Count[k][t]: ways of holding at most t tiles of k kinds, 0..4 each.
constexpr auto Count = [] {
  std::array<std::array<int, MaxTiles + 1>, SuitKinds + 1> count{};
  for (int t = 0; t <= MaxTiles; ++t) count[0][t] = 1;
  for (int k = 1; k <= SuitKinds; ++k) {
    for (int t = 0; t <= MaxTiles; ++t) {
      for (int v = 0; v <= 4 && v <= t; ++v) count[k][t] += count[k - 1][t - v];
    }
  }
  return count;
}();

constexpr int SuitRows = Count[SuitKinds][MaxTiles];      // 405,350
constexpr int HonourRows = Count[HonourKinds][MaxTiles];  // 43,130

// Step[i][s][v]: rows that come before a hand holding v of kind i after s tiles
// of the kinds before it, among those agreeing up to kind i, in a table of
// hands of at most Max tiles. A hand's row is the sum of its steps.
template <int Kinds, int Max = MaxTiles>
constexpr auto Steps = [] {
  std::array<std::array<std::array<int, 5>, MaxTiles + 2>, Kinds> step{};
  for (int i = 0; i < Kinds; ++i) {
    for (int s = 0; s <= MaxTiles + 1; ++s) {
      for (int v = 1; v <= 4; ++v) {
        const int left = Max - s - (v - 1);
        step[i][s][v] = step[i][s][v - 1] + (left >= 0 ? Count[Kinds - 1 - i][left] : 0);
      }
    }
  }
  return step;
}();

extern const unsigned char Suit[SuitRows * RowBytes + RowPadding];
extern const unsigned char Honour[HonourRows * RowBytes + RowPadding];

// For hands of at most 13 tiles of a suit, which kinds lower each of the ten
// costs when one more is held: ten 9-bit masks (bit i = kind i of the suit),
// mask 2m + p in bits 9(2m + p).., twelve bytes little-endian per row, rows
// ordered as above among the hands of at most 13 tiles.
constexpr int GainTiles = MaxTiles - 1;
constexpr int GainBytes = 12;
constexpr int SuitGainRows = Count[SuitKinds][GainTiles];      // 286,550
constexpr int HonourGainRows = Count[HonourKinds][GainTiles];  // 34,995

extern const unsigned char SuitGain[SuitGainRows * GainBytes + RowPadding];
extern const unsigned char HonourGain[HonourGainRows * GainBytes + RowPadding];

}  // namespace shanten_table
