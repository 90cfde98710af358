#include "analysis/Mjshanten1.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int SuitKinds = 9;
constexpr int HonourKinds = 7;
constexpr int HonourStart = 27;

// Per suit: for m sets (0..4) and p pairs (0..1), the fewest tiles to add so
// that the suit holds them, index 2m + p.
using TSuitRow = std::array<int, 10>;

// The replacement cost of one suit, by a walk over its kinds that chooses at
// each kind the triplet, pair and runs starting there. The state carries the
// runs started one and two kinds back; no kind may be used more than four
// times, which is what keeps 1111m from waiting on a fifth 1m.
TSuitRow SuitRow(const int* h, int kinds, bool runs) {
  // best[c1][c2][m][p]: most held tiles used, -1 unreachable.
  using TState = std::array<std::array<std::array<std::array<int, 2>, 5>, 5>, 5>;
  TState best;
  for (auto& a : best)
    for (auto& b : a)
      for (auto& c : b) c.fill(-1);
  best[0][0][0][0] = 0;
  for (int i = 0; i < kinds; ++i) {
    TState next;
    for (auto& a : next)
      for (auto& b : a)
        for (auto& c : b) c.fill(-1);
    const int maxRuns = runs && i + 2 < kinds ? 4 : 0;
    for (int c1 = 0; c1 <= 4; ++c1) {
      for (int c2 = 0; c1 + c2 <= 4; ++c2) {
        for (int m = 0; m <= 4; ++m) {
          for (int p = 0; p <= 1; ++p) {
            const int used = best[c1][c2][m][p];
            if (used < 0) continue;
            for (int t = 0; t <= 1; ++t) {
              for (int q = 0; q + p <= 1; ++q) {
                for (int r = 0; r <= maxRuns; ++r) {
                  const int tiles = c1 + c2 + 3 * t + 2 * q + r;
                  const int sets = m + t + r;
                  if (tiles > 4 || sets > 4) break;
                  int& to = next[r][c1][sets][p + q];
                  to = std::max(to, used + std::min(tiles, h[i]));
                }
              }
            }
          }
        }
      }
    }
    best = next;
  }
  TSuitRow row{};
  for (int m = 0; m <= 4; ++m) {
    for (int p = 0; p <= 1; ++p) row[2 * m + p] = 3 * m + 2 * p - best[0][0][m][p];
  }
  return row;
}

// Min-plus product of two suit rows, capped at four sets and one pair.
TSuitRow Combine(const TSuitRow& a, const TSuitRow& b) {
  TSuitRow out;
  out.fill(99);
  for (int m1 = 0; m1 <= 4; ++m1) {
    for (int p1 = 0; p1 <= 1; ++p1) {
      for (int m2 = 0; m1 + m2 <= 4; ++m2) {
        for (int p2 = 0; p1 + p2 <= 1; ++p2) {
          int& to = out[2 * (m1 + m2) + p1 + p2];
          to = std::min(to, a[2 * m1 + p1] + b[2 * m2 + p2]);
        }
      }
    }
  }
  return out;
}

int NormalCost(const TKindCounts& h) {
  TSuitRow all = SuitRow(&h[0], SuitKinds, true);
  all = Combine(all, SuitRow(&h[9], SuitKinds, true));
  all = Combine(all, SuitRow(&h[18], SuitKinds, true));
  all = Combine(all, SuitRow(&h[HonourStart], HonourKinds, false));
  return all[2 * 4 + 1];
}

constexpr bool IsOrphan(int kind) { return kind >= HonourStart || kind % 9 == 0 || kind % 9 == 8; }

int PairsCost(const TKindCounts& h) {
  int pairs = 0;
  int singles = 0;
  for (int n : h) {
    pairs += n >= 2 ? 1 : 0;
    singles += n == 1 ? 1 : 0;
  }
  pairs = std::min(pairs, 7);
  return 14 - 2 * pairs - std::min(singles, 7 - pairs);
}

int OrphansCost(const TKindCounts& h) {
  int kinds = 0;
  int extra = 0;
  for (int k = 0; k < KindCount; ++k) {
    if (!IsOrphan(k)) continue;
    kinds += h[k] > 0 ? 1 : 0;
    extra = std::max(extra, h[k] >= 2 ? 1 : 0);
  }
  return 14 - kinds - extra;
}

int Tiles(const TKindCounts& h) {
  int tiles = 0;
  for (int n : h) {
    if (n < 0 || n > 4) throw std::invalid_argument("a kind held fewer than 0 or more than 4 times");
    tiles += n;
  }
  return tiles;
}

void Require(const TKindCounts& h, int lo, int hi) {
  const int tiles = Tiles(h);
  if (tiles < lo || tiles > hi) throw std::invalid_argument("a hand of " + std::to_string(tiles) + " tiles");
}

int ShantenOf(const TKindCounts& h) { return std::min({NormalCost(h), PairsCost(h), OrphansCost(h)}) - 1; }

// Copies of kind k left for the player: four less those in `held` and those seen.
int Left(const TKindCounts& held, const TKindCounts& seen, int k) { return std::max(0, 4 - held[k] - seen[k]); }

// The effective kinds of a 13-tile hand whose shanten is s; copies counted against `held`.
void Effective(TKindCounts h, int s, const TKindCounts& held, const TKindCounts& seen, TKindMask& kinds,
               int& count) {
  kinds = 0;
  count = 0;
  for (int k = 0; k < KindCount; ++k) {
    if (h[k] >= 4) continue;
    ++h[k];
    if (ShantenOf(h) == s - 1) {
      kinds |= TKindMask{1} << k;
      count += Left(held, seen, k);
    }
    --h[k];
  }
}

}  // namespace

int MjShanten(const TKindCounts& hand) {
  Require(hand, 13, 14);
  return ShantenOf(hand);
}

TMjUkeire MjUkeire(const TKindCounts& hand, const TKindCounts& seen) {
  Require(hand, 13, 13);
  TMjUkeire out;
  out.Shanten = ShantenOf(hand);
  Effective(hand, out.Shanten, hand, seen, out.Kinds, out.Count);
  return out;
}

TMjDiscardTable MjDiscards(const TKindCounts& hand, const TKindCounts& seen) {
  Require(hand, 14, 14);
  TMjDiscardTable table;
  table.Shanten = ShantenOf(hand);
  TKindCounts kept = hand;
  for (int d = 0; d < KindCount; ++d) {
    if (hand[d] == 0) continue;
    --kept[d];
    TMjDiscard row;
    row.Kind = d;
    row.Shanten = ShantenOf(kept);
    Effective(kept, row.Shanten, hand, seen, row.Kinds, row.Count);
    table.Discards.push_back(row);
    ++kept[d];
  }
  std::stable_sort(table.Discards.begin(), table.Discards.end(), [](const TMjDiscard& a, const TMjDiscard& b) {
    if (a.Shanten != b.Shanten) return a.Shanten < b.Shanten;
    return a.Count > b.Count;
  });
  return table;
}

// --- notation ----------------------------------------------------------------

namespace {

constexpr std::string_view SuitLetters = "mpsz";

}  // namespace

TMjHandText ParseHand(std::string_view text) {
  TMjHandText out;
  auto fail = [&](TMjNotationError error, std::size_t at) {
    out.Error = error;
    out.Position = at;
    return out;
  };
  std::size_t groupStart = 0;  // first digit waiting for its letter
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '1' && c <= '9') continue;
    if (c == '0') return fail(TMjNotationError::ZeroDigit, i);
    const std::size_t suit = SuitLetters.find(c);
    if (suit == std::string_view::npos) return fail(TMjNotationError::UnknownCharacter, i);
    if (groupStart == i) return fail(TMjNotationError::SuitWithoutDigits, i);
    for (std::size_t j = groupStart; j < i; ++j) {
      const int number = text[j] - '0';
      if (suit == 3 && number > HonourKinds) return fail(TMjNotationError::HonourNumber, j);
      const int kind = static_cast<int>(suit) * 9 + number - 1;
      if (out.Counts[kind] == 4) {
        out.Kind = kind;
        return fail(TMjNotationError::FifthCopy, j);
      }
      ++out.Counts[kind];
      ++out.Tiles;
    }
    groupStart = i + 1;
  }
  if (groupStart < text.size()) return fail(TMjNotationError::DigitsWithoutSuit, groupStart);
  if (out.Tiles == 0) return fail(TMjNotationError::Empty, 0);
  return out;
}

std::string HandText(const TKindCounts& counts) {
  std::string out;
  for (int suit = 0; suit < 4; ++suit) {
    const int first = suit * 9;
    const int last = suit == 3 ? KindCount : first + 9;
    bool any = false;
    for (int k = first; k < last; ++k) {
      for (int n = 0; n < counts[k]; ++n) out += static_cast<char>('1' + k - first);
      any = any || counts[k] > 0;
    }
    if (any) out += SuitLetters[suit];
  }
  return out;
}

std::string KindsText(TKindMask kinds) {
  TKindCounts counts{};
  for (int k = 0; k < KindCount; ++k) counts[k] = (kinds >> k) & 1 ? 1 : 0;
  return HandText(counts);
}

std::string KindText(int kind) { return KindsText(TKindMask{1} << kind); }
