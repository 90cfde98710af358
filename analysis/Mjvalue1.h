#pragma once

// What every discard of a 14-tile hand is worth by the last draw of a solo
// deal: the chance to be ready, the chance to win and the expected points,
// when the player may also change the hand's shape on the way.
//
// The model is the one of MjChances (Mjprob1.h) with more moves allowed. After
// a draw the player either stays on the shortest path (a draw that lowers the
// shanten followed by a discard that keeps the new shanten, or any other draw
// thrown back) or moves off it: keeps a draw that does not lower the shanten
// and throws another tile (手替わり, the shanten kept; 向聴戻し, the shanten
// raised), or throws an improving draw's hand back up. Each such move uses one
// of `Extra` allowed on the way; with Extra 0 the figures are MjChances'. A
// first discard that raises the shanten is itself such a move. A move comes
// back when an improving draw makes the hand ready and the discard throws a
// tile taken in beyond the first hand's copies: the hand is then no farther
// off the path than before the move. The published method (麻雀アルゴリズム,
// 和了確率) gives moves back so at every shanten, and also whenever tiles are
// traded at one shanten: a search over whole rows cannot follow the trades
// (the way could lead back to a hand it left), and far from ready the moves
// given back make the hands with a move left, which cost most, far too many.
//
// Draws: with r draws left the wall holds W = (unseen at the start) - (draws
// made) tiles. A kind that lowers the shanten comes with its copies in the
// wall / W (copies: unseen less those drawn and kept, as in MjChances); the
// rest of the draw's chance goes to the other kinds in proportion to their
// copies (tiles drawn and thrown are counted back, since a hand does not
// remember its path), or to "nothing changes" when no other move is allowed.
// Where the improving copies outnumber W the draw is surely one of them.
//
// The ready chance, the win chance and the expected points are each maximised
// on their own. A win is taken at the first complete hand; its points are the
// scorer's best reading under `Situation`, 門前清自摸和 included (a solo deal
// has no riichi, so the wait may still change after ready).
//
// Computed backwards over the draws on the graph of (hand, moves used), which
// has no cycles: every move lowers the shanten or uses a move. Hands are
// remembered for one computation in two generations, as in MjChances.

#include <cstddef>
#include <stop_token>
#include <vector>

#include "analysis/Mjprob1.h"
#include "analysis/Mjscore1.h"

inline constexpr int MjMaxExtra = 2;

// What the hands remembered during one computation may take.
inline constexpr std::size_t MjWorthBudget = std::size_t{48} << 20;

struct TMjWorthRules {
  int Extra = 1;           // moves off the shortest path allowed, 0..MjMaxExtra
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
  std::size_t Hands = 0;           // hands worked out (again when forgotten), for measurements
};

// Every discard of a 14-tile hand with `drawsLeft` draws to come; `unseen` as
// for MjChances. Throws std::invalid_argument on the input MjChances refuses
// and on an Extra outside 0..MjMaxExtra. A stop request (checked at every new
// hand) ends it early with Stopped set.
TMjWorthTable MjWorths(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                       const TMjWorthRules& rules = {}, std::stop_token stop = {}, std::size_t budget = MjWorthBudget);

// The same figures for a 13-tile hand, the discard already made (Kind is -1).
TMjWorth MjHandWorth(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                     const TMjWorthRules& rules = {});
// The same as a table without rows (its Shanten, Ready, Win and Points), which
// a stop request can end early with Stopped set.
TMjWorthTable MjHandWorths(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                           const TMjWorthRules& rules = {}, std::stop_token stop = {});
