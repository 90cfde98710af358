#include "analysis/Mjprob1.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "analysis/Mjhands1.h"

namespace {

using mjhands::KeyOf;
using mjhands::Minus;
using mjhands::Plus;
using mjhands::TKey;
using mjhands::TStopped;
// A computation for one decision meets few hands.
using THands = mjhands::THands<64>;

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
      : Base(base),
        Unseen(unseen),
        DrawsLeft(drawsLeft),
        Length(std::max(0, drawsLeft - lowest) + 2),
        Stop(std::move(stop)) {
    for (int n : unseen) Wall += n;
    const std::size_t half = budget / 2;
    SlotCap = THands::InitialSlots;
    while (2 * SlotCap * THands::SlotBytes <= half / 4) SlotCap *= 2;
    const std::size_t slotBytes = SlotCap * THands::SlotBytes;
    ValueCap =
        std::max(2 * static_cast<std::size_t>(Length), half > slotBytes ? (half - slotBytes) / sizeof(float) : 0);
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

  std::size_t Hands() const { return Computed; }

private:
  const TKindCounts Base;
  const TKindCounts Unseen;
  const int DrawsLeft;
  const int Length;
  std::stop_token Stop;
  int Wall = 0;
  // Remembered hands in two generations: new ones go into Now; when Now is
  // full it becomes Old and the older one is forgotten, its memory reused. A
  // hand found in Old comes back into Now, so the hands in use stay while those
  // not met for a while go: forgetting everything at once would drop the deep
  // hands too, and recomputing those costs whole subtrees. Each generation
  // grows up to half the budget, a quarter of it slots.
  struct TMemo {
    THands Seen;                // 14-tile hand -> its best wait, or where its rows start in Values
    std::vector<float> Values;  // rows of 14-tile hands of shanten 1 and more

    // Whether one more hand with `values` row values fits in the caps; makes
    // room for it when it does.
    bool Room(std::size_t values, std::size_t slotCap, std::size_t valueCap) {
      if (!Seen.Room(slotCap)) return false;
      const std::size_t needed = Values.size() + values;
      if (needed <= Values.capacity()) return true;
      if (needed > valueCap) return false;
      Values.reserve(std::min(valueCap, std::max({needed, 2 * Values.capacity(), std::size_t{1} << 12})));
      return true;
    }

    void Clear() {
      Seen.Clear();
      Values.clear();
    }
  };
  TMemo Now;
  TMemo Old;
  std::size_t SlotCap = 0;
  std::size_t ValueCap = 0;
  std::vector<double> ReadyRows;   // the win row of a ready hand with c winning copies at c * Length
  std::vector<char> ReadyMade;     // whether that row is worked out yet
  std::size_t Computed = 0;        // 14-tile hands worked out, again when forgotten

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
  // A row is worked out when first asked for: a computation meets a few numbers
  // of winning copies, and one that judges a single decision (the statistics
  // judge thousands) would spend more on rows it never reads than on its hands.
  void MakeReadyRows() {
    ReadyRows.assign(static_cast<std::size_t>(Wall + 1) * static_cast<std::size_t>(Length), 0.0);
    ReadyMade.assign(static_cast<std::size_t>(Wall) + 1, 0);
  }

  const double* Ready(int copies) {
    double* row = &ReadyRows[static_cast<std::size_t>(copies) * static_cast<std::size_t>(Length)];
    if (copies > 0 && !std::exchange(ReadyMade[static_cast<std::size_t>(copies)], 1)) {
      double miss = 1.0;
      for (int i = 1; i < Length; ++i) {
        miss *= 1.0 - copies / WallAt(i, copies);
        row[i] = 1.0 - miss;
      }
    }
    return row;
  }

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
      if (shanten == 1) {
        const double* childWin = Ready(static_cast<int>(child));
        for (int i = 1; i < Length; ++i) {
          win[i] += n * childWin[i];
          ready[i] += n;
        }
      } else {
        const float* childRows = &Now.Values[child];
        for (int i = 1; i < Length; ++i) {
          win[i] += n * static_cast<double>(childRows[i]);
          ready[i] += n * static_cast<double>(childRows[Length + i]);
        }
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
    if (const std::uint32_t* seen = Now.Seen.Find(key)) return *seen;
    if (const std::uint32_t* old = Old.Seen.Find(key)) {
      if (shanten == 0) return Remember(key, *old, {});
      const auto row = Old.Values.begin() + *old;
      return Remember(key, 0, std::vector<float>(row, row + 2 * Length));
    }
    if (Stop.stop_requested()) throw TStopped{};
    ++Computed;
    const TMjDiscardTable table = MjDiscards(h);
    std::uint32_t value = 0;
    std::vector<float> best;  // kept as floats: the hands remembered take half the memory
    if (shanten == 0) {
      for (const TMjDiscard& d : table.Discards) {
        if (d.Shanten != 0) continue;
        --h[d.Kind];
        value = std::max(value, static_cast<std::uint32_t>(Copies(h, d.Kinds)));
        ++h[d.Kind];
      }
    } else {
      best.assign(2 * static_cast<std::size_t>(Length), 0.0f);
      std::vector<double> rows(best.size());
      for (const TMjDiscard& d : table.Discards) {
        if (d.Shanten != shanten) continue;
        --h[d.Kind];
        Rows13(h, Minus(key, d.Kind), shanten, d.Kinds, rows.data());
        ++h[d.Kind];
        for (std::size_t i = 0; i < best.size(); ++i) best[i] = std::max(best[i], static_cast<float>(rows[i]));
      }
    }
    return Remember(key, value, best);
  }

  // Keeps a 14-tile hand in Now: its best wait, or its rows when `rows` has them.
  std::uint32_t Remember(TKey key, std::uint32_t value, const std::vector<float>& rows) {
    if (!Now.Room(rows.size(), SlotCap, ValueCap)) {
      std::swap(Now, Old);
      Now.Clear();
      Now.Room(rows.size(), SlotCap, ValueCap);  // an empty generation always has room
    }
    if (!rows.empty()) {
      value = static_cast<std::uint32_t>(Now.Values.size());
      Now.Values.insert(Now.Values.end(), rows.begin(), rows.end());
    }
    Now.Seen.Add(key, value, SlotCap);
    return value;
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
  const TMjChanceTable table = MjHandChances(hand, unseen, drawsLeft);
  TMjChance chance;
  chance.Kind = -1;
  chance.Shanten = table.Shanten;
  chance.Ready = table.Ready;
  chance.Win = table.Win;
  return chance;
}

TMjChanceTable MjHandChances(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft, std::stop_token stop) {
  Check(hand, unseen, drawsLeft, 13);
  const TMjUkeire u = MjUkeire(hand);
  TSearch search(hand, unseen, drawsLeft, u.Shanten, std::move(stop), MjChanceBudget);
  TMjChanceTable table;
  try {
    const TMjChance chance = search.Chance(hand, u.Shanten, u.Kinds);
    table.Shanten = chance.Shanten;
    table.Ready = chance.Ready;
    table.Win = chance.Win;
  } catch (const TStopped&) {
    table.Stopped = true;
  }
  table.Hands = search.Hands();
  return table;
}

const TMjChance* ChanceOf(const TMjChanceTable& table, int kind) {
  for (const TMjChance& c : table.Discards)
    if (c.Kind == kind) return c.Counted ? &c : nullptr;
  return nullptr;
}

int MjTieRank(int kind) {
  if (kind >= 27) return 0;
  return kind % 9 == 0 || kind % 9 == 8 ? 1 : 2;
}

bool MjTiePrefers(int kind, int other) {
  const int a = MjTieRank(kind), b = MjTieRank(other);
  return a != b ? a < b : kind < other;
}

const TMjChance* BestWinDiscard(const TMjChanceTable& table) {
  double top = -1.0;
  for (const TMjChance& c : table.Discards)
    if (c.Counted) top = std::max(top, c.Win);
  const TMjChance* best = nullptr;
  for (const TMjChance& c : table.Discards)
    if (c.Counted && KeepsBestWin(c.Win, top) && (!best || MjTiePrefers(c.Kind, best->Kind))) best = &c;
  return best;
}

double BestDiscardWin(const TMjChanceTable& table) {
  const TMjChance* best = BestWinDiscard(table);
  return best ? best->Win : 0.0;
}
