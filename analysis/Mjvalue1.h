#pragma once

// What every discard of a 14-tile hand is worth by the last draw of a solo
// deal: the chance to be ready, the chance to win and the expected points,
// when the player may also change the hand's shape on the way.
//
// The model is the one of MjChances (Mjprob1.h) with moves off the shortest
// path, bounded as the published method bounds them (麻雀アルゴリズム, 和了確率):
// a hand is inside the bound while the tiles it holds beyond the first hand's
// copies plus its shanten stay below the first hand's shanten plus `Extra`.
// Inside, it draws any kind and throws any tile (手替わり, 向聴戻し, and the
// way back); outside, it draws only what lowers the shanten and throws only
// what keeps it. With Extra 0 nothing is inside and the figures are
// MjChances'. The first hand is inside with Extra 1 or more, so any first
// discard is worked out; with Extra 0 one that raises the shanten is not.
//
// Draws: with r draws left the wall holds W = (unseen at the start) - (draws
// made) tiles. A kind that lowers the shanten comes with its copies in the
// wall / W (copies: unseen less those drawn and kept, as in MjChances); the
// rest of the draw's chance goes to the other kinds in proportion to their
// copies (tiles drawn and thrown are counted back, since a hand does not
// remember its path), or to "nothing changes" outside the bound. Where the
// improving copies outnumber W the draw is surely one of them.
//
// The ready chance, the win chance and the expected points are each maximised
// on their own. A win is taken at the first complete hand; its points are the
// scorer's best reading under `Situation`, 門前清自摸和 included (a solo deal
// has no riichi, so the wait may still change after ready).
//
// Hands can come back to where they were, so the figures are worked out with
// the draws as the outer loop over the whole graph within the bound, built
// first (recurrence (6) of the chapter): a hand's figures with r draws left
// from those of the hands it draws into with r - 1 left. Hands that cannot get
// ready in the draws left are left out.

#include <cstddef>
#include <stop_token>
#include <vector>

#include "analysis/Mjprob1.h"
#include "analysis/Mjscore1.h"

inline constexpr int MjMaxExtra = 2;

// What the graph of one computation may take; a table that needs more is
// not worked out (TooBig).
inline constexpr std::size_t MjWorthBudget = std::size_t{48} << 20;

struct TMjWorthRules {
  int Extra = 1;           // how far off the shortest path a hand may go, 0..MjMaxExtra
  TMjSituation Situation;  // the winds of the wins; FirstDraw is set for the deal's first draw only
};

struct TMjWorth {
  int Kind = 0;         // the kind thrown away
  int Shanten = 0;      // of the 13 tiles kept
  double Ready = 0.0;   // chance to be ready (or complete) after the last draw's discard
  double Win = 0.0;     // chance that some draw completes the hand
  double Points = 0.0;  // expected points: what the win is worth times its chance, summed
  bool Counted = true;  // false for a discard that raises the shanten when no move off the path is allowed
};

struct TMjWorthTable {
  int Shanten = 0;                 // of the 14 tiles, -1 when complete
  double Ready = 0.0;              // the best discard's, 1 when the hand is ready or complete already
  double Win = 0.0;                // the best discard's, 1 when the hand is complete already
  double Points = 0.0;             // the best discard's
  std::vector<TMjWorth> Discards;  // one per kind held, in code order
  bool Stopped = false;            // the stop token asked to give up; nothing else is filled in
  bool TooBig = false;             // the graph would take more than the memory allowed; nothing else is filled in
  std::size_t Hands = 0;           // hands of 13 and of 14 tiles in the graph, for measurements
};

// Every discard of a 14-tile hand with `drawsLeft` draws to come; `unseen` as
// for MjChances. Throws std::invalid_argument on the input MjChances refuses
// and on an Extra outside 0..MjMaxExtra. A stop request (checked as the graph
// grows and at every draw) ends it early with Stopped set; a graph beyond
// `budget` bytes ends it with TooBig set.
TMjWorthTable MjWorths(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                       const TMjWorthRules& rules = {}, std::stop_token stop = {}, std::size_t budget = MjWorthBudget);

// The same figures for a 13-tile hand, the discard already made, as a table
// without rows (its Shanten, Ready, Win and Points); Stopped and TooBig as above.
TMjWorthTable MjHandWorths(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                           const TMjWorthRules& rules = {}, std::stop_token stop = {},
                           std::size_t budget = MjWorthBudget);
