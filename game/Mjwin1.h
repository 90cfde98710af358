#pragma once

// The value of a deal's win: the 14 tiles of a winning draw scored under the
// player's winds. The practice window, the review and the statistics all ask
// here, so a win is worth the same everywhere.

#include "analysis/Mjscore1.h"
#include "game/Mjreview1.h"

// The value of a step whose draw completed the hand; the deal's first draw is
// a win in the first go-around (天和, 地和). Not complete for any other step.
TMjScore StepScore(const TMjReviewStep& step, const TMjSituation& winds);

// The value of the deal's first winning draw; not complete when there is none.
TMjScore DealScore(const TMjReview& review, const TMjSituation& winds);

// What the winner of the deal's first win receives; 0 when the deal has none.
int DealWinPoints(const TMjReview& review, const TMjSituation& winds);
