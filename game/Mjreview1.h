#pragma once

// The judgement of a deal's decisions. The hand is rebuilt from the record rows
// (deal, draws, discards, as tile codes) and every discard is set against the
// best of the discard table. The practice window judges the deal being played
// with it and the viewer judges saved deals, so both give the same figures.

#include <array>
#include <vector>

#include "analysis/Mjshanten1.h"
#include "core/Mjtable1.h"

using TCodeRow = std::array<int, RowSlots>;  // tile codes, 0 = empty slot

// One decision: the 14 tiles after a draw.
struct TMjReviewStep {
  int Draw = 0;            // 1.. : the step after this draw
  int DrawnKind = -1;
  TKindCounts Hand{};      // the 14 tiles
  TKindCounts Seen{};      // the player's own discards before this step
  TMjDiscardTable Table;   // against Hand and Seen
  int DiscardKind = -1;    // the discard made here, -1 while it is still to come

  bool Discarded() const { return DiscardKind >= 0; }
  const TMjDiscard& Best() const { return Table.Discards.front(); }
  const TMjDiscard& Chosen() const;          // the row of the discard made; needs Discarded()
  bool IsBest() const;                       // as low a shanten and as many copies as the best
  bool RaisedShanten() const;                // kept more shanten than the best discard
  int ChosenCount() const;                   // copies left after the discard made; 0 if it raised the shanten
  bool Won() const { return Table.Shanten < 0; }  // the draw completed the hand
};

enum class TMjReviewError {
  None,
  BadCode,         // a code that names no tile
  Gap,             // a row goes on after an empty slot
  ShortDeal,       // the deal row does not hold 13 tiles
  FifthCopy,       // a kind held or thrown away a fifth time
  DiscardNotHeld,  // a discard that was not in the hand at that step
  RowsDisagree,    // the number of draws and discards do not fit together
};

struct TMjReview {
  std::vector<TMjReviewStep> Steps;
  TKindCounts DealHand{};  // the 13 dealt tiles

  TMjReviewError Error = TMjReviewError::None;
  int ErrorStep = 0;  // the draw at which the record stops adding up (0 = the deal)
  int ErrorCode = 0;  // the tile code concerned, where there is one

  bool Ok() const { return Error == TMjReviewError::None; }
  int Decisions() const;       // steps with a discard
  int BestChoices() const;
  int ChosenCountSum() const;
  int BestCountSum() const;
  double Efficiency() const;   // ChosenCountSum / BestCountSum in percent; 100 with no decision
  // The draw after whose discard the 13 tiles were first ready; 0 when the deal
  // itself was ready; -1 when the hand never was.
  int FirstReadyDraw() const;
  int WinDraw() const;         // the first draw that completed the hand, -1 when none
};

// Rebuilds and judges a deal. The steps before a fault are kept and judged.
TMjReview ReviewDeal(const TCodeRow& haipai, const TCodeRow& tumo, const TCodeRow& sute);

// The same rows of a table in play.
TCodeRow CodeRowOf(const TPaiRow& row);
