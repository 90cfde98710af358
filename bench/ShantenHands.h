#pragma once

// Fixed, seeded sets of 10,000 hands for the shanten benchmarks: random deals
// (13 tiles), deals plus a draw (14), and near-complete hands (a complete hand
// with one tile swapped for a random one).

#include <array>
#include <utility>
#include <vector>

#include "analysis/Mjshanten1.h"
#include "bench/CompleteHands.h"
#include "core/Mjrandom1.h"

constexpr int ShantenHandCount = 10000;

inline std::vector<TKindCounts> RandomDeals(int tiles) {
  TMjRandom gen;
  gen.Seed(20240601u + static_cast<unsigned>(tiles));
  std::vector<TKindCounts> hands(ShantenHandCount);
  for (TKindCounts& hand : hands) {
    std::array<int, 136> wall;
    for (int i = 0; i < 136; ++i) wall[i] = i / 4;
    for (int i = 0; i < tiles; ++i) std::swap(wall[i], wall[i + gen.Next() % (136 - i)]);
    for (int i = 0; i < tiles; ++i) ++hand[wall[i]];
  }
  return hands;
}

inline std::vector<TKindCounts> NearComplete() {
  TMjRandom gen;
  gen.Seed(31415);
  std::vector<TKindCounts> hands;
  while (hands.size() < ShantenHandCount) {
    TKindCounts counts = CompleteHand(gen);
    int out = gen.Next() % KindCount;
    while (counts[out] == 0) out = (out + 1) % KindCount;
    const int in = gen.Next() % KindCount;
    if (in == out || counts[in] == 4) continue;
    --counts[out];
    ++counts[in];
    hands.push_back(counts);
  }
  return hands;
}
