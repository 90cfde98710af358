#pragma once

// Hands written as tile codes for tests: "02 03 04 12 12 12 ...". Every copy of
// a kind gets its own id (4k, 4k+1, ...), as a real table would hand them out.

#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Mjagari1.h"
#include "core/Mjpai1.h"
#include "core/Mjtable1.h"

namespace hand {

inline bool ValidCode(int code) {
  return code >= 1 && code <= 37 && code % 10 != 0 && !(code / 10 == 3 && code % 10 > 7);
}

inline int KindOfCode(int code) { return CodeSuit(code) * 9 + CodeNumber(code); }

// The tiles in the order written; throws on a bad code or a fifth copy.
inline std::vector<TMjPai> Tiles(std::string_view text) {
  std::vector<TMjPai> tiles;
  int copies[KindCount] = {};
  std::istringstream in{std::string(text)};
  std::string word;
  while (in >> word) {
    std::size_t used = 0;
    const int code = std::stoi(word, &used);
    if (used != word.size() || !ValidCode(code)) throw std::invalid_argument("bad tile code: " + word);
    const int kind = KindOfCode(code);
    if (copies[kind] == 4) throw std::invalid_argument("a fifth copy of " + word);
    tiles.emplace_back(4 * kind + copies[kind]++, stTe);
  }
  return tiles;
}

inline TMjWorkTe Work(std::string_view text) { return TMjWorkTe(Tiles(text)); }

// A hand row into the table's own tiles, slots after the written tiles empty.
inline TPaiRow Row(TMjTable& table, std::string_view text) {
  TPaiRow row{};
  const std::vector<TMjPai> tiles = Tiles(text);
  if (tiles.size() > row.size()) throw std::invalid_argument("too many tiles for a row");
  for (std::size_t i = 0; i < tiles.size(); ++i) row[i] = &table.Pai[static_cast<std::size_t>(tiles[i].Id)];
  return row;
}

// Codes as two digits, separated by one blank: "01 01 09".
template <class Tiles>
std::string Text(const Tiles& tiles) {
  std::string out;
  for (const TMjPai& pai : tiles) {
    if (!out.empty()) out += ' ';
    const int code = pai.GetCode();
    out += static_cast<char>('0' + code / 10);
    out += static_cast<char>('0' + code % 10);
  }
  return out;
}

inline std::string Text(const TMjWorkTe& te) { return Text(te.Pai); }

// Tile codes of mpsz text in the order written, unsorted: "123m45p" -> 1 2 3 14 15.
inline std::vector<int> MpszCodes(std::string_view text) {
  std::vector<int> codes;
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digits += c;
      continue;
    }
    const int suit = c == 'm' ? 0 : c == 'p' ? 1 : c == 's' ? 2 : 3;
    for (char d : digits) codes.push_back(suit * 10 + (d - '0'));
    digits.clear();
  }
  return codes;
}

}  // namespace hand
