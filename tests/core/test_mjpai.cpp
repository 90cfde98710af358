#include <gtest/gtest.h>

#include "core/Mjpai1.h"

TEST(MjPai, EmptyTileHasNoSuitNumberOrCode) {
  TMjPai t;
  EXPECT_EQ(t.Id, -1);
  EXPECT_EQ(t.State, stWall);
  EXPECT_EQ(t.GetSuit(), -1);
  EXPECT_EQ(t.GetNumber(), -1);
  EXPECT_EQ(t.GetCode(), 0);
}

TEST(MjPai, IdsAtTheSuitBorders) {
  struct Case { int id, suit, number, code; };
  const Case cases[] = {{0, 0, 0, 1},    {35, 0, 8, 9},   {36, 1, 0, 11},
                        {107, 2, 8, 29}, {108, 3, 0, 31}, {124, 3, 4, 35}, {135, 3, 6, 37}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    TMjPai t(c.id);
    EXPECT_EQ(t.GetSuit(), c.suit);
    EXPECT_EQ(t.GetNumber(), c.number);
    EXPECT_EQ(t.GetCode(), c.code);
  }
}

TEST(MjPai, FourCopiesShareOneCodeAndKindCodesRise) {
  int previous = 0;
  for (int k = 0; k < KindCount; ++k) {
    const int code = TMjPai(4 * k).GetCode();
    for (int copy = 1; copy < 4; ++copy) EXPECT_EQ(TMjPai(4 * k + copy).GetCode(), code);
    EXPECT_GT(code, previous);
    EXPECT_EQ(KindCode(k), code);
    EXPECT_NE(code % 10, 0);
    previous = code;
  }
  EXPECT_EQ(previous, 37);
}

TEST(MjPai, CodeMapsBackToSuitAndNumber) {
  for (int id = 0; id < PaiCount; ++id) {
    TMjPai t(id);
    EXPECT_EQ(CodeSuit(t.GetCode()), t.GetSuit());
    EXPECT_EQ(CodeNumber(t.GetCode()), t.GetNumber());
  }
  EXPECT_EQ(CodeSuit(35), 3);
  EXPECT_EQ(CodeNumber(35), 4);
  EXPECT_EQ(CodeSuit(0), -1);
  EXPECT_EQ(CodeNumber(0), -1);
}

// The tile sheet cell of any code a record can hold: c + 10, or -1 where that
// does not fit; the extremes run without overflow (the sanitizer build checks).
TEST(MjPai, SheetCellOfAnyCode) {
  const struct {
    int code, cell;
  } cases[] = {{0, 0}, {1, 11}, {37, 47}, {-1, 9}, {-10, 0}, {-11, -1}, {99, 109},
               {2147483637, 2147483647}, {2147483638, -1}, {2147483647, -1}, {-2147483647 - 1, -1}};
  for (const auto& c : cases) EXPECT_EQ(PaiCell(CodeSuit(c.code), CodeNumber(c.code)), c.cell) << c.code;
  EXPECT_EQ(PaiCell(-1, -1), 0);
  EXPECT_EQ(PaiCell(-1, 8), 9);  // the arrow
}
