#pragma once

// Complete hands for the benchmarks: four sets and a pair, no kind held more
// than four times, drawn from a seeded generator.

#include <array>

#include "core/Mjpai1.h"
#include "core/Mjrandom1.h"

inline std::array<int, KindCount> CompleteHand(TMjRandom& gen) {
  std::array<int, KindCount> counts{};
  const int pair = gen.Next() % KindCount;
  counts[static_cast<std::size_t>(pair)] = 2;
  int tiles = 2;
  while (tiles < 14) {
    std::array<int, 3> kinds{};
    if (gen.Next() % 3 == 0) {
      const int kind = gen.Next() % KindCount;
      kinds = {kind, kind, kind};
    } else {
      const int start = (gen.Next() % 3) * 9 + gen.Next() % 7;
      kinds = {start, start + 1, start + 2};
    }
    std::array<int, KindCount> next = counts;
    bool fits = true;
    for (int kind : kinds) fits = fits && ++next[static_cast<std::size_t>(kind)] <= 4;
    if (!fits) continue;
    counts = next;
    tiles += 3;
  }
  return counts;
}
