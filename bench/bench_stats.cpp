// Time to judge a folder of 10,000 record files, as the statistics window does:
// one thread, and the window's own run (listing, judging and summing) over
// the threads of the machine.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <map>
#include <utility>

#include "game/Mjstats1.h"
#include "tests/support/GeneratedRecords.h"
#include "ui/Statsdlg1.h"

namespace {

constexpr int FolderSize = 10000;

// The folders, each written once for all runs: deals of a player whose
// discards are best half of the time (skill 50), of one who always throws the
// best tile (skill 100), whose hands stand one away from ready or closer far
// more often, where each discard's win chances are worked out, and that
// player's one-suit deals (清一色), one away or closer at most draws.
const QTemporaryDir& Folder(int skill, bool oneSuit) {
  static std::map<std::pair<int, bool>, QTemporaryDir> folders;
  const auto key = std::make_pair(skill, oneSuit);
  const bool fresh = folders.find(key) == folders.end();
  QTemporaryDir& dir = folders[key];
  if (fresh)
    for (int i = 0; i < FolderSize; ++i) {
      std::ofstream out(QDir(dir.path()).filePath(QString::asprintf("deal%05d.csv", i)).toStdString(), std::ios::binary);
      out << GeneratedRecord(static_cast<std::uint32_t>(1000 + i), skill, 18, oneSuit);
    }
  return dir;
}
const QTemporaryDir& Folder(const benchmark::State& state) {
  return Folder(static_cast<int>(state.range(0)), state.range(1) != 0);
}

// The third argument: the moves off the shortest path of the model judged under.
void BM_FolderOneThread(benchmark::State& state) {
  const QString path = Folder(state).path();
  const std::vector<std::string> names = RecordFileNames(path);
  TMjModel model;
  model.Extra = static_cast<int>(state.range(2));
  for (auto _ : state) {
    std::vector<TMjRecordStats> results;
    results.reserve(names.size());
    for (const std::string& name : names)
      results.push_back(
          AnalyseRecordFile(QDir(path).filePath(QString::fromStdString(name)).toStdString(), name, {}, model));
    benchmark::DoNotOptimize(SumStats(results));
  }
  state.counters["files"] = static_cast<double>(names.size());
}
BENCHMARK(BM_FolderOneThread)
    ->Args({50, 0, 0})
    ->Args({100, 0, 0})
    ->Args({100, 1, 0})
    ->Args({50, 0, 1})
    ->Args({100, 0, 1})
    ->Args({100, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_FolderAsTheWindow(benchmark::State& state) {
  const QString path = Folder(state).path();
  QThreadPool pool;
  for (auto _ : state) {
    QFuture<TStatsRun> run = AnalyseFolder(path, &pool);
    benchmark::DoNotOptimize(run.takeResult().Totals);
  }
}
BENCHMARK(BM_FolderAsTheWindow)->Args({50, 0})->Args({100, 0})->Args({100, 1})->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime()->UseRealTime();

// The whole command as the player meets it: the run, then the totals, the
// charts and the table of 10,000 deals shown and painted.
void BM_WindowShowsFolder(benchmark::State& state) {
  const QString path = Folder(state).path();
  TStatsDlg window;
  window.show();
  for (auto _ : state) {
    window.Analyse(path);
    window.WaitForResult();
    window.repaint();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_WindowShowsFolder)->Args({50, 0})->Args({100, 0})->Args({100, 1})->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
