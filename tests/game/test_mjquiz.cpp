#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/Mjquiz1.h"
#include "tests/support/HandNotation.h"

// The waits quiz without its window: the question a record asks, what an
// answer is, when it counts and how the palette marks it.

namespace {

TCodeGrid WithHand(const std::string& text) {
  TCodeGrid grid{};
  const std::vector<int> codes = hand::MpszCodes(text);
  std::copy(codes.begin(), codes.end(), grid.begin() + HandRow * RowSlots);
  return grid;
}

TKindMask Mask(const std::string& text) {
  TKindMask mask = 0;
  for (int code : hand::MpszCodes(text)) mask |= TKindMask{1} << CodeKind(code);
  return mask;
}

}  // namespace

TEST(MjWaitQuiz, TheQuestionIsTheHandRowsFirstThirteenTiles) {
  struct TCase {
    const char* hand;
    bool valid;
    const char* waits;
  } cases[] = {
      {"123m456p789s1122z", true, "12z"},
      {"123m456p789s1122z5z", true, "12z"},  // a last draw beyond slot 12 is not asked about
      {"147m258p369s1234z", true, ""},       // not ready
      {"1111m456p789s123z", true, ""},       // a kind held four times is no wait
      {"123m", false, ""},                   // no 13-tile hand
      {"11111m456p789s12z", false, ""},      // a fifth copy
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.hand);
    const TMjWaitQuestion q = WaitQuestion(WithHand(c.hand));
    EXPECT_EQ(q.Valid, c.valid);
    EXPECT_EQ(q.Waits, Mask(c.waits));
  }
  TCodeGrid bad = WithHand("123m456p789s1122z");
  bad[HandRow * RowSlots + 4] = 38;  // a code that names no tile
  EXPECT_FALSE(WaitQuestion(bad).Valid);
}

TEST(MjWaitQuiz, OneAnswerPerQuestionScoredOnlyWhenExact) {
  TMjWaitQuiz quiz;
  quiz.SetRecord(WithHand("123m456p789s1122z"), true);
  quiz.Check();  // nothing picked: no answer
  EXPECT_FALSE(quiz.Answered);
  quiz.ToggleKind(CodeKind(31));
  EXPECT_FALSE(quiz.Right());  // only part of the waits
  quiz.ToggleKind(CodeKind(32));
  quiz.Check();
  quiz.Check();
  EXPECT_EQ(quiz.Answers, 1);
  EXPECT_EQ(quiz.Correct, 1);
  quiz.ToggleKind(CodeKind(33));  // closed after the answer
  EXPECT_EQ(quiz.Picked, Mask("12z"));

  // Not ready and its picks exclude each other; the score carries over records.
  quiz.SetRecord(WithHand("147m258p369s1234z"), true);
  quiz.ToggleKind(0);
  quiz.SetNoten(true);
  EXPECT_EQ(quiz.Picked, 0u);
  quiz.ToggleKind(0);
  EXPECT_FALSE(quiz.Noten);
  quiz.Check();
  EXPECT_EQ(quiz.Answers, 2);
  EXPECT_EQ(quiz.Correct, 1);
  EXPECT_DOUBLE_EQ(quiz.ScorePercent(), 50.0);

  // A record that asks nothing takes no answer.
  quiz.SetRecord(WithHand("123m"), true);
  quiz.SetNoten(true);
  quiz.Check();
  EXPECT_EQ(quiz.Answers, 2);
  quiz.SetRecord(WithHand("123m456p789s1122z"), false);
  EXPECT_FALSE(quiz.Open());
}

TEST(MjWaitQuiz, MarksShowPicksUntilTheAnswerThenHitsMissesAndMissedWaits) {
  TMjWaitQuiz quiz;
  quiz.SetRecord(WithHand("123m456p789s1122z"), true);
  quiz.ToggleKind(CodeKind(31));
  quiz.ToggleKind(CodeKind(5));
  EXPECT_EQ(quiz.Mark(CodeKind(31)), TMjQuizMark::Picked);
  EXPECT_EQ(quiz.Mark(CodeKind(32)), TMjQuizMark::None);  // the waits stay hidden
  quiz.Check();
  EXPECT_EQ(quiz.Mark(CodeKind(31)), TMjQuizMark::Hit);
  EXPECT_EQ(quiz.Mark(CodeKind(5)), TMjQuizMark::Miss);
  EXPECT_EQ(quiz.Mark(CodeKind(32)), TMjQuizMark::Missed);
  EXPECT_EQ(quiz.Mark(CodeKind(6)), TMjQuizMark::None);
}
