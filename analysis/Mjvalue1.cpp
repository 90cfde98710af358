#include "analysis/Mjvalue1.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>

#include "analysis/Mjhands1.h"

namespace {

using mjhands::KeyOf;
using mjhands::Minus;
using mjhands::Plus;
using mjhands::TKey;
using mjhands::TStopped;
using THands = mjhands::THands<1024>;

// Bits of a key's High above the counts (kinds 21..33 take bits 0..38) say
// what is remembered for the hand.
constexpr int UsedShift = 40;      // moves off the path used, 2 bits
constexpr int ImprovedShift = 42;  // a 14-tile hand reached by a draw that lowered the shanten
constexpr int ScoreShift = 43;     // the points of a complete hand...
constexpr int WinKindShift = 44;   // ...won on this kind, 6 bits
constexpr int FirstShift = 50;     // ...on the deal's first draw

TKey Tagged(TKey key, std::uint64_t tags) {
  key.High |= tags;
  return key;
}

// One generation of remembered hands: the slots and the rows they point into.
struct TMemo {
  THands Seen;
  std::vector<float> Values;

  bool Room(std::size_t values, std::size_t slotCap, std::size_t valueCap) {
    if (!Seen.Room(slotCap)) return false;
    const std::size_t needed = Values.size() + values;
    if (needed <= Values.capacity()) return true;
    if (needed > valueCap) return false;
    // All at once: pages are only taken as they are written, and growing by
    // steps would hold the old rows and the new beside each other.
    Values.reserve(valueCap);
    return true;
  }

  void Clear() {
    Seen.Clear();
    Values.clear();
  }
};

// The three figures a hand has for every number of draws left: row q of a
// hand's 3 * Length values holds figure q with r draws left at entry r.
enum { ReadyRow, WinRow, PointsRow, Figures };

class TSearch {
public:
  // `lowest`: the lowest shanten of the 13-tile hands the computation starts from.
  TSearch(const TKindCounts& base, const TKindCounts& unseen, int drawsLeft, int lowest, const TMjWorthRules& rules,
          std::stop_token stop, std::size_t budget)
      : Base(base),
        Unseen(unseen),
        DrawsLeft(drawsLeft),
        Length(drawsLeft + 1),
        Lowest(lowest),
        RowValues(static_cast<std::size_t>(Figures * (drawsLeft + 1))),
        Extra(rules.Extra),
        Situation(rules.Situation),
        Stop(std::move(stop)) {
    for (int n : unseen) Wall += n;
    const std::size_t half = budget / 2;
    SlotCap = THands::InitialSlots;
    while (2 * SlotCap * sizeof(THands::TSlot) <= half / 4) SlotCap *= 2;
    const std::size_t slotBytes = SlotCap * sizeof(THands::TSlot);
    ValueCap = std::max(RowValues, half > slotBytes ? (half - slotBytes) / sizeof(float) : 0);
  }

  // The figures of a 13-tile hand with the draws of the computation left.
  TMjWorth Worth(TKindCounts& h, int shanten, TKindMask kinds, int used) {
    std::vector<double> rows(RowValues);
    Hand13(h, KeyOf(h), shanten, kinds, used, rows.data(), true);
    TMjWorth out;
    out.Shanten = shanten;
    out.Ready = rows[ReadyRow * Length + DrawsLeft];
    out.Win = rows[WinRow * Length + DrawsLeft];
    out.Points = rows[PointsRow * Length + DrawsLeft];
    return out;
  }

  std::size_t Hands() const { return Computed; }

private:
  const TKindCounts Base;
  const TKindCounts Unseen;
  const int DrawsLeft;
  const int Length;
  const int Lowest;
  const std::size_t RowValues;
  const int Extra;
  const TMjSituation Situation;
  std::stop_token Stop;
  int Wall = 0;
  // Two generations, as in MjChances: a hand found in Old comes back into Now;
  // when Now is full it becomes Old and the older one is forgotten.
  TMemo Now;
  TMemo Old;
  bool OldEmpty = true;
  std::size_t SlotCap = 0;
  std::size_t ValueCap = 0;
  std::size_t Computed = 0;
  std::vector<float> Packed = std::vector<float>(RowValues);
  std::vector<double> MissRows;  // Misses' rows by copies, -1 where not yet worked out
  // The points rows of ready hands with no move left, by hand: one such hand
  // is met from some five 14-tile hands. One place per hand, a clash only
  // costs working it out again; outside the memory budget (at most 3 MB).
  // Sized to the hands met: clearing the places is a cost on a quick table.
  const std::size_t ReadySlots = Extra == 0 ? 1024 : Lowest <= 1 ? 4096 : 16384;
  std::vector<TKey> ReadyKeys = std::vector<TKey>(ReadySlots);
  std::vector<int> ReadyCopies = std::vector<int>(ReadySlots);
  std::unique_ptr<double[]> ReadyWorth =
      std::make_unique_for_overwrite<double[]>(ReadySlots * static_cast<std::size_t>(Length));
  // Working rows per depth of the search, kept between hands so that a hand
  // allocates little; a deque, so a deeper level never moves a shallower one.
  std::deque<std::vector<double>> Scratch;
  int Depth = 0;

  struct TDeeper {
    int& Depth;
    explicit TDeeper(int& depth) : Depth(depth) { ++Depth; }
    ~TDeeper() { --Depth; }
  };

  std::vector<double>& Work(std::size_t size) {
    if (Scratch.size() <= static_cast<std::size_t>(Depth)) Scratch.resize(static_cast<std::size_t>(Depth) + 1);
    std::vector<double>& work = Scratch[static_cast<std::size_t>(Depth)];
    if (work.size() < size) work.resize(size);
    return work;
  }

  int InWall(const TKindCounts& h, int k) const { return Unseen[k] - std::max(0, h[k] - Base[k]); }

  // Tiles in the wall before the draw made with r draws left.
  int WallAt(int r) const { return Wall - DrawsLeft + r; }

  // A remembered row leaves out what the shanten fixes: with fewer draws
  // left than the shanten a hand is not ready (0), with no more than the
  // shanten it does not win (0, and no points), and a ready hand is ready (1).
  // A ready hand's row takes a third less memory, so more hands stay.
  std::size_t First(int q, int shanten) const {
    const int first = q == ReadyRow ? (shanten == 0 ? Length : shanten) : shanten + 1;
    return static_cast<std::size_t>(std::min(first, Length));
  }

  // Nor does it keep the entries no path asks for: a hand met after t draws
  // is asked for at most DrawsLeft - t draws left, and every draw lowers the
  // shanten by one at most, so t >= Lowest - shanten (and t >= 1 below the
  // hands the computation starts from, which are not remembered).
  std::size_t End(int shanten) const {
    return static_cast<std::size_t>(std::max(0, Length - std::max(1, Lowest - shanten)));
  }

  std::size_t Stored(int shanten) const {
    std::size_t values = 0;
    for (int q = 0; q < Figures; ++q) values += End(shanten) - std::min(End(shanten), First(q, shanten));
    return values;
  }

  std::uint32_t Keep(const TKey& key, const double* rows, int shanten) {
    const std::size_t length = static_cast<std::size_t>(Length);
    const std::size_t end = End(shanten);
    float* packed = Packed.data();
    for (int q = 0; q < Figures; ++q) {
      const std::size_t first = std::min(First(q, shanten), end);
      const double* row = rows + static_cast<std::size_t>(q) * length;
      packed = std::transform(row + first, row + end, packed, [](double v) { return static_cast<float>(v); });
    }
    return Remember(key, 0, Packed.data(), static_cast<std::size_t>(packed - Packed.data()));
  }

  void Unpack(const float* packed, int shanten, double* rows) const {
    const std::size_t length = static_cast<std::size_t>(Length);
    const std::size_t end = End(shanten);
    for (int q = 0; q < Figures; ++q) {
      const std::size_t first = std::min(First(q, shanten), end);
      double* row = rows + static_cast<std::size_t>(q) * length;
      std::fill(row, row + first, q == ReadyRow && shanten == 0 ? 1.0 : 0.0);
      for (std::size_t r = first; r < end; ++r) row[r] = *packed++;
    }
  }

  // Adds n times the packed rows of a hand of shanten `shanten`, one entry
  // later, to `sums`: what Unpack and a sum over the rows would give.
  void AddPacked(double* sums, double n, const float* packed, int shanten) const {
    const std::size_t length = static_cast<std::size_t>(Length);
    const std::size_t end = End(shanten);
    for (int q = 0; q < Figures; ++q) {
      const std::size_t first = std::min(First(q, shanten), end);
      double* row = sums + static_cast<std::size_t>(q) * length + 1;
      if (q == ReadyRow && shanten == 0) {
        for (std::size_t r = 0; r < first; ++r) row[r] += n;
      }
      for (std::size_t r = first; r < end; ++r) row[r] += n * static_cast<double>(*packed++);
    }
  }

  // Raises `best` (no entry below 0) to the packed rows of a hand of shanten
  // `shanten` wherever they are higher: what Unpack and a max would give on
  // the entries a path asks for.
  void MaxPacked(double* best, const float* packed, int shanten) const {
    const std::size_t length = static_cast<std::size_t>(Length);
    const std::size_t end = End(shanten);
    for (int q = 0; q < Figures; ++q) {
      const std::size_t first = std::min(First(q, shanten), end);
      double* row = best + static_cast<std::size_t>(q) * length;
      if (q == ReadyRow && shanten == 0) std::fill(row, row + first, 1.0);
      for (std::size_t r = first; r < end; ++r) row[r] = std::max(row[r], static_cast<double>(*packed++));
    }
  }

  // The value remembered for `key`, brought into Now; nullptr when none.
  const std::uint32_t* Recall(const TKey& key, std::size_t values) {
    if (const std::uint32_t* seen = Now.Seen.Find(key)) return seen;
    const std::uint32_t* old = OldEmpty ? nullptr : Old.Seen.Find(key);
    if (!old) return nullptr;
    if (values == 0) {
      Remember(key, *old, nullptr, 0);
    } else {
      // Copied out first: making room may forget the generation they are in.
      std::copy_n(Old.Values.begin() + *old, values, Packed.begin());
      Remember(key, 0, Packed.data(), values);
    }
    return Now.Seen.Find(key);
  }

  std::uint32_t Remember(const TKey& key, std::uint32_t value, const float* rows, std::size_t values) {
    if (!Now.Room(values, SlotCap, ValueCap)) {
      std::swap(Now, Old);
      Now.Clear();
      OldEmpty = false;
      Now.Room(values, SlotCap, ValueCap);  // an empty generation always has room
    }
    if (values > 0) {
      value = static_cast<std::uint32_t>(Now.Values.size());
      Now.Values.insert(Now.Values.end(), rows, rows + values);
    }
    Now.Seen.Add(key, value, SlotCap);
    return value;
  }

  // The points of the complete hand h won on `kind`.
  double Points(const TKindCounts& h, const TKey& key, int kind, bool first) {
    const TKey tagged = Tagged(key, std::uint64_t{1} << ScoreShift | static_cast<std::uint64_t>(kind) << WinKindShift |
                                        static_cast<std::uint64_t>(first) << FirstShift);
    if (const std::uint32_t* seen = Recall(tagged, 0)) return *seen;
    TMjSituation situation = Situation;
    situation.FirstDraw = first;
    const auto points = static_cast<std::uint32_t>(MjWinPoints(h, kind, situation));
    Remember(tagged, points, nullptr, 0);
    return points;
  }

  // The rows of a 13-tile hand of shanten >= 0 whose improving kinds are
  // `kinds`, with `used` moves off the path made, into `out`; h is restored
  // on return. Every hand but the ones the computation starts from is
  // remembered.
  // Returns the rows packed instead (out untouched) when they were remembered.
  const float* Hand13(TKindCounts& h, TKey key, int shanten, TKindMask kinds, int used, double* out,
                      bool root = false) {
    if (shanten > DrawsLeft) {  // not even ready by the last draw
      std::fill(out, out + RowValues, 0.0);
      return nullptr;
    }
    // A hand the computation starts from is not met again with the same moves.
    const bool remembered = !root;
    const TKey tagged = Tagged(key, static_cast<std::uint64_t>(used) << UsedShift);
    if (remembered) {
      if (const std::uint32_t* seen = Recall(tagged, Stored(shanten))) return Now.Values.data() + *seen;
    }
    if (Stop.stop_requested()) throw TStopped{};
    ++Computed;
    const std::size_t length = static_cast<std::size_t>(Length);
    std::vector<double>& work = Work(RowValues * (KindCount + 2));
    const TDeeper deeper(Depth);
    const bool moves = used < Extra;

    // Draws that lower the shanten are summed as they are met (copies times
    // what follows, one entry later); the others, met only while a move is
    // left, keep their rows: staying is their alternative, entry by entry.
    double* own = work.data();
    double* sums = own + RowValues;
    std::fill(own, own + 2 * RowValues, 0.0);
    struct TOther {
      int Copies = 0;
      std::size_t At = 0;  // where its rows are in `work`
    };
    std::array<TOther, KindCount> others;
    int count = 0;
    double improving = 0;
    double other = 0;
    // Without a move left only the improving kinds are drawn into.
    for (TKindMask drawn = moves ? (TKindMask{1} << KindCount) - 1 : kinds; drawn != 0; drawn &= drawn - 1) {
      const int k = std::countr_zero(drawn);
      const int n = InWall(h, k);
      if (n <= 0) continue;
      const bool improves = (kinds >> k & 1) != 0;
      ++h[k];
      const TKey next = Plus(key, k);
      if (improves && shanten == 0) {
        const double points = Points(h, next, k, false);
        const double firstPoints = DrawsLeft == DealDraws ? Points(h, next, k, true) : points;
        for (std::size_t r = 1; r < length; ++r) {
          sums[WinRow * length + r] += n;
          sums[PointsRow * length + r] += n * (r == static_cast<std::size_t>(DealDraws) ? firstPoints : points);
        }
      } else {
        // Into the next free place for another draw's rows: taken only if it is one.
        const std::size_t place = (static_cast<std::size_t>(count) + 2) * RowValues;
        const double* rows = work.data() + place;
        const int below = improves ? shanten - 1 : shanten;
        const float* packed = nullptr;
        const bool remembered14 = Hand14(h, next, below, used, improves, work.data() + place, packed);
        if (improves && remembered14) {
          AddPacked(sums, n, packed, below);  // shanten >= 1 here: all three rows
        } else if (improves) {
          for (int q = ReadyRow; q < Figures; ++q) {
            const std::size_t row = static_cast<std::size_t>(q) * length;
            for (std::size_t r = 1; r < length; ++r) sums[row + r] += n * rows[row + r - 1];
          }
        } else {
          if (remembered14) Unpack(packed, below, work.data() + place);
          others[static_cast<std::size_t>(count++)] = {n, place};
        }
      }
      --h[k];
      (improves ? improving : other) += n;
    }

    if (shanten == 0) std::fill(own, own + length, 1.0);
    for (int r = 1; r < Length; ++r) {
      const double wall = std::max(static_cast<double>(WallAt(r)), improving);
      const double rest = 1.0 - improving / wall;
      const double perOther = other > 0 ? rest / other : 0.0;
      const double stay = other > 0 ? 0.0 : rest;
      for (int q = shanten == 0 ? WinRow : ReadyRow; q < Figures; ++q) {
        const std::size_t at = static_cast<std::size_t>(q) * length + static_cast<std::size_t>(r);
        const double before = own[at - 1];
        double sum = sums[at] / wall + stay * before;
        for (int i = 0; i < count; ++i) {
          const TOther& o = others[static_cast<std::size_t>(i)];
          sum += o.Copies * perOther * std::max(before, work[o.At + at - 1]);
        }
        own[at] = sum;
      }
    }
    if (remembered) Keep(tagged, own, shanten);
    std::copy_n(own, RowValues, out);
    return nullptr;
  }

  // The rows of a ready 13-tile hand whose wait cannot change any more (no
  // move left): it wins with the chance that some draw hits one of its a
  // copies, and each winning kind as often as its copies.
  void ReadyHand(TKindCounts& h, const TKey& key, TKindMask kinds, double* rows) {
    const std::size_t slot = mjhands::THash{}(key) & (ReadySlots - 1);
    double* kept = ReadyWorth.get() + slot * static_cast<std::size_t>(Length);
    std::fill(rows, rows + Length, 1.0);
    if (ReadyKeys[slot] == key) {
      std::copy_n(Misses(ReadyCopies[slot]) + Length, Length, rows + WinRow * Length);
      std::copy_n(kept, Length, rows + PointsRow * Length);
      return;
    }
    double copies = 0;
    double points = 0;
    double firstPoints = 0;
    for (TKindMask rest = kinds; rest != 0; rest &= rest - 1) {
      const int k = std::countr_zero(rest);
      const int n = InWall(h, k);
      if (n <= 0) continue;
      ++h[k];
      const TKey won = Plus(key, k);
      const double p = Points(h, won, k, false);
      copies += n;
      points += n * p;
      firstPoints += n * (DrawsLeft == DealDraws ? Points(h, won, k, true) : p);
      --h[k];
    }
    const double* misses = Misses(static_cast<int>(copies));
    std::copy_n(misses + Length, Length, rows + WinRow * Length);
    double* worth = rows + PointsRow * Length;
    worth[0] = 0.0;
    for (int r = 1; r < Length; ++r) {
      const double wall = std::max(static_cast<double>(WallAt(r)), copies);
      worth[r] = worth[r - 1] * misses[r] + (r == DealDraws ? firstPoints : points) / wall;
    }
    ReadyKeys[slot] = key;
    ReadyCopies[slot] = static_cast<int>(copies);
    std::copy_n(worth, Length, kept);
  }

  // For a ready hand waiting on `copies` tiles: the chance to miss the wait at
  // the draw with r draws left (entry r), then its win row (entry Length + r).
  // The same for every hand with as many copies, so worked out once.
  const double* Misses(int copies) {
    const auto at = static_cast<std::size_t>(copies) * 2 * static_cast<std::size_t>(Length);
    if (at >= MissRows.size()) MissRows.resize(at + 2 * static_cast<std::size_t>(Length), -1.0);
    double* rows = MissRows.data() + at;
    if (rows[0] < 0) {
      double* win = rows + Length;
      rows[0] = win[0] = 0.0;
      for (int r = 1; r < Length; ++r) {
        const double wall = std::max(static_cast<double>(WallAt(r)), static_cast<double>(copies));
        const double miss = 1.0 - copies / wall;
        rows[r] = miss;
        win[r] = win[r - 1] * miss + copies / wall;
      }
    }
    return rows;
  }

  // A 14-tile hand of shanten `shanten` >= 0 just drawn into, with `used`
  // moves made: the best of the discards allowed, figure by figure and entry
  // by entry. After an improving draw the discards that keep its shanten stay
  // on the path and any other costs one move. After another draw a discard
  // that keeps the shanten costs one, one that raises it two.
  // True with its remembered rows, packed, in `packed` (valid until the next
  // hand is remembered); false with its rows in `out`.
  bool Hand14(TKindCounts& h, TKey key, int shanten, int used, bool improved, double* out, const float*& packed) {
    const TKey tagged = Tagged(key, static_cast<std::uint64_t>(used) << UsedShift | static_cast<std::uint64_t>(improved)
                                                                                        << ImprovedShift);
    const bool kept = improved;
    if (const std::uint32_t* seen = kept ? Recall(tagged, Stored(shanten)) : nullptr) {
      packed = Now.Values.data() + *seen;
      return true;
    }
    if (Stop.stop_requested()) throw TStopped{};
    ++Computed;
    std::vector<double>& best = Work(2 * RowValues);
    const TDeeper deeper(Depth);
    std::fill(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(RowValues), 0.0);
    // A discard that raises the shanten costs one move after an improving
    // draw, two after another (a back-step: the draw spent and the one it
    // adds to the way); keeping it costs none and one.
    const int raise = improved ? used + 1 : used + 2;
    const int most = raise <= Extra ? shanten + 1 : shanten;
    std::array<TMjDiscard, 14> discards;
    int count = 0;
    MjDiscardKinds(h, most, discards, count);
    for (int j = 0; j < count; ++j) {
      const TMjDiscard& d = discards[static_cast<std::size_t>(j)];
      if (d.Shanten > most) continue;
      // Getting ready by throwing a tile taken in beyond the first hand's
      // copies gives a move back (at any shanten it would give the hands with
      // a move left, which cost most, far too many).
      const bool back = d.Shanten == 0 && h[d.Kind] > Base[d.Kind];
      const int next = d.Shanten == shanten ? (improved ? std::max(0, used - (back ? 1 : 0)) : used + 1) : raise;
      --h[d.Kind];
      if (d.Shanten == 0 && next == Extra) {
        double* rows = best.data() + RowValues;
        ReadyHand(h, Minus(key, d.Kind), d.Kinds, rows);
        ++h[d.Kind];
        for (std::size_t i = 0; i < RowValues; ++i) best[i] = std::max(best[i], rows[i]);
        continue;
      }
      double* rows = best.data() + RowValues;
      const float* seen = Hand13(h, Minus(key, d.Kind), d.Shanten, d.Kinds, next, rows);
      ++h[d.Kind];
      if (seen) {
        MaxPacked(best.data(), seen, d.Shanten);
      } else {
        for (std::size_t i = 0; i < RowValues; ++i) best[i] = std::max(best[i], rows[i]);
      }
    }
    if (kept) {
      const std::uint32_t at = Keep(tagged, best.data(), shanten);  // may move Now's rows
      packed = Now.Values.data() + at;
      return true;
    }
    // As remembered, so that a hand's figures do not depend on whether the
    // rows it draws into were remembered or not.
    std::transform(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(RowValues), out,
                   [](double v) { return static_cast<double>(static_cast<float>(v)); });
    return false;
  }
};

int Tiles(const TKindCounts& h) {
  int tiles = 0;
  for (int n : h) tiles += n;
  return tiles;
}

void Check(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft, const TMjWorthRules& rules, int tiles) {
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
  if (rules.Extra < 0 || rules.Extra > MjMaxExtra) {
    throw std::invalid_argument(std::to_string(rules.Extra) + " moves off the path");
  }
  if (rules.Situation.SeatWind < 0 || rules.Situation.SeatWind > 3 || rules.Situation.RoundWind < 0 ||
      rules.Situation.RoundWind > 3) {
    throw std::invalid_argument("a wind outside 0..3");
  }
}

}  // namespace

TMjWorthTable MjWorths(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft, const TMjWorthRules& rules,
                       std::stop_token stop, std::size_t budget) {
  Check(hand, unseen, drawsLeft, rules, 14);
  const TMjDiscardTable discards = MjDiscards(hand);
  TMjWorthTable table;
  table.Shanten = discards.Shanten;
  const int lowest = std::max(0, discards.Shanten);
  TSearch search(hand, unseen, drawsLeft, lowest, rules, std::move(stop), budget);
  try {
    TKindCounts kept = hand;
    for (const TMjDiscard& d : discards.Discards) {
      const int used = d.Shanten > lowest ? 1 : 0;
      if (used > rules.Extra) {
        TMjWorth raised;
        raised.Kind = d.Kind;
        raised.Shanten = d.Shanten;
        raised.Counted = false;
        table.Discards.push_back(raised);
        continue;
      }
      --kept[d.Kind];
      TMjWorth worth = search.Worth(kept, d.Shanten, d.Kinds, used);
      worth.Kind = d.Kind;
      table.Discards.push_back(worth);
      ++kept[d.Kind];
    }
  } catch (const TStopped&) {
    TMjWorthTable stopped;
    stopped.Stopped = true;
    return stopped;
  }
  std::sort(table.Discards.begin(), table.Discards.end(),
            [](const TMjWorth& a, const TMjWorth& b) { return a.Kind < b.Kind; });
  for (const TMjWorth& w : table.Discards) {
    table.Ready = std::max(table.Ready, w.Ready);
    table.Win = std::max(table.Win, w.Win);
    table.Points = std::max(table.Points, w.Points);
  }
  if (table.Shanten <= 0) table.Ready = 1.0;
  if (table.Shanten < 0) table.Win = 1.0;
  table.Hands = search.Hands();
  return table;
}

TMjWorth MjHandWorth(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft, const TMjWorthRules& rules) {
  const TMjWorthTable table = MjHandWorths(hand, unseen, drawsLeft, rules);
  TMjWorth worth;
  worth.Kind = -1;
  worth.Shanten = table.Shanten;
  worth.Ready = table.Ready;
  worth.Win = table.Win;
  worth.Points = table.Points;
  return worth;
}

TMjWorthTable MjHandWorths(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                           const TMjWorthRules& rules, std::stop_token stop) {
  Check(hand, unseen, drawsLeft, rules, 13);
  const TMjUkeire u = MjUkeire(hand);
  TMjWorthTable table;
  table.Shanten = u.Shanten;
  TSearch search(hand, unseen, drawsLeft, u.Shanten, rules, std::move(stop), MjWorthBudget);
  try {
    TKindCounts kept = hand;
    const TMjWorth worth = search.Worth(kept, u.Shanten, u.Kinds, 0);
    table.Ready = worth.Ready;
    table.Win = worth.Win;
    table.Points = worth.Points;
  } catch (const TStopped&) {
    TMjWorthTable stopped;
    stopped.Stopped = true;
    return stopped;
  }
  table.Hands = search.Hands();
  return table;
}
