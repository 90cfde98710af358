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
#include "core/Mjrandom1.h"

namespace {

constexpr int DrawsLeft = DealDraws - 1;

// The first `count` seeded deals whose shanten lies in [low, high].
std::vector<TKindCounts> Deals(int low, int high, int count) {
  TMjRandom gen;
  gen.Seed(20261209u);
  std::vector<TKindCounts> hands;
  while (static_cast<int>(hands.size()) < count) {
    std::array<int, 136> wall;
    for (int i = 0; i < 136; ++i) wall[i] = i / 4;
    TKindCounts hand{};
    for (int i = 0; i < 14; ++i) {
      std::swap(wall[i], wall[i + gen.Next() % (136 - i)]);
      ++hand[wall[i]];
    }
    const int shanten = MjShanten(hand);
    if (shanten >= low && shanten <= high) hands.push_back(hand);
  }
  return hands;
}

void Chances(benchmark::State& state) {
  const int low = static_cast<int>(state.range(0));
  const int high = static_cast<int>(state.range(1));
  const std::vector<TKindCounts> hands = Deals(low, high, static_cast<int>(state.range(2)));
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
