#include "analysis/Mjagari1.h"

#include <cstdio>
#include <cstring>

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

}  // namespace

void TMjWorkTe::Assign(const TMjWorkTe& other) {
  if (&other == this) return;
  Pai.assign(other.Pai.begin(), other.Pai.end());
}

void TMjWorkTe::Delete(int i) {
  const int n = Length();
  if (i < 0 || i >= n) return;
  TMjPai* pai = Pai.data();
  std::memmove(pai + i, pai + i + 1, static_cast<std::size_t>(n - i - 1) * sizeof(TMjPai));
  Pai.pop_back();
}

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

TMjWorkTe* TMjAgari::RestFor(int remaining) {
  const int depth = remaining / 3;
  if (remaining < 0 || depth >= static_cast<int>(Rest.size())) return nullptr;
  return &Rest[static_cast<std::size_t>(depth)];
}

bool TMjAgari::SearchMachi(const TMjPai* test) {
  Machi.clear();
  bool answer = false;
  TMjWorkTe work(WorkCount);
  for (const int id : KindIds) {
    const TMjPai candidate(id, stWall);
    const int key = KindKey(candidate);
    int held = 0;
    for (const TMjPai& pai : Te) held += KindKey(pai) == key ? 1 : 0;
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

bool TMjAgari::ChkNormal(const TMjWorkTe& te) {
  TraceTe(te, "ChkNormal:");
  const int n = te.Length();
  TMjWorkTe spare;
  TMjWorkTe* rest = RestFor(n - 2);
  if (rest == nullptr) rest = &spare;
  // Three or four equal tiles offer their pair more than once; each is tried.
  for (int i = 0; i + 1 < n; ++i) {
    if (!SameCode(te[i], te[i + 1])) continue;
    rest->Assign(te);
    rest->Delete(i + 1);
    rest->Delete(i);
    if (ChkMentsu(*rest)) return true;
  }
  return false;
}

bool TMjAgari::ChkMentsu(const TMjWorkTe& te) {
  TMjWorkTe spare;
  TMjWorkTe* rest = RestFor(te.Length() - 3);
  if (rest == nullptr) rest = &spare;

  // The first tile is the smallest: it belongs to a triplet of its own kind or
  // begins a run, so trying both in turn misses no split.
  if (IsKotsu(te)) {
    rest->Assign(te);
    rest->Delete(2);
    rest->Delete(1);
    rest->Delete(0);
    if (rest->Length() == 0) return true;
    if (ChkMentsu(*rest)) {
      TraceTe(te, "K:");
      return true;
    }
  }

  int second = -1;
  int third = -1;
  if (!RunPartners(te, second, third)) return false;
  rest->Assign(te);
  rest->Delete(third);
  rest->Delete(second);
  rest->Delete(0);
  if (rest->Length() == 0) return true;
  if (ChkMentsu(*rest)) {
    TraceTe(te, "S:");
    return true;
  }
  return false;
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
  if (te[0].GetCode() != table[0] || te[WorkCount - 1].GetCode() != table[12]) return false;
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
  Debug.Print(Line.c_str());
}

// Only a tile outside the set has a code of three digits or more.
void TMjAgari::TraceWide(const TMjWorkTe& te, std::string_view label) {
  Line.assign(label);
  for (const TMjPai& pai : te.Pai) {
    char field[16];
    const int n = std::snprintf(field, sizeof field, " %02d", pai.GetCode());
    Line.append(field, static_cast<std::size_t>(n));
  }
  Debug.Print(Line.c_str());
}
