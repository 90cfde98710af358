#include "analysis/Mjshanten1.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "analysis/Mjshantentable1.h"

namespace {

using namespace shanten_table;

constexpr int HonourStart = 27;
constexpr int Suits = 4;  // three numbered suits, then the honours

// Wider values of the tables, assembled little-endian whatever the host's order.
// Written out byte by byte, which compilers turn into one load where it fits.
unsigned Read16(const unsigned char* at) { return static_cast<unsigned>(at[0] | at[1] << 8); }
std::uint32_t Read32(const unsigned char* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}
std::uint64_t Read64(const unsigned char* at) { return Read32(at) | std::uint64_t{Read32(at + 4)} << 32; }

constexpr int Pow5(int n) { return n == 0 ? 1 : 5 * Pow5(n - 1); }
constexpr std::array<int, 5> Powers5{Pow5(0), Pow5(1), Pow5(2), Pow5(3), Pow5(4)};

// What seven pairs and thirteen orphans need of a hand, as fields of one word
// so that the words of parts of a hand add up to the hand's: tiles, kinds held
// once, kinds held twice or more, orphan kinds held, orphan kinds held twice or
// more. Wide enough for any counts of 0..4.
constexpr int TilesAt = 0;
constexpr int SinglesAt = 8;
constexpr int PairsAt = 14;
constexpr int OrphansAt = 20;
constexpr int TwiceAt = 25;

// A suit's counts read as two base-5 numbers, a front group of kinds and a
// back group: two small tables give the rank of its holding and its word.
template <int Kinds>
struct TGroups {
  static constexpr int Front = Kinds == SuitKinds ? 5 : 4;
  static constexpr int Back = Kinds - Front;
  std::array<std::uint32_t, Pow5(Front)> FrontRank{};
  std::array<std::uint32_t, Pow5(Front)> FrontWord{};
  std::array<std::uint32_t, Pow5(Back)> BackWord{};
  // [tiles of the front group][back number]
  std::array<std::array<std::uint16_t, Pow5(Back)>, MaxTiles + 1> BackRank{};
  // Bit i: kind i of the suit held; bit 16 + i: held twice or more.
  std::array<std::uint32_t, Pow5(Front)> FrontHeld{};
  std::array<std::uint32_t, Pow5(Back)> BackHeld{};

  static constexpr bool IsOrphan(int i) { return Kinds == HonourKinds || i == 0 || i == SuitKinds - 1; }
  static constexpr std::uint32_t Held(int i, int n) {
    return std::uint32_t{n >= 1} << i | std::uint32_t{n >= 2} << (16 + i);
  }
  static constexpr std::uint32_t Word(int i, int n) {
    const std::uint32_t orphan = IsOrphan(i) ? 1 : 0;
    return static_cast<std::uint32_t>(n) << TilesAt | std::uint32_t{n == 1} << SinglesAt |
           std::uint32_t{n >= 2} << PairsAt | (orphan & (n > 0)) << OrphansAt | (orphan & (n >= 2)) << TwiceAt;
  }
};

template <int Kinds>
constexpr TGroups<Kinds> Groups = [] {
  using G = TGroups<Kinds>;
  G g;
  constexpr auto& step = Steps<Kinds>;
  for (int key = 0; key < Pow5(G::Front); ++key) {
    int sum = 0;
    for (int i = 0, rest = key; i < G::Front; ++i, rest /= 5) {
      const int n = rest % 5;
      if (sum <= MaxTiles) g.FrontRank[key] += static_cast<std::uint32_t>(step[i][sum][n]);
      g.FrontWord[key] += G::Word(i, n);
      g.FrontHeld[key] |= G::Held(i, n);
      sum += n;
    }
  }
  for (int key = 0; key < Pow5(G::Back); ++key) {
    for (int i = G::Front, rest = key; i < Kinds; ++i, rest /= 5) {
      g.BackWord[key] += G::Word(i, rest % 5);
      g.BackHeld[key] |= G::Held(i, rest % 5);
    }
    for (int front = 0; front <= MaxTiles; ++front) {
      int sum = front;
      int rank = 0;
      for (int i = G::Front, rest = key; i < Kinds && sum <= MaxTiles; ++i, rest /= 5) {
        rank += step[i][sum][rest % 5];
        sum += rest % 5;
      }
      g.BackRank[front][key] = static_cast<std::uint16_t>(sum <= MaxTiles ? rank : 0);
    }
  }
  return g;
}();

// One suit of a hand: its two numbers and, once the hand's size is known
// good, its rank and class.
struct TLook {
  int Front = 0;
  int Back = 0;
  int FrontTiles = 0;
  int Rank = 0;
  int Class = 0;
};

template <int Kinds>
std::uint32_t Read(TLook& look, const int* held) {
  constexpr auto& g = Groups<Kinds>;
  int front = 0;
  for (int i = TGroups<Kinds>::Front; i-- > 0;) front = 5 * front + held[i];
  int back = 0;
  for (int i = Kinds; i-- > TGroups<Kinds>::Front;) back = 5 * back + held[i];
  look.Front = front;
  look.Back = back;
  const std::uint32_t word = g.FrontWord[front];
  look.FrontTiles = static_cast<int>(word >> TilesAt & 255);
  return word + g.BackWord[back];
}

template <int Kinds>
std::uint32_t HeldOf(const TLook& look) {
  return Groups<Kinds>.FrontHeld[look.Front] | Groups<Kinds>.BackHeld[look.Back];
}

template <int Kinds>
int RankOf(int front, int frontTiles, int back) {
  constexpr auto& g = Groups<Kinds>;
  return static_cast<int>(g.FrontRank[front] + g.BackRank[frontTiles][back]);
}

// The rank of the suit's holding less one tile of its kind i.
template <int Kinds>
int RankLess(const TLook& look, int i) {
  constexpr int front = TGroups<Kinds>::Front;
  if (i < front) return RankOf<Kinds>(look.Front - Powers5[i], look.FrontTiles - 1, look.Back);
  return RankOf<Kinds>(look.Front, look.FrontTiles, look.Back - Powers5[i - front]);
}

// Throws unless every count is 0..4, before anything is summed: a count
// outside sets a bit above the third in n or in n + 3.
void CheckCounts(const TKindCounts& h) {
  unsigned bits = 0;
  for (int n : h) bits |= static_cast<unsigned>(n) | (static_cast<unsigned>(n) + 3u);
  if ((bits & ~7u) != 0) throw std::invalid_argument("a kind held fewer than 0 or more than 4 times");
}

// Seven pairs of different kinds: the pairs held, then single tiles for the rest.
int PairsCost(int pairs, int singles) {
  pairs = std::min(pairs, 7);
  return 14 - 2 * pairs - std::min(singles, 7 - pairs);
}

// Thirteen orphans: one of each, one of them twice.
int OrphansCost(int kinds, bool twice) { return 14 - kinds - (twice ? 1 : 0); }

constexpr bool IsOrphan(int kind) { return kind >= HonourStart || kind % 9 == 0 || kind % 9 == 8; }
constexpr TKindMask AllKinds = (TKindMask{1} << KindCount) - 1;
constexpr TKindMask OrphanKinds = [] {
  TKindMask mask = 0;
  for (int k = 0; k < KindCount; ++k) mask |= IsOrphan(k) ? TKindMask{1} << k : 0;
  return mask;
}();

// The shapes of seven pairs and thirteen orphans.
struct TForms {
  int Pairs = 0;
  int Singles = 0;
  int Orphans = 0;
  int Twice = 0;  // orphan kinds held twice or more

  explicit TForms(std::uint32_t word)
      : Pairs(static_cast<int>(word >> PairsAt & 63)),
        Singles(static_cast<int>(word >> SinglesAt & 63)),
        Orphans(static_cast<int>(word >> OrphansAt & 31)),
        Twice(static_cast<int>(word >> TwiceAt & 31)) {}
  // The forms once a tile of kind k, held n times, is thrown away.
  TForms Less(int k, int n) const {
    TForms out = *this;
    out.Pairs -= n == 2;
    out.Singles += (n == 2) - (n == 1);
    if ((OrphanKinds >> k & 1) != 0) {
      out.Orphans -= n == 1;
      out.Twice -= n == 2;
    }
    return out;
  }
  int Pairs7() const { return PairsCost(Pairs, Singles); }
  int Orphans13() const { return OrphansCost(Orphans, Twice > 0); }
  int Cost() const { return std::min(Pairs7(), Orphans13()); }
  // The kinds of 13 tiles whose draw lowers seven pairs or thirteen orphans
  // below `cost`, the cost of the hand; `once` and `twice` are the kinds held
  // once or more and twice or more.
  TKindMask Kinds(TKindMask once, TKindMask twice, int cost) const {
    const TKindMask none = ~once & AllKinds;
    const TKindMask single = once & ~twice;
    TKindMask kinds = 0;
    if (Pairs7() == cost) {
      kinds |= PairsCost(Pairs, Singles + 1) < cost ? none : 0;
      kinds |= PairsCost(Pairs + 1, Singles - 1) < cost ? single : 0;
    }
    if (Orphans13() == cost) {
      kinds |= OrphansCost(Orphans + 1, Twice > 0) < cost ? none & OrphanKinds : 0;
      // Without a second copy yet, every orphan held is held once.
      kinds |= OrphansCost(Orphans, true) < cost ? single & OrphanKinds : 0;
    }
    return kinds;
  }
};

// A checked hand of lo..hi tiles, each suit read.
struct THand {
  std::array<TLook, Suits> Look;
  std::uint32_t Word = 0;

  THand(const TKindCounts& h, int lo, int hi) {
    CheckCounts(h);
    Word = Read<SuitKinds>(Look[0], &h[0]) + Read<SuitKinds>(Look[1], &h[9]) + Read<SuitKinds>(Look[2], &h[18]) +
           Read<HonourKinds>(Look[3], &h[HonourStart]);
    const int tiles = static_cast<int>(Word >> TilesAt & 255);
    // Ranks are read only now: a suit of more than 14 tiles has none.
    if (tiles < lo || tiles > hi) throw std::invalid_argument("a hand of " + std::to_string(tiles) + " tiles");
    for (int s = 0; s < Suits - 1; ++s) {
      TLook& look = Look[s];
      look.Rank = RankOf<SuitKinds>(look.Front, look.FrontTiles, look.Back);
      look.Class = SuitClass[look.Rank];
    }
    TLook& honours = Look[3];
    honours.Rank = RankOf<HonourKinds>(honours.Front, honours.FrontTiles, honours.Back);
    honours.Class = HonourClass[honours.Rank];
  }
  int Class(int s) const { return Look[s].Class; }
  // The kinds held once or more and twice or more.
  void Held(TKindMask& once, TKindMask& twice) const {
    once = 0;
    twice = 0;
    for (int s = 0; s < Suits; ++s) {
      const std::uint32_t held = s == 3 ? HeldOf<HonourKinds>(Look[s]) : HeldOf<SuitKinds>(Look[s]);
      once |= TKindMask{held & 511} << (9 * s);
      twice |= TKindMask{held >> 16} << (9 * s);
    }
  }
};

int SuitTimesSuit(int a, int b) { return SuitSuit[a * SuitClasses + b]; }
int SuitTimesHonour(int a, int h) { return SuitHonour[a * HonourClasses + h]; }
int SuitTimes(int a, int q) { return SuitProduct[a * Products + q]; }
int HonourTimes(int h, int q) { return HonourProduct[h * Products + q]; }
// Suit s of class c completed by the product q of the other three.
unsigned CompleteOf(int s, int c, int q) {
  const unsigned char* table = s == 3 ? HonourComplete : SuitComplete;
  return Read16(table + (c * Products + q) * CompleteBytes);
}

// The products of every two suits' classes, by the two suits left out, and
// of every three by the one left out.
struct TProducts {
  std::array<std::array<int, Suits>, Suits> Two{};  // Two[a][b], a != b
  std::array<int, Suits> Three{};

  explicit TProducts(const THand& h) {
    const int c0 = h.Class(0), c1 = h.Class(1), c2 = h.Class(2), c3 = h.Class(3);
    auto set = [&](int a, int b, int q) { Two[a][b] = Two[b][a] = q; };
    set(0, 1, SuitTimesHonour(c2, c3));
    set(0, 2, SuitTimesHonour(c1, c3));
    set(0, 3, SuitTimesSuit(c1, c2));
    set(1, 2, SuitTimesHonour(c0, c3));
    set(1, 3, SuitTimesSuit(c0, c2));
    set(2, 3, SuitTimesSuit(c0, c1));
    Three = {SuitTimes(c1, Two[0][1]), SuitTimes(c0, Two[0][1]), SuitTimes(c0, Two[0][2]), SuitTimes(c0, Two[0][3])};
  }
};

// Which shares of a suit's holding lower by a tile more, as one mask per share
// of the suit's gain row: spreads a mask of shares over the fields of the row.
constexpr auto SpreadLow = [] {
  std::array<std::uint64_t, 1 << GainsLow> spread{};
  for (unsigned m = 0; m < spread.size(); ++m) {
    for (int j = 0; j < GainsLow; ++j) spread[m] |= (m >> j & 1) != 0 ? std::uint64_t{511} << (9 * j) : 0;
  }
  return spread;
}();
constexpr auto SpreadHigh = [] {
  std::array<std::uint32_t, 1 << (Shares - GainsLow)> spread{};
  for (unsigned m = 0; m < spread.size(); ++m) {
    for (int j = 0; j < Shares - GainsLow; ++j) spread[m] |= (m >> j & 1) != 0 ? 511u << (9 * j) : 0;
  }
  return spread;
}();

// The kinds of a suit whose extra tile lowers one of the given shares.
unsigned Gains(int s, int rank, unsigned shares) {
  const unsigned char* row = (s == 3 ? HonourGain : SuitGain) + static_cast<std::size_t>(rank) * GainBytes;
  std::uint64_t low = Read64(row) & SpreadLow[shares & ((1u << GainsLow) - 1)];
  std::uint32_t high = Read32(row + 8) & SpreadHigh[shares >> GainsLow];
  low |= low >> 36;  // fields 4..6 onto 0..2
  low |= low >> 18;
  low |= low >> 9;
  high |= high >> 18;
  high |= high >> 9;
  return static_cast<unsigned>(low | high) & 511;
}

// The effective kinds of 13 tiles, given per suit its completion by the other
// three; `gains(s, shares)` are the kinds of suit s that lower those shares,
// `held` the kinds held once and twice or more, asked only when seven pairs or
// thirteen orphans cost the least. Returns the cost of the hand (shanten + 1).
template <class SuitGains, class Held>
int Effective(const TForms& forms, const std::array<unsigned, Suits>& complete, SuitGains gains, Held held,
              TKindMask& kinds) {
  const int normal = static_cast<int>(complete[0] & CompleteCost);
  const int cost = std::min(normal, forms.Cost());
  // A tile lowers a form's cost by one at most, so only the cheapest forms can
  // gain; four sets and a pair gain where a share of them that costs the least
  // gains in its suit.
  kinds = 0;
  if (normal == cost) {
    for (int s = 0; s < Suits; ++s) kinds |= TKindMask{gains(s, complete[s] >> CompleteSharesAt)} << (9 * s);
  }
  if (forms.Cost() == cost) {
    TKindMask once = 0;
    TKindMask twice = 0;
    held(once, twice);
    kinds |= forms.Kinds(once, twice, cost);
  }
  return cost;
}

// Copies of each kind left for the player: four less those held and those
// seen (a seen count below zero counts as none). One pass over all kinds is
// cheaper than one step per effective kind.
std::array<int, KindCount> CopiesLeft(const TKindCounts& held, const TKindCounts& seen) {
  std::array<int, KindCount> left;
  for (int k = 0; k < KindCount; ++k) left[k] = std::max(0, 4 - held[k] - std::clamp(seen[k], 0, 4));
  return left;
}

int Copies(const std::array<int, KindCount>& left, TKindMask kinds) {
  int copies = 0;
  for (; kinds != 0; kinds &= kinds - 1) copies += left[std::countr_zero(kinds)];
  return copies;
}

// Discard rows as sortable numbers: shanten, copies (most first), kind, then the kinds.
constexpr int RowKindsBits = 34;
std::uint64_t PackRow(int kind, int shanten, int count, TKindMask kinds) {
  const auto key = static_cast<std::uint64_t>((shanten + 1) << 14 | (255 - count) << 6 | kind);
  return key << RowKindsBits | kinds;
}
TMjDiscard UnpackRow(std::uint64_t row) {
  const auto key = static_cast<int>(row >> RowKindsBits);
  return {key & 63, (key >> 14) - 1, row & ((TKindMask{1} << RowKindsBits) - 1), 255 - (key >> 6 & 255)};
}

}  // namespace

int MjShanten(const TKindCounts& hand) {
  const THand h(hand, 13, 14);
  const int rest = SuitTimes(h.Class(1), SuitTimesHonour(h.Class(2), h.Class(3)));
  const int normal = static_cast<int>(CompleteOf(0, h.Class(0), rest) & CompleteCost);
  return std::min(normal, TForms(h.Word).Cost()) - 1;
}

TMjUkeire MjUkeire(const TKindCounts& hand, const TKindCounts& seen) {
  const THand h(hand, 13, 13);
  const TProducts products(h);
  std::array<unsigned, Suits> complete;
  for (int s = 0; s < Suits; ++s) complete[s] = CompleteOf(s, h.Class(s), products.Three[s]);
  TMjUkeire out;
  auto gains = [&](int s, unsigned shares) { return Gains(s, h.Look[s].Rank, shares); };
  auto held = [&](TKindMask& once, TKindMask& twice) { h.Held(once, twice); };
  out.Shanten = Effective(TForms(h.Word), complete, gains, held, out.Kinds) - 1;
  out.Count = Copies(CopiesLeft(hand, seen), out.Kinds);
  return out;
}

namespace {

// Every discard of a checked 14-tile hand: row(kind, shanten, effective kinds)
// for each kind held, in code order, the kinds empty past shanten `most`.
// Returns the shanten of the 14 tiles.
template <class Row>
int EachDiscard(const TKindCounts& hand, const THand& h, int most, Row row) {
  const TProducts products(h);
  const TForms forms(h.Word);
  const int normal = static_cast<int>(CompleteOf(0, h.Class(0), products.Three[0]) & CompleteCost);
  TKindMask once14 = 0;
  TKindMask twice14 = 0;
  bool heldKnown = false;
  // The gains of a suit the discard leaves alone, by the shares asked last:
  // they are often the same from one discard to the next.
  std::array<unsigned, Suits> lastShares;
  lastShares.fill(~0u);
  std::array<unsigned, Suits> lastGains{};
  // A discard changes one suit; the other three keep the classes and ranks
  // of the 14 tiles, and their pair products.
  for (int ds = 0; ds < Suits; ++ds) {
    const int first = 9 * ds;
    const int kinds = ds == 3 ? HonourKinds : SuitKinds;
    for (int i = 0; i < kinds; ++i) {
      const int d = first + i;
      const int n = hand[d];
      if (n == 0) continue;
      std::array<int, Suits> classes{h.Class(0), h.Class(1), h.Class(2), h.Class(3)};
      const int rank = ds == 3 ? RankLess<HonourKinds>(h.Look[ds], i) : RankLess<SuitKinds>(h.Look[ds], i);
      classes[ds] = ds == 3 ? HonourClass[rank] : SuitClass[rank];
      auto completeOf = [&](int s) {
        const int rest = s == ds ? products.Three[s]
                         : ds == 3 ? HonourTimes(classes[ds], products.Two[ds][s])
                                   : SuitTimes(classes[ds], products.Two[ds][s]);
        return CompleteOf(s, classes[s], rest);
      };
      // The first suit completed by the other three gives the cost; the other
      // suits' completions are read only for the effective kinds.
      std::array<unsigned, Suits> complete;
      complete[0] = completeOf(0);
      const TForms less = forms.Less(d, n);
      const int cost = std::min(static_cast<int>(complete[0] & CompleteCost), less.Cost());
      if (cost - 1 > most) {
        row(d, cost - 1, TKindMask{0});
        continue;
      }
      for (int s = 1; s < Suits; ++s) complete[s] = completeOf(s);
      // The kinds the 13 tiles kept hold once and twice or more.
      auto held = [&](TKindMask& once, TKindMask& twice) {
        if (!heldKnown) h.Held(once14, twice14);
        heldKnown = true;
        const TKindMask bit = TKindMask{1} << d;
        once = n == 1 ? once14 & ~bit : once14;
        twice = n == 2 ? twice14 & ~bit : twice14;
      };
      auto gains = [&](int s, unsigned shares) {
        if (s == ds) return Gains(s, rank, shares);
        if (shares != lastShares[s]) {
          lastShares[s] = shares;
          lastGains[s] = Gains(s, h.Look[s].Rank, shares);
        }
        return lastGains[s];
      };
      TKindMask effective = 0;
      Effective(less, complete, gains, held, effective);
      row(d, cost - 1, effective);
    }
  }
  return std::min(normal, forms.Cost()) - 1;
}

}  // namespace

TMjDiscardTable MjDiscards(const TKindCounts& hand, const TKindCounts& seen) {
  const THand h(hand, 14, 14);
  // Copies are counted against all 14 tiles.
  const std::array<int, KindCount> left = CopiesLeft(hand, seen);
  std::array<std::uint64_t, 14> rows;
  int count = 0;
  TMjDiscardTable table;
  table.Shanten = EachDiscard(hand, h, 13, [&](int d, int shanten, TKindMask effective) {
    rows[count++] = PackRow(d, shanten, Copies(left, effective), effective);
  });
  std::sort(rows.begin(), rows.begin() + count);
  table.Discards.reserve(count);
  for (int r = 0; r < count; ++r) table.Discards.push_back(UnpackRow(rows[r]));
  return table;
}

int MjDiscardKinds(const TKindCounts& hand, int most, std::array<TMjDiscard, 14>& out, int& count) {
  const THand h(hand, 14, 14);
  count = 0;
  return EachDiscard(hand, h, most, [&](int d, int shanten, TKindMask effective) {
    out[static_cast<std::size_t>(count++)] = {d, shanten, effective, 0};
  });
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
