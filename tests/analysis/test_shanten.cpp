#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <stdexcept>
#include <string>

#include "analysis/Mjshanten1.h"
#include "tests/support/ShantenReference.h"

// Shanten, effective tiles and discard tables of hands worked out by hand, and
// the mpsz notation they are written in.

namespace {

TKindCounts Hand(const std::string& text) {
  const TMjHandText parsed = ParseHand(text);
  if (parsed.Error != TMjNotationError::None) throw std::invalid_argument("bad hand in test: " + text);
  return parsed.Counts;
}

}  // namespace

TEST(Shanten, HandWorkedHands) {
  const struct {
    const char* hand;
    int shanten;
  } cases[] = {
      {"123m456p789s1122z", 0},
      {"1111m234567p789s", 1},        // every completion needs a fifth 1m
      {"1111m2233p4455s6z", 2},       // four 1m are one pair, not two
      {"19m19p19s1234567z", 0},       // thirteen-sided orphans
      {"147m258p369s1234z", 6},       // the worst 13 tiles
      {"112233m445566p77s", -1},      // seven pairs and four sets at once
      {"123m456p789s89m1p11z", 0},    // 8m9m1p is no run
      {"123m456p789s9m12p11z", 0},    // nor 9m1p2p
      {"123m456p789s123z11z", 0},     // nor honours in a row
      {"19m19p19s12345677z", -1},     // thirteen orphans
      {"11223344556677z", -1},        // seven pairs of honours
      {"11112222333444m", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hand);
    EXPECT_EQ(MjShanten(Hand(c.hand)), c.shanten);
  }
}

TEST(Shanten, RefusesHandsOfOtherSizesAndFifthCopies) {
  EXPECT_THROW(MjShanten(Hand("123m456p789s11z")), std::invalid_argument);
  EXPECT_THROW(MjShanten(Hand("123m456p789s1122z33z")), std::invalid_argument);
  EXPECT_THROW(MjShanten(Hand("1111222233334444m")), std::invalid_argument);  // more than a suit's table holds
  TKindCounts five = Hand("1111m234567p789s");
  five[0] = 5;
  five[1] = 0;
  five[2] = 0;
  EXPECT_THROW(MjShanten(five), std::invalid_argument);
  EXPECT_THROW(MjUkeire(Hand("123m456p789s1122z3z")), std::invalid_argument);
  EXPECT_THROW(MjDiscards(Hand("123m456p789s1122z")), std::invalid_argument);
}

// Every count is checked before any is summed, so even counts whose sum
// overflows give the count error (the sanitizer build stops on an overflow).
TEST(Shanten, RefusesCountsOutsideZeroToFourBeforeSumming) {
  const struct {
    int kind;
    int count;
  } cases[] = {{0, 5}, {33, -1}, {8, INT_MAX}, {27, INT_MIN}, {9, 1 << 30}, {20, -(1 << 30)}};
  const std::function<void(const TKindCounts&)> calls[] = {
      [](const TKindCounts& h) { MjShanten(h); }, [](const TKindCounts& h) { MjUkeire(h); },
      [](const TKindCounts& h) { MjDiscards(h); }};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " of kind " + std::to_string(c.kind));
    TKindCounts hand = Hand("123m456p789s1122z3z");
    hand[c.kind] = c.count;
    hand[c.kind == 0 ? 1 : 0] = c.count;  // a second one, so that a sum would overflow
    for (const auto& call : calls) {
      try {
        call(hand);
        ADD_FAILURE() << "no error";
      } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "a kind held fewer than 0 or more than 4 times");
      }
    }
  }
  try {
    MjShanten(Hand("123m456p789s11z"));
    ADD_FAILURE() << "no error";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "a hand of 11 tiles");
  }
}

TEST(Ukeire, ReadyAndOneAwayHands) {
  const struct {
    const char* hand;
    int shanten;
    const char* kinds;
    int count;
  } cases[] = {
      {"123m456p789s1122z", 0, "12z", 4},
      {"1111m234567p789s", 1, "23456789m123456789p123456789s1234567z", 123},
      {"19m19p19s1234567z", 0, "19m19p19s1234567z", 39},
      {"1112345678999m", 0, "123456789m", 23},  // nine gates
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hand);
    const TMjUkeire u = MjUkeire(Hand(c.hand));
    EXPECT_EQ(u.Shanten, c.shanten);
    EXPECT_EQ(KindsText(u.Kinds), c.kinds);
    EXPECT_EQ(u.Count, c.count);
  }
}

TEST(Ukeire, SeenCopiesCountOffNeverBelowNone) {
  TKindCounts seen{};
  seen[27] = 2;  // two 1z gone
  seen[28] = 4;  // all 2z out of play, more than can be left
  EXPECT_EQ(MjUkeire(Hand("123m456p789s1122z"), seen).Count, 0);
  seen[28] = 1;
  EXPECT_EQ(MjUkeire(Hand("123m456p789s1122z"), seen).Count, 1);
}

// A seen count beyond four leaves none, one below zero counts as none seen;
// neither overflows.
TEST(Ukeire, SeenCountsOutOfRangeAreBounded) {
  const struct {
    int seen;
    int count;
  } cases[] = {{INT_MAX, 2}, {5, 2}, {-1, 4}, {INT_MIN, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.seen);
    TKindCounts seen{};
    seen[27] = c.seen;  // 1z; 2z still has two copies left
    EXPECT_EQ(MjUkeire(Hand("123m456p789s1122z"), seen).Count, c.count);
    EXPECT_EQ(MjDiscards(Hand("123m456p789s1122z3z"), seen).Discards[0].Count, c.count);
  }
}

TEST(Discards, TablesBestFirst) {
  EXPECT_EQ(reference::TableText(MjDiscards(Hand("123m456p789s1122z3z"))),
            "0 3z:0:12z:4 1m:1:14m12z:11 4p:1:47p12z:11 6p:1:36p12z:11 9s:1:69s12z:11 2m:1:2m12z:7 "
            "3m:1:3m12z:7 5p:1:5p12z:7 7s:1:7s12z:7 8s:1:8s12z:7 1z:1:123z:7 2z:1:123z:7");
  // A complete hand: throwing any tile keeps it ready; the thrown copy is not counted again.
  EXPECT_EQ(reference::TableText(MjDiscards(Hand("111122334m12223s"))),
            "-1 1s:0:134s:10 2m:0:25m:6 3s:0:13s:6 1m:0:14m2s:4 4m:0:4m2s:4 3m:0:3m:2 2s:0:2s:1");
  EXPECT_EQ(MjDiscards(Hand("112233m445566p77s")).Shanten, -1);
}

TEST(Notation, ReadsAnyOrderAndPrintsCanonically) {
  const TMjHandText parsed = ParseHand("5z789s11123m456p5z");
  ASSERT_EQ(parsed.Error, TMjNotationError::None);
  EXPECT_EQ(parsed.Tiles, 13);
  EXPECT_EQ(HandText(parsed.Counts), "11123m456p789s55z");
  EXPECT_EQ(HandText(Hand("9m1m")), "19m");
  EXPECT_EQ(KindsText(0), "");
  EXPECT_EQ(KindText(4), "5m");
  EXPECT_EQ(KindText(33), "7z");
}

TEST(Notation, NamesWhatIsWrongAndWhere) {
  const struct {
    const char* text;
    TMjNotationError error;
    std::size_t position;
  } cases[] = {
      {"", TMjNotationError::Empty, 0},
      {"123x", TMjNotationError::UnknownCharacter, 3},
      {"123M", TMjNotationError::UnknownCharacter, 3},
      {"12 3m", TMjNotationError::UnknownCharacter, 2},
      {"105m", TMjNotationError::ZeroDigit, 1},
      {"123m45", TMjNotationError::DigitsWithoutSuit, 4},
      {"123mp", TMjNotationError::SuitWithoutDigits, 4},
      {"m", TMjNotationError::SuitWithoutDigits, 0},
      {"1238z", TMjNotationError::HonourNumber, 3},
      {"11m111m", TMjNotationError::FifthCopy, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const TMjHandText parsed = ParseHand(c.text);
    EXPECT_EQ(parsed.Error, c.error);
    EXPECT_EQ(parsed.Position, c.position);
  }
  EXPECT_EQ(ParseHand("11m111m").Kind, 0);
}

TEST(Notation, KindsAndCodesConvertBothWays) {
  for (int k = 0; k < KindCount; ++k) EXPECT_EQ(CodeKind(KindCode(k)), k);
  for (int code : {0, 10, 20, 30, 38, 40, -1}) EXPECT_EQ(CodeKind(code), -1);
}
