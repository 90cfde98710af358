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

TEST(MjDrillCards, AFarDecisionBecomesACardWhenItLostEnoughCopiesOrRaisedTheShanten) {
  // 234578m1689p357s1z is 3 away (tilelab-hand): 1p and 1z keep 44 copies, 6p 41,
  // 2m 38, 8m 34; 7m raises the shanten. So far away copies judge.
  const struct {
    const char* discard;
    int threshold;
    std::vector<int> cards;
  } cases[] = {
      {"1z", 1, {}},  {"1p", 1, {}},  {"6p", 1, {1}}, {"6p", 3, {1}}, {"6p", 4, {}},
      {"2m", 6, {1}}, {"2m", 7, {}},  {"8m", 10, {1}}, {"7m", 99, {1}},  // a raise whatever the threshold
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.discard) + " threshold " + std::to_string(c.threshold));
    TMjCardRule rule;
    rule.MinLostCopies = c.threshold;
    const std::vector<TMjCard> cards = Cards("234578m1689p357s", "1z", c.discard, rule);
    EXPECT_EQ(CardDraws(cards), c.cards);
    for (const TMjCard& card : cards) EXPECT_FALSE(card.ByWin);
  }
}

// A deal goes on after a complete hand: its discard is no decision, nor any after it.
TEST(MjDrillCards, NoCardIsMadeOfACompleteHandNorOfTheDiscardsAfterTheWin) {
  // 123m456p789s1122z draws 3z 5m and throws them; 1z completes 123m456p789s11122z.
  TMjCardRule rule;
  rule.MinLostWin = 0.1;
  for (const char* discards : {"3z5m1z", "3z5m2z", "3z5m1m"})
    EXPECT_TRUE(Cards("123m456p789s1122z", "3z5m1z", discards, rule).empty()) << discards;
  // Played on after the win: 9m is drawn and thrown, then 1m goes.
  EXPECT_TRUE(Cards("123m456p789s1122z", "3z5m1z9m7p", "3z5m2z9m1m", rule).empty());
}

// 4m2234449p345678s after drawing 8s: throwing 2p keeps the most copies (35),
// but wins 46.16% against 9p's 51.38% by the last draw.
TEST(MjDrillCards, ADiscardBestByCopiesThatLostWinChanceIsACardJudgedByWinChance) {
  TMjCardRule rule;
  rule.MinLostWin = 5.0;
  const std::vector<TMjCard> cards = Cards("4m2234449p34567s", "8s", "2p", rule);
  ASSERT_EQ(cards.size(), 1u);
  const TMjCard& c = cards[0];
  EXPECT_TRUE(c.ByWin);
  EXPECT_EQ(c.LostCopies, 0);
  EXPECT_NEAR(100.0 * c.Judge(c.DiscardKind).Verdict.LostWin(), 5.22, 0.01);
  EXPECT_FALSE(c.Right(c.Judge(c.DiscardKind)));  // best by copies, not by win chance
  EXPECT_TRUE(c.Right(c.Judge(CodeKind(19))));    // 9p
  EXPECT_FALSE(c.Right(c.Judge(CodeKind(4))));    // 4m

  rule.MinLostWin = 5.3;
  EXPECT_TRUE(Cards("4m2234449p34567s", "8s", "2p", rule).empty());
  rule.MinLostWin = 0.0;
  EXPECT_TRUE(Cards("4m2234449p34567s", "8s", "2p", rule).empty());
  // Within reach copies no longer judge: losing copies but keeping the best win chance is no card.
  rule.MinLostCopies = 1;
  rule.MinLostWin = 0.1;
  EXPECT_TRUE(Cards("4m2234449p34567s", "8s", "9p", rule).empty());
  // Two away or farther the win chance is not judged.
  TMjCard far = c;
  far.Hand = {};
  for (const int code : hand::MpszCodes("234578m1689p357s1z")) ++far.Hand[static_cast<std::size_t>(CodeKind(code))];
  far.DrawnKind = CodeKind(31);
  EXPECT_EQ(far.Judge(CodeKind(11)).Verdict.Basis, TMjBasis::Copies);
}

TEST(MjDrillCards, ACardHoldsThePositionTheRiverAndTheRecordsDiscard) {
  TMjCardRule rule;
  // 2z and 3z come and go; 1z then makes 234578m1689p357s1z, and 8m keeps 34 copies of 44.
  const std::vector<TMjCard> cards = Cards("234578m1689p357s", "2z3z1z", "2z3z8m", rule);
  ASSERT_EQ(cards.size(), 1u);
  const TMjCard& c = cards[0];
  EXPECT_EQ(c.Draw, 3);
  EXPECT_EQ(HandText(c.Hand), "234578m1689p357s1z");
  EXPECT_EQ(KindText(c.DrawnKind), "1z");
  ASSERT_EQ(c.River.size(), 2u);
  EXPECT_EQ(KindText(c.River[0]) + KindText(c.River[1]), "2z3z");
  EXPECT_EQ(KindText(c.DiscardKind), "8m");
  EXPECT_EQ(c.LostCopies, 10);
  EXPECT_FALSE(c.OneSuit);
  EXPECT_TRUE(c.Right(c.Judge(CodeKind(11))));  // 1p keeps 44 copies, as 1z does
  EXPECT_FALSE(c.Right(c.Judge(c.DiscardKind)));
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
  // 8m at draw 3 keeps 34 copies of 44: a card.
  const std::string record = RecordOf(Row("234578m1689p357s"), Row("2z3z1z"), Row("2z3z8m"), "2024/05/06 07:08:09");
  WriteBytes(folder.Path / "a" / "one.csv", record);
  WriteBytes(folder.Path / "a" / "notes.csv", "not a record\r\n");
  const TMjDrillDeck before = BuildDrillDeck(folder / "a", TMjCardRule{});
  ASSERT_EQ(before.Cards.size(), 1u);
  EXPECT_EQ(before.Records, 1);
  EXPECT_EQ(before.Failures, 1);

  std::filesystem::rename(folder.Path / "a" / "one.csv", folder.Path / "b" / "renamed.csv");
  // The same deal saved again a draw later, under another name: it holds the same decision.
  WriteBytes(folder.Path / "b" / "later.csv",
             RecordOf(Row("234578m1689p357s"), Row("2z3z1z9p"), Row("2z3z8m"), "2024/05/06 07:08:20"));
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
  const std::string other = "card 0000000000000009 2 2025-12-09 - 3 1\n";
  const struct {
    const char* what;
    std::string text;
    TMjDrillFault fault;
    int line;
    std::size_t kept;  // good cards still in use
    int lost;          // card lines that could not be used
  } cases[] = {
      {"empty", "", TMjDrillFault::NotAState, 1, 0, 0},
      {"other file", "shopping list\n", TMjDrillFault::NotAState, 1, 0, 0},
      {"cut in a card line", good.substr(0, 50), TMjDrillFault::Truncated, 3, 0, 1},
      {"end line missing", good.substr(0, good.find("end")), TMjDrillFault::Truncated, 4, 1, 0},
      {"end counts other cards", "TileLab drill 1\nfolder /r\nend 1\n", TMjDrillFault::Truncated, 3, 0, 0},
      {"box 6", "TileLab drill 1\nfolder /r\ncard 0000000000000007 6 2025-12-08 - 1 0\nend 1\n",
       TMjDrillFault::BadLine, 3, 0, 1},
      {"upper-case id", "TileLab drill 1\nfolder /r\ncard 000000000000000A 1 2025-12-08 - 1 0\nend 1\n",
       TMjDrillFault::BadLine, 3, 0, 1},
      {"more wrongs than answers", "TileLab drill 1\nfolder /r\ncard 0000000000000007 1 2025-12-08 - 1 2\nend 1\n",
       TMjDrillFault::BadLine, 3, 0, 1},
      {"twice", "TileLab drill 1\nfolder /r\n" + card + card + "end 2\n", TMjDrillFault::DuplicateCard, 4, 1, 1},
      {"after the end", good + "x\n", TMjDrillFault::BadLine, 5, 1, 0},
      // One bad line among good ones loses that card alone.
      {"one bad line", "TileLab drill 1\nfolder /r\n" + card + "card 12\n" + other + "end 3\n",
       TMjDrillFault::BadLine, 4, 2, 1},
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
    EXPECT_EQ(load.State.Cards.size(), c.kept);
    EXPECT_EQ(load.Lost, c.lost);
    EXPECT_EQ(load.MovedTo, path + ".damaged-20251208-090507");
    EXPECT_EQ(ReadBytes(load.MovedTo), c.text);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(load.Writable);
  }
}

// A count as large as a line can hold is read as the cap, and the next answer
// neither overflows nor damages the file.
TEST(MjDrillState, HugeCountsAreCappedWhenRead) {
  TTempFolder folder;
  const std::string path = folder / "drill.txt";
  WriteBytes(path, "TileLab drill 1\nfolder /r\ncard 0000000000000007 1 2025-12-08 - 2147483647 2147483647\nend 1\n");
  TMjDrillLoad load = LoadDrillState(path, {2025, 12, 8, 9, 5, 7});
  ASSERT_EQ(load.Fault, TMjDrillFault::None);
  TMjCardState& s = load.State.Cards.at(7);
  EXPECT_EQ(s.Answers, MaxCardAnswers);
  EXPECT_EQ(s.Wrongs, MaxCardAnswers);
  s.Answer(false, Monday);
  s.Answer(true, Monday + 1);
  EXPECT_EQ(s.Answers, MaxCardAnswers);
  EXPECT_EQ(s.Wrongs, MaxCardAnswers);
  SaveDrillState(path, load.State);
  const TMjDrillLoad again = LoadDrillState(path, {2025, 12, 9, 9, 5, 7});
  EXPECT_EQ(again.Fault, TMjDrillFault::None);
  EXPECT_EQ(again.State.Cards, load.State.Cards);
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
