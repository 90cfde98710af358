#pragma once

// A saved deal played again: the wall that deals the record's 13 tiles and then
// gives its draws in their order, whatever the player throws away. A record
// whose dealt tiles and draws are all characters is a one-suit deal and goes on
// the one-suit wall, so that a new deal from it (F5) keeps its mode.

#include <vector>

#include "core/Mjtable1.h"
#include "game/Mjreview1.h"
#include "records/Mjrecord1.h"

struct TMjReplay {
  TMjReview Review;           // the record judged: a record that does not add up is not played
  bool TooManyDraws = false;  // more draws than a deal makes
  bool Tinitu = false;        // the one-suit wall
  std::vector<int> Deal;      // tile codes in the record's order
  std::vector<int> Draws;

  bool Ok() const { return Review.Ok() && !TooManyDraws; }
  // The wall in drawing order, as tile ids: the deal, the draws, then the tiles
  // of the mode's set left over, in id order. A kind's copies are taken lowest
  // id first. Needs Ok().
  std::vector<int> WallIds() const;
};

// Reads the deal and draws rows of a record's code grid.
TMjReplay ReplayRecord(const TCodeGrid& codes);

// Lays the replay's wall on the table and clears the table, as a shuffle does.
// A record saved before its 18th draw leaves the later draws open: the tiles
// left over are shuffled by the program's generator, as a new wall is, so
// they come at random once and the same again on F6. Needs Ok().
void LayReplayWall(TMjTable& table, const TMjReplay& replay);
