// Time to judge a folder of 10,000 record files, as the statistics window does:
// one thread, and the window's own run (listing, judging and summing) over
// the threads of the machine.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>

#include "game/Mjstats1.h"
#include "tests/support/GeneratedRecords.h"
#include "ui/Statsdlg1.h"

namespace {

constexpr int FolderSize = 10000;

// The folder, written once for all runs.
const QTemporaryDir& Folder() {
  static QTemporaryDir dir;
  static const bool written = [] {
    for (int i = 0; i < FolderSize; ++i) {
      std::ofstream out(QDir(dir.path()).filePath(QString::asprintf("deal%05d.csv", i)).toStdString(), std::ios::binary);
      out << GeneratedRecord(static_cast<std::uint32_t>(1000 + i));
    }
    return true;
  }();
  (void)written;
  return dir;
}

void BM_FolderOneThread(benchmark::State& state) {
  const QString path = Folder().path();
  const std::vector<std::string> names = RecordFileNames(path);
  for (auto _ : state) {
    std::vector<TMjRecordStats> results;
    results.reserve(names.size());
    for (const std::string& name : names)
      results.push_back(AnalyseRecordFile(QDir(path).filePath(QString::fromStdString(name)).toStdString(), name));
    benchmark::DoNotOptimize(SumStats(results));
  }
  state.counters["files"] = static_cast<double>(names.size());
}
BENCHMARK(BM_FolderOneThread)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FolderAsTheWindow(benchmark::State& state) {
  const QString path = Folder().path();
  QThreadPool pool;
  for (auto _ : state) {
    QFuture<TStatsRun> run = AnalyseFolder(path, &pool);
    benchmark::DoNotOptimize(run.takeResult().Totals);
  }
}
BENCHMARK(BM_FolderAsTheWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
