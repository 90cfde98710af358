// Time per hand of TMjAgari::SearchMachi, built and searched as the
// waiting-tiles window does it, over two fixed sets of 10,000 hands:
// random 13-tile deals and complete hands with one tile taken out.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "analysis/Mjagari1.h"
#include "analysis/Tdebug1.h"
#include "bench/CompleteHands.h"
#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"

namespace {

constexpr int HandCount = 10000;

struct THand {
  std::array<TMjPai, 14> Tiles;  // 13 sorted hand tiles, then the tile asked about
  TPaiRow Row{};
};

// The rows point into the hands, so the set is built in place and never moves.
struct THandSet {
  std::vector<THand> Hands;

  void Link() {
    for (THand& hand : Hands) {
      for (std::size_t i = 0; i < 13; ++i) hand.Row[i] = &hand.Tiles[i];
    }
  }
};

// Deals from freshly shuffled walls; the tile asked about is the first draw.
THandSet RandomDeals() {
  Random.Seed(20240601);
  THandSet set;
  set.Hands.resize(HandCount);
  TMjTable table;
  for (THand& hand : set.Hands) {
    table.Shuffle();
    table.Haipai();
    table.SortTe();
    for (std::size_t i = 0; i < 13; ++i) hand.Tiles[i] = *table.Tepai[i];
    hand.Tiles[13] = *table.Tumo();
  }
  set.Link();
  return set;
}

// Four sets and a pair, no kind more than four times, minus one tile; that
// tile is the one asked about.
THandSet NearComplete() {
  TMjRandom gen;
  gen.Seed(31415);
  THandSet set;
  set.Hands.resize(HandCount);
  for (THand& hand : set.Hands) {
    const std::array<int, KindCount> counts = CompleteHand(gen);
    std::vector<TMjPai> all;
    for (int kind = 0; kind < KindCount; ++kind) {
      for (int copy = 0; copy < counts[static_cast<std::size_t>(kind)]; ++copy) all.emplace_back(4 * kind + copy, stTe);
    }
    const auto out = all.begin() + gen.Next() % 14;
    hand.Tiles[13] = *out;
    all.erase(out);
    std::copy(all.begin(), all.end(), hand.Tiles.begin());
  }
  set.Link();
  return set;
}

const THandSet& Deals() {
  static const THandSet set = RandomDeals();
  return set;
}

const THandSet& Waits() {
  static const THandSet set = NearComplete();
  return set;
}

void Search(benchmark::State& state, const THandSet& set, bool listening) {
  TScopedDebugSink sink(listening ? TDebug::TSink([](std::string_view) {}) : TDebug::TSink());
  std::size_t next = 0;
  for (auto _ : state) {
    const THand& hand = set.Hands[next];
    TMjAgari agari(hand.Row);
    benchmark::DoNotOptimize(agari.SearchMachi(&hand.Tiles[13]));
    benchmark::DoNotOptimize(agari.Machi.data());
    next = next + 1 == set.Hands.size() ? 0 : next + 1;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_RandomDeal_TraceOff(benchmark::State& state) { Search(state, Deals(), false); }
void BM_RandomDeal_TraceDiscarded(benchmark::State& state) { Search(state, Deals(), true); }
void BM_NearComplete_TraceOff(benchmark::State& state) { Search(state, Waits(), false); }
void BM_NearComplete_TraceDiscarded(benchmark::State& state) { Search(state, Waits(), true); }

}  // namespace

// One iteration is one hand; the median of the repetitions is the figure to read.
BENCHMARK(BM_RandomDeal_TraceOff)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_RandomDeal_TraceDiscarded)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_NearComplete_TraceOff)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_NearComplete_TraceDiscarded)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
