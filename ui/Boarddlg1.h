#pragma once

// The position board (何切る): a window of its own for a position the player
// pastes, types or opens. It draws the 13 or 14 tiles, lets the player set the
// draws left (残りツモ), the tiles seen (each seen copy leaves the wall), the
// one-suit wall and the winds, and shows the discard table with shanten,
// effective tiles and the ready and win chances, computed off the window's
// thread and redone as the player edits; a complete hand shows its value.

#include <QImage>
#include <QString>
#include <optional>

#include "analysis/Mjprob1.h"
#include "game/Mjposition1.h"
#include "ui/Ttiledlg1.h"

class QCheckBox;
class QFile;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QSpinBox;
class QTableWidget;
class TChanceJob;
class TFrMjPai;
class TFrTileRow;

class TBoardDlg : public TTileDlg {
  Q_OBJECT
public:
  // The discard table's columns; a later column (expected points) goes before Mark.
  enum TColumn { ColKind, ColShanten, ColKinds, ColCount, ColReady, ColWin, ColPoints, ColMark, ColumnCount };
  static constexpr int TableWidth = 640;
  static constexpr int TableHeight = 14 * 24 + 26;  // 14 rows and the head
  static constexpr int RowHeight = 24;
  static constexpr int SeenColumns = 18;

  explicit TBoardDlg(QWidget* parent = nullptr);
  ~TBoardDlg() override;

  // Shows a position read elsewhere: every field set from it.
  void SetPosition(const TMjPosition& position, int redFives = 0);
  // Reads the one-line form; false, after a warning naming the place and the
  // reason, when the text is no position (the board then stays as it was).
  // source names the text in the warning (empty: the pasted text).
  bool SetText(const QString& text, const QString& source = {});

  // The position shown, none while the fields cannot be read.
  const std::optional<TMjPosition>& Position() const { return Current; }
  // The chances of the position shown; nullptr while computed or too far.
  const TMjChanceTable* Chances() const;
  bool ChancesTooFar() const { return TooFar; }
  TChanceJob* ChanceJob() const { return Job; }
  // What the window shows, menu bar aside: the picture Ctrl+C copies.
  QImage Picture() const;

  // Components, for the player and the tests.
  QMenuBar* MainMenu1;
  TFrMjPai* FrMjPai1;
  QWidget* Body;
  QLabel* LbHand;
  TFrTileRow* FrHand;
  QLineEdit* EdHand;
  QSpinBox* SpDraws;
  QLineEdit* EdSeen;
  TFrTileRow* FrSeen;    // a click gives a seen copy back to the wall
  TFrTileRow* FrPicker;  // the 34 kinds: a click adds a seen copy
  QCheckBox* CbOneSuit;
  QComboBox* CbSeat;
  QComboBox* CbRound;
  QLabel* LbNote;  // a field that cannot be read, or how the text was read
  QLabel* LbHead;  // shanten, draws left, tiles in the wall
  QTableWidget* Table;
  QLabel* LbKinds;  // 13 tiles: the effective tiles (the waits when ready) and the chances
  TFrTileRow* FrKinds;
  QLabel* LbScore;  // a complete hand: yaku, fu, points
  QLabel* LbModel;  // the moves off the shortest path the chances allow

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Refresh();  // reads the fields and shows what they say
  void ChangeSeen(int kind, int change);
  void ShowPosition();
  void FillTable();
  void ChancesDone(int draw, const TMjChanceTable& table);
  // With TILELAB_TRACE set, each table of chances and each win's points are
  // written there, as tilelab-hand --batch words them (end-to-end tests read them).
  void Write(const QString& line);

  TChanceJob* Job;
  std::optional<TMjPosition> Current;
  std::optional<TMjPosition> Asked;  // the position whose chances are being computed
  std::optional<TMjPosition> KnownFor;
  TMjChanceTable Known;
  bool TooFar = false;
  bool Filling = false;  // the fields are being set from a position: no refresh per field
  int RedFives = 0;
  QFile* Trace = nullptr;
};

// The chances as tilelab-hand --batch --prob writes them: "shanten<TAB>ready<TAB>win"
// for 13 tiles, "shanten<TAB>" and kind:shanten:ready:win per kind held for 14.
QString ChanceFigures(const TMjChanceTable& table, int tiles);

// The chances of two positions are the same when these agree.
bool SameChances(const TMjPosition& a, const TMjPosition& b);
