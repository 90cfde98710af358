#pragma once

// The ready and win chances of a practice decision, computed off the window's
// thread so that the flow never waits for them. A newer request stops the
// older one; the answer comes back on the window's thread through Done.

#include <QObject>
#include <QString>
#include <thread>

class QMenu;

#include "analysis/Mjprob1.h"
#include "game/Mjdecision1.h"

class TChanceJob : public QObject {
  Q_OBJECT
public:
  // Hands farther from ready take too long to stay live: the windows show
  // only their effective tiles.
  static constexpr int MaxShanten = 4;

  explicit TChanceJob(QObject* parent = nullptr);
  ~TChanceJob() override;

  // The decision after draw `draw` (1..18): its hand, seen tiles, wall and
  // draws left. 13 tiles (a position before its draw) give the hand's own chances.
  void Request(int draw, const TMjDecision& decision);
  void Cancel();
  bool Busy() const { return Running; }
  int Draw() const { return Wanted; }  // the draw asked for last
  // Whether the computation running is the one for this decision: another
  // hand at the same draw is another computation.
  bool Computing(const TMjDecision& decision) const { return Running && Asked == decision; }

signals:
  void Done(int draw, const TMjChanceTable& table);

private:
  std::jthread Worker;  // assigning a new one stops and joins the old one
  int Serial = 0;       // answers to older requests are dropped
  int Wanted = 0;
  TMjDecision Asked;
  bool Running = false;
};

// "23.4%".
QString ChancePercent(double p);
// Expected points, "1234点"; "-" for NaN (too far to work out).
QString PointsText(double points);

// The model the player chose in 表示 for every window's chances and verdicts:
// the moves off the shortest path (remembered), under the practice's winds.
// Windows follow Changed.
class TModelChoice : public QObject {
  Q_OBJECT
public:
  // Shape changes (one move) unless the player chose otherwise.
  static constexpr int DefaultMoves = MjModelDefaultExtra;
  static TModelChoice& Instance();
  static int Moves();
  static void SetMoves(int moves);  // remembers it; Changed when it differs
  static TMjModel Model();
  // What a window says its figures allow: "最短経路", "手替わり 1 手", ...
  static QString Name(int extra);
  // 確率のモデル, a submenu of parent whose items follow the choice wherever it is made.
  static QMenu* AddMenu(QMenu* parent);
  // The winds changed: the points of wins follow.
  static void WindsChanged() { emit Instance().Changed(); }

signals:
  void Changed();
};
