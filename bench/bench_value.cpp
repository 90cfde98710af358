// Time for the whole table of what every discard of a 14-tile hand is worth
// (ready and win chances and expected points together) with 17 draws left, by
// the shanten of the hand and the moves off the shortest path allowed: seeded
// deals of 14 tiles, the same ones bench_prob takes. Run with
// --benchmark_repetitions=5 for the median of five.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

#include "analysis/Mjvalue1.h"
#include "bench/SeededDeals.h"

namespace {

constexpr int DrawsLeft = DealDraws - 1;

// Arguments: shanten, hands taken, moves off the path, and the memory allowed
// in MB where more than a window's (counted in too_big when even that is short).
void Worths(benchmark::State& state) {
  const int shanten = static_cast<int>(state.range(0));
  const std::vector<TKindCounts> hands = SeededDeals(shanten, shanten, static_cast<int>(state.range(1)));
  TMjWorthRules rules;
  rules.Extra = static_cast<int>(state.range(2));
  const std::size_t budget = state.range(3) > 0 ? static_cast<std::size_t>(state.range(3)) << 20 : MjWorthBudget;
  std::size_t i = 0;
  std::size_t met = 0;
  int tooBig = 0;
  for (auto _ : state) {
    const TKindCounts& hand = hands[i++ % hands.size()];
    const TMjWorthTable table = MjWorths(hand, MjUnseen(hand, NoKinds), DrawsLeft, rules, {}, budget);
    met = std::max(met, table.Hands);
    tooBig += table.TooBig ? 1 : 0;
    benchmark::DoNotOptimize(table.Points);
  }
  state.counters["most_hands"] = static_cast<double>(met);
  state.counters["too_big"] = tooBig;
}

}  // namespace

BENCHMARK(Worths)->Name("Worths/extra0/shanten1")->Args({1, 20, 0, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(Worths)->Name("Worths/extra0/shanten2")->Args({2, 20, 0, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(Worths)->Name("Worths/extra0/shanten3")->Args({3, 20, 0, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(Worths)->Name("Worths/extra0/shanten4")->Args({4, 20, 0, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(Worths)->Name("Worths/extra1/shanten1")->Args({1, 20, 1, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(Worths)->Name("Worths/extra1/shanten2")->Args({2, 20, 1, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(Worths)->Name("Worths/extra1/shanten3")->Args({3, 20, 1, 0})->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(Worths)->Name("Worths/extra1/shanten4")->Args({4, 10, 1, 1024})->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(Worths)->Name("Worths/extra2/shanten1")->Args({1, 20, 2, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(Worths)->Name("Worths/extra2/shanten2")->Args({2, 10, 2, 0})->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();
