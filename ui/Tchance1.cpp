#include "ui/Tchance1.h"

#include <algorithm>

TChanceJob::TChanceJob(QObject* parent) : QObject(parent) {}

// The worker is stopped and joined before the object goes.
TChanceJob::~TChanceJob() = default;

void TChanceJob::Request(int draw, const TKindCounts& hand, const TKindCounts& seen, bool oneSuit) {
  Cancel();
  const int serial = Serial;
  Wanted = draw;
  Running = true;
  Worker = std::jthread([this, serial, draw, hand, seen, oneSuit](std::stop_token stop) {
    const TKindCounts unseen = MjUnseen(hand, seen, oneSuit);
    int tiles = 0;
    for (int n : hand) tiles += n;
    // 13 tiles (a position before its draw) have no discard: the hand's own chances.
    const TMjChanceTable table = tiles == 13 ? MjHandChances(hand, unseen, DealDraws - draw, stop)
                                             : MjChances(hand, unseen, DealDraws - draw, stop);
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
