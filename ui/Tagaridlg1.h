#pragma once

// The waiting-tiles window: one row of up to 13 tile pictures, the tiles that
// would complete the practice hand. The practice window toggles it with F2 and
// the practice flow redraws it after every change of the hand, shown or not.

#include <QPoint>

#include "core/Mjpai1.h"
#include "core/Mjtable1.h"
#include "ui/Frarea1.h"
#include "ui/Frparts1.h"
#include "ui/Ttiledlg1.h"

class TAgariDlg : public TSideDlg {
  Q_OBJECT
public:
  static constexpr int MachiCells = 13;  // the most waits a hand can have: thirteen orphans
  static constexpr int MarkWidth = 2;    // the frame around a wait the drawn tile completes

  explicit TAgariDlg(QWidget* parent = nullptr);

  TFrMjSheet* FrMjSheet1;
  TFrMjPai* FrMjPai1;

  void FormCreate();
  // Analyses slots 0..12 of tepai and redraws all 13 cells. When test is a wait,
  // that wait is framed so the player sees the drawn tile would win.
  void ShowMachi(const TPaiRow& tepai, const TMjPai* test);

protected:
  // Centred under the window it works with (the practice window), else over it,
  // else right or left of it.
  std::vector<TSide> Sides() const override;
  void showEvent(QShowEvent* event) override;
};

extern TAgariDlg* AgariDlg;

// The frame colour of a winning wait: the sheet's red.
QColor AgariMarkColor();
