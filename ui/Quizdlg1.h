#pragma once

// The waits quiz of the discard-reading exercise: after a record opens, the
// player picks the kinds the final hand waits on (or not ready) from a palette
// of the 34 kinds and checks the answer; the hand, its true waits and a score
// for the session appear.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "analysis/Mjshanten1.h"
#include "records/Mjrecord1.h"
#include "ui/Frtilerow1.h"
#include "ui/Ttiledlg1.h"

class QLabel;
class QPushButton;

// The question of one record: the 13 tiles of its final hand (slots 0..12 of
// the hand row: after a finished deal the whole hand, during a deal the hand
// before its last draw) and their waits. The waits are the effective kinds of
// a ready hand (MjUkeire at shanten 0), so a kind held four times is no wait.
struct TMjWaitQuestion {
  bool Valid = false;  // 13 tile codes, no kind beyond four
  TKindCounts Hand{};
  TKindMask Waits = 0; // empty: not ready
};
TMjWaitQuestion WaitQuestion(const std::array<std::int32_t, RowSlots * RecordRows>& codes);

// An answer is correct when it names exactly the waits (no kind for not ready).
bool WaitAnswerCorrect(const TMjWaitQuestion& question, TKindMask answer);

class TQuizDlg : public TTileDlg {
  Q_OBJECT
public:
  static constexpr int PaletteColumns = 9;

  explicit TQuizDlg(QWidget* parent = nullptr);

  // A new record: a new question, nothing picked yet.
  void SetRecord(const std::array<std::int32_t, RowSlots * RecordRows>& codes, bool loaded);
  void ToggleKind(int kind);
  void SetNoten(bool on);
  void Check();  // 答え合わせ: at most once per question

  TMjWaitQuestion Question;
  TKindMask Picked = 0;
  bool Noten = false;
  bool Answered = false;
  int Correct = 0;  // this session
  int Answers = 0;

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

private:
  void Refresh();
};
