#include "game/Mjquiz1.h"

TMjWaitQuestion WaitQuestion(const TCodeGrid& codes) {
  TMjWaitQuestion q;
  const TCodeRow hand = GridRow(codes, HandRow);
  for (std::size_t i = 0; i < DealTiles; ++i) {
    const int kind = CodeKind(hand[i]);
    if (kind < 0 || ++q.Hand[static_cast<std::size_t>(kind)] > 4) return {};
  }
  q.Valid = true;
  const TMjUkeire u = MjUkeire(q.Hand);
  if (u.Shanten == 0) q.Waits = u.Kinds;
  return q;
}

void TMjWaitQuiz::SetRecord(const TCodeGrid& codes, bool loaded) {
  Question = loaded ? WaitQuestion(codes) : TMjWaitQuestion{};
  Picked = 0;
  Noten = false;
  Answered = false;
}

void TMjWaitQuiz::ToggleKind(int kind) {
  if (!Open()) return;
  Picked ^= TKindMask{1} << kind;
  if (Picked) Noten = false;
}

void TMjWaitQuiz::SetNoten(bool on) {
  if (!Open()) return;
  Noten = on;
  if (on) Picked = 0;
}

void TMjWaitQuiz::Check() {
  if (!CanCheck()) return;
  Answered = true;
  ++Answers;
  if (Right()) ++Correct;
}

TMjQuizMark TMjWaitQuiz::Mark(int kind) const {
  const bool picked = Picked >> kind & 1;
  const bool wait = Question.Waits >> kind & 1;
  if (!Answered) return picked ? TMjQuizMark::Picked : TMjQuizMark::None;
  if (picked) return wait ? TMjQuizMark::Hit : TMjQuizMark::Miss;
  return wait ? TMjQuizMark::Missed : TMjQuizMark::None;
}

double TMjWaitQuiz::ScorePercent() const { return Answers == 0 ? 0.0 : 100.0 * Correct / Answers; }
