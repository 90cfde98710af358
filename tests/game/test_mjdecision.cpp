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
