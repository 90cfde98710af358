#pragma once

// The tables behind the shanten engine, shared by the engine and the program
// that writes them at build time (5.95 MB in all).
//
// A suit's holding (at most 14 tiles, 0..4 of each kind) has a rank: holdings
// in lexicographic order of the counts, first kind slowest. For m sets (0..4)
// and p pairs (0..1), share 2m + p, a holding has a cost: the fewest tiles to
// add so that the suit holds them with no kind beyond four. A hand's costs never
// exceed 9, so costs are kept up to 10 ("10 or more"); then only 126 cost rows
// occur among the numbered suits and 55 among the honours: a holding's class.
// Any product of two or more classes (the cheapest way to share m sets and p
// pairs between them) is one of 180 product rows.
//
// Every table is bytes, and wider values are assembled from them little-endian
// by the reader, so the tables mean the same on any host. Each is written as a
// string and so ends in one more zero byte.

#include <array>
#include <cstdint>

namespace shanten_table {

constexpr int MaxTiles = 14;
constexpr int SuitKinds = 9;
constexpr int HonourKinds = 7;
constexpr int Shares = 10;   // 2m + p
constexpr int CostCap = 10;  // "10 or more"
constexpr int StringEnd = 1;

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

// Step[i][s][v]: holdings that come before one holding v of kind i after s
// tiles of the kinds before it, among those agreeing up to kind i. A holding's
// rank is the sum of its steps.
template <int Kinds>
constexpr auto Steps = [] {
  std::array<std::array<std::array<int, 5>, MaxTiles + 2>, Kinds> step{};
  for (int i = 0; i < Kinds; ++i) {
    for (int s = 0; s <= MaxTiles + 1; ++s) {
      for (int v = 1; v <= 4; ++v) {
        const int left = MaxTiles - s - (v - 1);
        step[i][s][v] = step[i][s][v - 1] + (left >= 0 ? Count[Kinds - 1 - i][left] : 0);
      }
    }
  }
  return step;
}();

constexpr int SuitClasses = 126;
constexpr int HonourClasses = 55;
constexpr int Products = 180;

// The class of each holding, by rank.
extern const unsigned char SuitClass[SuitRows + StringEnd];
extern const unsigned char HonourClass[HonourRows + StringEnd];

// Products, one byte each: of two numbered classes [a * SuitClasses + b], of a
// numbered and an honour class [a * HonourClasses + h], and of a class and a
// product [a * Products + q].
extern const unsigned char SuitSuit[SuitClasses * SuitClasses + StringEnd];
extern const unsigned char SuitHonour[SuitClasses * HonourClasses + StringEnd];
extern const unsigned char SuitProduct[SuitClasses * Products + StringEnd];
extern const unsigned char HonourProduct[HonourClasses * Products + StringEnd];

// A class completed by the product of the rest of the hand, two bytes per
// [class * Products + q]: bits 0..3 the cost of four sets and a pair, bit 4 + j
// set when share j of the class lies in a cheapest completion.
constexpr int CompleteBytes = 2;
constexpr unsigned CompleteCost = 15;
constexpr int CompleteSharesAt = 4;
extern const unsigned char SuitComplete[SuitClasses * Products * CompleteBytes + StringEnd];
extern const unsigned char HonourComplete[HonourClasses * Products * CompleteBytes + StringEnd];

// For holdings of at most 13 tiles, which kinds lower each cost when one more
// is held: ten 9-bit masks (bit i = kind i of the suit), twelve bytes per rank;
// masks 0..6 at bits 9j of the first eight bytes, masks 7..9 at bits 9(j - 7)
// of the last four. Holdings of 14 tiles have no gains (zero rows).
constexpr int GainBytes = 12;
constexpr int GainsLow = 7;  // masks in the first eight bytes
extern const unsigned char SuitGain[SuitRows * GainBytes + StringEnd];
extern const unsigned char HonourGain[HonourRows * GainBytes + StringEnd];

// The tables stay within 8 MB of the program.
static_assert(sizeof SuitClass + sizeof HonourClass + sizeof SuitSuit + sizeof SuitHonour + sizeof SuitProduct +
                  sizeof HonourProduct + sizeof SuitComplete + sizeof HonourComplete + sizeof SuitGain +
                  sizeof HonourGain <=
              8'000'000);

}  // namespace shanten_table
