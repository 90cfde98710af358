#include "ui/Tchance1.h"

#include <algorithm>
#include <utility>

TChanceJob::TChanceJob(QObject* parent) : QObject(parent) {}

// The worker is stopped and joined before the object goes.
TChanceJob::~TChanceJob() = default;

void TChanceJob::Request(int draw, const TMjDecision& decision) {
  Cancel();
  const int serial = Serial;
  Wanted = draw;
  Asked = decision;
  Running = true;
  Worker = std::jthread([this, serial, draw, decision](std::stop_token stop) {
    int tiles = 0;
    for (const int n : decision.Hand) tiles += n;
    // 13 tiles have no discard: the hand's own chances.
    const TMjChanceTable table =
        tiles == 13 ? MjHandChances(decision.Hand, decision.Unseen(), decision.DrawsLeft, std::move(stop))
                    : MjChances(decision.Hand, decision.Unseen(), decision.DrawsLeft, std::move(stop));
    if (table.Stopped) return;
    QMetaObject::invokeMethod(
        this,
        [this, serial, draw, table] {
          if (serial != Serial) return;
          Running = false;
          emit Done(draw, table);
        },
        Qt::QueuedConnection);
  });
}

void TChanceJob::Cancel() {
  ++Serial;
  Running = false;
  Worker = std::jthread();  // the search gives up at its next new hand
}

QString ChancePercent(double p) { return QString::number(100.0 * p, 'f', 1) + QLatin1Char('%'); }
