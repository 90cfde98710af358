#pragma once

// The review of a saved deal, step by step: the 14 tiles after each draw, the
// discard made, the table of every discard with the best marked, the effective
// tiles left after it and the judgement; a summary of the whole deal; and a mark
// on the viewer's sheet over the column of the step shown.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/Mjprob1.h"
#include "analysis/Mjscore1.h"
#include "game/Mjreview1.h"
#include "records/Mjrecord1.h"
#include "ui/Frtilerow1.h"
#include "ui/Tkeys1.h"
#include "ui/Ttiledlg1.h"

class QLabel;
class QPushButton;
class QTableWidget;
class TBoardDlg;
class TChanceJob;
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
  // The next step whose discard lost win chance; a step whose chances are not
  // known yet (or too far from ready to compute) counts when its discard was
  // not the best by effective tiles. Stays put when there is none.
  void NextNotBest();
  // The chances of a step's discards once computed, nullptr before.
  const TMjChanceTable* ChancesOf(int index) const;
  bool LostWin(int index) const;  // the discard kept less win chance than the best
  TChanceJob* ChanceJob() const { return Job; }

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
  QLabel* LbChance;    // the discard's win chance against the best, or why there is none
  QTableWidget* Table; // every discard of the step
  QLabel* LbEffective;
  TFrTileRow* FrEffective;
  QPushButton* BnFirst;
  QPushButton* BnPrevious;
  QPushButton* BnNext;
  QPushButton* BnLast;
  QPushButton* BnNotBest;
  TBoardDlg* Board = nullptr;  // positions pasted from 編集

  static QString SummaryText(const TMjReview& review);
  // Empty when the deal has no win.
  static QString WinText(const TMjReview& review, const TMjSituation& winds);
  static QString JudgeText(const TMjReviewStep& step);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  TKeyRepeats Repeats;
  void ShowNothing(const QString& message);
  void KnowVerdictChances();
  void FillTable(const TMjReviewStep& step);
  void MarkColumn(int column);
  void AskChances();
  void ChancesDone(int draw, const TMjChanceTable& table);
  QString ChanceText(int index) const;
  TChanceJob* Job;
  std::vector<std::optional<TMjChanceTable>> Known;  // per step
  TFrMjSheet* Sheet;
  QWidget* ColumnMark;  // over the viewer's sheet
};
