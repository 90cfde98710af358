// What a draw costs the analysis: judging it (the discard table of the 14
// tiles, which the flow computes after every draw) and showing it (the
// analysis window takes the new state and paints its client area). Deals are
// played from seeded walls, throwing the first tile of the table's best row.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_pairi

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <vector>

#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "game/Mjreview1.h"
#include "ui/Pairidlg1.h"

namespace {

constexpr int DealCount = 50;
constexpr int Draws = 18;

// The deal hands and the 18 draws of seeded full walls.
struct TDeal {
  TKindCounts Hand{};
  std::vector<int> Draws;
};

std::vector<TDeal> Deals() {
  Random.Seed(20240701);
  std::vector<TDeal> deals;
  TMjTable table;
  for (int d = 0; d < DealCount; ++d) {
    table.Shuffle();
    table.Clear();
    TDeal deal;
    for (int i = 0; i < 13; ++i) ++deal.Hand[static_cast<std::size_t>(table.Wall[static_cast<std::size_t>(i)]->Id / 4)];
    for (int i = 13; i < 13 + Draws; ++i) deal.Draws.push_back(table.Wall[static_cast<std::size_t>(i)]->Id / 4);
    deals.push_back(deal);
  }
  return deals;
}

// One review per deal, played to its end with the best discard each time.
std::vector<TMjReview> Played(const std::vector<TDeal>& deals) {
  std::vector<TMjReview> reviews;
  for (const TDeal& deal : deals) {
    TMjReview review;
    review.Start(deal.Hand);
    for (int kind : deal.Draws) {
      review.AddDraw(kind);
      review.AddDiscard(review.Steps.back().Best().Kind);
    }
    reviews.push_back(std::move(review));
  }
  return reviews;
}

// Time per draw: AddDraw (the 14 tiles' discard table) and the best discard.
void BM_JudgeDraw(benchmark::State& state) {
  const std::vector<TDeal> deals = Deals();
  std::size_t d = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const TDeal& deal = deals[d++ % deals.size()];
    TMjReview review;
    review.Start(deal.Hand);
    state.ResumeTiming();
    for (int kind : deal.Draws) {
      review.AddDraw(kind);
      review.AddDiscard(review.Steps.back().Best().Kind);
    }
    benchmark::DoNotOptimize(review.Steps.data());
  }
  state.SetItemsProcessed(state.iterations() * Draws);
}
BENCHMARK(BM_JudgeDraw)->Unit(benchmark::kMicrosecond);

// Time per showing: the window takes a decision after a draw (its whole table)
// and paints it, as it does on the screen when it is open.
void BM_ShowAndPaint(benchmark::State& state) {
  const std::vector<TMjReview> reviews = Played(Deals());
  // A review whose last draw still waits for its discard: a decision.
  std::vector<TMjReview> decisions;
  for (const TMjReview& played : reviews) {
    TMjReview r;
    r.Start(played.DealHand);
    for (std::size_t i = 0; i + 1 < played.Steps.size() / 2; ++i) {
      r.AddDraw(played.Steps[i].DrawnKind);
      r.AddDiscard(played.Steps[i].DiscardKind);
    }
    r.AddDraw(played.Steps[played.Steps.size() / 2].DrawnKind);
    decisions.push_back(std::move(r));
  }
  TPairiDlg window;
  QImage picture(window.Image1->size(), QImage::Format_RGB32);
  std::size_t d = 0;
  for (auto _ : state) {
    window.ShowPairi(decisions[d++ % decisions.size()], false);
    window.Image1->render(&picture);
  }
}
BENCHMARK(BM_ShowAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
