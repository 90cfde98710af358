#pragma once

// The practice window: a row of discards above a row of hand tiles, the
// guidance line under them and the draw counter in the status bar. It owns the
// table and the practice flow, shows what the flow paints, and offers the
// flow's commands and the record save in its menu.
//
// While a step of the flow waits in a pause, the window keeps what the player
// does to it (hand clicks, F2, F5, F6, menu commands) and handles it in order
// when the step is over. Everything else (painting, moving windows, the waits
// window, dialogs) goes on as usual.

#include <QString>
#include <array>
#include <deque>
#include <functional>

#include "game/Mjposition1.h"
#include "analysis/Mjscore1.h"
#include "core/Mjtable1.h"
#include "records/Mjrecord1.h"
#include "game/Mjgame1.h"
#include "records/Mjrecord1.h"
#include "ui/Frarea1.h"
#include "ui/Frparts1.h"
#include "ui/Tkeys1.h"
#include "ui/Ttiledlg1.h"

class QAction;
class QFile;
class QKeyEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;
class TPairiDlg;

class TBoardDlg;

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
  // default extension and the last name chosen, which it offers again; before
  // the first, the name of the deal's date and time.
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
  QAction* MnPairi;        // F3: the analysis window
  QAction* MnPairiAfter;   // the drill: a decision's table only after the discard
  QMenu* MnSeat;           // the seat wind a win is scored under, 東 南 西 北
  QMenu* MnRound;          // and the round wind
  std::array<QAction*, 4> MnSeatWind;
  std::array<QAction*, 4> MnRoundWind;
  TSaveDialog SaveDialog1;
  TRecordClock Clock = LocalNow;  // the time stamp of a saved record (tests set it)
  QTimer* PauseTimer;      // ends the running step's pause
  // With TILELAB_TRACE naming a file, each new text of the draw counter goes
  // there too, a line each: end-to-end tests count deals and draws by it.
  QFile* Trace = nullptr;

  // Tests shorten the pauses: the milliseconds to wait for a pause of ms, or a
  // negative number to go straight on.
  std::function<int(int ms)> PauseHook;

  // One thing the player did to this window, handled at once or, while a step
  // runs, when it is over.
  struct TInput {
    enum class TKind { Command, Tile };
    TKind Kind = TKind::Command;
    void (TMainDlg::*Command)() = nullptr;  // Command: a key's or menu item's handler
    TMjGame::TTileClick Tile;               // Tile: the tile clicked, thrown away if still in hand
  };
  void Input(const TInput& input);
  // A step runs, or the opening waits for the window to come on the screen.
  bool Busy() const;
  std::size_t QueuedCount() const { return Queued.size(); }

  // The practice keys (F2, F3, F5, F6 and those of keyboard play), the window's
  // own or as another window passes them on, releases included; true when the
  // key is one of them. A held key acts once, but for the arrows, Home and End.
  bool PracticeKey(const QKeyEvent& event);
  // The keys of keyboard play (arrows, Home, End, Return, Space); true when taken.
  bool PlayKey(const QKeyEvent& event, bool repeat);

  // The practice mode, set by the menu window before each opening.
  void SetTinitu(bool tinitu) { Game.Tinitu = tinitu; }
  bool Tinitu() const { return Game.Tinitu; }
  TMjTable& MjTable() { return Table; }
  const TMjReview& Review() const { return Game.Review(); }
  // The decision on the table as a position to share: the hand, own discards
  // seen, the draws left, the wall of this mode and the remembered winds.
  TMjPosition ShownPosition() const;
  TBoardDlg* Board = nullptr;  // pasted positions

  // The preparation at each opening, then the modal show. The window is modal to
  // the window that opened it only, so the waiting-tiles window stays usable.
  void Prepare();
  int ShowModal();
  // Plays the saved deal of fileName again (the viewer's この牌譜で練習): its
  // mode, its wall, its name in the title. Saves offer a new name beside it
  // and never write over it.
  int ShowReplay(const TMjReplay& replay, const QString& fileName);
  bool Replaying() const { return Game.Replaying(); }

  // Handlers; the play itself is the flow's.
  void SaveAs2Click();
  void Exit1Click();
  void MnStartClick() {
    Game.MnStartClick();
    ShowReplayTitle(false);
  }
  void MnStart2Click() {
    Game.MnStart2Click();
    ShowReplayTitle(false);
  }
  void MnRetryClick() { Game.MnRetryClick(); }
  void MnHopeClick() { Game.MnHopeClick(); }
  void MnPairiClick();
  void MnPairiAfterClick();
  void MnWindClick();      // a wind chosen: remembered, and the win shown is valued anew
  TMjSituation Winds() const;  // the winds checked
  void TepaiClick(TFrArea* sender);
  void FormShow() { Game.FormShow(); }
  void FormHide();

  // TMjDisplay: the flow's display operations on this window.
  void PaintTepaiCell(int i, const TMjPai* pai) override;
  void PaintSutepaiCell(int i, const TMjPai* pai) override;
  void RepaintNow() override;
  void ShowProgress(int draws, bool dealOver) override;
  bool Pause(int ms) override;
  bool MachiVisible() override;
  void ShowMachiWindow() override;
  void HideMachiWindow() override;
  void ShowMachi(const TPaiRow& tepai, const TMjPai* test) override;
  void ShowPairi(const TMjReview& review) override;
  void ShowSelection(int i) override;

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

private:
  TParts PaiParts(const TMjPai* pai);
  QLabel* MakeLabel(const QString& text, int width, Qt::Alignment alignment);
  void Connect(QAction* item, void (TMainDlg::*handler)());
  QAction* NewDealItem() const;  // the visible one of MnStart and MnStart2
  void Handle(const TInput& input);
  void PauseOver();
  void RunQueued();
  void StartOpening();
  void ShowPairiWindow();
  void ShowWin(const TMjReview& review);  // the status notice and the analysis window's score
  void ShowReplayTitle(bool replaying);   // the mode, and the record while its deal is replayed
  bool IsReplayedFile(const QString& fileName) const;

  QWidget* Selection = nullptr;  // the keyboard's frame over a hand cell
  TMjTable Table;
  TMjGame Game{Table, *this};
  std::deque<TInput> Queued;
  bool OpeningPending = false;  // shown, the opening waits for the window to be on the screen
  bool DoubleClicked = false;   // the release that ends a double-click is no second click
  TKeyRepeats Repeats;
  QString ReplayFile;  // the record replayed in this showing, never written over
};

extern TMainDlg* MainDlg;
