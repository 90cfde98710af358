#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/Mjstats1.h"
#include "tests/records/RecordFiles.h"
#include "tests/support/GeneratedRecords.h"

// A folder of played deals judged file by file and summed.

TEST(MjStats, AFolderSumsItsDealsAndCountsTheFilesThatGiveNone) {
  TTempFolder folder;
  std::vector<TMjRecordStats> records;
  TMjStatsTotals expected;
  int readyAtNine = 0;
  for (std::uint32_t seed = 1; seed <= 24; ++seed) {
    TMjTable table;
    const int draws = seed % 8 == 0 ? 7 : 18;  // some saved in the middle of the deal
    PlayGeneratedDeal(table, seed, static_cast<int>(seed * 4), draws);
    const std::string name = "deal" + std::to_string(seed) + ".csv";
    WriteBytes(folder / name, RecordText(table, {2024, 5, 6, 7, 8, static_cast<int>(seed)}));
    records.push_back(AnalyseRecordFile(folder / name, name));

    // The same deal judged straight from the table's rows.
    const TMjReview review =
        ReviewDeal(CodeRowOf(table.HaipaiRec), CodeRowOf(table.TumoRec), CodeRowOf(table.Sutepai));
    SCOPED_TRACE(name);
    ASSERT_TRUE(records.back().Ok());
    EXPECT_EQ(records.back().Deal.Stamp, "2024/05/06 07:08:" + std::string(seed < 10 ? "0" : "") + std::to_string(seed));
    EXPECT_EQ(records.back().Deal.Decisions, draws == 18 ? 18 : draws - 1);
    EXPECT_EQ(records.back().Deal.FinalShanten, review.FinalShanten());
    expected.Decisions += review.Decisions();
    expected.BestChoices += review.BestChoices();
    expected.ChosenCount += review.ChosenCountSum();
    expected.BestCount += review.BestCountSum();
    expected.Wins += review.WinDraw() >= 0;
    const int ready = review.FirstReadyDraw();
    expected.Ready += ready >= 0;
    readyAtNine += ready >= 0 && ready <= 9;
  }
  WriteBytes(folder / "empty.csv", "");
  WriteBytes(folder / "notes.csv", "shopping list\r\n");
  WriteBytes(folder / "fifth.csv", std::string(RecordHeader) + "2024/05/06 07:08:09\r\n" +
                                       "01,01,01,01,01,02,03,04,05,06,07,08,09,00,00,00,00,00,00,00\r\n" +
                                       std::string(59, '0') + "\r\n" + std::string(59, '0') + "\r\n" +
                                       std::string(59, '0') + "\r\n");
  for (const char* name : {"empty.csv", "notes.csv", "fifth.csv", "missing.csv"})
    records.push_back(AnalyseRecordFile(folder / name, name));

  const TMjStatsTotals t = SumStats(records);
  EXPECT_EQ(t.Deals, 24);
  EXPECT_EQ(t.Failures, 4);
  EXPECT_EQ(t.Decisions, expected.Decisions);
  EXPECT_EQ(t.BestChoices, expected.BestChoices);
  EXPECT_EQ(t.ChosenCount, expected.ChosenCount);
  EXPECT_EQ(t.BestCount, expected.BestCount);
  EXPECT_EQ(t.Wins, expected.Wins);
  EXPECT_EQ(t.Ready, expected.Ready);
  EXPECT_EQ(t.ReadyBy[9], readyAtNine);
  EXPECT_EQ(t.ReadyBy[DealLimit], t.Ready);
  EXPECT_NEAR(t.ReadyShare(9), 100.0 * readyAtNine / 24, 1e-9);
  EXPECT_GT(t.BestChoices, 0);
  EXPECT_LT(t.BestChoices, t.Decisions);  // the skills vary, so the figures do

  const std::size_t deals = 24;
  EXPECT_EQ(records[deals].Fault, TMjStatsFault::Unreadable);
  EXPECT_EQ(records[deals + 1].Fault, TMjStatsFault::Refused);
  EXPECT_EQ(records[deals + 2].Fault, TMjStatsFault::DoesNotAddUp);
  EXPECT_EQ(records[deals + 2].Error, TMjReviewError::FifthCopy);
  EXPECT_EQ(records[deals + 3].Fault, TMjStatsFault::Unreadable);
  EXPECT_NE(records[deals + 3].Message.find("missing.csv"), std::string::npos);
}

TEST(MjStats, DealsComeInTimeOrderAndTheCsvQuotesWhatNeedsIt) {
  std::vector<TMjRecordStats> records(3);
  records[0].Deal.File = "b,late.csv";
  records[0].Deal.Stamp = "2024/05/07 00:00:00";
  records[1].Deal.File = "a.csv";
  records[1].Deal.Stamp = "2024/05/06 23:59:59";
  records[1].Deal.Efficiency = 87.5;
  records[1].Deal.BestChoices = 15;
  records[1].Deal.Decisions = 18;
  records[1].Deal.FirstReady = 9;
  records[1].Deal.WinDraw = 14;
  records[1].Deal.FinalShanten = -1;
  records[2].Fault = TMjStatsFault::Refused;
  const std::vector<TMjDealStats> deals = DealsByStamp(records);
  ASSERT_EQ(deals.size(), 2u);
  EXPECT_EQ(deals[0].File, "a.csv");
  EXPECT_EQ(StatsCsv(deals),
            "file,time,efficiency,best_choices,decisions,first_ready_draw,final_shanten,win_draw\r\n"
            "a.csv,2024/05/06 23:59:59,87.5,15,18,9,-1,14\r\n"
            "\"b,late.csv\",2024/05/07 00:00:00,100.0,0,0,-1,0,-1\r\n");
}
