#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/Mjagari1.h"
#include "analysis/Tdebug1.h"
#include "tests/support/HandNotation.h"

// The waiting-tile search over the 34 kinds, as the waiting-tiles window uses it:
// build from the hand row, search once, read Machi.

namespace {

struct Search {
  std::string Codes;  // the codes of Machi, "01 04"
  bool Answer;
};

Search Waits(const char* text, const char* test = nullptr) {
  TMjTable table;
  TMjAgari agari(hand::Row(table, text));
  std::vector<TMjPai> testTile;
  if (test != nullptr) testTile = hand::Tiles(test);
  const bool answer = agari.SearchMachi(testTile.empty() ? nullptr : &testTile[0]);
  for (const TMjPai& pai : agari.Machi) {
    EXPECT_EQ(pai.Id % 4, 0) << "not the representative id";
    EXPECT_EQ(pai.State, stWall);
  }
  return {hand::Text(agari.Machi), answer};
}

}  // namespace

TEST(SearchMachi, ThirteenSidedOrphansInKindOrder) {
  const char* hand = "01 09 11 19 21 29 31 32 33 34 35 36 37";
  SCOPED_TRACE(hand);
  EXPECT_EQ(Waits(hand).Codes, "01 09 11 19 21 29 31 32 33 34 35 36 37");
  EXPECT_TRUE(Waits(hand, "37").Answer);
  EXPECT_FALSE(Waits(hand, "02").Answer);
  // One orphan doubled, one missing: the missing one is the only wait.
  EXPECT_EQ(Waits("01 01 09 11 19 21 29 31 32 33 34 35 37").Codes, "36");
}

TEST(SearchMachi, NineGatesWaitsOnAllNine) {
  const char* hand = "01 01 01 02 03 04 05 06 07 08 09 09 09";
  SCOPED_TRACE(hand);
  EXPECT_EQ(Waits(hand, "05").Codes, "01 02 03 04 05 06 07 08 09");
  EXPECT_TRUE(Waits(hand, "05").Answer);
  EXPECT_FALSE(Waits(hand, "11").Answer);
}

TEST(SearchMachi, KindsHeldFourTimesAreNeverProposed) {
  const char* hand = "01 01 01 01 02 02 02 02 03 03 03 03 04";
  SCOPED_TRACE(hand);
  EXPECT_EQ(Waits(hand).Codes, "04 05");
  EXPECT_FALSE(Waits(hand, "01").Answer);
  EXPECT_TRUE(Waits(hand, "05").Answer);
}

TEST(SearchMachi, SevenPairsWaitsOnTheSingle) {
  const char* hand = "01 01 03 03 05 05 07 07 12 12 24 24 31";
  SCOPED_TRACE(hand);
  EXPECT_EQ(Waits(hand).Codes, "31");
  EXPECT_TRUE(Waits(hand, "31").Answer);
  EXPECT_FALSE(Waits(hand, "01").Answer);
}

TEST(SearchMachi, HandsWithoutWaits) {
  for (const char* hand : {"01 01 01 01 03 03 05 05 07 07 12 12 24",  // four 01s are no two pairs
                           "01 04 07 11 14 17 21 24 27 31 32 33 34",
                           "01 02 09 11 19 21 29 31 32 33 34 35 36"}) {
    SCOPED_TRACE(hand);
    for (const char* test : {"01", "24", "37"}) {
      const Search s = Waits(hand, test);
      EXPECT_EQ(s.Codes, "");
      EXPECT_FALSE(s.Answer);
    }
  }
}

TEST(SearchMachi, NoTestTileAnswersFalse) {
  const Search s = Waits("01 01 01 02 03 04 05 06 07 08 09 09 09");
  EXPECT_FALSE(s.Codes.empty());
  EXPECT_FALSE(s.Answer);
}

TEST(SearchMachi, TestTileIsComparedByCode) {
  TMjTable table;
  TMjAgari agari(hand::Row(table, "01 09 11 19 21 29 31 32 33 34 35 36 37"));
  // The last copy of Red: the candidate has id 132, the test tile 135.
  EXPECT_TRUE(agari.SearchMachi(&table.Pai[135]));
  EXPECT_EQ(agari.Machi.back().Id, 132);
  // The candidate is the first copy even when the hand holds that very tile.
  TMjAgari single(hand::Row(table, "01 02 03 04 05 06 07 08 09 11 12 13 31"));
  EXPECT_TRUE(single.SearchMachi(&table.Pai[109]));
  ASSERT_EQ(single.Machi.size(), 1u);
  EXPECT_EQ(single.Machi[0].Id, 108);
}

TEST(SearchMachi, CopiesSlotsZeroToTwelveOnly) {
  TMjTable table;
  TPaiRow row = hand::Row(table, "01 01 03 03 05 05 07 07 12 12 24 24 31");
  table.Pai[0].State = stSute;
  row[13] = &table.Pai[109];  // the drawn tile is not part of the analysis
  TMjAgari agari(row);
  EXPECT_EQ(hand::Text(agari.Te), "01 01 03 03 05 05 07 07 12 12 24 24 31");
  EXPECT_EQ(agari.Te[0].State, stSute);
  EXPECT_EQ(agari.Te[1].Id, 1);
  EXPECT_TRUE(agari.Machi.empty());
  EXPECT_TRUE(agari.SearchMachi(row[13]));
  // The table is left as it was.
  EXPECT_EQ(table.Pai[109].State, stWall);
  EXPECT_EQ(row[0], &table.Pai[0]);
}

TEST(SearchMachi, SearchingAgainStartsAfresh) {
  TMjTable table;
  TMjAgari agari(hand::Row(table, "01 01 01 02 03 04 05 06 07 08 09 09 09"));
  agari.SearchMachi(nullptr);
  agari.SearchMachi(nullptr);
  EXPECT_EQ(hand::Text(agari.Machi), "01 02 03 04 05 06 07 08 09");
}

TEST(SearchMachi, TracesOneHeadPerCandidateAndThreeLinesPerNormalWait) {
  std::vector<std::string> lines;
  TScopedDebugSink sink([&](std::string_view line) { lines.emplace_back(line); });
  TMjTable table;
  TMjAgari agari(hand::Row(table, "02 03 04 12 12 12 25 26 27 31 31 37 37"));
  agari.SearchMachi(nullptr);
  EXPECT_EQ(hand::Text(agari.Machi), "31 37");

  const auto heads = std::count_if(lines.begin(), lines.end(),
                                   [](const std::string& l) { return l.rfind("ChkNormal:", 0) == 0; });
  EXPECT_EQ(heads, 34);
  EXPECT_EQ(lines.size(), 34u + 2u * 3u);
  // The candidate 31 goes after the two 31s held; its split is the worked example.
  const auto at = std::find(lines.begin(), lines.end(), "ChkNormal: 02 03 04 12 12 12 25 26 27 31 31 31 37 37");
  ASSERT_NE(at, lines.end());
  ASSERT_GE(lines.end() - at, 4);
  EXPECT_EQ(at[1], "S: 25 26 27 31 31 31");
  EXPECT_EQ(at[2], "K: 12 12 12 25 26 27 31 31 31");
  EXPECT_EQ(at[3], "S: 02 03 04 12 12 12 25 26 27 31 31 31");
  EXPECT_EQ(lines.front(), "ChkNormal: 01 02 03 04 12 12 12 25 26 27 31 31 37 37");
  // The last candidate, 37, is a wait too: its head and its three lines close the trace.
  EXPECT_EQ(lines[lines.size() - 4], "ChkNormal: 02 03 04 12 12 12 25 26 27 31 31 37 37 37");
  EXPECT_EQ(lines.back(), "S: 02 03 04 12 12 12 25 26 27 37 37 37");
}
