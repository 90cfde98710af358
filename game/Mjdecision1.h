#pragma once

// A decision and its verdict. A decision is the 14 tiles after a draw with what
// judging it needs: the tiles seen, the wall, the draws still to come and
// whether the hand was complete already. The practice's analysis window, the
// review, the statistics and the drill all build decisions here and show the
// verdict they get back, so one discard is judged alike wherever it is shown.

#include <vector>

#include <stop_token>

#include "analysis/Mjprob1.h"
#include "analysis/Mjshanten1.h"

// What the chances and the verdicts are worked out under: the moves off the
// shortest path the player may make (手替わり, 向聴戻し; MjWorths), and the winds
// the points of a win are counted in. One model for every window, so a
// discard is judged alike wherever it is shown.
struct TMjModel {
  int Extra = 0;     // chosen, 0..MjModelMaxExtra; MjModelExtra says what a hand gets
  int SeatWind = 0;  // 0..3: 東 南 西 北
  int RoundWind = 0;
  bool operator==(const TMjModel&) const = default;
};

inline constexpr int MjModelMaxExtra = 2;
// The model unless the player chooses another: the shortest path. One move's
// whole table fits a window's time (0.5 ms one away, 5 ms two away), but the
// statistics judge tens of thousands of decisions with the model chosen.
inline constexpr int MjModelDefaultExtra = 0;
// The farthest hand (its shanten) each number of moves is worked out for: a
// whole table within a fraction of a second. Farther hands, and those whose
// graph would not fit the memory allowed, get the figures of fewer moves,
// down to the shortest path, and the windows say which.
inline constexpr int MjModelReach[MjModelMaxExtra + 1] = {4, 3, 2};
// The moves a hand of this shanten (of its 14 tiles, or 13) is worked out with.
int MjModelExtra(const TMjModel& model, int shanten);

struct TMjDecision {
  TKindCounts Hand{};  // the 14 tiles (13: a position before its draw, its own chances)
  int DrawnKind = -1;
  TKindCounts Seen{};     // the player's own discards before this draw
  bool OneSuit = false;   // the wall holds the 36 characters only
  int DrawsLeft = 0;      // draws still to come after this discard
  bool AfterWin = false;  // the hand was complete at this draw or before: the deal goes on, nothing is judged
  TMjModel Model{};

  TKindCounts Unseen() const { return MjUnseen(Hand, Seen, OneSuit); }
  bool operator==(const TMjDecision&) const = default;
};

// The chances and expected points of a decision's discards (of a 13-tile
// position, the hand's own, without rows) under its model: with no move off
// the path the chances are MjChances' to the last digit, the points MjWorths'.
// Extra in the table says which moves the figures allow. A stop request ends
// it early with Stopped set.
// Without `points` (what the statistics need) no points may be worked out.
TMjChanceTable MjDecisionChances(const TMjDecision& decision, std::stop_token stop = {}, bool points = true);

// The draws left after the discard of draw `draw` (1..) of a solo deal.
inline int DrawsLeftAfter(int draw) { return draw >= DealDraws ? 0 : DealDraws - draw; }

// A deal is of one suit when its dealt tiles and every draw are characters:
// records keep no mode, and a full wall never deals that in practice.
bool OneSuitDeal(const TKindCounts& deal, const std::vector<int>& drawnKinds);

// Within reach of a win a decision is judged by its win chance by the last
// draw, farther away by effective copies: the chances of far hands take too
// long for a folder of thousands of records.
inline constexpr int WinKeptMaxShanten = 1;

enum class TMjBasis {
  None,    // nothing judged: the hand was complete
  Copies,  // by effective copies: far from ready, no draw left, or no discard can win
  Win,     // by the win chance by the last draw, under the decision's model
};

struct TMjVerdict {
  TMjBasis Basis = TMjBasis::None;
  int BestKind = -1;               // the discard recommended; of equals, as MjTiePrefers says
  int ChosenKind = -1;             // -1 while the discard is still to come
  bool Mistake = false;            // the discard made kept less than the best, by the basis
  bool Raised = false;             // it raised the shanten over the best discard
  int BestCount = 0;               // effective copies the best discard by copies keeps
  int ChosenCount = 0;             // and the discard made (0 when it raised the shanten)
  double BestWin = 0.0;            // with Basis Win: the best discard's win chance
  double ChosenWin = 0.0;          // and the discard made's (0 when it raised the shanten)
  std::vector<TMjChance> Chances;  // with Basis Win: every discard's chances, in code order
  int Extra = 0;                   // with Basis Win: the moves off the path the chances allow

  bool Judged() const { return Basis != TMjBasis::None; }
  int LostCopies() const { return BestCount - ChosenCount; }
  double LostWin() const { return BestWin - ChosenWin; }
  // Whether a row of the discard table is as good as the best by the basis.
  bool IsBestKind(const TMjDiscardTable& table, int kind) const;
};

// Judges the discard of chosenKind (-1: only the best) against the
// decision's discard table (MjDiscards of its hand and seen tiles).
// Without `points` the chances may come without expected points (faster).
TMjVerdict MjJudge(const TMjDecision& decision, const TMjDiscardTable& table, int chosenKind, bool points = true);
TMjVerdict MjJudge(const TMjDecision& decision, int chosenKind);
