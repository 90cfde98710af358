#pragma once

// The chance to be ready (聴牌率) and to win (和了率) by the last draw of a solo
// deal, for every discard of a 14-tile hand.
//
// The model: one player who only draws. Every unseen tile is equally likely to
// come next; the wall that can come holds all of them (S tiles) and shrinks by
// one at each draw. A kind's copies in the wall are its unseen copies less
// those drawn since and kept: copies of a kind beyond what the hand held at the
// start have come from the wall. The player always keeps the hand that gives
// the best chance (ready and win are each maximised on their own), and wins
// as soon as a draw completes the hand.
//
// The hand only moves towards completion: a draw counts when it lowers the
// shanten, and the discard after it keeps the new shanten. Shape changes that
// keep the shanten (手替わり) and discards that raise it (向聴戻し) are not
// followed, so the figures are a floor: a player who also changes shape wins
// measurably more often. A first discard that raises the shanten gets no figures.
//
// Computed backwards over the draws on the graph of hand changes: a 13-tile
// hand's chance with r draws left is its chance with r - 1 left plus, for each
// kind that improves it, (copies in the wall / tiles in the wall) times what
// drawing that kind gains. Hands are remembered for one computation only.

#include <cstddef>
#include <stop_token>
#include <vector>

#include "analysis/Mjshanten1.h"

inline constexpr int DealDraws = 18;  // draws of a solo deal

// What the hands remembered during one computation may take; past it those
// not met for longest are forgotten and computed again when met (slower, same
// figures).
inline constexpr std::size_t MjChanceBudget = std::size_t{32} << 20;

struct TMjChance {
  int Kind = 0;        // the kind thrown away
  int Shanten = 0;     // of the 13 tiles kept
  double Ready = 0.0;  // chance to be ready (or complete) after the last draw's discard
  double Win = 0.0;    // chance that some draw completes the hand
  double Points =
      0.0;  // expected points of the win (MjWorths); 0 where only chances are computed, NaN where too far to work out
  bool Counted = true; // false for a discard that raises the shanten: no chance is computed for it
};

struct TMjChanceTable {
  int Shanten = 0;                  // of the 14 tiles, -1 when complete
  double Ready = 0.0;               // the best discard's, 1 when the hand is ready or complete already
  double Win = 0.0;                 // the best discard's, 1 when the hand is complete already
  double Points = 0.0;              // the best discard's expected points, where computed (NaN: too far)
  int Extra = 0;                    // moves off the shortest path the figures allow (MjWorths)
  std::vector<TMjChance> Discards;  // one per kind held, in code order
  bool Stopped = false;             // the stop token asked to give up; nothing else is filled in
  std::size_t Hands = 0;            // 14-tile hands worked out (again when forgotten), for measurements
};

// Unseen copies of each kind for a player holding `hand` who has thrown
// `discards` away: 4 - held - thrown, none of a kind below zero. With
// `oneSuit` (a wall of the 36 characters only) the other kinds have none.
TKindCounts MjUnseen(const TKindCounts& hand, const TKindCounts& discards, bool oneSuit = false);

// Every discard of a 14-tile hand with `drawsLeft` draws to come. `unseen`
// holds, per kind, the copies that can still come (at most 4 - held); the
// wall is their sum and must hold at least `drawsLeft` tiles. Throws
// std::invalid_argument on other input. A stop request (checked at every new
// hand) ends it early with Stopped set.
TMjChanceTable MjChances(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                         std::stop_token stop = {}, std::size_t budget = MjChanceBudget);

// The chance of the discard of `kind` in a table, or nullptr when it has none
// (a kind not held, or a discard that raises the shanten).
const TMjChance* ChanceOf(const TMjChanceTable& table, int kind);
// Which of two discards of equal win chance is recommended: an honour before
// a terminal before any other kind, then the lower kind. Measured against
// calculators that follow shape changes, it picks their best far more often
// than the lowest kind alone.
int MjTieRank(int kind);  // 0 honour, 1 terminal, 2 other
bool MjTiePrefers(int kind, int other);
// The discard with the best win chance among those that have one (equals, as
// KeepsBestWin tells them, broken by MjTiePrefers), or nullptr.
const TMjChance* BestWinDiscard(const TMjChanceTable& table);
// Its win chance, 0 without one.
double BestDiscardWin(const TMjChanceTable& table);
// Whether a win chance is as good as the best one: chances that differ only by
// rounding are equal.
inline bool KeepsBestWin(double chosen, double best) { return chosen >= best - 1e-9; }

// The same chances for a 13-tile hand, the discard already made (Kind is -1).
TMjChance MjHandChance(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft);
// The same as a table without rows (its Shanten, Ready and Win), which a stop
// request can end early with Stopped set.
TMjChanceTable MjHandChances(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                             std::stop_token stop = {});
