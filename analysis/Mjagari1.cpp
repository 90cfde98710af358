#include "analysis/Mjagari1.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "analysis/Tdebug1.h"

namespace {

// The code is built from the suit and the number, and both follow from id / 4,
// while no tile (id -1, code 0) keeps -1, below every kind (C++20 shifts
// negative values arithmetically). So for every id a tile can hold this key
// orders and matches tiles exactly as their codes do, without the divisions
// that the search would otherwise repeat thousands of times.
int KindKey(const TMjPai& pai) { return pai.Id >> 2; }

bool SameCode(const TMjPai& a, const TMjPai& b) { return KindKey(a) == KindKey(b); }

// " %02d" of every kind's code, ready to copy into a trace line.
struct TCodeFields {
  char Text[KindCount][4];
  constexpr TCodeFields() : Text{} {
    for (int k = 0; k < KindCount; ++k) {
      const int code = KindCode(k);
      Text[k][0] = ' ';
      Text[k][1] = static_cast<char>('0' + code / 10);
      Text[k][2] = static_cast<char>('0' + code % 10);
      Text[k][3] = '\0';
    }
  }
};
constexpr TCodeFields CodeFields;

// The body of FindShuntsu, inlined into the split, which runs it thousands of
// times per search.
inline bool RunPartners(const TMjWorkTe& te, int& second, int& third) {
  second = -1;
  third = -1;
  if (te.Length() == 0) return false;
  const int first = KindKey(te[0]);
  // Honours form no runs, and a run never wraps from 9 to 1. An empty tile
  // (suit -1) has no partners either.
  if (first < 0 || first / 9 == 3 || first % 9 >= 7) return false;
  // Within a suit, number + 1 and + 2 are the next two kinds. The tiles are
  // sorted, so past those kinds nothing can match any more.
  for (int j = 1; j < te.Length(); ++j) {
    const int kind = KindKey(te[j]);
    if (kind > first + 2) break;
    if (kind == first + 1 && second == -1) {
      second = j;
    } else if (kind == first + 2 && third == -1) {
      third = j;
    }
  }
  return second != -1 && third != -1;
}

// Moves count tiles; from lies at or after to, so a removal may overlap. The
// work hands never exceed a working hand of 14 tiles, and a move of a known
// size compiles to a few register loads and stores instead of a library call,
// which at thousands of moves per search is most of the cost.
template <std::size_t Count>
inline void MoveFixed(TMjPai* to, const TMjPai* from) {
  static_assert(std::is_trivially_copyable_v<TMjPai>);
  if constexpr (Count > 0) {
    unsigned char bytes[Count * sizeof(TMjPai)];
    std::memcpy(bytes, from, sizeof bytes);
    std::memcpy(to, bytes, sizeof bytes);
  }
}

// Assign for a hand known to hold Count tiles.
template <int Count>
inline void AssignFixed(TMjWorkTe& to, const TMjWorkTe& from) {
  to.Pai.resize(Count);
  MoveFixed<Count>(to.Pai.data(), from.Pai.data());
}

// Delete of position At from a hand known to hold Count tiles.
template <int Count, int At>
inline void DeleteFixed(TMjWorkTe& te) {
  static_assert(At >= 0 && At < Count);
  TMjPai* pai = te.Pai.data();
  MoveFixed<Count - At - 1>(pai + At, pai + At + 1);
  te.Pai.pop_back();
}

// Delete of position at (inside the hand) from a hand known to hold Count
// tiles. Every tile below the last one is rewritten, with itself before at
// and with its right neighbour from at on: the same tiles end up in the same
// places as with a shift of the tail, but with no jump on the position and,
// one tile per load and store, no load that straddles the previous removal's
// stores.
template <int Count>
inline void DeleteIn(TMjWorkTe& te, int at) {
  static_assert(sizeof(TMjPai) == sizeof(std::uint64_t) && std::is_trivially_copyable_v<TMjPai>);
  TMjPai* pai = te.Pai.data();
  std::uint64_t next;
  std::memcpy(&next, pai, sizeof next);
  for (int k = 0; k + 1 < Count; ++k) {
    const std::uint64_t here = next;
    std::memcpy(&next, pai + k + 1, sizeof next);
    const std::uint64_t kept = k >= at ? next : here;
    std::memcpy(static_cast<void*>(pai + k), &kept, sizeof kept);
  }
  te.Pai.pop_back();
}

}  // namespace

TMjAgari::TMjAgari(const TPaiRow& tepai) {
  for (std::size_t i = 0; i < Te.size(); ++i) {
    // An empty slot stays an empty tile; the practice flow never passes one.
    if (tepai[i] != nullptr) Te[i] = *tepai[i];
  }
  // The copies of the split never outgrow one working hand, so they never
  // reallocate during a search.
  for (TMjWorkTe& rest : Rest) rest.Pai.reserve(WorkCount);
  Machi.reserve(KindCount);
}

bool TMjAgari::SearchMachi(const TMjPai* test) {
  Machi.clear();
  bool answer = false;
  TMjWorkTe work(WorkCount);
  // The copies held of every kind, counted once instead of once per candidate.
  // A tile outside the set matches no candidate and is left out.
  std::array<int, KindCount> heldOf{};
  for (const TMjPai& pai : Te) {
    const int kind = KindKey(pai);
    if (kind >= 0 && kind < KindCount) ++heldOf[static_cast<std::size_t>(kind)];
  }
  for (const int id : KindIds) {
    const TMjPai candidate(id, stWall);
    const int key = KindKey(candidate);
    const int held = heldOf[static_cast<std::size_t>(key)];
    // A fifth copy does not exist, however well it would fit.
    if (held >= 4) continue;

    for (int i = 0; i < TeCount; ++i) work[i] = Te[static_cast<std::size_t>(i)];
    work[TeCount] = candidate;
    // Among equal codes the candidate ends up last.
    for (int j = TeCount - 1; j >= 0; --j) {
      if (KindKey(work[j]) <= key) break;
      work[j + 1] = work[j];
      work[j] = candidate;
    }

    if (ChkNormal(work) || ChkKokushi(work) || ChkChiitoi(work)) {
      Machi.push_back(candidate);
      if (test != nullptr && test->GetCode() == candidate.GetCode()) answer = true;
    }
  }
  return answer;
}

// ChkMentsu for tiles known to number Count, step for step: the same copies
// and removals, each of a size fixed at compile time.
template <int Count>
bool TMjAgari::Mentsu(const TMjWorkTe& te) {
  static_assert(Count % 3 == 0 && Count >= 3 && Count <= 12);
  TMjWorkTe& rest = Rest[(Count - 3) / 3];

  if (IsKotsu(te)) {
    AssignFixed<Count>(rest, te);
    DeleteFixed<Count, 2>(rest);
    DeleteFixed<Count - 1, 1>(rest);
    DeleteFixed<Count - 2, 0>(rest);
    if (rest.Length() == 0) return true;
    if constexpr (Count > 3) {
      if (Mentsu<Count - 3>(rest)) {
        TraceTe(te, "K:");
        return true;
      }
    }
  }

  int second = -1;
  int third = -1;
  if (!RunPartners(te, second, third)) return false;
  AssignFixed<Count>(rest, te);
  DeleteIn<Count>(rest, third);
  DeleteIn<Count - 1>(rest, second);
  DeleteFixed<Count - 2, 0>(rest);
  if (rest.Length() == 0) return true;
  if constexpr (Count > 3) {
    if (Mentsu<Count - 3>(rest)) {
      TraceTe(te, "S:");
      return true;
    }
  }
  return false;
}

bool TMjAgari::ChkNormal(const TMjWorkTe& te) {
  // Checked here too, so that a silent trace costs no call.
  if (Debug.Listening()) TraceTe(te, "ChkNormal:");
  if (te.Length() != WorkCount) return false;
  // The sizes of every copy are known, so each is a fixed-size move.
  TMjWorkTe& rest = Rest[(WorkCount - 2) / 3];
  // Where the pairs stand, found before any copy so that the loop below only
  // visits them, still from the left.
  unsigned pairs = 0;
  for (int i = 0; i + 1 < WorkCount; ++i) pairs |= static_cast<unsigned>(SameCode(te[i], te[i + 1])) << i;
  while (pairs != 0) {
    const int i = std::countr_zero(pairs);
    pairs &= pairs - 1;
    AssignFixed<WorkCount>(rest, te);
    DeleteIn<WorkCount>(rest, i + 1);
    DeleteIn<WorkCount - 1>(rest, i);
    if (Mentsu<WorkCount - 2>(rest)) return true;
  }
  return false;
}

bool TMjAgari::ChkMentsu(const TMjWorkTe& te) {
  switch (te.Length()) {
    case 12: return Mentsu<12>(te);
    case 9: return Mentsu<9>(te);
    case 6: return Mentsu<6>(te);
    case 3: return Mentsu<3>(te);
    default: return false;
  }
}

bool TMjAgari::IsKotsu(const TMjWorkTe& te) {
  return te.Length() >= 3 && SameCode(te[0], te[1]) && SameCode(te[0], te[2]);
}

bool TMjAgari::FindShuntsu(const TMjWorkTe& te, int& second, int& third) {
  return RunPartners(te, second, third);
}

bool TMjAgari::ChkKokushi(const TMjWorkTe& te) {
  const auto& table = KokushiCodes;
  if (te.Length() != WorkCount) return false;
  // Codes 1 and 37 are exactly the kinds 0 and 33; almost every hand fails here.
  if (KindKey(te[0]) != 0 || KindKey(te[WorkCount - 1]) != KindCount - 1) return false;
  // Up to the doubled code position i holds table[i]; after it, table[i - 1].
  std::size_t shift = 0;
  for (std::size_t i = 1; i <= 12; ++i) {
    const int code = te[static_cast<int>(i)].GetCode();
    if (code == table[i - shift]) continue;
    if (shift == 0 && code == table[i - 1]) {
      shift = 1;
      continue;
    }
    return false;
  }
  return true;
}

bool TMjAgari::ChkChiitoi(const TMjWorkTe& te) {
  if (te.Length() != WorkCount) return false;
  for (int k = 0; k < 7; ++k) {
    if (!SameCode(te[2 * k], te[2 * k + 1])) return false;
  }
  // Four equal tiles are one kind, not two pairs.
  for (int k = 0; k < 6; ++k) {
    if (SameCode(te[2 * k], te[2 * k + 2])) return false;
  }
  return true;
}

void TMjAgari::TraceTe(const TMjWorkTe& te, std::string_view label) {
  // Nobody reads the trace most of the time; then it must cost nothing.
  if (!Debug.Listening()) return;
  // The line is written in place, two digits by hand per tile: it is built
  // over thirty times per search.
  Line.resize(label.size() + 3 * te.Pai.size());
  char* out = Line.data();
  std::memcpy(out, label.data(), label.size());
  out += label.size();
  for (const TMjPai& pai : te.Pai) {
    const int kind = KindKey(pai);
    if (kind >= 0 && kind < KindCount) {
      std::memcpy(out, CodeFields.Text[kind], 3);
    } else {
      const int code = pai.GetCode();
      if (code > 99) {
        TraceWide(te, label);
        return;
      }
      out[0] = ' ';
      out[1] = static_cast<char>('0' + code / 10);
      out[2] = static_cast<char>('0' + code % 10);
    }
    out += 3;
  }
  Debug.Print("%s", Line.c_str());
}

// Only a tile outside the set has a code of three digits or more.
void TMjAgari::TraceWide(const TMjWorkTe& te, std::string_view label) {
  Line.assign(label);
  for (const TMjPai& pai : te.Pai) {
    char field[16];
    const int n = std::snprintf(field, sizeof field, " %02d", pai.GetCode());
    Line.append(field, static_cast<std::size_t>(n));
  }
  Debug.Print("%s", Line.c_str());
}
