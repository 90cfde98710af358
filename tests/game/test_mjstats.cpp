#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <locale>

#include "game/Mjstats1.h"
#include "analysis/Mjprob1.h"
#include "game/Mjwin1.h"
#include "tests/records/RecordFiles.h"
#include "tests/support/GeneratedRecords.h"
#include "tests/support/HandNotation.h"

// A folder of played deals judged file by file and summed.

namespace {

// The C functions and the C++ streams write "87,5" while one lives. The C
// locale is compiled from a few lines, as a machine may have none with a comma
// (glibc reads LOCPATH at every setlocale).
class TCommaLocale {
public:
  TCommaLocale() : OldCpp(std::locale()) {
    struct TComma : std::numpunct<char> {
      char do_decimal_point() const override { return ','; }
    };
    std::locale::global(std::locale(std::locale::classic(), new TComma));
    if (const char* c = std::setlocale(LC_NUMERIC, nullptr)) OldC = c;
    WriteBytes(Folder / "comma.def", "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"\"\ngrouping -1\nEND LC_NUMERIC\n");
    const std::string build = "localedef -c -i '" + (Folder / "comma.def") + "' '" +
                              (Folder / "comma") + "' >/dev/null 2>&1";
    if (std::system(build.c_str()) == -1) return;
    ::setenv("LOCPATH", Folder.Path.c_str(), 1);
    Active = std::setlocale(LC_NUMERIC, "comma") != nullptr;
    ::unsetenv("LOCPATH");
  }
  ~TCommaLocale() {
    std::setlocale(LC_NUMERIC, OldC.c_str());
    std::locale::global(OldCpp);
  }
  bool Active = false;  // the C functions write a comma too

private:
  TTempFolder Folder;
  std::locale OldCpp;
  std::string OldC = "C";
};

}  // namespace

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
    records.push_back(AnalyseRecordFile(folder / name, name, {2, 1, false}));

    // The same deal judged straight from the table's rows.
    const TMjReview review =
        ReviewDeal(CodeRowOf(table.HaipaiRec), CodeRowOf(table.TumoRec), CodeRowOf(table.Sutepai));
    SCOPED_TRACE(name);
    ASSERT_TRUE(records.back().Ok());
    EXPECT_EQ(records.back().Deal.Stamp, "2024/05/06 07:08:" + std::string(seed < 10 ? "0" : "") + std::to_string(seed));
    // Every discard made is judged up to the win; none after it.
    const int made = draws == 18 ? 18 : draws - 1;
    const int win = review.WinDraw();
    EXPECT_EQ(records.back().Deal.Decisions, win > 0 ? std::min(made, win - 1) : made);
    EXPECT_EQ(records.back().Deal.FinalShanten, review.FinalShanten());
    expected.Decisions += review.Decisions();
    expected.BestChoices += review.BestChoices();
    expected.ChosenCount += review.ChosenCountSum();
    expected.BestCount += review.BestCountSum();
    expected.Wins += review.WinDraw() >= 0;
    expected.WinPoints += DealWinPoints(review, {2, 1, false});
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
  // The table of an earlier run, saved into the folder: neither a deal nor a failure.
  WriteBytes(folder / "table.csv", StatsCsv(DealsByStamp(records)));
  records.push_back(AnalyseRecordFile(folder / "table.csv", "table.csv"));
  EXPECT_EQ(records.back().Fault, TMjStatsFault::StatsTable);

  const TMjStatsTotals t = SumStats(records);
  EXPECT_EQ(t.Deals, 24);
  EXPECT_EQ(t.Failures, 4);
  EXPECT_EQ(t.Decisions, expected.Decisions);
  EXPECT_EQ(t.BestChoices, expected.BestChoices);
  EXPECT_EQ(t.ChosenCount, expected.ChosenCount);
  EXPECT_EQ(t.BestCount, expected.BestCount);
  EXPECT_EQ(t.Wins, expected.Wins);
  EXPECT_EQ(t.WinPoints, expected.WinPoints);
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
  std::vector<TMjRecordStats> records(5);
  records[0].Deal.File = "b,late.csv";
  records[0].Deal.Stamp = "2024/05/07 00:00:00";
  // The same time: by name, whatever order the files were judged in.
  records[3].Deal.File = "say \"hi\".csv";
  records[3].Deal.Stamp = "2024/05/07 00:00:00";
  records[4].Deal.File = "a-late.csv";
  records[4].Deal.Stamp = "2024/05/07 00:00:00";
  records[1].Deal.File = "a.csv";
  records[1].Deal.Stamp = "2024/05/06 23:59:59";
  records[1].Deal.Efficiency = 87.5;
  records[1].Deal.BestChoices = 15;
  records[1].Deal.Decisions = 18;
  records[1].Deal.FirstReady = 9;
  records[1].Deal.WinDraw = 14;
  records[1].Deal.WinPoints = 7900;
  records[1].Deal.FinalShanten = -1;
  records[2].Fault = TMjStatsFault::Refused;
  const std::vector<TMjDealStats> deals = DealsByStamp(records);
  ASSERT_EQ(deals.size(), 4u);
  EXPECT_EQ(StatsCsv(deals),
            "file,time,efficiency,best_choices,decisions,first_ready_draw,final_shanten,win_draw,win_points\r\n"
            "a.csv,2024/05/06 23:59:59,87.5,15,18,9,-1,14,7900\r\n"
            "a-late.csv,2024/05/07 00:00:00,100.0,0,0,-1,0,-1,0\r\n"
            "\"b,late.csv\",2024/05/07 00:00:00,100.0,0,0,-1,0,-1,0\r\n"
            "\"say \"\"hi\"\".csv\",2024/05/07 00:00:00,100.0,0,0,-1,0,-1,0\r\n");
}

TEST(MjStats, TheCsvWritesItsNumbersWithAPointUnderACommaLocale) {
  TMjDealStats deal;
  deal.File = "a.csv";
  deal.Efficiency = 87.5;
  const TCommaLocale comma;
  if (!comma.Active) std::cout << "note: no comma C locale could be made (localedef); the C++ one is used alone\n";
  EXPECT_EQ(StatsCsv({deal}).substr(StatsCsv({}).size()), "a.csv,,87.5,0,0,-1,0,-1,0\r\n");
}

TEST(MjStats, AFolderWithoutDecisionsCountsAsFullEfficiency) {
  TMjStatsTotals none;
  EXPECT_DOUBLE_EQ(none.Efficiency(), 100.0);
  none.Deals = 2;  // two deals saved before their first discard
  EXPECT_DOUBLE_EQ(none.Efficiency(), 100.0);
}

// A record file from its deal, draws and discards in mpsz notation.
std::string MpszRecord(const std::string& deal, const std::string& draws, const std::string& discards) {
  std::string text = "TileLab 1.0,2024/05/06 07:08:09\r\n";
  for (const std::string& row : {deal, draws, discards, deal}) {
    const char* comma = "";
    for (int code : hand::MpszCodes(row)) {
      char field[8];
      std::snprintf(field, sizeof field, "%s%02d", comma, code);
      text += field;
      comma = ",";
    }
    text += "\r\n";
  }
  return text;
}

TEST(MjStats, TheWinChanceKeptIsEachJudgedDiscardsChanceOverTheBestsAveraged) {
  TTempFolder folder;
  // Ready from the deal: 3z and 5m thrown as drawn keep the wait (the best),
  // the winning 1z is not judged.
  WriteBytes(folder / "kept.csv", MpszRecord("123m456p789s1122z", "3z5m1z", "3z5m1z"));
  // 1m away breaks the ready hand: nothing of the best kept.
  WriteBytes(folder / "broken.csv", MpszRecord("123m456p789s1122z", "3z", "1m"));
  // One from ready: the drawn 5m thrown keeps the shanten but only the honours'
  // pairs to wait on, less win chance than an honour thrown.
  WriteBytes(folder / "weaker.csv", MpszRecord("123m456p789s113z4z", "5m", "5m"));
  std::vector<TMjRecordStats> records;
  for (const char* name : {"kept.csv", "broken.csv", "weaker.csv"})
    records.push_back(AnalyseRecordFile(folder / name, name));

  TKindCounts hand{}, seen{};
  for (int code : hand::MpszCodes("123m456p789s113z4z5m")) ++hand[static_cast<std::size_t>(CodeKind(code))];
  const TMjChanceTable weaker = MjChances(hand, MjUnseen(hand, seen), DealDraws - 1);
  double best = 0.0, chosen = 0.0;
  for (const TMjChance& c : weaker.Discards) {
    if (c.Counted) best = std::max(best, c.Win);
    if (c.Kind == CodeKind(hand::MpszCodes("5m").front())) chosen = c.Win;
  }
  ASSERT_GT(best, chosen);
  ASSERT_GT(chosen, 0.0);

  const struct {
    int judged;
    double kept;  // in percent
  } expected[] = {{2, 100.0}, {1, 0.0}, {1, 100.0 * chosen / best}};
  for (std::size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE(records[i].Deal.File);
    ASSERT_TRUE(records[i].Ok());
    EXPECT_EQ(records[i].Deal.WinJudged, expected[i].judged);
    EXPECT_NEAR(records[i].Deal.WinKept(), expected[i].kept, 1e-9);
  }
  const TMjStatsTotals t = SumStats(records);
  EXPECT_EQ(t.WinJudged, 4);
  EXPECT_NEAR(t.WinKept(), 100.0 * (2.0 + chosen / best) / 4, 1e-9);
}

TEST(MjStats, DealsFarFromReadyAreNotJudgedByWinChance) {
  TTempFolder folder;
  // Five from ready: beyond the judged shanten.
  WriteBytes(folder / "far.csv", MpszRecord("147m147p147s1357z", "2z", "2z"));
  const TMjRecordStats far = AnalyseRecordFile(folder / "far.csv", "far.csv");
  ASSERT_TRUE(far.Ok());
  EXPECT_EQ(far.Deal.WinJudged, 0);
  EXPECT_FALSE(far.Deal.HasWinKept());
  EXPECT_EQ(SumStats({far}).WinKept(), 0.0);
}
