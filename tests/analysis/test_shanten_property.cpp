#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/Mjshanten1.h"
#include "core/Mjrandom1.h"
#include "tests/support/OneSuitHands.h"
#include "tests/support/ShantenReference.h"

// The shanten engine against the plain search of the definition: every 13-tile
// hand of one suit, then a seeded sample of mixed 13- and 14-tile hands.

namespace {

// An unoptimised (sanitizer) build checks every 61st one-suit hand: the plain
// search would take minutes there.
#ifdef NDEBUG
constexpr int OneSuitStride = 1;
#else
constexpr int OneSuitStride = 61;
#endif

// Two shards per number of 1m held, so that ctest can spread the 93,600 hands.
class ShantenOneSuit : public testing::TestWithParam<int> {};

}  // namespace

TEST_P(ShantenOneSuit, EveryHandMatchesThePlainSearch) {
  const int ones = GetParam() / 2;
  const int half = GetParam() % 2;  // every other hand
  int hands = 0;
  int failures = 0;
  auto visit = [&](const TKindCounts& c) {
    const int index = hands++;
    if (index % 2 != half || index / 2 % OneSuitStride != 0) return;
    const std::string engine = reference::UkeireText(MjUkeire(c));
    const std::string expected = reference::UkeireText(reference::Ukeire(c, c, NoKinds));
    // Texts only for a failure: the loop runs tens of thousands of times.
    if (engine != expected) {
      EXPECT_EQ(engine, expected) << HandText(c);
      if (++failures > 10) throw std::runtime_error("too many failures");
    }
  };
  TKindCounts counts{};
  counts[0] = ones;
  EachOneSuitHand(counts, 1, 13 - ones, visit);
  const int shardSize[] = {29400, 23940, 18320, 13140, 8800};
  EXPECT_EQ(hands, shardSize[ones]);
}

INSTANTIATE_TEST_SUITE_P(HoldingOnesHalf, ShantenOneSuit, testing::Range(0, 10));

// Every 13-tile hand of honours alone, and every such hand with one honour
// more: honours have tables of their own.
TEST(ShantenHonours, EveryHandMatchesThePlainSearch) {
  int hands = 0;
  int failures = 0;
  TKindCounts c{};
  auto visit = [&](auto& self, int kind, int left) -> void {
    if (kind == KindCount) {
      if (left != 0 || hands++ % OneSuitStride != 0) return;
      const std::string engine = reference::UkeireText(MjUkeire(c));
      const std::string expected = reference::UkeireText(reference::Ukeire(c, c, NoKinds));
      if (engine != expected && ++failures <= 10) {
        EXPECT_EQ(engine, expected) << HandText(c);
      }
      for (int k = 27; k < KindCount; ++k) {
        if (c[k] == 4) continue;
        ++c[k];
        if (MjShanten(c) != reference::Shanten(c) && ++failures <= 10) {
          EXPECT_EQ(MjShanten(c), reference::Shanten(c)) << HandText(c);
        }
        --c[k];
      }
      return;
    }
    for (int n = 0; n <= 4 && n <= left; ++n) {
      c[kind] = n;
      self(self, kind + 1, left - n);
    }
    c[kind] = 0;
  };
  visit(visit, 27, 13);
  EXPECT_EQ(hands, 7875);
  EXPECT_EQ(failures, 0);
}

// Discard tables of hands at the edges of the tables: a suit or the honours
// holding all 14 tiles, four copies, seven pairs and thirteen orphans.
TEST(ShantenTables, EdgeHandsMatchThePlainSearch) {
  for (const char* text : {"11112222333344m", "11112345678999p", "11122233344455s", "11112223334445z",
                           "11223344556677z", "19m19p19s12345677z", "11m22p33s44556677z", "1111m1111p1111s11z"}) {
    SCOPED_TRACE(text);
    const TMjHandText parsed = ParseHand(text);
    ASSERT_EQ(parsed.Error, TMjNotationError::None);
    EXPECT_EQ(MjShanten(parsed.Counts), reference::Shanten(parsed.Counts));
    EXPECT_EQ(reference::TableText(MjDiscards(parsed.Counts, NoKinds)),
              reference::TableText(reference::Discards(parsed.Counts, NoKinds)));
  }
}

namespace {

constexpr std::array<int, 13> Orphans{0, 8, 9, 17, 18, 26, 27, 28, 29, 30, 31, 32, 33};

// Hands of `tiles` tiles in four shapes, by shape = seed % 4: a random deal,
// seven-pairs-like (pairs of random kinds), orphans-like (mostly ones, nines
// and honours), and a random deal holding some kind four times.
TKindCounts Sample(TMjRandom& gen, int shape, int tiles) {
  TKindCounts c{};
  int held = 0;
  auto add = [&](int kind, int copies) {
    while (copies-- > 0 && held < tiles && c[kind] < 4) ++c[kind], ++held;
  };
  if (shape == 3) add(gen.Next() % KindCount, 4);
  while (held < tiles) {
    if (shape == 1) {
      add(gen.Next() % KindCount, 2);
    } else if (shape == 2 && gen.Next() % 5 != 0) {
      add(Orphans[gen.Next() % 13], 1);
    } else {
      add(gen.Next() % KindCount, 1);
    }
  }
  return c;
}

}  // namespace

// Sizes of the mixed samples; the plain search is slow on far-off hands.
#ifdef NDEBUG
constexpr int SampleHands = 200;
constexpr int SampleTables = 12;
#else
constexpr int SampleHands = 20;
constexpr int SampleTables = 1;
#endif

class ShantenSample : public testing::TestWithParam<int> {};

TEST_P(ShantenSample, MixedHandsMatchThePlainSearch) {
  const int shape = GetParam();
  TMjRandom gen;
  gen.Seed(20261209 + shape);
  int failures = 0;
  for (int i = 0; i < SampleHands && failures < 10; ++i) {
    TKindCounts seen{};
    for (int k = 0; k < KindCount; ++k) seen[k] = gen.Next() % 7 == 0 ? gen.Next() % 3 : 0;

    const TKindCounts thirteen = Sample(gen, shape, 13);
    const std::string engine13 = reference::UkeireText(MjUkeire(thirteen, seen));
    const std::string expected13 = reference::UkeireText(reference::Ukeire(thirteen, thirteen, seen));
    if (engine13 != expected13) {
      ++failures;
      EXPECT_EQ(engine13, expected13) << HandText(thirteen);
    }

    const TKindCounts fourteen = Sample(gen, shape, 14);
    EXPECT_EQ(MjShanten(fourteen), reference::Shanten(fourteen)) << HandText(fourteen);
    if (i < SampleTables) {
      const std::string engine14 = reference::TableText(MjDiscards(fourteen, seen));
      const std::string expected14 = reference::TableText(reference::Discards(fourteen, seen));
      if (engine14 != expected14) {
        ++failures;
        EXPECT_EQ(engine14, expected14) << HandText(fourteen);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShantenSample, testing::Range(0, 4));

// Every row of a discard table is the effective tiles of the 13 tiles kept,
// counted against all 14: the table reuses the suits a discard leaves alone.
TEST(ShantenTables, EveryRowIsTheHandKept) {
  TMjRandom gen;
  gen.Seed(77);
  for (int i = 0; i < 2000; ++i) {
    const TKindCounts hand = Sample(gen, i % 4, 14);
    TKindCounts seen{};
    seen[gen.Next() % KindCount] = 1;
    const TMjDiscardTable table = MjDiscards(hand, seen);
    ASSERT_EQ(table.Shanten, MjShanten(hand)) << HandText(hand);
    int best = 99;
    for (const TMjDiscard& row : table.Discards) {
      TKindCounts kept = hand;
      --kept[row.Kind];
      const TMjUkeire u = MjUkeire(kept);
      int count = 0;
      for (int k = 0; k < KindCount; ++k) {
        if ((u.Kinds >> k) & 1) count += std::max(0, 4 - hand[k] - seen[k]);
      }
      ASSERT_EQ(reference::UkeireText({row.Shanten, row.Kinds, row.Count}), reference::UkeireText({u.Shanten, u.Kinds, count}))
          << HandText(hand) << " less " << KindText(row.Kind);
      best = std::min(best, row.Shanten);
    }
    if (table.Shanten >= 0) {
      EXPECT_EQ(table.Shanten, best) << HandText(hand);
    }
  }
}

// The lean tables of the searches: the plain search's rows in code order, the
// effective kinds left out past the shanten asked for.
TEST(ShantenTables, LeanRowsMatchThePlainSearch) {
  TMjRandom gen;
  gen.Seed(4242);
  for (int i = 0; i < 4 * SampleTables; ++i) {
    const TKindCounts hand = Sample(gen, i % 4, 14);
    const TMjDiscardTable plain = reference::Discards(hand, NoKinds);
    std::vector<TMjDiscard> rows = plain.Discards;
    std::sort(rows.begin(), rows.end(), [](const TMjDiscard& a, const TMjDiscard& b) { return a.Kind < b.Kind; });
    const int most = plain.Shanten + i % 3 - 1;  // none, the keeping ones, all
    std::array<TMjDiscard, 14> lean{};
    int count = -1;
    ASSERT_EQ(MjDiscardKinds(hand, most, lean, count), plain.Shanten) << HandText(hand);
    ASSERT_EQ(count, static_cast<int>(rows.size())) << HandText(hand);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const TMjDiscard& want = rows[r];
      EXPECT_EQ(reference::UkeireText({lean[r].Shanten, lean[r].Kinds, lean[r].Count}),
                reference::UkeireText({want.Shanten, want.Shanten <= most ? want.Kinds : 0, 0}))
          << HandText(hand) << " less " << KindText(want.Kind) << ", most " << most;
      EXPECT_EQ(lean[r].Kind, want.Kind);
    }
  }
}
