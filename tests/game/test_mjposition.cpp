#include <gtest/gtest.h>

#include <string>

#include "game/Mjposition1.h"

namespace {

TKindCounts Counts(const char* plain) { return ParseHand(plain).Counts; }

}  // namespace

TEST(MjPosition, APositionIsWrittenWithTheDrawnTileLastAndReadBack) {
  TKindCounts hand = Counts("123m456p789s1122z");
  ++hand[static_cast<std::size_t>(CodeKind(32))];
  EXPECT_EQ(PositionText(hand, CodeKind(32)), "123m456p789s1122z2z");
  EXPECT_EQ(PositionText(Counts("123m456p789s1122z"), -1), "123m456p789s1122z");

  const TMjPositionRead p = ParsePosition(" 123m456p789s1122z2z\r\n");
  ASSERT_TRUE(p.Ok());
  EXPECT_EQ(p.Position.Hand, hand);
  EXPECT_EQ(KindText(p.Position.DrawnKind), "2z");
  EXPECT_EQ(ParsePosition("5z789s11123m456p").Position.DrawnKind, -1);  // 13 tiles: nothing drawn
}

// Every spelling people use reads as the plain notation beside it.
TEST(MjPosition, SpellingsPeopleUseReadAsThePlainNotation) {
  const struct {
    const char* text;
    const char* plain;  // the hand, drawn tile last
    int redFives;
  } cases[] = {
      {"123m 456p 789s 1122z 3z", "123m456p789s1122z3z", 0},
      {"123m\t456p  789s 11 22z 3z", "123m456p789s1122z3z", 0},
      {"406m456p789s1122z3z", "456m456p789s1122z3z", 1},
      {"123m406p789s1122z0s", "123m456p789s1122z5s", 2},
      {"１２３ｍ４５６ｐ７８９ｓ１１２２ｚ３ｚ", "123m456p789s1122z3z", 0},
      {"１２３ｍ　４５６ｐ　７８９ｓ　１１２２ｚ　３ｚ", "123m456p789s1122z3z", 0},
      {"123m456p789sEESSW", "123m456p789s1122z3z", 0},
      {"123m456p789s EE SS W", "123m456p789s1122z3z", 0},
      {"ESWNPFC19m19p19s1m", "19m19p19s1234567z1m", 0},
      {"123m456p789s1122zＷ", "123m456p789s1122z3z", 0},
      {"PPPFFFCCC11m22z2z", "11m22555666777z2z", 0},
      {"123m456p789sPPFFC", "123m456p789s5566z7z", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const TMjPositionRead read = ParsePosition(c.text);
    const TMjPositionRead plain = ParsePosition(c.plain);
    ASSERT_TRUE(plain.Ok());
    ASSERT_TRUE(read.Ok()) << static_cast<int>(read.Error) << " at " << read.Place;
    EXPECT_EQ(read.Position, plain.Position);
    EXPECT_EQ(PositionText(read.Position), c.plain);
    EXPECT_EQ(read.RedFives, c.redFives);
  }
}

TEST(MjPosition, TheOneLineFormCarriesDrawsSeenWallAndWindsAndReadsBack) {
  const TMjPositionRead read = ParsePosition("123m456p789s1122z3z draws=9 seen=19m3z0p one-suit seat=s round=W");
  ASSERT_TRUE(read.Ok());
  const TMjPosition& p = read.Position;
  EXPECT_EQ(p.DrawsLeft, 9);
  EXPECT_EQ(p.Seen, Counts("19m5p3z"));
  EXPECT_TRUE(p.OneSuit);
  EXPECT_EQ(p.SeatWind, 1);
  EXPECT_EQ(p.RoundWind, 2);
  EXPECT_EQ(read.RedFives, 1);
  EXPECT_EQ(PositionText(p), "123m456p789s1122z3z draws=9 seen=19m5p3z one-suit seat=s round=w");
  EXPECT_EQ(ParsePosition(PositionText(p)).Position, p);
  // One-suit wall: 36 characters less the 3 held and the 2 seen.
  EXPECT_EQ(p.Wall(), 31);
  EXPECT_EQ(p.Unseen()[static_cast<std::size_t>(CodeKind(1))], 2);  // 4 - held - seen
  EXPECT_EQ(p.Unseen()[static_cast<std::size_t>(CodeKind(11))], 0);

  // A fresh deal writes the hand alone; the full wall holds 136 - 14 tiles.
  const TMjPosition fresh = ParsePosition("123m456p789s1122z3z draws=17").Position;
  EXPECT_EQ(PositionText(fresh), "123m456p789s1122z3z");
  EXPECT_EQ(fresh.Wall(), 122);
  EXPECT_EQ(ParsePosition("１２３ｍ４５６ｐ７８９ｓ１１２２ｚ３ｚ　ｄｒａｗｓ＝９").Position.DrawsLeft, 9);
}

TEST(MjPosition, BadTextNamesThePlaceAndTheReason) {
  const struct {
    const char* text;
    TMjPositionError error;
    TMjNotationError notation;
    std::size_t place;  // byte offset in the text
    int tiles;
  } cases[] = {
      {"", TMjPositionError::Notation, TMjNotationError::Empty, 0, 0},
      {"123m456p789x1122z", TMjPositionError::Notation, TMjNotationError::UnknownCharacter, 11, 6},
      {"  123m456p789s11228z", TMjPositionError::Notation, TMjNotationError::HonourNumber, 18, 13},
      {"11111m456p789s112z", TMjPositionError::Notation, TMjNotationError::FifthCopy, 4, 4},
      {"123m456p789s1122", TMjPositionError::Notation, TMjNotationError::DigitsWithoutSuit, 12, 9},
      {"123m456p789s112z", TMjPositionError::TileCount, TMjNotationError::None, 0, 12},
      {"123m456p789s112233z", TMjPositionError::TileCount, TMjNotationError::None, 0, 15},
      // The new spellings keep their places in the text given.
      {"123m 456p 789x 1122z", TMjPositionError::Notation, TMjNotationError::UnknownCharacter, 13, 6},
      {"１２３ｘ", TMjPositionError::Notation, TMjNotationError::UnknownCharacter, 9, 0},
      {"123m456p789s12E", TMjPositionError::Notation, TMjNotationError::DigitsWithoutSuit, 12, 0},
      {"123m456p789s1120z3z", TMjPositionError::Notation, TMjNotationError::ZeroDigit, 15, 0},
      {"123m456p789s EEEEE", TMjPositionError::Notation, TMjNotationError::FifthCopy, 17, 13},
      {"123m456p789s1122z3z drew=9", TMjPositionError::UnknownWord, TMjNotationError::None, 20, 14},
      {"123m456p789s1122z3z 9", TMjPositionError::Notation, TMjNotationError::DigitsWithoutSuit, 20, 14},
      {"123m456p789s1122z3z draws=19", TMjPositionError::DrawsValue, TMjNotationError::None, 26, 14},
      {"123m456p789s1122z3z draws=", TMjPositionError::DrawsValue, TMjNotationError::None, 26, 14},
      {"123m456p789s1122z3z seen=12x", TMjPositionError::SeenNotation, TMjNotationError::UnknownCharacter, 27, 14},
      {"123m456p789s1122z3z seen=1z", TMjPositionError::None, TMjNotationError::None, 0, 14},
      {"123m456p789s1122z3z seen=111z", TMjPositionError::TooManyCopies, TMjNotationError::None, 25, 14},
      {"123m456p789s1122z3z seat=x", TMjPositionError::WindValue, TMjNotationError::None, 25, 14},
      {"123m456p789s1122z3z one-suit draws=18", TMjPositionError::None, TMjNotationError::None, 0, 14},
      {"111222333444m55m draws=18 one-suit seen=6677889m", TMjPositionError::ShortWall, TMjNotationError::None, 0, 14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const TMjPositionRead p = ParsePosition(c.text);
    EXPECT_EQ(p.Error, c.error);
    EXPECT_EQ(p.Notation, c.notation);
    EXPECT_EQ(p.Place, c.place);
    EXPECT_EQ(p.Tiles, c.tiles);
  }
  const TMjPositionRead copies = ParsePosition("123m456p789s1122z3z seen=111z");
  EXPECT_EQ(KindText(copies.Kind), "1z");
  const TMjPositionRead shortWall = ParsePosition("111222333444m55m draws=18 one-suit seen=6677889m");
  EXPECT_EQ(shortWall.Wall, 36 - 14 - 7);
}
