#pragma once

// Everything on the table during one practice deal: the 136 tiles, the wall in
// drawing order, the hand, the discards and the two record rows. It knows no
// rules of winning, no limit of a deal and no timing; the practice flow does.

#include <array>
#include <cstdint>
#include <span>

#include "core/Mjpai1.h"

constexpr int RowSlots = 20;      // capacity of every row
constexpr int HandSlots = 14;     // slots 0..12 the hand, 13 the drawn tile
constexpr int DealTiles = HandSlots - 1;  // the dealt hand, and the hand between discard and draw
constexpr int DrawSlot = DealTiles;       // the drawn tile's slot
constexpr int TinituCount = 36;   // the one-suit wall: ids 0..35, the characters

// A row of non-owning references to the table's tiles; null is an empty slot.
using TPaiRow = std::array<TMjPai*, RowSlots>;

class TMjTable {
public:
  std::array<TMjPai, PaiCount> Pai;       // owned; Pai[i].Id == i
  std::array<TMjPai*, PaiCount> Wall{};   // drawing order
  TPaiRow Sutepai{};                      // discards, in order
  TPaiRow Tepai{};                        // the hand
  TPaiRow TumoRec{};                      // every draw, in order
  TPaiRow HaipaiRec{};                    // the 13 dealt tiles, ascending id
  std::int32_t WallPos = 0;
  std::int32_t SuteCount = 0;
  std::int32_t TumoCount = 0;

  TMjTable();
  // The rows point into Pai, so a copy would point into the wrong table.
  TMjTable(const TMjTable&) = delete;
  TMjTable& operator=(const TMjTable&) = delete;

  void Clear();
  void Shuffle();
  void ShuffleTinitu();
  // A wall laid out by the caller, ids in drawing order (a saved deal played
  // again); clears the table as a shuffle does.
  void LayWall(std::span<const int> ids);
  TMjPai* NextPai();
  void Haipai();
  TMjPai* Tumo();
  static void SortRow(TPaiRow& row);
  void SortTe() { SortRow(Tepai); }
  int Sute(int k);

private:
  void BuildWall(int n);
};
