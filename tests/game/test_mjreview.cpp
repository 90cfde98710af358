#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analysis/Mjshanten1.h"
#include "game/Mjreview1.h"
#include "tests/support/CodeRows.h"
#include "tests/support/HandNotation.h"

// A deal rebuilt from its record rows and every discard judged against the best.

namespace {

using hand::Row;

}  // namespace

TEST(MjReview, JudgesEachDiscardAndSumsTheDeal) {
  // Ready from the deal. Draw 3z, throw it (best: 1z 2z, 4 left). Draw 5m, throw it
  // (best again). Draw 1z: the hand is complete; throwing 1z keeps 3 copies of the
  // waits, while throwing 1m waits on 1m 4m with 7 left. But the deal is won:
  // that discard is no decision, and the sums leave it out.
  const TMjReview r = ReviewDeal(Row("123m456p789s1122z"), Row("3z5m1z"), Row("3z5m1z"));
  ASSERT_TRUE(r.Ok());
  ASSERT_EQ(r.Steps.size(), 3u);
  EXPECT_TRUE(r.Steps[0].IsBest());
  EXPECT_EQ(r.Steps[0].ChosenCount(), 4);
  EXPECT_TRUE(r.Steps[1].IsBest());
  EXPECT_TRUE(r.Steps[2].Won());
  EXPECT_FALSE(r.Steps[2].IsBest());
  EXPECT_EQ(KindText(r.Steps[2].Best().Kind), "1m");
  EXPECT_EQ(r.Steps[2].Best().Count, 7);
  EXPECT_EQ(r.Steps[2].ChosenCount(), 3);
  EXPECT_FALSE(r.Steps[2].Judged());
  EXPECT_FALSE(r.Steps[2].Mistake());
  EXPECT_EQ(r.NextNotBest(-1), -1);

  EXPECT_EQ(r.Decisions(), 2);
  EXPECT_EQ(r.BestChoices(), 2);
  EXPECT_EQ(r.ChosenCountSum(), 8);
  EXPECT_EQ(r.BestCountSum(), 8);
  EXPECT_NEAR(r.Efficiency(), 100.0, 1e-9);
  EXPECT_EQ(r.FirstReadyDraw(), 0);
  EXPECT_EQ(r.WinDraw(), 3);
}

TEST(MjReview, ADiscardThatRaisesTheShantenScoresNothing) {
  const TMjReview r = ReviewDeal(Row("123m456p789s1122z"), Row("5m9p"), Row("1m"));
  ASSERT_TRUE(r.Ok());
  ASSERT_EQ(r.Steps.size(), 2u);
  EXPECT_TRUE(r.Steps[0].RaisedShanten());
  EXPECT_EQ(r.Steps[0].ChosenCount(), 0);
  EXPECT_FALSE(r.Steps[1].Discarded());  // the last draw still waits for its discard
  EXPECT_EQ(r.Decisions(), 1);
  EXPECT_DOUBLE_EQ(r.Efficiency(), 0.0);
  EXPECT_EQ(r.WinDraw(), -1);
}

TEST(MjReview, FirstReadyIsTheDrawWhoseDiscardLeftTheHandReady) {
  // A 1-shanten deal: the first draw helps nothing, the second makes it ready.
  const TMjReview r = ReviewDeal(Row("123m456p789s1123z"), Row("9m2z"), Row("9m3z"));
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.FirstReadyDraw(), 2);
  const TMjReview never = ReviewDeal(Row("147m258p369s1234z"), Row("5z"), Row("5z"));
  EXPECT_EQ(never.FirstReadyDraw(), -1);
}

TEST(MjReview, ARecordThatDoesNotAddUpNamesTheStepAndTheReason) {
  const struct {
    const char* what;
    TCodeRow deal, draws, discards;
    TMjReviewError error;
    int step, code;
    std::size_t stepsKept;
  } cases[] = {
      {"code 38", [] { TCodeRow r = Row("123m456p789s1122z"); r[4] = 38; return r; }(), {}, {},
       TMjReviewError::BadCode, 0, 38, 0},
      {"twelve dealt", Row("123m456p789s112z"), {}, {}, TMjReviewError::ShortDeal, 0, 0, 0},
      {"five 1m dealt", Row("11111m56p789s112z"), {}, {}, TMjReviewError::FifthCopy, 0, 1, 0},
      {"fifth 1m drawn", Row("1111m456p789s112z"), Row("1m"), {}, TMjReviewError::FifthCopy, 1, 1, 0},
      {"fifth 3z after its discard", Row("123m456p789s1333z"), Row("3z3z"), Row("3z"),
       TMjReviewError::FifthCopy, 2, 33, 1},
      {"discard not held", Row("123m456p789s1122z"), Row("3z"), Row("5s"), TMjReviewError::DiscardNotHeld, 1, 25,
       1},
      {"a gap in the draws", Row("123m456p789s1122z"), [] { TCodeRow r{}; r[0] = 33; r[2] = 34; return r; }(),
       Row("3z"), TMjReviewError::Gap, 3, 34, 1},
      {"code 10 thrown", Row("123m456p789s1122z"), Row("3z5m"), [] { TCodeRow r = Row("3z"); r[1] = 10; return r; }(),
       TMjReviewError::BadCode, 2, 10, 2},
      {"discards without draws", Row("123m456p789s1122z"), Row("3z"), Row("3z1m"), TMjReviewError::RowsDisagree,
       2, 0, 1},
      {"draws run ahead", Row("123m456p789s1122z"), Row("3z5m6m"), Row("3z"), TMjReviewError::RowsDisagree, 2, 0, 2},
      // Two faults: the one at the earlier draw is named, at one draw the draw's.
      {"a gap in the discards before one in the draws", Row("123m456p789s1122z"), TCodeRow{33, 5, 0, 34},
       TCodeRow{33, 0, 5}, TMjReviewError::Gap, 3, 5, 2},
      {"bad codes drawn and thrown at one draw", Row("123m456p789s1122z"), TCodeRow{33, 38}, TCodeRow{33, 39},
       TMjReviewError::BadCode, 2, 38, 1},
      {"rows that disagree before a later gap", Row("123m456p789s1122z"), Row("3z"), TCodeRow{33, 5, 0, 7},
       TMjReviewError::RowsDisagree, 2, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TMjReview r = ReviewDeal(c.deal, c.draws, c.discards);
    EXPECT_EQ(r.Error, c.error);
    EXPECT_EQ(r.ErrorStep, c.step);
    EXPECT_EQ(r.ErrorCode, c.code);
    EXPECT_EQ(r.Steps.size(), c.stepsKept);
  }
}

TEST(MjReview, ARecordIsJudgedUpToItsFaultWhereverTheFaultStands) {
  const struct {
    const char* what;
    TCodeRow deal, draws, discards;
    int firstReady;
  } cases[] = {
      {"a ready deal broken at draw 1", Row("123m456p789s1122z"), TCodeRow{38}, {}, 0},
      {"a ready deal broken at draw 2", Row("123m456p789s1122z"), TCodeRow{33, 38}, Row("3z"), 0},
      {"ready at draw 2, broken at draw 3", Row("123m456p789s1123z"), TCodeRow{9, 32, 38}, Row("9m3z"), 2},
      {"a deal row with a bad code", [] { TCodeRow r = Row("123m456p789s1122z"); r[4] = 38; return r; }(), {}, {}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TMjReview r = ReviewDeal(c.deal, c.draws, c.discards);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.FirstReadyDraw(), c.firstReady);
  }
}

// Twelve tiles dealt: nothing to judge, however near to ready the twelve are.
TEST(MjReview, ADealOfTwelveTilesIsNeitherJudgedNorReady) {
  const TMjReview r = ReviewDeal(Row("123m456p789s112z"), Row("3z"), Row("3z"));
  EXPECT_EQ(r.Error, TMjReviewError::ShortDeal);
  EXPECT_TRUE(r.Steps.empty());
  EXPECT_EQ(r.Decisions(), 0);
  EXPECT_EQ(r.FirstReadyDraw(), -1);
  EXPECT_EQ(r.WinDraw(), -1);
}

// What the analysis window shows: after a draw the decision's table (or nothing
// in the drill), after the discard the 13 tiles kept (or, in the drill, the
// table with the choice marked); the last discard stays judged.
TEST(MjReview, PairiViewFollowsTheSteps) {
  TMjReview r;
  EXPECT_EQ(PairiView(r, false).Stage, TMjPairiStage::None);
  r.Start(ParseHand("123m456p789s1122z").Counts);
  r.AddDraw(CodeKind(33));  // 3z
  for (bool drill : {false, true}) {
    SCOPED_TRACE(drill);
    const TMjPairiView v = PairiView(r, drill);
    EXPECT_EQ(v.Stage, TMjPairiStage::Decision);
    EXPECT_EQ(v.Shanten, 0);
    EXPECT_EQ(v.TableHidden, drill);
    EXPECT_EQ(v.Rows.size(), drill ? 0u : r.Steps[0].Table.Discards.size());
    EXPECT_EQ(v.Judged, nullptr);
  }
  r.AddDiscard(CodeKind(1));  // 1m: keeps the hand ready but not the best
  const TMjPairiView kept = PairiView(r, false);
  EXPECT_EQ(kept.Stage, TMjPairiStage::Discarded);
  ASSERT_EQ(kept.Rows.size(), 1u);
  EXPECT_EQ(kept.Rows[0].Kind, CodeKind(1));
  EXPECT_EQ(kept.ChosenKind, CodeKind(1));
  EXPECT_FALSE(kept.IsBestRow(kept.Rows[0]));
  EXPECT_EQ(kept.Judged, &r.Steps[0]);
  const TMjPairiView drill = PairiView(r, true);
  EXPECT_EQ(drill.Rows.size(), r.Steps[0].Table.Discards.size());
  EXPECT_TRUE(drill.IsBestRow(drill.Rows[0]));

  r.AddDraw(CodeKind(5));
  EXPECT_EQ(PairiView(r, false).Judged, &r.Steps[0]) << "judged until the next discard";
}

TEST(MjReview, TheFinalShantenAndTheNextDiscardThatWasNotBest) {
  // Ready from the deal; 1m thrown at draw 1 breaks it, 3z at draw 2 is best, and
  // throwing the 1m drawn at draw 3 again, rather than 5m, misses the ready hand.
  const TMjReview r = ReviewDeal(Row("123m456p789s1122z"), Row("5m3z1m"), Row("1m3z1m"));
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.NextNotBest(-1), 0);
  EXPECT_EQ(r.NextNotBest(0), 2);
  EXPECT_EQ(r.NextNotBest(2), -1);
  EXPECT_EQ(r.FinalShanten(), r.Steps.back().Chosen().Shanten);
  // A last draw still waiting for its discard: the shanten of its 14 tiles.
  EXPECT_EQ(ReviewDeal(Row("123m456p789s1122z"), Row("1z"), {}).FinalShanten(), -1);
  EXPECT_EQ(ReviewDeal(Row("123m456p789s1122z"), {}, {}).FinalShanten(), 0);
}
