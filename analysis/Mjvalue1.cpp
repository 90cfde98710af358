#include "analysis/Mjvalue1.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "analysis/Mjhands1.h"

namespace {

using mjhands::CountsOf;
using mjhands::KeyOf;
using mjhands::Minus;
using mjhands::Plus;
using mjhands::TKey;
using mjhands::TStopped;

struct TTooBig {};

constexpr std::uint32_t None = std::numeric_limits<std::uint32_t>::max();

// 1 / n for the copies of a hand's other kinds (none: 0), so that the draws
// worked out divide nothing.
const std::array<double, 256> Reciprocals = [] {
  std::array<double, 256> r{};
  for (std::size_t n = 1; n < r.size(); ++n) r[n] = 1.0 / static_cast<double>(n);
  return r;
}();

// A draw of a 13-tile hand: the hand it leads to (or, for a ready hand's
// winning kind, its win), the copies in the wall and whether it improves.
constexpr int CopiesShift = 28;
constexpr std::uint32_t TargetMask = (std::uint32_t{1} << CopiesShift) - 1;
constexpr std::uint32_t ImprovesBit = std::uint32_t{1} << 31;

// The hand-change graph within the bound, built breadth first from the first
// hand, then worked out draw by draw: every hand's figures with r draws left
// from its figures and those of the hands it draws into with r - 1 left.
class TGraph {
public:
  TGraph(const TKindCounts& base, const TKindCounts& unseen, int drawsLeft, int firstShanten,
         const TMjWorthRules& rules, std::stop_token stop, std::size_t budget)
      : Base(base),
        Unseen(unseen),
        R(drawsLeft),
        FirstShanten(firstShanten),
        Extra(rules.Extra),
        Situation(rules.Situation),
        Stop(std::move(stop)),
        Budget(budget) {
    for (int n : unseen) Wall += n;
    Index13.assign(1024, None);
    Index14.assign(1024, None);
    Used = 2 * 1024 * sizeof(std::uint32_t);
  }

  // A 13-tile hand met with no draw made yet; its number, or None when it can
  // no longer get ready.
  std::uint32_t Start(const TKindCounts& h, int shanten, TKindMask kinds) { return Add13(KeyOf(h), shanten, kinds, 0); }

  void Work() {
    Build();
    Sweep();
  }

  // The ready, win and points figures of hand i with all the draws left.
  std::array<double, 3> Figures(std::uint32_t i) const {
    if (i == None) return {0.0, 0.0, 0.0};
    const float* v = Value13.data() + 3 * std::size_t{i};
    return {v[0], v[1], v[2]};
  }

  std::size_t Hands() const { return Hands13 + Hands14; }

private:
  const TKindCounts Base;
  const TKindCounts Unseen;
  const int R;
  const int FirstShanten;
  const int Extra;
  const TMjSituation Situation;
  std::stop_token Stop;
  const std::size_t Budget;
  std::size_t Used = 0;
  int Wall = 0;

  // While building: the hands' keys and what expanding them needs, and the
  // open-addressing indices from keys to numbers (doubled at half full).
  std::vector<TKey> Keys13, Keys14;
  std::vector<TKindMask> Kinds13;
  std::vector<std::uint8_t> Shanten14;
  std::vector<std::uint8_t> Depth13, Depth14;  // draws made before the hand is met, at least
  std::vector<std::uint32_t> Index13, Index14;
  // The graph: 13-tile hands' draws, 14-tile hands' discards, the points of
  // each win (then on the deal's first draw).
  std::vector<std::uint8_t> Shanten13;
  std::vector<std::uint8_t> Improving13, Other13;  // copies of the improving kinds, of the other kinds drawn into
  std::vector<std::uint32_t> Begin13, Draws, Begin14, Discards;
  std::vector<float> Wins;
  // Hands met within d draws, for d = 0..R: the first hands of each list.
  std::vector<std::uint32_t> Reach13, Reach14;
  std::vector<float> Value13, Value14;  // ready, win, points; 13-tile hands' worked out in place
  std::size_t Hands13 = 0, Hands14 = 0;

  int Beyond(const TKindCounts& h) const {
    int n = 0;
    for (int k = 0; k < KindCount; ++k) n += std::max(0, h[k] - Base[k]);
    return n;
  }

  // A hand inside the bound may draw any kind and throw any tile.
  bool Free(const TKindCounts& h, int shanten) const { return Beyond(h) + shanten < FirstShanten + Extra; }

  int InWall(const TKindCounts& h, int k) const { return Unseen[k] - std::max(0, h[k] - Base[k]); }

  // Room for `bytes` more, or the table does not fit.
  void Charge(std::size_t bytes) {
    if (Used + bytes > Budget) throw TTooBig{};
    Used += bytes;
  }

  template <class T>
  void Push(std::vector<T>& v, const T& x) {
    if (v.size() == v.capacity()) {
      const std::size_t old = v.capacity();
      const std::size_t grown = old + std::max<std::size_t>(256, old);
      Charge(grown * sizeof(T));  // while growing, the old block is held beside the new one
      v.reserve(grown);
      Used -= old * sizeof(T);
    }
    v.push_back(x);
  }

  template <class T>
  void Release(std::vector<T>& v) {
    Used -= v.capacity() * sizeof(T);
    std::vector<T>().swap(v);
  }

  static std::size_t Slot(const TKey& key, const std::vector<std::uint32_t>& index) {
    return mjhands::THash{}(key) & (index.size() - 1);
  }

  static std::uint32_t Find(const TKey& key, const std::vector<std::uint32_t>& index, const std::vector<TKey>& keys) {
    for (std::size_t i = Slot(key, index);; i = (i + 1) & (index.size() - 1)) {
      if (index[i] == None || keys[index[i]] == key) return index[i];
    }
  }

  void Enter(std::uint32_t n, std::vector<std::uint32_t>& index, const std::vector<TKey>& keys) {
    if (2 * (std::size_t{n} + 1) > index.size()) {
      Charge(2 * index.size() * sizeof(std::uint32_t));
      std::vector<std::uint32_t> grown(2 * index.size(), None);
      for (std::uint32_t m = 0; m < n; ++m) {
        std::size_t i = Slot(keys[m], grown);
        while (grown[i] != None) i = (i + 1) & (grown.size() - 1);
        grown[i] = m;
      }
      Used -= index.size() * sizeof(std::uint32_t);
      index.swap(grown);
    }
    std::size_t i = Slot(keys[n], index);
    while (index[i] != None) i = (i + 1) & (index.size() - 1);
    index[i] = n;
  }

  std::uint32_t Add13(const TKey& key, int shanten, TKindMask kinds, int depth) {
    const std::uint32_t found = Find(key, Index13, Keys13);
    if (found != None || shanten > R - depth) return found;  // too far to get ready in the draws left
    const auto n = static_cast<std::uint32_t>(Keys13.size());
    Push(Keys13, key);
    Push(Kinds13, kinds);
    Push(Shanten13, static_cast<std::uint8_t>(shanten));
    Push(Depth13, static_cast<std::uint8_t>(depth));
    Enter(n, Index13, Keys13);
    return n;
  }

  std::uint32_t Add14(const TKey& key, int shanten, int depth) {
    const std::uint32_t found = Find(key, Index14, Keys14);
    if (found != None || shanten > R - depth) return found;
    const auto n = static_cast<std::uint32_t>(Keys14.size());
    Push(Keys14, key);
    Push(Shanten14, static_cast<std::uint8_t>(shanten));
    Push(Depth14, static_cast<std::uint8_t>(depth));
    Enter(n, Index14, Keys14);
    return n;
  }

  // The draws of 13-tile hand i. A ready hand's winning kinds lead to wins.
  void Expand13(std::uint32_t i) {
    const TKey key = Keys13[i];
    TKindCounts h = CountsOf(key);
    const int shanten = Shanten13[i];
    const TKindMask kinds = Kinds13[i];
    const int depth = Depth13[i];
    int improving = 0;
    int other = 0;
    Push(Begin13, static_cast<std::uint32_t>(Draws.size()));
    const TKindMask all = (TKindMask{1} << KindCount) - 1;
    for (TKindMask drawn = depth >= R ? 0 : Free(h, shanten) ? all : kinds; drawn != 0; drawn &= drawn - 1) {
      const int k = std::countr_zero(drawn);
      const int n = InWall(h, k);
      if (n <= 0) continue;
      const bool improves = (kinds >> k & 1) != 0;
      (improves ? improving : other) += n;
      std::uint32_t target = None;
      if (improves && shanten == 0) {
        ++h[k];
        TMjSituation situation = Situation;
        const auto points = static_cast<float>(MjWinPoints(h, k, situation));
        situation.FirstDraw = true;
        const auto first = R == DealDraws ? static_cast<float>(MjWinPoints(h, k, situation)) : points;
        --h[k];
        target = static_cast<std::uint32_t>(Wins.size() / 2);
        Push(Wins, points);
        Push(Wins, first);
      } else {
        target = Add14(Plus(key, k), improves ? shanten - 1 : shanten, depth + 1);
      }
      // A hand that cannot get ready in time is worth nothing: its draw only counts among the copies.
      if (target == None) continue;
      Push(Draws, target | static_cast<std::uint32_t>(n) << CopiesShift | (improves ? ImprovesBit : 0));
    }
    Push(Improving13, static_cast<std::uint8_t>(improving));
    Push(Other13, static_cast<std::uint8_t>(other));
  }

  // The discards of 14-tile hand j: any inside the bound, else those that keep its shanten.
  void Expand14(std::uint32_t j) {
    const TKey key = Keys14[j];
    TKindCounts h = CountsOf(key);
    const int shanten = Shanten14[j];
    const bool free = Free(h, shanten);
    std::array<TMjDiscard, 14> discards;
    int count = 0;
    MjDiscardKinds(h, free ? shanten + 1 : shanten, discards, count);
    Push(Begin14, static_cast<std::uint32_t>(Discards.size()));
    for (int d = 0; d < count; ++d) {
      const TMjDiscard& discard = discards[static_cast<std::size_t>(d)];
      if (!free && discard.Shanten != shanten) continue;
      const std::uint32_t target = Add13(Minus(key, discard.Kind), discard.Shanten, discard.Kinds, Depth14[j]);
      if (target != None) Push(Discards, target);
    }
  }

  // Every hand in order of the draws made to meet it, so that the hands
  // asked for with r draws left are the first of each list.
  void Build() {
    std::uint32_t next13 = 0;
    std::uint32_t next14 = 0;
    int step = 0;
    while (next13 < Keys13.size() || next14 < Keys14.size()) {
      if (++step % 256 == 0 && Stop.stop_requested()) throw TStopped{};
      if (next14 < Keys14.size()) {
        Expand14(next14++);
      } else {
        Expand13(next13++);
      }
    }
    Push(Begin13, static_cast<std::uint32_t>(Draws.size()));
    Push(Begin14, static_cast<std::uint32_t>(Discards.size()));
    Hands13 = Keys13.size();
    Hands14 = Keys14.size();
    Reach13 = ReachOf(Depth13);
    Reach14 = ReachOf(Depth14);
    Release(Keys13);
    Release(Keys14);
    Release(Kinds13);
    Release(Shanten14);
    Release(Depth13);
    Release(Depth14);
    Release(Index13);
    Release(Index14);
    Charge(3 * (Hands13 + Hands14) * sizeof(float));
    Value13.assign(3 * Hands13, 0.0F);
    Value14.assign(3 * Hands14, 0.0F);
  }

  std::vector<std::uint32_t> ReachOf(const std::vector<std::uint8_t>& depths) const {
    std::vector<std::uint32_t> reach(static_cast<std::size_t>(R) + 1);
    for (int d = 0; d <= R; ++d) {
      reach[static_cast<std::size_t>(d)] = static_cast<std::uint32_t>(
          std::upper_bound(depths.begin(), depths.end(), static_cast<std::uint8_t>(d)) - depths.begin());
    }
    return reach;
  }

  void Best14(std::uint32_t hands) {
    for (std::uint32_t j = 0; j < hands; ++j) {
      float best[3] = {0.0F, 0.0F, 0.0F};
      for (std::uint32_t e = Begin14[j]; e < Begin14[j + 1]; ++e) {
        const float* v = Value13.data() + 3 * std::size_t{Discards[e]};
        for (int q = 0; q < 3; ++q) best[q] = std::max(best[q], v[q]);
      }
      std::copy_n(best, 3, Value14.data() + 3 * std::size_t{j});
    }
  }

  void Sweep() {
    for (std::size_t i = 0; i < Hands13; ++i) Value13[3 * i] = Shanten13[i] == 0 ? 1.0F : 0.0F;
    Best14(Reach14[static_cast<std::size_t>(R)]);
    for (int r = 1; r <= R; ++r) {
      if (Stop.stop_requested()) throw TStopped{};
      const double wallNow = Wall - R + r;  // tiles in the wall before this draw
      const double perWall = 1.0 / wallNow;
      const std::uint32_t hands = Reach13[static_cast<std::size_t>(R - r)];
      for (std::uint32_t i = 0; i < hands; ++i) {
        const int shanten = Shanten13[i];
        if (r < shanten) continue;  // not ready in time: nothing yet
        const double improving = Improving13[i];
        // Where the improving copies outnumber the wall, the draw is surely one of them.
        const double perImproving = improving > wallNow ? 1.0 / improving : perWall;
        const double rest = 1.0 - improving * perImproving;
        const double perOther = rest * Reciprocals[Other13[i]];
        const double stay = Other13[i] > 0 ? 0.0 : rest;  // the draw thrown back
        float* own = Value13.data() + 3 * std::size_t{i};
        double ready = stay * own[0];
        double win = stay * own[1];
        double points = stay * own[2];
        for (std::uint32_t e = Begin13[i]; e < Begin13[i + 1]; ++e) {
          const std::uint32_t draw = Draws[e];
          const bool improves = (draw & ImprovesBit) != 0;
          const double p = static_cast<double>(draw >> CopiesShift & 7) * (improves ? perImproving : perOther);
          const std::size_t target = draw & TargetMask;
          if (improves && shanten == 0) {
            win += p;
            points += p * Wins[2 * target + (r == DealDraws ? 1 : 0)];
          } else {
            const float* v = Value14.data() + 3 * target;
            ready += p * v[0];
            win += p * v[1];
            points += p * v[2];
          }
        }
        if (shanten > 0) own[0] = static_cast<float>(ready);
        own[1] = static_cast<float>(win);
        own[2] = static_cast<float>(points);
      }
      Best14(Reach14[static_cast<std::size_t>(R - r)]);
    }
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

TMjWorthTable Given(bool stopped) {
  TMjWorthTable table;
  table.Stopped = stopped;
  table.TooBig = !stopped;
  return table;
}

}  // namespace

TMjWorthTable MjWorths(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft, const TMjWorthRules& rules,
                       std::stop_token stop, std::size_t budget) {
  Check(hand, unseen, drawsLeft, rules, 14);
  const TMjDiscardTable discards = MjDiscards(hand);
  TMjWorthTable table;
  table.Shanten = discards.Shanten;
  const int lowest = std::max(0, discards.Shanten);
  try {
    TGraph graph(hand, unseen, drawsLeft, lowest, rules, std::move(stop), budget);
    // The first hand is inside the bound with a move allowed: then any discard.
    std::vector<std::uint32_t> kept;
    TKindCounts h = hand;
    for (const TMjDiscard& d : discards.Discards) {
      TMjWorth worth;
      worth.Kind = d.Kind;
      worth.Shanten = d.Shanten;
      worth.Counted = d.Shanten <= lowest || rules.Extra > 0;
      table.Discards.push_back(worth);
      --h[d.Kind];
      kept.push_back(worth.Counted ? graph.Start(h, d.Shanten, d.Kinds) : None);
      ++h[d.Kind];
    }
    graph.Work();
    for (std::size_t i = 0; i < kept.size(); ++i) {
      const auto [ready, win, points] = graph.Figures(kept[i]);
      table.Discards[i].Ready = ready;
      table.Discards[i].Win = win;
      table.Discards[i].Points = points;
    }
    table.Hands = graph.Hands();
  } catch (const TStopped&) {
    return Given(true);
  } catch (const TTooBig&) {
    return Given(false);
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
  return table;
}

TMjWorthTable MjHandWorths(const TKindCounts& hand, const TKindCounts& unseen, int drawsLeft,
                           const TMjWorthRules& rules, std::stop_token stop, std::size_t budget) {
  Check(hand, unseen, drawsLeft, rules, 13);
  const TMjUkeire u = MjUkeire(hand);
  TMjWorthTable table;
  table.Shanten = u.Shanten;
  try {
    TGraph graph(hand, unseen, drawsLeft, u.Shanten, rules, std::move(stop), budget);
    const std::uint32_t start = graph.Start(hand, u.Shanten, u.Kinds);
    graph.Work();
    const auto [ready, win, points] = graph.Figures(start);
    table.Ready = ready;
    table.Win = win;
    table.Points = points;
    table.Hands = graph.Hands();
  } catch (const TStopped&) {
    return Given(true);
  } catch (const TTooBig&) {
    return Given(false);
  }
  return table;
}
