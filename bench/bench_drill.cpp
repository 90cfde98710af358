// Time to build the drill's deck from a folder of 10,000 record files: listed,
// read, every discard judged and the decisions that were not best kept as cards,
// on one thread as the drill window runs it off its own. Arguments: the copies
// threshold, and the win-chance threshold in percent points (0: not used).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "game/Mjdrill1.h"
#include "tests/support/GeneratedRecords.h"

namespace {

constexpr int FolderSize = 10000;

// The folder, written once for all runs and removed at exit.
const std::string& Folder() {
  static const std::string folder = [] {
    std::string name = (std::filesystem::temp_directory_path() / "tilelab-drill-bench-XXXXXX").string();
    if (!::mkdtemp(name.data())) throw std::runtime_error("no temporary folder");
    for (int i = 0; i < FolderSize; ++i) {
      char file[32];
      std::snprintf(file, sizeof file, "/deal%05d.csv", i);
      std::ofstream(name + file, std::ios::binary) << GeneratedRecord(static_cast<std::uint32_t>(1000 + i));
    }
    std::atexit([] { std::filesystem::remove_all(Folder()); });
    return name;
  }();
  return folder;
}

void BM_BuildDeck(benchmark::State& state) {
  const std::string& folder = Folder();
  TMjCardRule rule;
  rule.MinLostCopies = static_cast<int>(state.range(0));
  rule.MinLostWin = static_cast<double>(state.range(1));
  std::size_t cards = 0;
  for (auto _ : state) {
    const TMjDrillDeck deck = BuildDrillDeck(folder, rule);
    cards = deck.Cards.size();
    benchmark::DoNotOptimize(cards);
  }
  state.counters["cards"] = static_cast<double>(cards);
}
BENCHMARK(BM_BuildDeck)
    ->Args({1, 0})
    ->Args({4, 0})
    ->Args({1, 1})
    ->Args({4, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
