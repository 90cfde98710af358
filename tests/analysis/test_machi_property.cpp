#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/Mjagari1.h"
#include "tests/support/HandNotation.h"
#include "tests/support/OneSuitHands.h"

// Every 13-tile hand of one suit, checked against a second checker written in
// the plainest way: counts per kind and recursive removal of sets.

namespace {

using Counts = std::array<int, KindCount>;

// The ones and nines of the three suits and the seven honours.
constexpr std::array<bool, KindCount> Orphan = [] {
  std::array<bool, KindCount> orphan{};
  for (int k = 0; k < KindCount; ++k) orphan[k] = k >= 27 || k % 9 == 0 || k % 9 == 8;
  return orphan;
}();

bool Sets(Counts& c) {
  int k = 0;
  while (k < KindCount && c[k] == 0) ++k;
  if (k == KindCount) return true;
  if (c[k] >= 3) {
    c[k] -= 3;
    const bool ok = Sets(c);
    c[k] += 3;
    if (ok) return true;
  }
  if (k < 27 && k % 9 <= 6 && c[k + 1] > 0 && c[k + 2] > 0) {
    --c[k], --c[k + 1], --c[k + 2];
    const bool ok = Sets(c);
    ++c[k], ++c[k + 1], ++c[k + 2];
    if (ok) return true;
  }
  return false;
}

bool Complete(Counts& c) {
  int pairs = 0;
  for (int n : c) pairs += n == 2 ? 1 : 0;
  if (pairs == 7) return true;

  bool orphans = true;
  for (int k = 0; k < KindCount && orphans; ++k) orphans = Orphan[k] == (c[k] > 0);
  if (orphans) return true;

  for (int k = 0; k < KindCount; ++k) {
    if (c[k] < 2) continue;
    c[k] -= 2;
    const bool ok = Sets(c);
    c[k] += 2;
    if (ok) return true;
  }
  return false;
}

// The representative tile of every kind that completes the hand, in kind order.
std::vector<TMjPai> ReferenceWaits(Counts c) {
  std::vector<TMjPai> waits;
  for (int k = 0; k < KindCount; ++k) {
    if (c[k] >= 4) continue;
    ++c[k];
    if (Complete(c)) waits.emplace_back(4 * k);
    --c[k];
  }
  return waits;
}

bool SameIds(const std::vector<TMjPai>& a, const std::vector<TMjPai>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const TMjPai& x, const TMjPai& y) { return x.Id == y.Id; });
}

// One shard per number of 01s held, so that ctest can spread the 93,600 hands.
class MachiProperty : public testing::TestWithParam<int> {};

}  // namespace

TEST_P(MachiProperty, EveryOneSuitHandMatchesTheCountingChecker) {
  const int ones = GetParam();
  TMjTable table;
  int hands = 0;
  int failures = 0;
  auto visit = [&](const Counts& c) {
    TPaiRow row{};
    std::size_t slot = 0;
    for (int k = 0; k < 9; ++k) {
      for (int copy = 0; copy < c[k]; ++copy) row[slot++] = &table.Pai[static_cast<std::size_t>(4 * k + copy)];
    }
    TMjAgari agari(row);
    // Every hand also asks about one kind, so that the answer is checked as well.
    const int asked = hands % 9;
    const bool answer = agari.SearchMachi(&table.Pai[static_cast<std::size_t>(4 * asked + 3)]);
    const std::vector<TMjPai> expected = ReferenceWaits(c);
    const bool expectedAnswer = std::any_of(expected.begin(), expected.end(),
                                            [&](const TMjPai& wait) { return wait.Id == 4 * asked; });
    ++hands;
    // Texts only for a failure: the loop runs tens of thousands of times.
    if (!SameIds(agari.Machi, expected) || answer != expectedAnswer) {
      SCOPED_TRACE(hand::Text(agari.Te));
      EXPECT_EQ(hand::Text(agari.Machi), hand::Text(expected));
      EXPECT_EQ(answer, expectedAnswer) << "asked about " << hand::Text(std::vector<TMjPai>{TMjPai(4 * asked)});
      if (++failures > 10) throw std::runtime_error("too many failures");
    }
  };
  Counts counts{};
  counts[0] = ones;
  EachOneSuitHand(counts, 1, 13 - ones, visit);
  // 29,400 + 23,940 + 18,320 + 13,140 + 8,800 = 93,600 hands in all.
  const int shardSize[] = {29400, 23940, 18320, 13140, 8800};
  EXPECT_EQ(hands, shardSize[ones]);
}

INSTANTIATE_TEST_SUITE_P(HoldingOnes, MachiProperty, testing::Range(0, 5));
