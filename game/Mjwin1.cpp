#include "game/Mjwin1.h"

TMjScore StepScore(const TMjReviewStep& step, const TMjSituation& winds) {
  if (!step.Won()) return {};
  TMjSituation situation = winds;
  situation.FirstDraw = step.Draw == 1;
  return MjScore(step.Hand, step.DrawnKind, situation);
}

TMjScore DealScore(const TMjReview& review, const TMjSituation& winds) {
  for (const TMjReviewStep& step : review.Steps)
    if (step.Won()) return StepScore(step, winds);
  return {};
}

int DealWinPoints(const TMjReview& review, const TMjSituation& winds) {
  const TMjScore score = DealScore(review, winds);
  return score.Complete() ? score.BestReading().Points.Total : 0;
}
