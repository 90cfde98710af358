// The win chances with moves off the shortest path (MjWorths) set against the
// published method's bound searched here on its own, draw by draw, over the
// seeded deals of the benchmarks. The published method (麻雀アルゴリズム,
// chapter 和了確率) bounds the moves by the hand alone: a hand may draw any kind
// and throw any tile while the tiles it holds beyond the first hand's copies
// plus its shanten stay below the first hand's shanten plus the budget; past
// that it draws only what lowers the shanten and throws only what keeps it.
// MjWorths builds that graph and works it out with the draws as the outer
// loop; here every (hand, draws left) pair is searched, slowly, with the same
// draws (improving kinds with their copies, unseen less those drawn and kept,
// over the wall; the rest of the draw shared by the other kinds allowed, or
// nothing changes), so that the two must agree.
//
//   published_budget SHANTEN DEALS MOVES
//
// Prints each shanten-keeping discard's win chance, ours / the published
// method's, and a summary line.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "analysis/Mjvalue1.h"
#include "bench/SeededDeals.h"

namespace {

constexpr int DrawsLeft = DealDraws - 1;

struct TPublished {
  TKindCounts First;
  int Shanten = 0;  // of the first hand (14 tiles)
  int Budget = 0;
  int Wall = 0;  // tiles unseen by the first hand
  std::map<std::pair<TKindCounts, int>, double> Known;

  int Beyond(const TKindCounts& h) const {
    int n = 0;
    for (int k = 0; k < KindCount; ++k) n += std::max(0, h[k] - First[k]);
    return n;
  }

  // Win chance of 13 tiles with `left` draws to come.
  double Hand13(TKindCounts& h, int left) {
    if (left == 0) return 0.0;
    const auto known = Known.find({h, left});
    if (known != Known.end()) return known->second;
    const TMjUkeire u = MjUkeire(h);
    const bool free = Beyond(h) + u.Shanten < Shanten + Budget;
    const double wall = Wall - (DrawsLeft - left);
    double improving = 0;
    double other = 0;
    std::vector<std::pair<int, double>> others;  // copies, what follows
    double value = 0;
    for (int k = 0; k < KindCount; ++k) {
      const int copies = 4 - First[k] - std::max(0, h[k] - First[k]);
      const bool improves = (u.Kinds >> k & 1) != 0;
      if (copies <= 0 || (!free && !improves)) continue;
      ++h[k];
      const double next = Hand14(h, left - 1);
      --h[k];
      if (improves) {
        value += copies * next / wall;
        improving += copies;
      } else {
        others.emplace_back(copies, next);
        other += copies;
      }
    }
    // The rest of the draw: the other kinds by their copies, or nothing changes.
    const double rest = 1.0 - improving / wall;
    for (const auto& [copies, next] : others) value += rest * copies / other * next;
    if (others.empty()) value += rest * Hand13(h, left - 1);
    Known[{h, left}] = value;
    return value;
  }

  double Hand14(TKindCounts& h, int left) {
    const auto known = Known.find({h, left});
    if (known != Known.end()) return known->second;
    const TMjDiscardTable table = MjDiscards(h);
    double best = table.Shanten < 0 ? 1.0 : 0.0;
    if (table.Shanten >= 0) {
      const bool free = Beyond(h) + table.Shanten < Shanten + Budget;
      for (const TMjDiscard& d : table.Discards) {
        if (!free && d.Shanten != table.Shanten) continue;
        --h[d.Kind];
        best = std::max(best, Hand13(h, left));
        ++h[d.Kind];
      }
    }
    Known[{h, left}] = best;
    return best;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SHANTEN DEALS MOVES\n", argv[0]);
    return 2;
  }
  const int shanten = std::atoi(argv[1]);
  const int deals = std::atoi(argv[2]);
  TMjWorthRules rules;
  rules.Extra = std::atoi(argv[3]);
  std::vector<double> gaps;
  int sameBest = 0;
  for (const TKindCounts& hand : SeededDeals(shanten, shanten, deals)) {
    const TMjWorthTable ours = MjWorths(hand, MjUnseen(hand, NoKinds), DrawsLeft, rules);
    TPublished published{hand, ours.Shanten, rules.Extra, 136 - 14, {}};
    std::printf("%s:", HandText(hand).c_str());
    std::pair<double, double> best{-1, -1};  // the best discards' published figures: ours, theirs
    double oursBest = -1;
    for (const TMjWorth& w : ours.Discards) {
      if (w.Shanten != ours.Shanten) continue;
      TKindCounts kept = hand;
      --kept[w.Kind];
      const double theirs = published.Hand13(kept, DrawsLeft);
      std::printf(" %s %.2f/%.2f", KindText(w.Kind).c_str(), 100 * w.Win, 100 * theirs);
      gaps.push_back(100 * (theirs - w.Win));
      if (w.Win > oursBest) {
        oursBest = w.Win;
        best.first = theirs;
      }
      best.second = std::max(best.second, theirs);
    }
    // Our best throw is theirs too when it has their best figure (ties count).
    const bool same = best.first >= best.second - 1e-9;
    sameBest += same ? 1 : 0;
    std::printf("%s\n", same ? "" : "  (best throws differ)");
  }
  std::sort(gaps.begin(), gaps.end());
  const auto within = std::count_if(gaps.begin(), gaps.end(), [](double g) { return std::abs(g) <= 0.5; });
  std::printf(
      "%zu discards; published - ours: median %.2f, most %.2f, least %.2f points; within 0.5: %td; "
      "best throw the same on %d of %d deals\n",
      gaps.size(), gaps[gaps.size() / 2], gaps.back(), gaps.front(), within, sameBest, deals);
}
