#pragma once

// The analyser of a 13-tile hand: which tile kinds, added as a fourteenth
// tile, complete it by four sets and a pair, thirteen orphans or seven pairs.
// It works on copies of the hand's tiles and compares tiles by code only.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/Mjpai1.h"
#include "core/Mjtable1.h"

// A working hand: tiles by value, sorted by code wherever the analyser uses it.
class TMjWorkTe {
public:
  std::vector<TMjPai> Pai;

  TMjWorkTe() = default;
  explicit TMjWorkTe(std::size_t count) : Pai(count) {}
  explicit TMjWorkTe(std::vector<TMjPai> pai) : Pai(std::move(pai)) {}

  int Length() const { return static_cast<int>(Pai.size()); }
  const TMjPai& operator[](int i) const { return Pai[static_cast<std::size_t>(i)]; }
  TMjPai& operator[](int i) { return Pai[static_cast<std::size_t>(i)]; }
};

namespace agari_detail {
constexpr std::array<int, KindCount> MakeKindIds() {
  std::array<int, KindCount> ids{};
  for (int k = 0; k < KindCount; ++k) ids[static_cast<std::size_t>(k)] = 4 * k;
  return ids;
}
}  // namespace agari_detail

class TMjAgari {
public:
  static constexpr int TeCount = 13;     // tiles analysed
  static constexpr int WorkCount = 14;   // the hand plus one candidate

  std::array<TMjPai, TeCount> Te;        // copies of hand slots 0..12
  std::vector<TMjPai> Machi;             // the waits, one representative per kind, in kind order

  // The representative id of every kind, 0, 4, ..., 132: ascending code order.
  static constexpr std::array<int, KindCount> KindIds = agari_detail::MakeKindIds();
  // The ones and nines of the three suits, then the seven honours.
  static constexpr std::array<int, 13> KokushiCodes{1, 9, 11, 19, 21, 29, 31, 32, 33, 34, 35, 36, 37};

  // Copies slots 0..12 of the hand row, which must hold tiles sorted by id.
  explicit TMjAgari(const TPaiRow& tepai);
  virtual ~TMjAgari() = default;

  // Fills Machi; true when test (may be null) has the code of one of the waits.
  bool SearchMachi(const TMjPai* test);

  // The winning-form tests take 14 tiles sorted by code and leave them
  // unchanged; a hand of any other length is no winning hand.
  bool ChkNormal(const TMjWorkTe& te);
  static bool ChkKokushi(const TMjWorkTe& te);
  static bool ChkChiitoi(const TMjWorkTe& te);

  // True when the tiles (3, 6, 9 or 12 of them, sorted by code) all split into
  // sets; other lengths never occur in a split and answer no.
  bool ChkMentsu(const TMjWorkTe& te);
  static bool IsKotsu(const TMjWorkTe& te);
  // Positions of the leftmost partners (sorted tiles) of a run beginning with
  // tile 0, -1 where none.
  static bool FindShuntsu(const TMjWorkTe& te, int& second, int& third);

  // One trace line to Debug: the label, then " %02d" per tile code. Does
  // nothing while no sink listens.
  void TraceTe(const TMjWorkTe& te, std::string_view label);

private:
  // The copies made while splitting, one per recursion depth (index = tiles
  // left after the removal / 3), so that refilling them reuses their storage.
  std::array<TMjWorkTe, WorkCount / 3 + 1> Rest;
  std::string Line;

  template <int Count>
  bool Mentsu(const TMjWorkTe& te);
  void TraceWide(const TMjWorkTe& te, std::string_view label);
};
