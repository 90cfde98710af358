#pragma once

// The review of a saved deal, step by step: the 14 tiles after each draw, the
// discard made, the table of every discard with the best marked, the effective
// tiles left after it and the judgement; a summary of the whole deal; and a mark
// on the viewer's sheet over the column of the step shown.

#include <QString>
#include <array>
#include <cstdint>

#include "analysis/Mjscore1.h"
#include "game/Mjreview1.h"
#include "records/Mjrecord1.h"
#include "ui/Frtilerow1.h"
#include "ui/Ttiledlg1.h"

class QLabel;
class QPushButton;
class QTableWidget;
class TFrMjSheet;
class TPairiDlg;

// Why a record does not add up, for the player: names the step and the reason.
QString ReviewErrorText(TMjReviewError error, int step, int code);
// "5m" for a tile code, the number itself for anything else.
QString CodeName(int code);

class TReviewDlg : public TTileDlg {
  Q_OBJECT
public:
  // sheet: the viewer's record sheet, which gets the column mark.
  explicit TReviewDlg(TFrMjSheet* sheet, QWidget* parent = nullptr);

  // Rebuilds the deal from the grid's deal, draw and discard rows and shows its
  // first step; loaded tells whether a record is open at all.
  void SetRecord(const TCodeGrid& codes, bool loaded);
  void ShowStep(int index);
  void NextStep() { ShowStep(Step + 1); }
  void PreviousStep() { ShowStep(Step - 1); }
  void FirstStep() { ShowStep(0); }
  void LastStep() { ShowStep(static_cast<int>(Review.Steps.size()) - 1); }
  void NextNotBest();  // stays put when there is none

  TMjReview Review;
  int Step = -1;  // the step shown, -1 when there is none

  // Components.
  TFrMjPai* FrMjPai1;
  QLabel* LbMessage;   // a record that cannot be reviewed
  QLabel* LbSummary;
  QLabel* LbWin;       // the value of the deal's winning draw, under the remembered winds
  QLabel* LbStep;
  TFrTileRow* FrHand;  // 13 tiles, then the one drawn
  QLabel* LbJudge;
  QTableWidget* Table; // every discard of the step
  QLabel* LbEffective;
  TFrTileRow* FrEffective;
  QPushButton* BnFirst;
  QPushButton* BnPrevious;
  QPushButton* BnNext;
  QPushButton* BnLast;
  QPushButton* BnNotBest;
  TPairiDlg* PositionDlg = nullptr;  // positions pasted from 編集

  static QString SummaryText(const TMjReview& review);
  // Empty when the deal has no win.
  static QString WinText(const TMjReview& review, const TMjSituation& winds);
  static QString JudgeText(const TMjReviewStep& step);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void ShowNothing(const QString& message);
  void FillTable(const TMjReviewStep& step);
  void MarkColumn(int column);
  TFrMjSheet* Sheet;
  QWidget* ColumnMark;  // over the viewer's sheet
};
