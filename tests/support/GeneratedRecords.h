#pragma once

// Record files of played deals for the statistics tests, the benchmark and the
// pictures: each deal from its own seed, each discard either the best of the
// discard table or a tile picked by the seed, as often as skill (0..100) says.

#include <string>

#include "analysis/Mjshanten1.h"
#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "records/Mjrecord1.h"

// The hand slot to throw away: a tile of the best kind, the drawn one when it is of that kind.
inline int BestSlot(const TMjTable& table, const TKindCounts& seen) {
  TKindCounts hand{};
  for (int i = 0; i < HandSlots; ++i) ++hand[static_cast<std::size_t>(CodeKind(table.Tepai[static_cast<std::size_t>(i)]->GetCode()))];
  const int best = MjDiscards(hand, seen).Discards.front().Kind;
  for (int i = HandSlots - 1; i >= 0; --i)
    if (CodeKind(table.Tepai[static_cast<std::size_t>(i)]->GetCode()) == best) return i;
  return HandSlots - 1;
}

// Plays one deal of up to draws draws (18 makes a finished deal; fewer saves it
// before the last draw's discard), from the full wall or the one-suit wall.
inline void PlayGeneratedDeal(TMjTable& table, std::uint32_t seed, int skill = 50, int draws = 18,
                              bool oneSuit = false) {
  TMjRandom random;
  random.Seed(seed);
  {
    TScopedRandomSource scoped(random);
    if (oneSuit)
      table.ShuffleTinitu();
    else
      table.Shuffle();
  }
  table.Haipai();
  table.SortTe();
  TKindCounts seen{};
  for (int turn = 0; turn < draws; ++turn) {
    table.Tumo();
    if (turn == draws - 1 && draws < 18) break;
    const int r = random.Next();
    const int slot = r % 100 < skill ? BestSlot(table, seen) : r / 100 % HandSlots;
    ++seen[static_cast<std::size_t>(CodeKind(table.Tepai[static_cast<std::size_t>(slot)]->GetCode()))];
    table.Sute(slot);
    table.SortTe();
  }
}

// The record text of the deal of seed; later seeds get later time stamps.
inline std::string GeneratedRecord(std::uint32_t seed, int skill = 50, int draws = 18, bool oneSuit = false) {
  TMjTable table;
  PlayGeneratedDeal(table, seed, skill, draws, oneSuit);
  const int s = static_cast<int>(seed % 100000);
  return RecordText(table, TRecordTime{2024, 1 + s / 8000, 1 + s / 300 % 27, s / 12 % 24, s % 60, s * 7 % 60});
}
