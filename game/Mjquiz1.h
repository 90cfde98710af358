#pragma once

// The waits quiz: the question a record asks (its final hand's waits), the
// player's picks, the one answer allowed per question and the session's score.
// The quiz window only shows this and forwards the player's clicks.

#include "analysis/Mjshanten1.h"
#include "records/Mjrecord1.h"

// The question of one record: the 13 tiles of its final hand (slots 0..12 of
// the hand row: after a finished deal the whole hand, during a deal the hand
// before its last draw) and their waits. The waits are the effective kinds of
// a ready hand (MjUkeire at shanten 0), so a kind held four times is no wait.
struct TMjWaitQuestion {
  bool Valid = false;  // 13 tile codes, no kind beyond four
  TKindCounts Hand{};
  TKindMask Waits = 0;  // empty: not ready
};
TMjWaitQuestion WaitQuestion(const TCodeGrid& codes);

// How a kind of the palette stands: picked while the question is open; after
// the answer, a pick that is a wait (Hit) or not (Miss), or a wait not picked.
enum class TMjQuizMark { None, Picked, Hit, Miss, Missed };

class TMjWaitQuiz {
public:
  // A new record: a new question, nothing picked yet; the score stays.
  void SetRecord(const TCodeGrid& codes, bool loaded);
  void ToggleKind(int kind);  // a pick clears not ready
  void SetNoten(bool on);     // not ready clears the picks
  void Check();               // at most once per question, and only with an answer

  bool Open() const { return Question.Valid && !Answered; }
  bool CanCheck() const { return Open() && (Picked != 0 || Noten); }
  // The answer names exactly the waits (no kind for not ready).
  bool Right() const { return Picked == Question.Waits; }
  TMjQuizMark Mark(int kind) const;
  double ScorePercent() const;  // 0 before the first answer

  TMjWaitQuestion Question;
  TKindMask Picked = 0;
  bool Noten = false;
  bool Answered = false;
  int Correct = 0;  // this session
  int Answers = 0;
};
