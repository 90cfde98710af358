#pragma once

// The slow, plainly right shanten: the definition itself. A complete hand
// (four sets and a pair, seven pairs, thirteen orphans; no kind beyond four) is
// weighed by the tiles of it the hand supplies; shanten = 14 - the most - 1.
// Seven pairs and orphans are counted outright, four sets and a pair searched.

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "analysis/Mjshanten1.h"

namespace reference {

// Looks for four sets and a pair that use all held tiles but `Spare` of them.
// The lowest held tile not yet placed either stays unused or is part of a
// block holding its kind (a triplet, the pair, or one of three runs); the block
// takes whatever held tiles of its kinds are still free. Blocks that would take
// none can be any set or pair of kinds nobody holds, of which there are always
// enough, so they are left out.
struct TSearch {
  TKindCounts Free;  // held tiles not yet placed
  TKindCounts C{};   // the complete hand's tiles placed so far
  int Spare = 0;
  int Left = 0;      // held tiles not yet placed nor given up

  bool Place(int k, int sets, int pairs, const std::array<int, 3>& kinds, int size) {
    for (int i = 0; i < size; ++i) {
      if (C[kinds[i]] == 4) {
        for (int j = 0; j < i; ++j) --C[kinds[j]];
        return false;
      }
      ++C[kinds[i]];
    }
    std::array<bool, 3> took{};
    for (int i = 0; i < size; ++i) {
      took[i] = Free[kinds[i]] > 0;
      if (took[i]) --Free[kinds[i]], --Left;
    }
    const bool found = Walk(k, sets, pairs);
    for (int i = 0; i < size; ++i) {
      if (took[i]) ++Free[kinds[i]], ++Left;
      --C[kinds[i]];
    }
    return found;
  }

  bool Walk(int k, int sets, int pairs) {
    // The blocks still to come hold at most this many of the tiles left.
    if (Left - Spare > 3 * (4 - sets) + 2 * (1 - pairs)) return false;
    while (k < KindCount && Free[k] == 0) ++k;
    if (k == KindCount) return true;
    if (Spare > 0) {
      --Free[k], --Left;
      --Spare;
      const bool found = Walk(k, sets, pairs);
      ++Free[k], ++Left;
      ++Spare;
      if (found) return true;
    }
    if (pairs < 1 && Place(k, sets, pairs + 1, {k, k, k}, 2)) return true;
    if (sets == 4) return false;
    if (Place(k, sets + 1, pairs, {k, k, k}, 3)) return true;
    if (k >= 27) return false;
    const int n = k % 9;
    return (n >= 2 && Place(k, sets + 1, pairs, {k - 2, k - 1, k}, 3)) ||
           (n >= 1 && n <= 7 && Place(k, sets + 1, pairs, {k - 1, k, k + 1}, 3)) ||
           (n <= 6 && Place(k, sets + 1, pairs, {k, k + 1, k + 2}, 3));
  }
};

// Whether four sets and a pair can use `goal` held tiles.
inline bool NormalReaches(const TKindCounts& h, int goal) {
  int tiles = 0;
  for (int n : h) tiles += n;
  TSearch search{h};
  search.Spare = tiles - goal;
  search.Left = tiles;
  return search.Spare >= 0 && search.Walk(0, 0, 0);
}

inline int NormalUsed(const TKindCounts& h) {
  int goal = 14;
  while (goal > 0 && !NormalReaches(h, goal)) --goal;
  return goal;
}

inline int PairsUsed(const TKindCounts& h) {
  std::array<int, KindCount> supplied{};
  for (int k = 0; k < KindCount; ++k) supplied[k] = std::min(h[k], 2);
  std::sort(supplied.begin(), supplied.end(), std::greater<>());
  int used = 0;
  for (int i = 0; i < 7; ++i) used += supplied[i];
  return used;
}

inline int OrphansUsed(const TKindCounts& h) {
  const int orphans[13] = {0, 8, 9, 17, 18, 26, 27, 28, 29, 30, 31, 32, 33};
  int best = 0;
  for (int twice : orphans) {
    int used = 0;
    for (int k : orphans) used += std::min(h[k], k == twice ? 2 : 1);
    best = std::max(best, used);
  }
  return best;
}

inline int Shanten(const TKindCounts& h) {
  return 14 - std::max({NormalUsed(h), PairsUsed(h), OrphansUsed(h)}) - 1;
}

// Whether some complete hand uses `goal` held tiles.
inline bool Reaches(const TKindCounts& h, int goal) {
  return PairsUsed(h) >= goal || OrphansUsed(h) >= goal || NormalReaches(h, goal);
}

// The effective kinds of 13 tiles, copies counted against `held`.
inline TMjUkeire Ukeire(TKindCounts h, const TKindCounts& held, const TKindCounts& seen) {
  TMjUkeire out;
  out.Shanten = Shanten(h);
  for (int k = 0; k < KindCount; ++k) {
    if (h[k] == 4) continue;
    ++h[k];
    if (Reaches(h, 14 - out.Shanten)) {  // shanten one lower
      out.Kinds |= TKindMask{1} << k;
      out.Count += std::max(0, 4 - held[k] - seen[k]);
    }
    --h[k];
  }
  return out;
}

inline TMjDiscardTable Discards(const TKindCounts& hand, const TKindCounts& seen) {
  TMjDiscardTable table;
  table.Shanten = Shanten(hand);
  for (int d = 0; d < KindCount; ++d) {
    if (hand[d] == 0) continue;
    TKindCounts kept = hand;
    --kept[d];
    const TMjUkeire u = Ukeire(kept, hand, seen);
    table.Discards.push_back({d, u.Shanten, u.Kinds, u.Count});
  }
  std::stable_sort(table.Discards.begin(), table.Discards.end(), [](const TMjDiscard& a, const TMjDiscard& b) {
    return a.Shanten != b.Shanten ? a.Shanten < b.Shanten : a.Count > b.Count;
  });
  return table;
}

// Results as one line, for comparisons that print what differs.
inline std::string UkeireText(const TMjUkeire& u) {
  return std::to_string(u.Shanten) + ' ' + KindsText(u.Kinds) + ' ' + std::to_string(u.Count);
}

// "S d:s:U:N ...", best first.
inline std::string TableText(const TMjDiscardTable& table) {
  std::string out = std::to_string(table.Shanten);
  for (const TMjDiscard& d : table.Discards) {
    out += ' ' + KindText(d.Kind) + ':' + std::to_string(d.Shanten) + ':' + KindsText(d.Kinds) + ':' +
           std::to_string(d.Count);
  }
  return out;
}

}  // namespace reference
