#include "ui/Tchance1.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/Tscore1.h"

namespace {
const QString MovesKey = QStringLiteral("Display/Moves");
}

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
    // 13 tiles have no discard: the hand's own chances.
    const TMjChanceTable table = MjDecisionChances(decision, std::move(stop));
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

QString PointsText(double points) {
  if (std::isnan(points)) return QStringLiteral("-");  // too far to work out
  return QString::number(points, 'f', 0) + TModelChoice::tr("点");
}

TModelChoice& TModelChoice::Instance() {
  static TModelChoice choice;
  return choice;
}

int TModelChoice::Moves() {
  bool ok = false;
  const int moves = QSettings().value(MovesKey, DefaultMoves).toInt(&ok);
  return ok && moves >= 0 && moves <= MjModelMaxExtra ? moves : DefaultMoves;
}

void TModelChoice::SetMoves(int moves) {
  if (moves == Moves()) return;
  QSettings().setValue(MovesKey, moves);
  emit Instance().Changed();
}

TMjModel TModelChoice::Model() {
  const TMjSituation winds = TScoreText::RememberedWinds();
  return {Moves(), winds.SeatWind, winds.RoundWind};
}

QString TModelChoice::Name(int extra) {
  switch (extra) {
    case 0: return tr("最短経路");
    case 1: return tr("手替わり 1 手");
    default: return tr("手替わり・向聴戻し %1 手").arg(extra);
  }
}

QMenu* TModelChoice::AddMenu(QMenu* parent) {
  QMenu* menu = parent->addMenu(tr("確率のモデル(&M)"));
  menu->setToolTip(
      tr("聴牌率・和了率・期待値の計算で、最短経路のほかに許す寄り道の手数。\n"
         "遠い手では時間内に計算できる手数まで下げ、窓にそのモデルを示す。"));
  menu->setToolTipsVisible(true);
  auto* group = new QActionGroup(menu);
  const QString texts[] = {tr("最短経路のみ(&0)"), tr("手替わり 1 手まで(&1)"), tr("向聴戻しまで 2 手(&2)")};
  for (int moves = 0; moves <= MjModelMaxExtra; ++moves) {
    QAction* item = group->addAction(texts[moves]);
    item->setCheckable(true);
    item->setData(moves);
    menu->addAction(item);
    QObject::connect(item, &QAction::triggered, menu, [moves] { SetMoves(moves); });
  }
  const auto check = [group] {
    for (QAction* item : group->actions()) item->setChecked(item->data().toInt() == Moves());
  };
  check();
  QObject::connect(&Instance(), &TModelChoice::Changed, menu, check);
  return menu;
}
