#pragma once

// The ready and win chances of a practice decision, computed off the window's
// thread so that the flow never waits for them. A newer request stops the
// older one; the answer comes back on the window's thread through Done.

#include <QObject>
#include <QString>
#include <thread>

#include "analysis/Mjprob1.h"

class TChanceJob : public QObject {
  Q_OBJECT
public:
  // Hands farther from ready take too long to stay live: the windows show
  // only their effective tiles.
  static constexpr int MaxShanten = 4;

  explicit TChanceJob(QObject* parent = nullptr);
  ~TChanceJob() override;

  // The 14 tiles after draw `draw` (1..18), the player's own discards before
  // it (or every tile seen), and whether the wall holds the characters only;
  // 13 tiles give the hand's own chances with 18 - draw draws to come.
  void Request(int draw, const TKindCounts& hand, const TKindCounts& seen, bool oneSuit);
  void Cancel();
  bool Busy() const { return Running; }
  int Draw() const { return Wanted; }  // the draw asked for last

signals:
  void Done(int draw, const TMjChanceTable& table);

private:
  std::jthread Worker;  // assigning a new one stops and joins the old one
  int Serial = 0;       // answers to older requests are dropped
  int Wanted = 0;
  bool Running = false;
};

// "23.4%".
QString ChancePercent(double p);
