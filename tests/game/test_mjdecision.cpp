#include <gtest/gtest.h>

#include <string>

#include "game/Mjdecision1.h"
#include "game/Mjdrill1.h"
#include "game/Mjstats1.h"
#include "tests/support/CodeRows.h"

// One decision, one verdict: the review, the statistics and the drill judge a
// discard alike. Figures from tilelab-hand --prob (the full wall, or
// --one-suit) and from hands worked out by hand.

namespace {

using hand::Row;

int Kind(const char* text) { return CodeKind(hand::MpszCodes(text).front()); }

TKindCounts Counts(const char* text) {
  TKindCounts counts{};
  for (const int code : hand::MpszCodes(text)) ++counts[static_cast<std::size_t>(CodeKind(code))];
  return counts;
}

}  // namespace

// 4m2234449p345678s, one away (tilelab-hand --prob): 2p keeps the most copies,
// but wins 46.16% where 9p wins 51.38%. Within reach the win chance judges.
TEST(MjVerdict, WithinReachTheWinChanceJudgesInTheReviewTheStatisticsAndTheDrill) {
  const TMjReview copiesBest = ReviewDeal(Row("4m2234449p34567s"), Row("8s"), Row("2p"));
  ASSERT_TRUE(copiesBest.Ok());
  const TMjReviewStep& s = copiesBest.Steps[0];
  EXPECT_TRUE(s.IsBest());  // by copies
  EXPECT_EQ(s.Verdict.Basis, TMjBasis::Win);
  EXPECT_TRUE(s.Mistake());
  EXPECT_EQ(s.Verdict.BestKind, Kind("9p"));
  EXPECT_NEAR(s.Verdict.BestWin, 0.5138, 5e-5);
  EXPECT_NEAR(s.Verdict.ChosenWin, 0.4616, 5e-5);
  EXPECT_EQ(copiesBest.NextNotBest(-1), 0);
  EXPECT_EQ(copiesBest.BestChoices(), 0);
  TMjDealStats stats;
  DealWinKept(copiesBest, stats);
  EXPECT_EQ(stats.WinJudged, 1);
  EXPECT_NEAR(stats.WinKeptSum, 0.4616 / 0.5138, 2e-4);
  TMjCardRule rule;
  rule.MinLostWin = 1.0;
  const std::vector<TMjCard> cards =
      CardsOfDeal(copiesBest, Row("4m2234449p34567s"), Row("8s"), Row("2p"), rule);
  ASSERT_EQ(cards.size(), 1u);
  EXPECT_FALSE(cards[0].Right(cards[0].Judge(Kind("2p"))));
  EXPECT_TRUE(cards[0].Right(cards[0].Judge(Kind("9p"))));

  // 9p keeps fewer copies but the best win chance: no mistake anywhere, no card.
  const TMjReview winBest = ReviewDeal(Row("4m2234449p34567s"), Row("8s"), Row("9p"));
  EXPECT_FALSE(winBest.Steps[0].IsBest());
  EXPECT_FALSE(winBest.Steps[0].Mistake());
  EXPECT_EQ(winBest.NextNotBest(-1), -1);
  EXPECT_EQ(winBest.BestChoices(), 1);
  rule.MinLostCopies = 1;
  EXPECT_TRUE(CardsOfDeal(winBest, Row("4m2234449p34567s"), Row("8s"), Row("9p"), rule).empty());
}

// A record of characters only is a one-suit deal wherever it is judged.
// 11223445677899m after its first draw (tilelab-hand --prob --draws 17):
// 2m or 9m win 36.51% with the full wall, 99.35% with --one-suit.
TEST(MjVerdict, ARecordOfCharactersOnlyIsJudgedAgainstTheOneSuitWall) {
  const TMjReview oneSuit = ReviewDeal(Row("1122344567789m"), Row("9m"), Row("5m"));
  ASSERT_TRUE(oneSuit.Ok());
  EXPECT_TRUE(oneSuit.OneSuit);
  const TMjVerdict& v = oneSuit.Steps[0].Verdict;
  EXPECT_EQ(v.Basis, TMjBasis::Win);
  EXPECT_NEAR(v.BestWin, 0.9935, 5e-5);
  EXPECT_EQ(v.BestKind, Kind("9m"));  // tied with 2m: the terminal
  EXPECT_TRUE(v.Raised);
  EXPECT_TRUE(v.Mistake);

  // The statistics and the drill see the same wall.
  TMjDealStats stats;
  DealWinKept(oneSuit, stats);
  EXPECT_EQ(stats.WinJudged, 1);
  EXPECT_EQ(stats.WinKeptSum, 0.0);
  const std::vector<TMjCard> cards = CardsOfDeal(oneSuit, Row("1122344567789m"), Row("9m"), Row("5m"), TMjCardRule{});
  ASSERT_EQ(cards.size(), 1u);
  EXPECT_TRUE(cards[0].OneSuit);
  EXPECT_TRUE(cards[0].ByWin);
  EXPECT_NEAR(cards[0].Judge(Kind("2m")).Verdict.ChosenWin, 0.9935, 5e-5);

  // One tile of another suit anywhere in the record: the full wall.
  const TMjReview full = ReviewDeal(Row("1122344567789m"), Row("9m1p"), Row("5m"));
  ASSERT_TRUE(full.Ok());
  EXPECT_FALSE(full.OneSuit);
  EXPECT_NEAR(full.Steps[0].Verdict.BestWin, 0.3651, 5e-5);
  EXPECT_FALSE(OneSuitDeal(full.DealHand, {Kind("9m"), Kind("1z")}));
  EXPECT_TRUE(OneSuitDeal(full.DealHand, {Kind("9m"), Kind("1m")}));
}

// Nothing is judged once the hand is complete, nor after: the deal goes on.
TEST(MjVerdict, NoVerdictOnACompleteHandNorAfterIt) {
  const TMjReview r = ReviewDeal(Row("123m456p789s1122z"), Row("3z1z9m7p"), Row("3z2z9m1m"));
  ASSERT_TRUE(r.Ok());
  EXPECT_TRUE(r.Steps[0].Judged());
  for (std::size_t i = 1; i < r.Steps.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(r.Steps[i].AfterWin);
    EXPECT_FALSE(r.Steps[i].Judged());
    EXPECT_EQ(r.Steps[i].Verdict.Basis, TMjBasis::None);
  }
  EXPECT_EQ(r.Decisions(), 1);
  TMjDecision complete = r.Steps[1].Decision();
  complete.AfterWin = false;  // even unflagged, a complete hand has no verdict
  EXPECT_FALSE(MjJudge(complete, Kind("1m")).Judged());
  TMjDealStats stats;
  DealWinKept(r, stats);
  EXPECT_EQ(stats.WinJudged, 1);
}

// Far from ready, or with no draw left, copies judge; ties by the one rule.
TEST(MjVerdict, FarFromReadyCopiesJudgeAndTiesGoToTheHonour) {
  // 234578m1689p357s1z, three away (tilelab-hand): 1p and 1z keep 44 copies.
  const TMjReview r = ReviewDeal(Row("234578m1689p357s"), Row("1z"), Row("1p"));
  const TMjVerdict& v = r.Steps[0].Verdict;
  EXPECT_EQ(v.Basis, TMjBasis::Copies);
  EXPECT_FALSE(v.Mistake);
  EXPECT_EQ(v.BestKind, Kind("1z"));
  EXPECT_EQ(v.BestCount, 44);
  TMjDecision last = r.Steps[0].Decision();
  last.DrawsLeft = 0;
  last.Hand = {};
  for (const int code : hand::MpszCodes("4m2234449p345678s")) ++last.Hand[static_cast<std::size_t>(CodeKind(code))];
  EXPECT_EQ(MjJudge(last, Kind("2p")).Basis, TMjBasis::Copies);  // no draw left: nothing to win
  last.DrawsLeft = 17;
  EXPECT_EQ(MjJudge(last, Kind("2p")).Basis, TMjBasis::Win);
}

// 167m4566p4556s444z, one away (tilelab-hand --prob --value): on the shortest
// path 5s wins most (46.73% against 1m's 45.28%); once the hand may change its
// shape once on the way, the lone 1m goes first (53.27% against 51.30%).
// Every window asks the decision's model, so the verdict follows it.
TEST(MjVerdict, TheModelOfTheDecisionJudges) {
  TMjDecision d;
  d.Hand = Counts("167m4566p4556s444z");
  d.DrawnKind = Kind("4z");
  d.DrawsLeft = 17;
  const TMjVerdict shortest = MjJudge(d, Kind("5s"));
  EXPECT_EQ(shortest.Basis, TMjBasis::Win);
  EXPECT_FALSE(shortest.Mistake);
  EXPECT_EQ(shortest.Extra, 0);
  EXPECT_NEAR(shortest.BestWin, 0.4673, 5e-5);

  d.Model.Extra = 1;
  const TMjVerdict changes = MjJudge(d, Kind("5s"));
  EXPECT_TRUE(changes.Mistake);
  EXPECT_EQ(changes.Extra, 1);
  EXPECT_EQ(changes.BestKind, Kind("1m"));
  EXPECT_NEAR(changes.BestWin, 0.5327, 5e-5);
  EXPECT_NEAR(changes.ChosenWin, 0.5130, 5e-5);
  const TMjChanceTable table = MjDecisionChances(d);
  const TMjChance* six = ChanceOf(table, Kind("6p"));
  ASSERT_NE(six, nullptr);
  // Expected points: 1167, 1133 and 1134 for 1m, 5s and 6p (East seat, East round).
  EXPECT_NEAR(ChanceOf(table, Kind("1m"))->Points, 1167, 0.5);
  EXPECT_NEAR(ChanceOf(table, Kind("5s"))->Points, 1133, 0.5);
  EXPECT_NEAR(six->Points, 1134, 0.5);
}

// With no move off the path the chances are the shortest path's to the last
// digit (a tie must break as it always has); a far hand falls back to fewer moves.
TEST(MjVerdict, TheShortestPathIsExactAndFarHandsFallBack) {
  TMjDecision d;
  d.Hand = Counts("234578m1689p357s1z");  // three away
  d.DrawsLeft = 17;
  const TMjChanceTable exact = MjChances(d.Hand, d.Unseen(), 17);
  const TMjChanceTable asked = MjDecisionChances(d);
  ASSERT_EQ(asked.Discards.size(), exact.Discards.size());
  for (std::size_t i = 0; i < exact.Discards.size(); ++i) {
    EXPECT_EQ(asked.Discards[i].Win, exact.Discards[i].Win);
    EXPECT_EQ(asked.Discards[i].Ready, exact.Discards[i].Ready);
  }
  EXPECT_GT(asked.Points, 0.0);
  // One move reaches three away, two moves two away.
  d.Model.Extra = 1;
  EXPECT_EQ(MjDecisionChances(d).Extra, 1);
  d.Hand = Counts("9m14579p2379s1236z");  // four away
  EXPECT_EQ(MjDecisionChances(d).Extra, 0);
  EXPECT_EQ(MjModelExtra({1, 0, 0}, 3), 1);
  EXPECT_EQ(MjModelExtra({1, 0, 0}, 4), 0);
  EXPECT_EQ(MjModelExtra({2, 0, 0}, 2), 2);
  EXPECT_EQ(MjModelExtra({2, 0, 0}, 3), 1);
  EXPECT_EQ(MjModelExtra({2, 0, 0}, -1), 2);
}
