#include "core/Mjtable1.h"

#include <cassert>

#include "core/Mjrandom1.h"

TMjTable::TMjTable() {
  for (int i = 0; i < PaiCount; ++i) Pai[static_cast<std::size_t>(i)].Id = i;
}

// Leaves the wall and the tiles' states alone, so Clear + Haipai replays a deal.
void TMjTable::Clear() {
  Sutepai.fill(nullptr);
  Tepai.fill(nullptr);
  TumoRec.fill(nullptr);
  HaipaiRec.fill(nullptr);
  WallPos = 0;
  SuteCount = 0;
  TumoCount = 0;
}

void TMjTable::BuildWall(int n) {
  for (int i = 0; i < n; ++i) Wall[static_cast<std::size_t>(i)] = &Pai[static_cast<std::size_t>(i)];
  Clear();
  ShuffleInPlace(Wall, n);
}

void TMjTable::LayWall(std::span<const int> ids) {
  assert(ids.size() <= Wall.size());
  for (std::size_t i = 0; i < ids.size(); ++i) {
    assert(ids[i] >= 0 && ids[i] < PaiCount);
    Wall[i] = &Pai[static_cast<std::size_t>(ids[i])];
  }
  Clear();
}

void TMjTable::Shuffle() { BuildWall(PaiCount); }

void TMjTable::ShuffleTinitu() { BuildWall(TinituCount); }

TMjPai* TMjTable::NextPai() {
  assert(WallPos >= 0 && WallPos < PaiCount && Wall[static_cast<std::size_t>(WallPos)]);
  return Wall[static_cast<std::size_t>(WallPos++)];
}

void TMjTable::Haipai() {
  for (std::size_t i = 0; i < DealTiles; ++i) {
    TMjPai* t = NextPai();
    t->State = stTe;
    Tepai[i] = t;
    HaipaiRec[i] = t;
  }
  SortRow(HaipaiRec);
}

TMjPai* TMjTable::Tumo() {
  assert(TumoCount >= 0 && TumoCount < RowSlots);
  TMjPai* t = NextPai();
  t->State = stTe;
  Tepai[DrawSlot] = t;
  TumoRec[static_cast<std::size_t>(TumoCount++)] = t;
  return t;
}

// Selection sort over slots 0..13; an empty slot sorts as 9999, after every tile.
// The strict comparison keeps the lowest-index empty slot as the maximum.
void TMjTable::SortRow(TPaiRow& row) {
  auto key = [&row](int s) { return row[static_cast<std::size_t>(s)] ? row[static_cast<std::size_t>(s)]->Id : 9999; };
  for (int i = HandSlots - 1; i >= 1; --i) {
    int best = key(i);
    int at = i;
    for (int j = 0; j < i; ++j) {
      if (key(j) > best) {
        best = key(j);
        at = j;
      }
    }
    if (at != i) std::swap(row[static_cast<std::size_t>(i)], row[static_cast<std::size_t>(at)]);
  }
}

int TMjTable::Sute(int k) {
  assert(k >= 0 && k < RowSlots && Tepai[static_cast<std::size_t>(k)]);
  assert(SuteCount >= 0 && SuteCount < RowSlots);
  TMjPai* t = Tepai[static_cast<std::size_t>(k)];
  Sutepai[static_cast<std::size_t>(SuteCount)] = t;
  t->State = stSute;
  ++SuteCount;
  Tepai[static_cast<std::size_t>(k)] = nullptr;
  return SuteCount - 1;
}
