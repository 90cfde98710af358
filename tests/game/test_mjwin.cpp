#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/Mjwin1.h"
#include "tests/support/CodeRows.h"
#include "tests/support/HandNotation.h"

// A deal's win valued from its record rows, under the player's winds.

namespace {

using hand::Row;

}  // namespace

TEST(MjWin, TheFirstWinOfADealIsValuedUnderTheWinds) {
  // Draw 1 (1z) is thrown; draw 2 (2m) completes 234m567p55678s222z; draw 3 is
  // thrown and draw 4 (2m again) completes it once more.
  const TMjReview review = ReviewDeal(Row("34m567p55678s222z"), Row("1z2m5p2m"), Row("1z2m5p"));
  ASSERT_TRUE(review.Ok());
  const struct {
    int seat;
    int round;
    int points;
  } cases[] = {
      {1, 0, 2000},  // south seat: 自風牌 and the self-draw, 2 han 30 fu
      {0, 0, 1500},  // the dealer: the self-draw only, 1 han 30 fu
      {2, 1, 2000},  // west seat in the south round: 場風牌
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.seat) + " " + std::to_string(c.round));
    const TMjScore score = DealScore(review, {c.seat, c.round, false});
    ASSERT_TRUE(score.Complete());
    EXPECT_EQ(score.BestReading().Points.Total, c.points);
    EXPECT_EQ(DealWinPoints(review, {c.seat, c.round, false}), c.points);
  }
  EXPECT_FALSE(StepScore(review.Steps[0], {}).Complete());
  EXPECT_TRUE(StepScore(review.Steps[3], {}).Complete());
}

TEST(MjWin, AWinOnTheFirstDrawIsTenhouForTheDealerAndChiihouForTheOthers) {
  const TMjReview review = ReviewDeal(Row("34m567p55678s222z"), Row("2m"), Row(""));
  ASSERT_TRUE(review.Ok());
  const TMjReading dealer = DealScore(review, {0, 0, false}).BestReading();
  EXPECT_EQ(dealer.Yaku, std::vector<TMjYaku>{TMjYaku::Tenhou});
  EXPECT_EQ(dealer.Points.Total, 48000);
  EXPECT_EQ(DealScore(review, {3, 0, false}).BestReading().Yaku, std::vector<TMjYaku>{TMjYaku::Chiihou});
}

TEST(MjWin, ADealWithoutAWinIsWorthNothing) {
  const TMjReview review = ReviewDeal(Row("123m456p789s1122z"), Row("3z5m"), Row("3z5m"));
  ASSERT_TRUE(review.Ok());
  EXPECT_FALSE(DealScore(review, {}).Complete());
  EXPECT_EQ(DealWinPoints(review, {}), 0);
}
