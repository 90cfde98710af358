#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "game/Mjdrill1.h"
#include "game/Mjposition1.h"
#include "tests/records/RecordFiles.h"
#include "tests/support/GeneratedRecords.h"
#include "tests/support/CodeRows.h"
#include "tests/support/HandNotation.h"

// Cards from the player's records and the sittings that ask them.

namespace {

using hand::Row;

std::string RowLine(const TCodeRow& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) {
    char code[8];
    std::snprintf(code, sizeof code, "%s%02d", i ? "," : "", row[i]);
    line += code;
  }
  return line;
}

// A record file of the rows, with its stamp.
std::string RecordOf(const TCodeRow& deal, const TCodeRow& draws, const TCodeRow& discards, const std::string& stamp) {
  return std::string(RecordHeader) + stamp + "\r\n" + RowLine(deal) + "\r\n" + RowLine(draws) + "\r\n" +
         RowLine(discards) + "\r\n" + RowLine({}) + "\r\n";
}

std::vector<int> CardDraws(const std::vector<TMjCard>& cards) {
  std::vector<int> draws;
  for (const TMjCard& c : cards) draws.push_back(c.Draw);
  return draws;
}

std::vector<TMjCard> Cards(const char* deal, const char* draws, const char* discards, const TMjCardRule& rule) {
  const TMjReview review = ReviewDeal(Row(deal), Row(draws), Row(discards));
  EXPECT_TRUE(review.Ok());
  return CardsOfDeal(review, Row(deal), Row(draws), Row(discards), rule);
}

constexpr TMjDay Monday = 20430;  // 2025-12-08

}  // namespace

TEST(MjDrillCards, ADecisionBecomesACardWhenItLostEnoughCopiesOrRaisedTheShanten) {
  // Ready from the deal; after 3z 5m 1z the best discard keeps 7 copies (1m),
  // 1z keeps 3 (4 lost) and 2z keeps 2 (5 lost). Throwing 1m at draw 1 raises the shanten.
  const struct {
    const char* draws;
    const char* discards;
    int threshold;
    std::vector<int> cards;
  } cases[] = {
      {"3z5m1z", "3z5m1m", 1, {}}, {"3z5m1z", "3z5m1z", 1, {3}}, {"3z5m1z", "3z5m1z", 4, {3}},
      {"3z5m1z", "3z5m1z", 5, {}}, {"3z5m1z", "3z5m2z", 5, {3}}, {"3z5m1z", "3z5m2z", 6, {}},
      {"3z", "1m", 99, {1}},  // a raised shanten whatever the threshold
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.discards) + " threshold " + std::to_string(c.threshold));
    TMjCardRule rule;
    rule.MinLostCopies = c.threshold;
    EXPECT_EQ(CardDraws(Cards("123m456p789s1122z", c.draws, c.discards, rule)), c.cards);
  }
}

TEST(MjDrillCards, AWinProbabilityLossMakesACardOnceItCanBeTold) {
  TMjCardRule rule;
  rule.MinLostCopies = 99;
  rule.MinLostWin = 1.5;
  rule.WinLoss = [](const TMjReviewStep& step, bool) { return step.Draw == 1 ? 2.0 : step.Draw == 2 ? 1.0 : -1.0; };
  EXPECT_EQ(CardDraws(Cards("123m456p789s1122z", "3z5m1z", "3z5m1m", rule)), std::vector<int>{1});
}

// 4m2234449p345678s after drawing 8s: throwing 2p keeps the most copies (35),
// but wins 46.16% against 9p's 51.38% by the last draw.
TEST(MjDrillCards, ADiscardBestByCopiesThatLostWinChanceIsACardJudgedByWinChance) {
  TMjCardRule rule;
  rule.WinLoss = MjWinLoss;
  rule.MinLostWin = 5.0;
  const std::vector<TMjCard> cards = Cards("4m2234449p34567s", "8s", "2p", rule);
  ASSERT_EQ(cards.size(), 1u);
  const TMjCard& c = cards[0];
  EXPECT_TRUE(c.ByWin);
  EXPECT_EQ(c.LostCopies, 0);
  EXPECT_NEAR(MjWinLoss(c.Judge(c.DiscardKind), false), 5.22, 0.01);
  EXPECT_FALSE(c.Right(c.Judge(c.DiscardKind)));  // best by copies, not by win chance
  EXPECT_TRUE(c.Right(c.Judge(CodeKind(19))));    // 9p
  EXPECT_FALSE(c.Right(c.Judge(CodeKind(4))));    // 4m

  rule.MinLostWin = 5.3;
  EXPECT_TRUE(Cards("4m2234449p34567s", "8s", "2p", rule).empty());
  rule.WinLoss = {};
  EXPECT_TRUE(Cards("4m2234449p34567s", "8s", "2p", rule).empty());
  // Two away or farther the win chance is not judged.
  TMjCard far = c;
  far.Hand = {};
  for (const int code : hand::MpszCodes("234578m1689p357s1z")) ++far.Hand[static_cast<std::size_t>(CodeKind(code))];
  EXPECT_LT(MjWinLoss(far.Judge(CodeKind(11)), false), 0.0);
}

TEST(MjDrillCards, ACardHoldsThePositionTheRiverAndTheRecordsDiscard) {
  TMjCardRule rule;
  const std::vector<TMjCard> cards = Cards("123m456p789s1122z", "3z5m1z", "3z5m2z", rule);
  ASSERT_EQ(cards.size(), 1u);
  const TMjCard& c = cards[0];
  EXPECT_EQ(HandText(c.Hand), "123m456p789s11122z");
  EXPECT_EQ(KindText(c.DrawnKind), "1z");
  ASSERT_EQ(c.River.size(), 2u);
  EXPECT_EQ(KindText(c.River[0]) + KindText(c.River[1]), "3z5m");
  EXPECT_EQ(KindText(c.DiscardKind), "2z");
  EXPECT_EQ(c.LostCopies, 5);
  EXPECT_FALSE(c.OneSuit);
  EXPECT_TRUE(c.Judge(CodeKind(29)).IsBest());  // 9s keeps 7 copies, as 1m does
  EXPECT_FALSE(c.Judge(c.DiscardKind).IsBest());

  rule.WinLoss = [](const TMjReviewStep&, bool oneSuit) { return oneSuit ? 5.0 : -1.0; };
  const std::vector<TMjCard> oneSuit = Cards("1112345678999m", "5m", "5m", rule);
  ASSERT_EQ(oneSuit.size(), 1u);
  EXPECT_TRUE(oneSuit[0].OneSuit);
}

TEST(MjDrillCards, TheIdentityNamesThePositionNotTheFileNorTheDiscard) {
  const TCodeRow deal = Row("123m456p789s1122z"), draws = Row("3z5m1z");
  // Pinned: every saved state refers to cards by it.
  EXPECT_EQ(HexId(CardId(deal, draws, Row("3z5m1z"), 3)), HexId(CardId(deal, Row("3z5m1z9p"), Row("3z5m2z"), 3)));
  EXPECT_NE(CardId(deal, draws, Row("3z5m"), 3), CardId(deal, draws, Row("3z1z"), 3));
  EXPECT_NE(CardId(deal, draws, Row("3z5m"), 3), CardId(deal, draws, Row("3z5m"), 2));
  EXPECT_EQ(HexId(CardId(deal, draws, Row("3z5m"), 3)), "6d6ab7e6fbdc9951");
}

TEST(MjDrillDeck, RenamingOrMovingARecordKeepsItsCardsAndTwoSavesOfADealGiveEachDecisionOnce) {
  TTempFolder folder;
  std::filesystem::create_directory(folder.Path / "a");
  std::filesystem::create_directory(folder.Path / "b");
  const std::string record = RecordOf(Row("123m456p789s1122z"), Row("3z5m1z"), Row("3z5m2z"), "2024/05/06 07:08:09");
  WriteBytes(folder.Path / "a" / "one.csv", record);
  WriteBytes(folder.Path / "a" / "notes.csv", "not a record\r\n");
  const TMjDrillDeck before = BuildDrillDeck(folder / "a", TMjCardRule{});
  ASSERT_EQ(before.Cards.size(), 1u);
  EXPECT_EQ(before.Records, 1);
  EXPECT_EQ(before.Failures, 1);

  std::filesystem::rename(folder.Path / "a" / "one.csv", folder.Path / "b" / "renamed.csv");
  // The same deal saved a draw earlier, under another name.
  WriteBytes(folder.Path / "b" / "earlier.csv",
             RecordOf(Row("123m456p789s1122z"), Row("3z5m1z"), Row("3z5m"), "2024/05/06 07:08:01"));
  const TMjDrillDeck after = BuildDrillDeck(folder / "b", TMjCardRule{});
  ASSERT_EQ(after.Cards.size(), 1u);
  EXPECT_EQ(after.Cards[0].Id, before.Cards[0].Id);
  EXPECT_EQ(after.Cards[0].File, "renamed.csv");
}

TEST(MjDrillDeck, BuildingReportsProgressToTheEndAndStopsWhenCancelled) {
  TTempFolder folder;
  for (std::uint32_t seed = 1; seed <= 70; ++seed)
    WriteBytes(folder / ("deal" + std::to_string(seed) + ".csv"), GeneratedRecord(seed, 30));
  std::vector<std::size_t> reported;
  const TMjDrillDeck deck = BuildDrillDeck(folder.Path.string(), TMjCardRule{},
                                           [&](std::size_t done, std::size_t total) {
                                             EXPECT_EQ(total, 70u);
                                             reported.push_back(done);
                                           });
  EXPECT_EQ(deck.Records, 70);
  EXPECT_FALSE(deck.Cards.empty());
  ASSERT_FALSE(reported.empty());
  EXPECT_EQ(reported.back(), 70u);
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  EXPECT_TRUE(std::is_sorted(deck.Cards.begin(), deck.Cards.end(),
                             [](const TMjCard& a, const TMjCard& b) { return a.Stamp < b.Stamp; }));

  int asked = 0;
  const TMjDrillDeck stopped = BuildDrillDeck(folder.Path.string(), TMjCardRule{}, {}, [&] { return ++asked > 10; });
  EXPECT_TRUE(stopped.Cancelled);
  EXPECT_TRUE(stopped.Cards.empty());
}

// --- the schedule ------------------------------------------------------------

TEST(MjLeitner, AnswersMoveACardThroughTheBoxes) {
  // Each answer on the day given; the box and the day it is due after it.
  const struct {
    int day;
    bool right;
    int box, due;
  } answers[] = {
      {0, true, 2, 2},     // new, right: box 2, two days
      {2, true, 3, 6},     // four days
      {6, true, 4, 14},    // eight
      {14, true, 5, 30},   // sixteen
      {30, true, 5, 46},   // the last box keeps its sixteen days
      {46, false, 1, 46},  // wrong: box 1, asked again the same day
      {46, true, 1, 47},   // right after a wrong answer the same day: no jump, tomorrow
      {47, true, 2, 49},   // the next day climbs again
      {52, false, 1, 52},  // wrong, late
      {53, true, 2, 55},   // a right answer on a later day climbs
  };
  TMjCardState s;
  for (const auto& a : answers) {
    SCOPED_TRACE("day " + std::to_string(a.day));
    s.Answer(a.right, Monday + a.day);
    EXPECT_EQ(s.Box, a.box);
    EXPECT_EQ(s.Due, Monday + a.due);
  }
  EXPECT_EQ(s.Answers, 10);
  EXPECT_EQ(s.Wrongs, 2);
}

TEST(MjLeitner, ASittingAsksTheDueCardsThenNewOnesAndBringsAWrongAnswerBack) {
  TMjDrillDeck deck;
  for (int i = 0; i < NewPerSitting + 10; ++i) {
    TMjCard c;
    c.Id = static_cast<std::uint64_t>(100 + i);
    deck.Cards.push_back(c);
  }
  TMjDrillState state;
  state.Cards[105] = {2, Monday - 1, NoDay, 1, 0};  // due since yesterday
  state.Cards[103] = {3, Monday - 3, NoDay, 2, 0};  // due for longer
  state.Cards[101] = {2, Monday + 1, NoDay, 1, 0};  // not yet due
  const TMjDrillCounts counts = CountCards(deck, state, Monday);
  EXPECT_EQ(counts.Due, 2);
  EXPECT_EQ(counts.Learned, 1);
  EXPECT_EQ(counts.New, NewPerSitting + 7);

  TMjSitting sitting(deck, state, Monday);
  EXPECT_EQ(sitting.Left(), 2u + NewPerSitting);
  EXPECT_EQ(sitting.Current().Id, 103u);
  sitting.Answer(false);  // comes back after three other cards
  std::vector<std::uint64_t> asked;
  for (int i = 0; i < 5; ++i) {
    asked.push_back(sitting.Current().Id);
    sitting.Answer(true);
  }
  EXPECT_EQ(asked, (std::vector<std::uint64_t>{105, 100, 102, 103, 104}));
  EXPECT_EQ(state.Cards.at(103).Box, 1);
  EXPECT_EQ(state.Cards.at(103).Due, Monday + 1);
  EXPECT_EQ(state.Cards.at(100).Box, 2);
  EXPECT_EQ(CountCards(deck, state, Monday).Due, 0);
  while (!sitting.Done()) sitting.Answer(true);
  EXPECT_EQ(CountCards(deck, state, Monday).New, 7);
}

TEST(MjLeitner, DaysAreCalendarDays) {
  EXPECT_EQ(DayOf({2025, 12, 8, 23, 59, 59}), Monday);
  EXPECT_EQ(DayText(Monday), "2025-12-08");
  EXPECT_EQ(DayOf({2024, 3, 1, 0, 0, 0}) - DayOf({2024, 2, 28, 0, 0, 0}), 2);  // a leap year
  TMjDay d = 0;
  for (const char* bad : {"2025-02-29", "2025-13-01", "2025-1-01", "2025/12/08", "+025-12-08", "2025-12-08 "}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseDay(bad, d));
  }
  ASSERT_TRUE(ParseDay("2024-02-29", d));
  EXPECT_EQ(DayText(d), "2024-02-29");
}

// --- the state file ------------------------------------------------------------

TEST(MjDrillState, AStateIsSavedAndReadBackWhole) {
  TTempFolder folder;
  TMjDrillState state;
  state.Folder = "/home/p/牌譜 100%\nnew";
  state.Cards[0xc0d5ad3b16c9fa18ULL] = {3, Monday + 4, Monday - 2, 4, 1};
  state.Cards[7] = {1, Monday, NoDay, 1, 0};
  const std::string path = folder / DrillStateFileName(state.Folder);
  SaveDrillState(path, state);
  EXPECT_EQ(ReadBytes(path), "TileLab drill 1\nfolder /home/p/牌譜 100%25%0Anew\n"
                             "card 0000000000000007 1 2025-12-08 - 1 0\n"
                             "card c0d5ad3b16c9fa18 3 2025-12-12 2025-12-06 4 1\n"
                             "end 2\n");
  const TMjDrillLoad load = LoadDrillState(path, {2025, 12, 8, 9, 0, 0});
  EXPECT_EQ(load.Fault, TMjDrillFault::None);
  EXPECT_TRUE(load.Writable);
  EXPECT_EQ(load.State.Folder, state.Folder);
  EXPECT_EQ(load.State.Cards, state.Cards);

  const TMjDrillLoad missing = LoadDrillState(folder / "none.txt", {2025, 12, 8, 9, 0, 0});
  EXPECT_EQ(missing.Fault, TMjDrillFault::None);
  EXPECT_TRUE(missing.State.Cards.empty());
  EXPECT_EQ(DrillStateFileName("/a"), DrillStateFileName("/a"));
  EXPECT_NE(DrillStateFileName("/a"), DrillStateFileName("/b"));
}

TEST(MjDrillState, ADamagedFileIsReportedAndPutAsideNeverReset) {
  const std::string card = "card 0000000000000007 1 2025-12-08 - 1 0\n";
  const std::string good = "TileLab drill 1\nfolder /r\n" + card + "end 1\n";
  const struct {
    const char* what;
    std::string text;
    TMjDrillFault fault;
    int line;
  } cases[] = {
      {"empty", "", TMjDrillFault::NotAState, 1},
      {"other file", "shopping list\n", TMjDrillFault::NotAState, 1},
      {"cut in a card line", good.substr(0, 50), TMjDrillFault::Truncated, 3},
      {"end line missing", good.substr(0, good.find("end")), TMjDrillFault::Truncated, 4},
      {"end counts other cards", "TileLab drill 1\nfolder /r\nend 1\n", TMjDrillFault::Truncated, 3},
      {"box 6", "TileLab drill 1\nfolder /r\ncard 0000000000000007 6 2025-12-08 - 1 0\nend 1\n",
       TMjDrillFault::BadLine, 3},
      {"upper-case id", "TileLab drill 1\nfolder /r\ncard 000000000000000A 1 2025-12-08 - 1 0\nend 1\n",
       TMjDrillFault::BadLine, 3},
      {"more wrongs than answers", "TileLab drill 1\nfolder /r\ncard 0000000000000007 1 2025-12-08 - 1 2\nend 1\n",
       TMjDrillFault::BadLine, 3},
      {"twice", "TileLab drill 1\nfolder /r\n" + card + card + "end 2\n",
       TMjDrillFault::DuplicateCard, 4},
      {"after the end", good + "x\n", TMjDrillFault::BadLine, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTempFolder folder;
    const std::string path = folder / "drill.txt";
    WriteBytes(path, c.text);
    const TMjDrillLoad load = LoadDrillState(path, {2025, 12, 8, 9, 5, 7});
    EXPECT_EQ(load.Fault, c.fault);
    EXPECT_EQ(load.Line, c.line);
    EXPECT_EQ(load.File, path);
    EXPECT_TRUE(load.State.Cards.empty());
    EXPECT_EQ(load.MovedTo, path + ".damaged-20251208-090507");
    EXPECT_EQ(ReadBytes(load.MovedTo), c.text);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(load.Writable);
  }
}

TEST(MjDrillState, AFileOfANewerVersionStaysAndIsNotSavedOver) {
  TTempFolder folder;
  const std::string path = folder / "drill.txt";
  WriteBytes(path, "TileLab drill 2\nwhatever comes\n");
  const TMjDrillLoad load = LoadDrillState(path, {2025, 12, 8, 9, 5, 7});
  EXPECT_EQ(load.Fault, TMjDrillFault::NewerVersion);
  EXPECT_FALSE(load.Writable);
  EXPECT_TRUE(load.MovedTo.empty());
  EXPECT_EQ(folder.Names(), std::set<std::string>{"drill.txt"});
}

TEST(MjDrillState, TwoDamagedFilesInOneSecondAreBothKept) {
  TTempFolder folder;
  const std::string path = folder / "drill.txt";
  WriteBytes(path, "first");
  const TMjDrillLoad a = LoadDrillState(path, {2025, 12, 8, 9, 5, 7});
  WriteBytes(path, "second");
  const TMjDrillLoad b = LoadDrillState(path, {2025, 12, 8, 9, 5, 7});
  EXPECT_NE(a.MovedTo, b.MovedTo);
  EXPECT_EQ(ReadBytes(a.MovedTo), "first");
  EXPECT_EQ(ReadBytes(b.MovedTo), "second");
}
