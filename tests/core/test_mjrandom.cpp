#include <gtest/gtest.h>

#include <vector>

#include "core/Mjrandom1.h"
#include "tests/support/SequenceSource.h"

TEST(MjRandom, SeedZeroGivesKnownValues) {
  TMjRandom g;
  g.State = 0;
  EXPECT_EQ(g.Next(), 0);  // the value seeding throws away
  g.Seed(0);
  EXPECT_EQ(g.Next(), 346);
  EXPECT_EQ(g.Next(), 130);
}

TEST(MjRandom, SameSeedSameValuesAndRange) {
  TMjRandom a, b;
  a.Seed(1234567);
  b.Seed(1234567);
  for (int i = 0; i < 1000; ++i) {
    const int v = a.Next();
    EXPECT_EQ(v, b.Next());
    EXPECT_GE(v, 0);
    EXPECT_LE(v, 32767);
  }
  TMjRandom c;
  c.Seed(1234568);
  a.Seed(1234567);
  bool differs = false;
  for (int i = 0; i < 10; ++i) differs |= a.Next() != c.Next();
  EXPECT_TRUE(differs);
}

TEST(MjRandom, ShufflesDrawFromTheReplaceableSource) {
  TRuleSource source([](int) { return 1; });
  {
    TScopedRandomSource guard(source);
    EXPECT_EQ(&RandomSource(), &source);
    std::vector<int> v{0, 1, 2, 3};
    ShuffleInPlace(v, 4);
    EXPECT_EQ(source.Taken, 3);
    EXPECT_EQ(v, (std::vector<int>{1, 2, 3, 0}));
  }
  EXPECT_EQ(&RandomSource(), &Random);
}

TEST(MjRandom, ShuffleOfOneEntryDrawsNothing) {
  TRuleSource source([](int) { return 7; });
  TScopedRandomSource guard(source);
  std::vector<int> v{42};
  ShuffleInPlace(v, 1);
  EXPECT_EQ(source.Taken, 0);
  ShuffleInPlace(v, 0);
  EXPECT_EQ(source.Taken, 0);
}
