#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "tests/support/SequenceSource.h"

namespace {

std::vector<int> WallIds(const TMjTable& t, int n) {
  std::vector<int> ids;
  for (int i = 0; i < n; ++i) ids.push_back(t.Wall[static_cast<std::size_t>(i)]->Id);
  return ids;
}

std::vector<int> RowIds(const TPaiRow& row) {
  std::vector<int> ids;
  for (const TMjPai* p : row) ids.push_back(p ? p->Id : -1);
  return ids;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i < to; ++i) v.push_back(i);
  return v;
}

}  // namespace

TEST(MjTable, NewTableOwnsTilesInIdOrderAndIsEmpty) {
  TMjTable t;
  for (int i = 0; i < PaiCount; ++i) {
    EXPECT_EQ(t.Pai[static_cast<std::size_t>(i)].Id, i);
    EXPECT_EQ(t.Pai[static_cast<std::size_t>(i)].State, stWall);
    EXPECT_EQ(t.Wall[static_cast<std::size_t>(i)], nullptr);
  }
  for (const TPaiRow* row : {&t.Sutepai, &t.Tepai, &t.TumoRec, &t.HaipaiRec})
    EXPECT_EQ(std::count(row->begin(), row->end(), nullptr), RowSlots);
  EXPECT_EQ(t.WallPos, 0);
  EXPECT_EQ(t.SuteCount, 0);
  EXPECT_EQ(t.TumoCount, 0);
}

TEST(MjTable, ShufflesArePermutations) {
  Random.Seed(99);
  TMjTable t;
  t.Shuffle();
  std::vector<int> ids = WallIds(t, PaiCount);
  EXPECT_NE(ids, Range(0, PaiCount));
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, Range(0, PaiCount));

  t.ShuffleTinitu();
  ids = WallIds(t, TinituCount);
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, Range(0, TinituCount));
}

TEST(MjTable, ShuffleDrawsExactlyNMinusOneValues) {
  TRuleSource source = ZeroSource();
  TScopedRandomSource guard(source);
  TMjTable t;
  t.Shuffle();
  EXPECT_EQ(source.Taken, 135);
  EXPECT_EQ(WallIds(t, PaiCount), Range(0, PaiCount));  // no step exchanges
  source.Taken = 0;
  t.ShuffleTinitu();
  EXPECT_EQ(source.Taken, 35);
  EXPECT_EQ(WallIds(t, TinituCount), Range(0, TinituCount));
}

TEST(MjTable, ExchangingWithTheLastEntryRotatesTheWall) {
  TRuleSource source([](int step) { return PaiCount - step - 1; });
  TScopedRandomSource guard(source);
  TMjTable t;
  t.Shuffle();
  std::vector<int> expected{135};
  for (int i = 0; i < 135; ++i) expected.push_back(i);
  EXPECT_EQ(WallIds(t, PaiCount), expected);
}

TEST(MjTable, ShuffleClearsTheTable) {
  Random.Seed(5);
  TMjTable t;
  t.Shuffle();
  t.Haipai();
  t.Tumo();
  t.Sute(13);
  t.ShuffleTinitu();
  EXPECT_EQ(t.WallPos, 0);
  EXPECT_EQ(t.SuteCount, 0);
  EXPECT_EQ(t.TumoCount, 0);
  EXPECT_EQ(t.Tepai[0], nullptr);
  EXPECT_EQ(t.Sutepai[0], nullptr);
}

class DealtTable : public ::testing::Test {
protected:
  void SetUp() override {
    Random.Seed(2026);
    table.Shuffle();
    table.Haipai();
  }
  TMjTable table;
};

TEST_F(DealtTable, HaipaiDealsWallOrderAndRecordsSorted) {
  std::vector<int> wall = WallIds(table, 13);
  const std::vector<int> row = RowIds(table.Tepai);
  std::vector<int> hand(row.begin(), row.begin() + 13);
  EXPECT_EQ(hand, wall);
  EXPECT_EQ(table.Tepai[13], nullptr);
  std::vector<int> rec = RowIds(table.HaipaiRec);
  std::sort(wall.begin(), wall.end());
  EXPECT_EQ(std::vector<int>(rec.begin(), rec.begin() + 13), wall);
  EXPECT_EQ(std::count(rec.begin() + 13, rec.end(), -1), 7);
  EXPECT_EQ(table.WallPos, 13);
  EXPECT_EQ(table.TumoCount, 0);
  EXPECT_EQ(table.SuteCount, 0);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(table.Tepai[static_cast<std::size_t>(i)]->State, stTe);
}

TEST_F(DealtTable, TumoDrawsIntoSlot13AndRecordsIt) {
  TMjPai* drawn = table.Tumo();
  EXPECT_EQ(drawn, table.Wall[13]);
  EXPECT_EQ(table.Tepai[13], drawn);
  EXPECT_EQ(table.TumoRec[0], drawn);
  EXPECT_EQ(table.TumoCount, 1);
  EXPECT_EQ(table.WallPos, 14);
  EXPECT_EQ(drawn->State, stTe);
}

TEST_F(DealtTable, DiscardingTheDrawnTileLeavesTheHand) {
  table.SortTe();
  const std::vector<int> before = RowIds(table.Tepai);
  TMjPai* drawn = table.Tumo();
  EXPECT_EQ(table.Sute(13), 0);
  EXPECT_EQ(RowIds(table.Tepai), before);
  EXPECT_EQ(table.Sutepai[0], drawn);
  EXPECT_EQ(table.TumoRec[0], drawn);  // in both rows at once
  EXPECT_EQ(drawn->State, stSute);
  EXPECT_EQ(table.SuteCount, 1);
}

TEST_F(DealtTable, DiscardLeavesAHoleThatSortTeMovesToSlot13) {
  table.SortTe();
  table.Tumo();
  TMjPai* thrown = table.Tepai[4];
  EXPECT_EQ(table.Sute(4), 0);
  EXPECT_EQ(table.Tepai[4], nullptr);
  EXPECT_EQ(table.Sutepai[0], thrown);
  table.SortTe();
  EXPECT_EQ(table.Tepai[13], nullptr);
  for (int i = 0; i < 12; ++i)
    EXPECT_LT(table.Tepai[static_cast<std::size_t>(i)]->Id, table.Tepai[static_cast<std::size_t>(i + 1)]->Id);
  table.Tumo();
  EXPECT_EQ(table.Sute(0), 1);  // discards fill the row in order
}

TEST_F(DealtTable, ClearAndHaipaiReplaysTheSameDealAndDraws) {
  std::vector<int> draws;
  for (int i = 0; i < 5; ++i) {
    draws.push_back(table.Tumo()->Id);
    table.Sute(i % 3);
    table.SortTe();
  }
  const std::vector<int> dealt = RowIds(table.HaipaiRec);
  TMjPai* discarded = table.Sutepai[0];
  table.Clear();
  EXPECT_EQ(discarded->State, stSute);  // Clear leaves states alone
  table.Haipai();
  EXPECT_EQ(RowIds(table.HaipaiRec), dealt);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(table.Tumo()->Id, draws[static_cast<std::size_t>(i)]);
    table.Sute(13);
  }
}

TEST(MjTableSortRow, EmptyRowStaysEmpty) {
  TPaiRow row{};
  TMjTable::SortRow(row);
  EXPECT_EQ(std::count(row.begin(), row.end(), nullptr), RowSlots);
}

TEST(MjTableSortRow, TilesFirstEmptiesLastAndSlotsBeyond13Untouched) {
  TMjTable t;
  TPaiRow row{};
  row[0] = &t.Pai[50];
  row[2] = &t.Pai[3];
  row[15] = &t.Pai[1];
  row[19] = &t.Pai[0];
  TMjTable::SortRow(row);
  EXPECT_EQ(row[0], &t.Pai[3]);
  EXPECT_EQ(row[1], &t.Pai[50]);
  for (int i = 2; i < 14; ++i) EXPECT_EQ(row[static_cast<std::size_t>(i)], nullptr);
  EXPECT_EQ(row[15], &t.Pai[1]);
  EXPECT_EQ(row[19], &t.Pai[0]);
}

TEST(MjTableSortRow, FullHandSortsById) {
  TMjTable t;
  TPaiRow row{};
  const int ids[14] = {77, 3, 135, 0, 64, 12, 99, 100, 8, 41, 42, 120, 5, 60};
  for (int i = 0; i < 14; ++i) row[static_cast<std::size_t>(i)] = &t.Pai[static_cast<std::size_t>(ids[i])];
  TMjTable::SortRow(row);
  std::vector<int> sorted(ids, ids + 14);
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> got = RowIds(row);
  EXPECT_EQ(std::vector<int>(got.begin(), got.begin() + 14), sorted);
}
