#pragma once

// Every hand of one suit: the property tests walk all 93,600 13-tile hands of
// the characters, one shard per number of 1m held.

#include <array>

#include "core/Mjpai1.h"

// Calls visit(counts) for every way of holding `left` more tiles of kinds kind..8.
template <class Visit>
void EachOneSuitHand(std::array<int, KindCount>& c, int kind, int left, Visit& visit) {
  if (kind == 9) {
    if (left == 0) visit(c);
    return;
  }
  for (int n = 0; n <= 4 && n <= left; ++n) {
    c[kind] = n;
    EachOneSuitHand(c, kind + 1, left - n, visit);
  }
  c[kind] = 0;
}
