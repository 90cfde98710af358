#pragma once

// The analysis window: the shanten of the practice hand and the table of its
// discards, best first, each with the effective tiles it keeps and the copies
// of them left; after each discard the judgement of it, and at the end of a
// deal the score. The practice window toggles it with F3 and keeps it current.
// Beside the effective tiles each discard shows its chances to be ready and to
// win by the deal's last draw, computed off the window's thread.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "analysis/Mjscore1.h"
#include "analysis/Mjshanten1.h"
#include "game/Mjreview1.h"
#include "ui/Frparts1.h"
#include "ui/Tchance1.h"
#include "ui/Tlook1.h"
#include "ui/Ttiledlg1.h"

class QScrollArea;

class TPairiDlg : public TSideDlg {
  Q_OBJECT
public:
  static constexpr int W = TFrMjPai::PaiWidth;
  static constexpr int H = TFrMjPai::PaiHeight;
  static constexpr int Margin = 4;
  static constexpr int HeadHeight = 20;
  static constexpr int LineHeight = 16;       // a line of text under the table
  static constexpr int MaxRows = HandSlots;   // 14 tiles hold at most 14 kinds
  static constexpr int MarkWidth = 12;        // the best rows' marker
  static constexpr int ShantenWidth = 44;
  // Effective tiles: the sheet's cells at three quarters, one line of up to 12;
  // more go at half size on two lines, which hold all 34 kinds. So narrow, the
  // window fits beside the practice window on a screen 1280 pixels wide.
  static constexpr int KindWidth = W * 3 / 4;
  static constexpr int KindHeight = H * 3 / 4;
  static constexpr int KindsPerLine = 12;
  static constexpr int SmallWidth = W / 2;
  static constexpr int SmallHeight = H / 2;
  static constexpr int KindsWidth = KindsPerLine * (KindWidth + 1);
  static constexpr int SmallPerLine = KindsWidth / (SmallWidth + 1);
  static constexpr int CountWidth = 36;
  static constexpr int ChosenFrame = 2;       // the frame around the discard made
  static constexpr int KindsLeft = Margin + MarkWidth + W + 4 + ShantenWidth;
  static constexpr int ChanceWidth = 52;  // 聴牌率, 和了率 and 期待値, one column each
  static constexpr int ChanceColumns = 3;
  static constexpr int ChanceLeft = KindsLeft + KindsWidth + 4 + CountWidth + 4;
  static constexpr int ClientWidth = ChanceLeft + ChanceColumns * ChanceWidth + Margin;
  static constexpr int TableTop = Margin + HeadHeight;
  static constexpr int FootTop = TableTop + MaxRows * H + 4;
  static constexpr int SummaryRows = 3;   // the deal's score
  // The value of a winning draw: a title, the yaku in two columns, the fu
  // (on two lines when they are many) and the points.
  static constexpr int ScoreTop = FootTop + KindHeight + SummaryRows * LineHeight + 4;
  static constexpr int YakuRows = 5;  // ten yaku; no closed hand holds more
  static constexpr int FuLines = 2;
  static constexpr int ScoreLines = 1 + YakuRows + FuLines + 1;
  static constexpr int ClientHeight = ScoreTop + ScoreLines * LineHeight + Margin;
  // On a short screen the table scrolls down to this many rows; the lines
  // under it, the score and a win's value, always stay in sight.
  static constexpr int LeastRows = LeastTableRows;

  // The practice window makes it when it is first shown, as its own child.
  explicit TPairiDlg(QWidget* parent = nullptr);
  ~TPairiDlg() override;

  TFrMjPai* FrMjPai1;  // the tile sheet the pictures are copied from; never shown
  // The painted client area in three parts: the head line, the table (Image1,
  // from TableTop on, in a scroll area) and the lines under it, as tall as
  // what they show.
  QWidget* HeadArea;
  QWidget* Image1;
  QScrollArea* TableScroll;
  QWidget* FootArea;

  // Shows the state of the deal; tableAfterDiscard is the drill that keeps a
  // decision's table back until the discard is made.
  void ShowPairi(const TMjReview& review, bool tableAfterDiscard);

  // The value of the winning draw waiting for its discard; an incomplete score
  // (any other moment) shows nothing.
  void ShowScore(const TMjScore& score, const TMjSituation& winds);

  // What the window shows now, as texts and rows (tests and the painting read it).
  const TMjPairiView& View() const { return Shown; }
  QString HeadText() const { return Head; }
  QString JudgementText() const { return Judgement; }
  int JudgedKind() const { return Judged; }
  QStringList SummaryLines() const { return Summary; }
  QString ScoreTitle() const { return ScoreHead; }
  QStringList YakuLines() const { return Yaku; }
  QStringList ScoreLinesShown() const { return ScoreFoot; }  // the fu, then the points
  // The rectangle of row i's discard tile, and of the n-th of its count effective tiles.
  static QRect TileRect(int row);
  static QRect KindRect(int row, int n, int count);

  // The chances of the decision shown, nullptr while they are computed or
  // when the hand is too far from ready for them.
  const TMjChanceTable* Chances() const;
  TChanceJob* ChanceJob() const { return Job; }
  bool ChancesTooFar() const { return TooFar; }
  // The win chance lost over the deal's discards judged so far, and how many.
  double WinLost() const;
  int WinJudged() const;

  void Paint(QPainter& painter);
  // The height of the lines under the table as they are now, and at most.
  int FootHeight() const;
  static constexpr int FullFootHeight = ClientHeight - FootTop;
  // Its full height: every row of the table, the score and a win's value.
  QSize sizeHint() const override;

protected:
  // Right of the practice window, else left of it, top aligned; else below or above.
  std::vector<TSide> Sides() const override;

private:
  // Repaints the parts and gives the lines under the table their height.
  void Refresh();
  int ScoreTopNow() const;
  void DrawTile(QPainter& painter, const QRect& target, int kind);
  void PaintScore(QPainter& painter);
  void PaintChances(QPainter& painter, int row, const TMjDiscard& discard);
  // The chances of the last step: known, asked for, or too far from ready.
  void AskChances();
  void AddChanceTexts();
  void ChancesDone(int draw, const TMjChanceTable& table);

  // Chances by draw, with the hand and discards they were computed for.
  struct TKnown {
    TMjDecision Decision;
    TMjChanceTable Table;
    bool Have = false;
  };
  const TKnown* KnownFor(const TMjReviewStep& step) const;
  // The win chance a judged discard kept and the best one's, when known.
  std::optional<std::pair<double, double>> WinFigures(const TMjReviewStep& step) const;

  TChanceJob* Job;
  std::vector<TKnown> Known;
  TMjReview Review;          // a copy of the deal shown, to show it again when chances come
  bool TableAfter = false;
  bool TooFar = false;

  TMjPairiView Shown;
  QString Head;
  QString Judgement;
  int Judged = -1;
  QStringList Summary;
  QString ScoreHead;
  QStringList Yaku;
  QStringList ScoreFoot;
};

// The one analysis window; nullptr until the practice window makes it.
extern TPairiDlg* PairiDlg;
