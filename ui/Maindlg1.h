#pragma once

// The practice window: a row of discards above a row of hand tiles, the
// guidance line under them and the draw counter in the status bar. It owns the
// table and the practice flow, shows what the flow paints, and offers the
// flow's commands and the record save in its menu.

#include <QString>
#include <functional>

#include "core/Mjtable1.h"
#include "game/Mjgame1.h"
#include "ui/Frarea1.h"
#include "ui/Frparts1.h"
#include "ui/Ttiledlg1.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QShortcut;

class TMainDlg : public TFramedDlg, public TMjDisplay {
  Q_OBJECT
public:
  static constexpr int StatusTextWidth = 100;  // panel 0: the draw counter
  static constexpr int StatusRestWidth = 50;   // panel 1 stays empty
  static constexpr int RowLeft = 45;           // the labels' margin left of the rows
  static constexpr int ExtraWidth = 49;        // client width beyond the rows: margin and border
  static constexpr int ExtraHeight = 48;       // client height beyond the rows: guidance, border, status
  static constexpr int LabelWidth = 40;
  static constexpr int LabelHeight = 13;
  static constexpr int LabelTop = 8;           // below the top of the label's row
  static constexpr int GuideWidth = 213;

  explicit TMainDlg(QWidget* parent = nullptr);
  ~TMainDlg() override;

  // The record command's save dialog: its filter ("text|pattern" pairs), its
  // default extension and the last name chosen, which it offers again.
  class TSaveDialog {
  public:
    QString Filter;
    QString DefaultExt;
    QString FileName;
    // Answers a file name, or an empty text for a cancel, in place of the file
    // dialog (tests).
    std::function<QString(const TSaveDialog&)> Hook;
    // False when cancelled; otherwise FileName holds the name, with the default
    // extension added when it has none.
    bool Execute(QWidget* owner);
  };

  // Components, in the order of the window's layout, after the frame's.
  TFrMjSutepai* FrMjSutepai1;
  TFrMjTepai* FrMjTepai1;
  TFrMjPai* FrMjPai1;
  QLabel* LbSute;
  QLabel* LbTe;
  QLabel* LbGuide;
  QMenuBar* MainMenu1;
  QMenu* File1;
  QAction* SaveAs2;
  QAction* N2;
  QAction* Exit1;
  QMenu* T1;
  QAction* MnStart;
  QAction* MnStart2;
  QAction* MnRetry;
  QMenu* V1;
  QAction* MnHope;
  QShortcut* StartKey;     // F5 acts for whichever new-deal item is visible
  TSaveDialog SaveDialog1;

  // The practice mode, set by the menu window before each opening.
  void SetTinitu(bool tinitu) { Game.Tinitu = tinitu; }
  bool Tinitu() const { return Game.Tinitu; }
  TMjTable& MjTable() { return Table; }

  // The preparation at each opening, then the modal show. The window is modal to
  // the window that opened it only, so the waiting-tiles window stays usable.
  void Prepare();
  int ShowModal();

  // Handlers; the play itself is the flow's.
  void SaveAs2Click();
  void Exit1Click();
  void MnStartClick() { Game.MnStartClick(); }
  void MnStart2Click() { Game.MnStart2Click(); }
  void MnRetryClick() { Game.MnRetryClick(); }
  void MnHopeClick() { Game.MnHopeClick(); }
  void TepaiClick(TFrArea* sender) { Game.TepaiClick(sender->SelIndex); }
  void FormShow() { Game.FormShow(); }
  void FormHide() { Game.FormHide(); }

  // TMjDisplay: the flow's display operations on this window.
  void PaintTepaiCell(int i, const TMjPai* pai) override;
  void PaintSutepaiCell(int i, const TMjPai* pai) override;
  void RepaintNow() override;
  void SetGuideText(const std::string& text) override;
  void SetStatusText(const std::string& text) override;
  void Pause(int ms) override;
  bool MachiVisible() override;
  void ShowMachiWindow() override;
  void HideMachiWindow() override;
  void ShowMachi(const TPaiRow& tepai, const TMjPai* test) override;

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

private:
  TParts PaiParts(const TMjPai* pai);
  QLabel* MakeLabel(const QString& text, int width, Qt::Alignment alignment);
  void Connect(QAction* item, void (TMainDlg::*handler)());

  TMjTable Table;
  TMjGame Game{Table, *this};
};

extern TMainDlg* MainDlg;
