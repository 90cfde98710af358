#pragma once

// The judgement of a deal's decisions. The hand is rebuilt from the record rows
// (deal, draws, discards, as tile codes) and every discard is set against the
// best of the discard table. The practice window judges the deal being played
// with it and the viewer judges saved deals, so both give the same figures.

#include <array>
#include <vector>

#include "analysis/Mjshanten1.h"
#include "core/Mjtable1.h"
#include "game/Mjdecision1.h"
#include "records/Mjrecord1.h"

// A deal stops at 18 draws and 18 discards, short of the rows' 20 slots.
constexpr int DealLimit = 18;

// A discard as good as the best one: as low a shanten and as many copies.
inline bool AsGoodAsBest(const TMjDiscard& row, const TMjDiscard& best) {
  return row.Shanten == best.Shanten && row.Count == best.Count;
}

// One decision: the 14 tiles after a draw.
struct TMjReviewStep {
  int Draw = 0;            // 1.. : the step after this draw
  int DrawnKind = -1;
  TKindCounts Hand{};      // the 14 tiles
  TKindCounts Seen{};      // the player's own discards before this step
  TMjDiscardTable Table;   // against Hand and Seen
  int DiscardKind = -1;    // the discard made here, -1 while it is still to come
  bool OneSuit = false;    // the deal's wall holds the characters only
  bool AfterWin = false;   // this draw or an earlier one completed the hand
  TMjVerdict Verdict;      // of the discard made, once it is made
  TMjModel Model;          // what the verdict and the chances are worked out under

  TMjDecision Decision() const { return {Hand, DrawnKind, Seen, OneSuit, DrawsLeftAfter(Draw), AfterWin, Model}; }
  // Judged at all: a discard made before the hand was complete.
  bool Judged() const { return Discarded() && Verdict.Judged(); }
  bool Mistake() const { return Judged() && Verdict.Mistake; }
  bool Discarded() const { return DiscardKind >= 0; }
  const TMjDiscard& Best() const { return Table.Discards.front(); }
  const TMjDiscard& Chosen() const;          // the row of the discard made; needs Discarded()
  bool IsBest() const { return AsGoodAsBest(Chosen(), Best()); }
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
  TKindCounts Hand{};      // the tiles in hand now: 14 after a draw, 13 after its discard
  TKindCounts Seen{};      // the player's own discards so far
  bool OneSuit = false;    // the wall holds the characters only
  TMjModel Model;          // given to every step; Start keeps it
  bool Points = true;      // the verdicts' chances carry expected points (the statistics need none)

  TMjReviewError Error = TMjReviewError::None;
  int ErrorStep = 0;  // the draw at which the record stops adding up (0 = the deal)
  int ErrorCode = 0;  // the tile code concerned, where there is one

  bool Ok() const { return Error == TMjReviewError::None; }
  // Only judged steps count: a discard made once the hand was complete is none.
  int Decisions() const;    // judged steps
  int BestChoices() const;  // of those, the ones that were no mistake
  int ChosenCountSum() const;
  int BestCountSum() const;
  double Efficiency() const;   // ChosenCountSum / BestCountSum in percent; 100 with no decision
  // The draw after whose discard the 13 tiles were first ready; 0 when the deal
  // itself was ready; -1 when the hand never was. A record that stops adding up
  // is judged up to its fault, so only a fault in the deal row gives -1 outright.
  int FirstReadyDraw() const;
  int WinDraw() const;         // the first draw that completed the hand, -1 when none

  // The deal played on step by step, as the practice flow plays it. The caller
  // keeps the order (deal, then draw and discard in turn) and holds only real
  // tiles; ReviewDeal checks a record before it plays it through these.
  void Start(const TKindCounts& deal, bool oneSuit = false);
  void AddDraw(int kind);     // its discard table at once
  void AddDiscard(int kind);  // the discard of the last draw, judged (MjJudge)
  // The shanten of the hand the record ends on: the 13 tiles after the last
  // discard, or the 14 tiles of a last draw still waiting for its discard.
  // Needs a deal that adds up.
  int FinalShanten() const;
  // The first step whose discard was a mistake, after the given index; -1 when none.
  int NextNotBest(int after) const;
  // Every step judged again under another model.
  void Rejudge(const TMjModel& model);
};

// Rebuilds and judges a deal. The steps before a fault are kept and judged. A
// deal of characters only (OneSuitDeal over its deal and readable draws) is
// judged against the one-suit wall.
TMjReview ReviewDeal(const TCodeRow& haipai, const TCodeRow& tumo, const TCodeRow& sute, const TMjModel& model = {},
                     bool points = true);
// The same from a record's code grid (its deal, draws and discards rows).
TMjReview ReviewRecord(const TCodeGrid& codes, const TMjModel& model = {});

// The same rows of a table in play.
TCodeRow CodeRowOf(const TPaiRow& row);

// What the analysis window shows of a deal in play.
enum class TMjPairiStage {
  None,       // no draw yet
  Decision,   // a drawn tile waits for its discard
  Discarded,  // the last draw's discard is made
};

struct TMjPairiView {
  TMjPairiStage Stage = TMjPairiStage::None;
  int Shanten = 0;                 // of the hand as it stands: 14 tiles, or 13 after the discard
  std::vector<TMjDiscard> Rows;    // best first
  TMjDiscard Best;                 // rows as good as the best one are marked
  int ChosenKind = -1;             // the discard made, marked in its row
  bool TableHidden = false;        // the drill keeps the decision's table back until the discard
  const TMjReviewStep* Judged = nullptr; // the last discard made, judged in the window's last line
  bool IsBestRow(const TMjDiscard& row) const { return AsGoodAsBest(row, Best); }
};

// After a draw: the decision's whole table, or nothing when tableAfterDiscard.
// After the discard: the 13 tiles kept (the chosen row), or with
// tableAfterDiscard the decision's whole table with the choice marked.
TMjPairiView PairiView(const TMjReview& review, bool tableAfterDiscard);
