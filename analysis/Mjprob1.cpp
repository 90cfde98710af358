#include "analysis/Mjprob1.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

// A hand's counts, three bits a kind: kinds 0..20 in Low, 21..33 in High.
struct TKey {
  std::uint64_t Low = 0;
  std::uint64_t High = 0;
  bool operator==(const TKey&) const = default;
};

constexpr int LowKinds = 21;

TKey KeyOf(const TKindCounts& h) {
  TKey key;
  for (int k = 0; k < KindCount; ++k) {
    const auto n = static_cast<std::uint64_t>(h[k]);
    if (k < LowKinds) {
      key.Low |= n << (3 * k);
    } else {
      key.High |= n << (3 * (k - LowKinds));
    }
  }
  return key;
}

TKey Plus(TKey key, int k) {
  if (k < LowKinds) {
    key.Low += std::uint64_t{1} << (3 * k);
  } else {
    key.High += std::uint64_t{1} << (3 * (k - LowKinds));
  }
  return key;
}

TKey Minus(TKey key, int k) {
  if (k < LowKinds) {
    key.Low -= std::uint64_t{1} << (3 * k);
  } else {
    key.High -= std::uint64_t{1} << (3 * (k - LowKinds));
  }
  return key;
}

struct THash {
  std::size_t operator()(const TKey& key) const {
    std::uint64_t x = key.Low * 0x9E3779B97F4A7C15ull ^ (key.High + 0x632BE59BD9B4E019ull);
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(x ^ (x >> 29));
  }
};

struct TStopped {};

// Hands met so far and a number for each: open addressing, a zero key marks an
// empty slot (no hand is empty).
class THands {
 public:
  THands() : Slots(1024) {}

  // The number of `key`, or nullptr.
  const std::uint32_t* Find(const TKey& key) const {
    for (std::size_t i = THash{}(key) & Mask();; i = (i + 1) & Mask()) {
      const TSlot& slot = Slots[i];
      if (slot.Key == key) return &slot.Value;
      if (slot.Key == TKey{}) return nullptr;
    }
  }

  void Add(const TKey& key, std::uint32_t value) {
    if (2 * (Count + 1) > Slots.size()) Grow();
    Place(key, value);
    ++Count;
  }

  std::size_t Size() const { return Count; }
  std::size_t Bytes() const { return Slots.size() * sizeof(TSlot); }

 private:
  struct TSlot {
    TKey Key;
    std::uint32_t Value = 0;
  };
  std::vector<TSlot> Slots;
  std::size_t Count = 0;

  std::size_t Mask() const { return Slots.size() - 1; }

  void Place(const TKey& key, std::uint32_t value) {
    std::size_t i = THash{}(key) & Mask();
    while (!(Slots[i].Key == TKey{})) i = (i + 1) & Mask();
    Slots[i] = {key, value};
  }

  void Grow() {
    std::vector<TSlot> old(2 * Slots.size());
    old.swap(Slots);
    for (const TSlot& slot : old) {
      if (!(slot.Key == TKey{})) Place(slot.Key, slot.Value);
    }
  }
};

// One computation.
//
// Rows of values by draws left: for a hand of shanten s, entry i of its win
// row is the chance with s + i draws left, of its ready row with s - 1 + i
// left; entry 0 is zero in both (too few draws). The longest row any hand
// needs is the one of the lowest shanten the computation starts from, so one
// length serves every hand.
//
// Only 14-tile hands are remembered: they cost a discard table each, while a
// 13-tile hand's rows come quickly from those of the hands it can draw into.
// A ready 14-tile hand is remembered by its best wait alone (the copies of its
// winning kinds): a ready hand's chance grows with its copies at every draw.
class TSearch {
 public:
  TSearch(const TKindCounts& base, const TKindCounts& unseen, int drawsLeft, int lowest, std::stop_token stop,
          std::size_t budget)
      : Base(base), Unseen(unseen), DrawsLeft(drawsLeft), Length(std::max(0, drawsLeft - lowest) + 2),
        Stop(std::move(stop)), Budget(budget) {
    for (int n : unseen) Wall += n;
    Values.reserve(std::size_t{1} << 16);
    MakeReadyRows();
  }

  // The chances of a 13-tile hand with the draws of the computation left.
  TMjChance Chance(const TKindCounts& h, int shanten, TKindMask kinds) {
    TMjChance out;
    out.Shanten = shanten;
    const int win = DrawsLeft - shanten;
    const int ready = DrawsLeft - shanten + 1;
    if (shanten == 0) {
      out.Ready = 1.0;
      if (win > 0) out.Win = Ready(Copies(h, kinds))[win];
      return out;
    }
    if (ready <= 0) return out;
    TKindCounts hand = h;
    std::vector<double> rows(2 * static_cast<std::size_t>(Length));
    Rows13(hand, KeyOf(h), shanten, kinds, rows.data());
    if (win > 0) out.Win = rows[static_cast<std::size_t>(win)];
    out.Ready = rows[static_cast<std::size_t>(Length + ready)];
    return out;
  }

  std::size_t Hands() const { return Forgotten + Seen.Size(); }

 private:
  const TKindCounts Base;
  const TKindCounts Unseen;
  const int DrawsLeft;
  const int Length;
  std::stop_token Stop;
  const std::size_t Budget;        // bytes the remembered hands may take; past it they are forgotten
  int Wall = 0;
  THands Seen;                     // 14-tile hand -> its best wait, or where its rows start in Values
  std::vector<double> Values;      // rows of 14-tile hands of shanten 1 and more
  std::vector<double> ReadyRows;   // the win row of a ready hand with c winning copies at c * Length
  std::size_t Forgotten = 0;      // hands forgotten on the way

  // Copies of kind k still in the wall when the hand holds h.
  int InWall(const TKindCounts& h, int k) const { return Unseen[k] - std::max(0, h[k] - Base[k]); }

  int Copies(const TKindCounts& h, TKindMask kinds) const {
    int copies = 0;
    for (TKindMask rest = kinds; rest != 0; rest &= rest - 1) copies += std::max(0, InWall(h, std::countr_zero(rest)));
    return copies;
  }

  // Tiles in the wall with r draws left; with more copies counted than that,
  // the draw is surely one of them: such a wall cannot be reached, but this
  // keeps the values in [0, 1].
  double WallAt(int r, double copies) const { return std::max(static_cast<double>(Wall - DrawsLeft + r), copies); }

  // A ready hand's win row: 1 - the chance that every draw misses.
  void MakeReadyRows() {
    ReadyRows.assign(static_cast<std::size_t>(Wall + 1) * static_cast<std::size_t>(Length), 0.0);
    for (int copies = 1; copies <= Wall; ++copies) {
      double* row = &ReadyRows[static_cast<std::size_t>(copies * Length)];
      double miss = 1.0;
      for (int i = 1; i < Length; ++i) {
        miss *= 1.0 - copies / WallAt(i, copies);
        row[i] = 1.0 - miss;
      }
    }
  }

  const double* Ready(int copies) const { return &ReadyRows[static_cast<std::size_t>(copies * Length)]; }

  // The win and ready rows (2 * Length values at `out`) of a 13-tile hand h
  // of shanten >= 1 whose effective kinds are `kinds`; h is restored on return.
  //
  // With c copies of an improving kind in a wall of W, the next draw gives
  // win[i] = win[i-1] + sum c / W * (child[i] - win[i-1]); the sum over the
  // children is gathered as each child is met, so no child's row is held.
  void Rows13(TKindCounts& h, TKey key, int shanten, TKindMask kinds, double* out) {
    double copies = 0;
    for (TKindMask rest = kinds; rest != 0; rest &= rest - 1) copies += std::max(0, InWall(h, std::countr_zero(rest)));
    double* win = out;
    double* ready = out + Length;
    std::fill(out, out + 2 * Length, 0.0);  // the children's sums first
    for (TKindMask rest = kinds; rest != 0; rest &= rest - 1) {
      const int k = std::countr_zero(rest);
      const int n = InWall(h, k);
      if (n <= 0) continue;
      ++h[k];
      const std::uint32_t child = Hand14(h, Plus(key, k), shanten - 1);
      --h[k];
      const double* childWin = shanten == 1 ? Ready(static_cast<int>(child)) : &Values[child];
      for (int i = 1; i < Length; ++i) {
        win[i] += n * childWin[i];
        ready[i] += n * (shanten == 1 ? 1.0 : childWin[Length + i]);
      }
    }
    for (int i = 1; i < Length; ++i) {
      const double winWall = WallAt(shanten + i, copies);
      const double readyWall = WallAt(shanten - 1 + i, copies);
      win[i] = win[i - 1] * (1.0 - copies / winWall) + win[i] / winWall;
      ready[i] = ready[i - 1] * (1.0 - copies / readyWall) + ready[i] / readyWall;
    }
  }

  // A 14-tile hand of shanten >= 0: the best of its discards that keep the
  // shanten, entry by entry (the best discard may change with the draws left).
  // The value read from Values holds until the next call.
  std::uint32_t Hand14(TKindCounts& h, TKey key, int shanten) {
    if (const std::uint32_t* seen = Seen.Find(key)) return *seen;
    if (Stop.stop_requested()) throw TStopped{};
    const TMjDiscardTable table = MjDiscards(h);
    std::uint32_t value = 0;
    std::vector<double> best;
    if (shanten == 0) {
      for (const TMjDiscard& d : table.Discards) {
        if (d.Shanten != 0) continue;
        --h[d.Kind];
        value = std::max(value, static_cast<std::uint32_t>(Copies(h, d.Kinds)));
        ++h[d.Kind];
      }
    } else {
      best.assign(2 * static_cast<std::size_t>(Length), 0.0);
      std::vector<double> rows(best.size());
      for (const TMjDiscard& d : table.Discards) {
        if (d.Shanten != shanten) continue;
        --h[d.Kind];
        Rows13(h, Minus(key, d.Kind), shanten, d.Kinds, rows.data());
        ++h[d.Kind];
        for (std::size_t i = 0; i < best.size(); ++i) best[i] = std::max(best[i], rows[i]);
      }
    }
    if (Bytes() > Budget) Forget();
    if (shanten > 0) {
      value = static_cast<std::uint32_t>(Values.size());
      Values.insert(Values.end(), best.begin(), best.end());
    }
    Seen.Add(key, value);
    return value;
  }

  std::size_t Bytes() const { return Seen.Bytes() + Values.capacity() * sizeof(double); }

  void Forget() {
    Forgotten += Seen.Size();
    Seen = THands();
    Values = std::vector<double>();
  }
};

int Tiles(const TKindCounts& h) {
  int tiles = 0;
  for (int n : h) tiles += n;
  return tiles;
}

void Check(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft, int tiles) {
  int wall = 0;
  for (int k = 0; k < KindCount; ++k) {
    if (hand[k] < 0 || hand[k] > 4) throw std::invalid_argument("a kind held fewer than 0 or more than 4 times");
    if (unseen[k] < 0 || unseen[k] + hand[k] > 4) throw std::invalid_argument("unseen copies beyond 4 - held");
    wall += unseen[k];
  }
  if (Tiles(hand) != tiles) throw std::invalid_argument("a hand of " + std::to_string(Tiles(hand)) + " tiles");
  if (drawsLeft < 0 || drawsLeft > wall) {
    throw std::invalid_argument(std::to_string(drawsLeft) + " draws from a wall of " + std::to_string(wall));
  }
}

}  // namespace

TKindCounts MjUnseen(const TKindCounts& hand, const TKindCounts& discards, bool oneSuit) {
  TKindCounts unseen{};
  const int kinds = oneSuit ? 9 : KindCount;
  for (int k = 0; k < kinds; ++k) unseen[k] = std::max(0, 4 - hand[k] - discards[k]);
  return unseen;
}

TMjChanceTable MjChances(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft, std::stop_token stop,
                         std::size_t budget) {
  Check(hand, unseen, drawsLeft, 14);
  const TMjDiscardTable discards = MjDiscards(hand);
  TMjChanceTable table;
  table.Shanten = discards.Shanten;
  const int lowest = std::max(0, discards.Shanten);
  TSearch search(hand, unseen, drawsLeft, lowest, std::move(stop), budget);
  try {
    TKindCounts kept = hand;
    for (const TMjDiscard& d : discards.Discards) {
      if (d.Shanten > lowest) {
        TMjChance raised;
        raised.Kind = d.Kind;
        raised.Shanten = d.Shanten;
        raised.Counted = false;
        table.Discards.push_back(raised);
        continue;
      }
      --kept[d.Kind];
      TMjChance chance = search.Chance(kept, d.Shanten, d.Kinds);
      chance.Kind = d.Kind;
      table.Discards.push_back(chance);
      ++kept[d.Kind];
    }
  } catch (const TStopped&) {
    TMjChanceTable stopped;
    stopped.Stopped = true;
    return stopped;
  }
  std::sort(table.Discards.begin(), table.Discards.end(),
            [](const TMjChance& a, const TMjChance& b) { return a.Kind < b.Kind; });
  for (const TMjChance& c : table.Discards) {
    table.Ready = std::max(table.Ready, c.Ready);
    table.Win = std::max(table.Win, c.Win);
  }
  if (table.Shanten <= 0) table.Ready = 1.0;
  if (table.Shanten < 0) table.Win = 1.0;
  table.Hands = search.Hands();
  return table;
}

TMjChance MjHandChance(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft) {
  Check(hand, unseen, drawsLeft, 13);
  const TMjUkeire u = MjUkeire(hand);
  TSearch search(hand, unseen, drawsLeft, u.Shanten, {}, MjChanceBudget);
  TMjChance chance = search.Chance(hand, u.Shanten, u.Kinds);
  chance.Kind = -1;
  return chance;
}
