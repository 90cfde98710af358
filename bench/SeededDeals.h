#pragma once

// The deals the chance benchmarks time: 14 tiles off a seeded wall, kept when
// their shanten lies in [low, high], so every engine is timed on the same hands.

#include <array>
#include <utility>
#include <vector>

#include "analysis/Mjshanten1.h"
#include "core/Mjrandom1.h"

// The first `count` such deals.
inline std::vector<TKindCounts> SeededDeals(int low, int high, int count) {
  TMjRandom gen;
  gen.Seed(20261209u);
  std::vector<TKindCounts> hands;
  while (static_cast<int>(hands.size()) < count) {
    std::array<int, 136> wall;
    for (int i = 0; i < 136; ++i) wall[i] = i / 4;
    TKindCounts hand{};
    for (int i = 0; i < 14; ++i) {
      std::swap(wall[i], wall[i + gen.Next() % (136 - i)]);
      ++hand[wall[i]];
    }
    const int shanten = MjShanten(hand);
    if (shanten >= low && shanten <= high) hands.push_back(hand);
  }
  return hands;
}
