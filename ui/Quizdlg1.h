#pragma once

// The waits quiz of the discard-reading exercise: after a record opens, the
// player picks the kinds the final hand waits on (or not ready) from a palette
// of the 34 kinds and checks the answer; the hand, its true waits and a score
// for the session appear.

#include <QString>
#include <functional>

#include "game/Mjquiz1.h"
#include "ui/Frtilerow1.h"
#include "ui/Tkeys1.h"
#include "ui/Ttiledlg1.h"

class QLabel;
class QPushButton;

class TQuizDlg : public TTileDlg {
  Q_OBJECT
public:
  static constexpr int PaletteColumns = 9;

  explicit TQuizDlg(QWidget* parent = nullptr);

  // A new record: a new question, nothing picked yet.
  void SetRecord(const TCodeGrid& codes, bool loaded);
  void ToggleKind(int kind);
  void SetNoten(bool on);
  void Check();  // 答え合わせ

  TMjWaitQuiz Quiz;

  // Components.
  TFrMjPai* FrMjPai1;
  QLabel* LbQuestion;
  TFrTileRow* FrPalette;  // rows of 9 kinds: characters, circles, bamboo, honours
  QPushButton* BnNoten;
  QPushButton* BnCheck;
  QLabel* LbResult;
  QLabel* LbHand;
  TFrTileRow* FrHand;
  QLabel* LbWaits;
  TFrTileRow* FrWaits;
  QLabel* LbScore;

  // F5 in this window: the viewer's next record.
  std::function<void()> OnNext;

  static int PaletteCell(int kind);  // the palette cell of a kind
  static int PaletteKind(int cell);  // -1 for the blank cells after 7z

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

private:
  void Refresh();
  TKeyRepeats Repeats;
};
