#pragma once

// The drill 復習: the decisions of a folder's records that were not best, asked
// again as cards on Leitner's schedule (game/Mjleitner1). Each card shows the
// river and the 14 tiles and asks "何を切る?"; the answer shows the discard
// table with the pick, the best and the record's own discard. The deck is built
// off the window's thread, with progress and cancel; the schedule's state is
// kept per folder in the per-user data folder.

#include <QFuture>
#include <QFutureWatcher>
#include <QString>
#include <functional>
#include <memory>

#include "game/Mjdrill1.h"
#include "ui/Frtilerow1.h"
#include "ui/Tkeys1.h"
#include "ui/Ttiledlg1.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QDoubleSpinBox;
class QSpinBox;
class QTableWidget;
class QTimer;
class TBoardDlg;
class TPairiDlg;

class TDrillDlg : public TTileDlg {
  Q_OBJECT
public:
  static constexpr int HandCells = HandSlots;
  static constexpr int RiverCells = 18;
  static constexpr int TableWidth = 500;
  static constexpr int TableHeight = 240;
  static constexpr int RowHeight = 24;

  explicit TDrillDlg(QWidget* parent = nullptr);
  ~TDrillDlg() override;

  // Builds the deck of the folder's records; a build still going is cancelled first.
  void Open(const QString& folder);
  void Cancel();
  bool Running() const { return IsRunning; }
  void WaitForDeck();  // blocks until the build ends and shows its result (tests)

  // The thresholds shown, remembered and, when they differ from the deck's,
  // a new deck built (the step of a held arrow waits for the value to settle).
  void ApplyThresholds();
  void Reopen();  // the folder shown built again, when shown

  void Select(int cell);  // the hand cell the keys move over
  void AnswerCell(int cell);
  void Next();            // the next card after an answer

  // The deck and the sitting shown.
  QString Folder;
  QString StateFile;
  TMjDrillDeck Deck;
  TMjDrillState State;
  bool StateWritable = true;
  std::unique_ptr<TMjSitting> Sitting;
  bool Answered = false;
  int Selected = 0;
  TMjCard Card;          // the card asked, kept past the sitting's move
  TMjReviewStep Judged;  // its answer
  int WinBestKind = -1;  // for a card judged by win chance, the best discard by it

  // Seams for tests: the clock, where state files go, the folder dialog.
  std::function<TRecordTime()> Clock = LocalNow;
  QString DataFolder;
  std::function<QString()> FolderDialog;

  // Components.
  TFrMjPai* FrMjPai1;
  QLabel* LbFolder;
  QPushButton* BnFolder;
  QSpinBox* SpMinLost;  // the threshold: copies lost, remembered
  QDoubleSpinBox* SpMinLostWin;  // and win chance lost in percent points (0: not used), remembered
  QProgressBar* ProgressBar1;
  QPushButton* BnCancel;
  QLabel* LbMessage;    // a state file that could not be used
  QLabel* LbCounts;
  QLabel* LbCard;
  TFrTileRow* FrRiver;
  QLabel* LbQuestion;
  TFrTileRow* FrHand;   // 13 tiles, then the one drawn
  QLabel* LbJudge;
  QTableWidget* Table;
  QPushButton* BnNext;
  QTimer* SettleTimer;  // a threshold stepped by its arrows applies when it has stood this long
  static constexpr int SettleMs = 700;
  TBoardDlg* Board = nullptr;  // pasted positions

  QString CountsText() const;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void hideEvent(QHideEvent* event) override;  // closing the window cancels its build

private:
  void Finished();
  void StopRun();
  void StartSitting();
  void ShowCard();
  void FillTable();
  void SaveState();
  QFutureWatcher<TMjDrillDeck> Watcher;
  QFuture<TMjDrillDeck> Run;
  QString RunFolder;
  bool IsRunning = false;
  TKeyRepeats Repeats;
};

// Why a state file could not be used, and what became of it.
QString DrillFaultText(const TMjDrillLoad& load);
