// Time for the whole table of ready and win chances of a 14-tile hand with 17
// draws left, by the shanten of the hand: seeded deals of 14 tiles, the first
// few of each shanten (1-2 together, then 3, 4, 5 and 6). Run with
// --benchmark_repetitions=5 for the median of five.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "analysis/Mjprob1.h"
#include "bench/SeededDeals.h"

namespace {

constexpr int DrawsLeft = DealDraws - 1;

void Chances(benchmark::State& state) {
  const int low = static_cast<int>(state.range(0));
  const int high = static_cast<int>(state.range(1));
  const std::vector<TKindCounts> hands = SeededDeals(low, high, static_cast<int>(state.range(2)));
  std::size_t i = 0;
  std::size_t met = 0;
  for (auto _ : state) {
    const TKindCounts& hand = hands[i++ % hands.size()];
    const TMjChanceTable table = MjChances(hand, MjUnseen(hand, NoKinds), DrawsLeft);
    met = std::max(met, table.Hands);
    benchmark::DoNotOptimize(table.Win);
  }
  state.counters["most_hands"] = static_cast<double>(met);
}

}  // namespace

// Arguments: lowest and highest shanten, hands taken.
BENCHMARK(Chances)->Name("Chances/shanten1to2")->Args({1, 2, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(Chances)->Name("Chances/shanten3")->Args({3, 3, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(Chances)->Name("Chances/shanten4")->Args({4, 4, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(Chances)->Name("Chances/shanten5")->Args({5, 5, 5})->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Chances)->Name("Chances/shanten6")->Args({6, 6, 1})->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
