// Time per hand of the shanten engine over the fixed, seeded hand sets of
// ShantenHands.h. The last benchmark runs the plain search of the tests and the
// engine on the same hands and prints how many times faster the engine is.

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "analysis/Mjshanten1.h"
#include "analysis/Mjshantentable1.h"
#include "bench/ShantenHands.h"
#include "tests/support/ShantenReference.h"

namespace {

const std::vector<TKindCounts>& Deals13() {
  static const auto hands = RandomDeals(13);
  return hands;
}
const std::vector<TKindCounts>& Deals14() {
  static const auto hands = RandomDeals(14);
  return hands;
}
const std::vector<TKindCounts>& Near14() {
  static const auto hands = NearComplete();
  return hands;
}

template <class Work>
void Run(benchmark::State& state, const std::vector<TKindCounts>& hands, Work work) {
  std::size_t next = 0;
  for (auto _ : state) {
    work(hands[next]);
    next = next + 1 == hands.size() ? 0 : next + 1;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Shanten14_RandomDeal(benchmark::State& state) {
  Run(state, Deals14(), [](const TKindCounts& h) { benchmark::DoNotOptimize(MjShanten(h)); });
}
void BM_Shanten14_NearComplete(benchmark::State& state) {
  Run(state, Near14(), [](const TKindCounts& h) { benchmark::DoNotOptimize(MjShanten(h)); });
}
void BM_Ukeire13_RandomDeal(benchmark::State& state) {
  Run(state, Deals13(), [](const TKindCounts& h) { benchmark::DoNotOptimize(MjUkeire(h)); });
}
void BM_Discards14_RandomDeal(benchmark::State& state) {
  Run(state, Deals14(), [](const TKindCounts& h) { benchmark::DoNotOptimize(MjDiscards(h).Discards.data()); });
}
void BM_Discards14_NearComplete(benchmark::State& state) {
  Run(state, Near14(), [](const TKindCounts& h) { benchmark::DoNotOptimize(MjDiscards(h).Discards.data()); });
}

// The plain search and the engine on the same random deals plus a draw, one
// discard table each; counters: microseconds per hand and the ratio.
void BM_Discards14_PlainSearchVersusEngine(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const std::vector<TKindCounts>& hands = Deals14();
  Clock::duration plain{};
  Clock::duration engine{};
  std::size_t next = 0;
  for (auto _ : state) {
    const TKindCounts& hand = hands[next];
    const auto t0 = Clock::now();
    benchmark::DoNotOptimize(reference::Discards(hand, NoKinds).Discards.data());
    const auto t1 = Clock::now();
    for (int i = 0; i < 100; ++i) benchmark::DoNotOptimize(MjDiscards(hand).Discards.data());
    const auto t2 = Clock::now();
    plain += t1 - t0;
    engine += (t2 - t1) / 100;
    next = next + 1 == hands.size() ? 0 : next + 1;
  }
  const double plainUs = std::chrono::duration<double, std::micro>(plain).count() / static_cast<double>(state.iterations());
  const double engineUs = std::chrono::duration<double, std::micro>(engine).count() / static_cast<double>(state.iterations());
  state.counters["plain_us"] = plainUs;
  state.counters["engine_us"] = engineUs;
  state.counters["ratio"] = plainUs / engineUs;
}

// The tables' size, as a counter (they are data in the program, built with it).
void BM_TableBytes(benchmark::State& state) {
  using namespace shanten_table;
  for (auto _ : state) benchmark::DoNotOptimize(SuitClass[0]);
  state.counters["table_bytes"] =
      static_cast<double>(sizeof SuitClass + sizeof HonourClass + sizeof SuitSuit + sizeof SuitHonour +
                          sizeof SuitProduct + sizeof HonourProduct + sizeof SuitComplete + sizeof HonourComplete +
                          sizeof SuitGain + sizeof HonourGain);
}

}  // namespace

// One iteration is one hand; read the medians of the repetitions.
BENCHMARK(BM_Shanten14_RandomDeal)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Shanten14_NearComplete)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Ukeire13_RandomDeal)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Discards14_RandomDeal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Discards14_NearComplete)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Discards14_PlainSearchVersusEngine)->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(BM_TableBytes)->Iterations(1);

BENCHMARK_MAIN();
