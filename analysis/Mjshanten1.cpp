#include "analysis/Mjshanten1.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

#include "analysis/Mjshantentable1.h"

namespace {

using namespace shanten_table;

constexpr int HonourStart = 27;
constexpr int NoCost = 99;

// Costs for m sets (0..4) and p pairs (0..1) at index 2m + p: the fewest tiles
// to add so that one suit, or several together, holds them.
using TRow = std::array<int, 10>;

TRow Unpack(const unsigned char* table, int rank) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, table + static_cast<std::size_t>(rank) * RowBytes, sizeof bits);
  TRow row;
  for (int j = 0; j < 10; ++j) row[j] = static_cast<int>((bits >> (4 * j)) & 15);
  return row;
}

// Min-plus product: the cheapest way to share m sets and p pairs between two parts.
TRow Times(const TRow& a, const TRow& b) {
  TRow out;
  for (int m = 0; m <= 4; ++m) {
    int none = NoCost;
    int pair = NoCost;
    for (int i = 0; i <= m; ++i) {
      const int j = m - i;
      const int x = a[2 * i] + b[2 * j];
      const int y = a[2 * i + 1] + b[2 * j];
      const int z = a[2 * i] + b[2 * j + 1];
      none = x < none ? x : none;
      pair = y < pair ? y : pair;
      pair = z < pair ? z : pair;
    }
    out[2 * m] = none;
    out[2 * m + 1] = pair;
  }
  return out;
}

// The cost of four sets and a pair shared between two parts.
int Complete(const TRow& a, const TRow& b) {
  int best = NoCost;
  for (int i = 0; i <= 4; ++i) {
    const int x = a[2 * i + 1] + b[8 - 2 * i];
    const int y = a[2 * i] + b[9 - 2 * i];
    best = x < best ? x : best;
    best = y < best ? y : best;
  }
  return best;
}

// The ten masks of a gain row: bit i of mask 2m + p is set when one more tile
// of kind i lowers cost 2m + p.
using TGains = std::array<unsigned, 10>;

TGains UnpackGains(const unsigned char* table, int rank) {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  const unsigned char* at = table + static_cast<std::size_t>(rank) * GainBytes;
  std::memcpy(&low, at, sizeof low);
  std::memcpy(&high, at + 8, sizeof high);
  TGains gains;
  for (int j = 0; j < 10; ++j) {
    const int bit = 9 * j;
    const std::uint64_t bits = bit >= 64 ? high >> (bit - 64) : bit > 55 ? (low >> bit) | (high << (64 - bit)) : low >> bit;
    gains[j] = static_cast<unsigned>(bits & 511);
  }
  return gains;
}

// One suit of a hand: its row and, for hands that can take a tile more, its gains.
struct TSuit {
  TRow Row{};
  TGains Gains{};
};

template <int Kinds>
void Look(TSuit& suit, const int* held, const unsigned char* table, const unsigned char* gains) {
  constexpr auto& step = Steps<Kinds>;
  constexpr auto& gainStep = Steps<Kinds, GainTiles>;
  int rank = 0;
  int gainRank = 0;
  int sum = 0;
  for (int i = 0; i < Kinds; ++i) {
    rank += step[i][sum][held[i]];
    gainRank += gainStep[i][sum][held[i]];
    sum += held[i];
  }
  suit.Row = Unpack(table, rank);
  suit.Gains = sum <= GainTiles ? UnpackGains(gains, gainRank) : TGains{};
}

void Look(TSuit& suit, const int* held, int index) {
  if (index == 3) {
    Look<HonourKinds>(suit, held, Honour, HonourGain);
  } else {
    Look<SuitKinds>(suit, held, Suit, SuitGain);
  }
}

constexpr bool IsOrphan(int kind) { return kind >= HonourStart || kind % 9 == 0 || kind % 9 == 8; }
constexpr TKindMask OrphanKinds = [] {
  TKindMask mask = 0;
  for (int k = 0; k < KindCount; ++k) mask |= IsOrphan(k) ? TKindMask{1} << k : 0;
  return mask;
}();

// Seven pairs of different kinds: the pairs held, then single tiles for the rest.
int PairsCost(int pairs, int singles) {
  pairs = std::min(pairs, 7);
  return 14 - 2 * pairs - std::min(singles, 7 - pairs);
}

// Thirteen orphans: one of each, one of them twice.
int OrphansCost(int kinds, bool twice) { return 14 - kinds - (twice ? 1 : 0); }

// The shapes of seven pairs and thirteen orphans, counted once per hand.
struct TForms {
  int Pairs = 0;
  int Singles = 0;
  int Orphans = 0;
  bool OrphanTwice = false;

  explicit TForms(const TKindCounts& h) {
    int twice = 0;
    for (int k = 0; k < KindCount; ++k) {
      const int n = h[k];
      const int orphan = static_cast<int>((OrphanKinds >> k) & 1);
      Pairs += n >= 2;
      Singles += n == 1;
      Orphans += orphan & (n > 0);
      twice |= orphan & (n >= 2);
    }
    OrphanTwice = twice != 0;
  }
  int Pairs7() const { return PairsCost(Pairs, Singles); }
  int Orphans13() const { return OrphansCost(Orphans, OrphanTwice); }
  // The costs once a tile of kind k (held n times) is added.
  int Pairs7With(int n) const {
    return n == 0 ? PairsCost(Pairs, Singles + 1) : n == 1 ? PairsCost(Pairs + 1, Singles - 1) : Pairs7();
  }
  int Orphans13With(int k, int n) const {
    if (!IsOrphan(k)) return Orphans13();
    return n == 0 ? OrphansCost(Orphans + 1, OrphanTwice) : OrphansCost(Orphans, true);
  }
};

int Tiles(const TKindCounts& h) {
  int tiles = 0;
  unsigned most = 0;  // a negative count reads as a huge one; a sum and a maximum vectorise
  for (int n : h) {
    most = std::max(most, static_cast<unsigned>(n));
    tiles += n;
  }
  if (most > 4) throw std::invalid_argument("a kind held fewer than 0 or more than 4 times");
  return tiles;
}

void Require(const TKindCounts& h, int lo, int hi) {
  const int tiles = Tiles(h);
  if (tiles < lo || tiles > hi) throw std::invalid_argument("a hand of " + std::to_string(tiles) + " tiles");
}

// One pass over a suit for ShantenOf: its row and what seven pairs and thirteen orphans count.
template <int Kinds>
int Scan(const int* held, int& pairs, int& singles, int& orphans, int& twice) {
  constexpr auto& step = Steps<Kinds>;
  int rank = 0;
  int sum = 0;
  for (int i = 0; i < Kinds; ++i) {
    const int n = held[i];
    rank += step[i][sum][n];
    sum += n;
    pairs += n >= 2;
    singles += n == 1;
    if (Kinds == HonourKinds || i == 0 || i == 8) {
      orphans += n > 0;
      twice |= n >= 2;
    }
  }
  return rank;
}

int ShantenOf(const TKindCounts& h) {
  int pairs = 0;
  int singles = 0;
  int orphans = 0;
  int twice = 0;
  const int m = Scan<SuitKinds>(&h[0], pairs, singles, orphans, twice);
  const int p = Scan<SuitKinds>(&h[9], pairs, singles, orphans, twice);
  const int s = Scan<SuitKinds>(&h[18], pairs, singles, orphans, twice);
  const int z = Scan<HonourKinds>(&h[HonourStart], pairs, singles, orphans, twice);
  const int normal = Complete(Times(Unpack(Suit, m), Unpack(Suit, p)), Times(Unpack(Suit, s), Unpack(Honour, z)));
  return std::min({normal, PairsCost(pairs, singles), OrphansCost(orphans, twice != 0)}) - 1;
}

// Copies of kind k left for the player: four less those in `held` and those seen.
int Left(const TKindCounts& held, const TKindCounts& seen, int k) { return std::max(0, 4 - held[k] - seen[k]); }

// The effective kinds of a 13-tile hand h, given its four suits and, per
// suit, the product of the other three suits' rows. Returns the shanten of h;
// copies are counted against `held`.
int Effective(const TKindCounts& h, const std::array<const TSuit*, 4>& suits, const std::array<TRow, 4>& others,
              const TKindCounts& held, const TKindCounts& seen, TKindMask& kinds, int& count) {
  const TForms forms(h);
  const int normal = Complete(suits[0]->Row, others[0]);
  const int pairs = forms.Pairs7();
  const int orphans = forms.Orphans13();
  const int cost = std::min({normal, pairs, orphans});
  // A tile lowers a form's cost by one at most, so only the cheapest forms can
  // gain; four sets and a pair gain where a share of them that costs the least
  // gains in its suit.
  kinds = 0;
  if (normal == cost) {
    for (int s = 0; s < 4; ++s) {
      const TSuit& suit = *suits[s];
      unsigned gains = 0;
      for (int m = 0; m <= 4; ++m) {
        if (suit.Row[2 * m] + others[s][9 - 2 * m] == cost) gains |= suit.Gains[2 * m];
        if (suit.Row[2 * m + 1] + others[s][8 - 2 * m] == cost) gains |= suit.Gains[2 * m + 1];
      }
      kinds |= TKindMask{gains} << (9 * s);
    }
  }
  if (pairs == cost || orphans == cost) {
    for (int k = 0; k < KindCount; ++k) {
      const int n = h[k];
      if (n >= 4) continue;
      if ((pairs == cost && forms.Pairs7With(n) < cost) || (orphans == cost && forms.Orphans13With(k, n) < cost)) {
        kinds |= TKindMask{1} << k;
      }
    }
  }
  count = 0;
  for (TKindMask rest = kinds; rest != 0; rest &= rest - 1) count += Left(held, seen, std::countr_zero(rest));
  return cost - 1;
}

// The products of every two suits' rows, by the pair of suits left out.
struct TPairs {
  std::array<std::array<TRow, 4>, 4> Of{};  // Of[a][b], a < b: the product of the two suits other than a and b

  explicit TPairs(const std::array<TSuit, 4>& suits) {
    for (int a = 0; a < 4; ++a) {
      for (int b = a + 1; b < 4; ++b) {
        int x = 0;
        while (x == a || x == b) ++x;
        int y = x + 1;
        while (y == a || y == b) ++y;
        Of[a][b] = Of[b][a] = Times(suits[x].Row, suits[y].Row);
      }
    }
  }
  // The product of the three suits other than s.
  TRow Without(const std::array<TSuit, 4>& suits, int s) const {
    const int a = s == 0 ? 1 : 0;
    return Times(suits[a].Row, Of[s][a]);
  }
};

}  // namespace

int MjShanten(const TKindCounts& hand) {
  // Checked before any table is read: other counts would index past the tables.
  Require(hand, 13, 14);
  return ShantenOf(hand);
}

TMjUkeire MjUkeire(const TKindCounts& hand, const TKindCounts& seen) {
  Require(hand, 13, 13);
  std::array<TSuit, 4> suits;
  for (int s = 0; s < 4; ++s) Look(suits[s], &hand[9 * s], s);
  // Each suit meets the product of the other three.
  const TRow low = Times(suits[0].Row, suits[1].Row);
  const TRow high = Times(suits[2].Row, suits[3].Row);
  const std::array<TRow, 4> others{Times(suits[1].Row, high), Times(suits[0].Row, high), Times(low, suits[3].Row),
                                   Times(low, suits[2].Row)};
  TMjUkeire out;
  out.Shanten = Effective(hand, {&suits[0], &suits[1], &suits[2], &suits[3]}, others, hand, seen, out.Kinds,
                          out.Count);
  return out;
}

TMjDiscardTable MjDiscards(const TKindCounts& hand, const TKindCounts& seen) {
  Require(hand, 14, 14);
  TMjDiscardTable table;
  table.Shanten = ShantenOf(hand);
  table.Discards.reserve(14);
  // The suits of the 14 tiles serve every discard but those of their own suit.
  std::array<TSuit, 4> suits;
  for (int s = 0; s < 4; ++s) Look(suits[s], &hand[9 * s], s);
  const TPairs pairs(suits);
  std::array<TRow, 4> without;
  for (int s = 0; s < 4; ++s) without[s] = pairs.Without(suits, s);
  TKindCounts kept = hand;
  for (int d = 0; d < KindCount; ++d) {
    if (hand[d] == 0) continue;
    const int ds = d / 9;
    --kept[d];
    TSuit changed;
    Look(changed, &kept[9 * ds], ds);
    std::array<const TSuit*, 4> view{&suits[0], &suits[1], &suits[2], &suits[3]};
    view[ds] = &changed;
    std::array<TRow, 4> others;
    for (int s = 0; s < 4; ++s) others[s] = s == ds ? without[s] : Times(changed.Row, pairs.Of[ds][s]);
    TMjDiscard row;
    row.Kind = d;
    row.Shanten = Effective(kept, view, others, hand, seen, row.Kinds, row.Count);
    table.Discards.push_back(row);
    ++kept[d];
  }
  std::sort(table.Discards.begin(), table.Discards.end(), [](const TMjDiscard& a, const TMjDiscard& b) {
    if (a.Shanten != b.Shanten) return a.Shanten < b.Shanten;
    if (a.Count != b.Count) return a.Count > b.Count;
    return a.Kind < b.Kind;
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
