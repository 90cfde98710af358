#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/Mjagari1.h"
#include "analysis/Tdebug1.h"
#include "tests/support/HandNotation.h"

// The three winning-form tests on 14 sorted tiles, the set split beneath the
// normal form, and the trace lines the split writes.

namespace {

class TraceLines {
public:
  TraceLines() : Guard([this](std::string_view line) { Lines.emplace_back(line); }) {}
  std::vector<std::string> Lines;

private:
  TScopedDebugSink Guard;
};

// The form tests use none of the analyser's own hand.
TMjAgari AnyAgari() {
  TMjTable table;
  return TMjAgari(hand::Row(table, "01 01 01 02 02 02 03 03 03 04 04 04 05"));
}

}  // namespace

TEST(ChkNormal, WorkedExampleTracesFourLinesInnermostFirst) {
  TraceLines trace;
  TMjAgari agari = AnyAgari();
  const TMjWorkTe te = hand::Work("02 03 04 12 12 12 25 26 27 31 31 31 37 37");
  EXPECT_TRUE(agari.ChkNormal(te));
  const std::vector<std::string> expected{
      "ChkNormal: 02 03 04 12 12 12 25 26 27 31 31 31 37 37",
      "S: 25 26 27 31 31 31",
      "K: 12 12 12 25 26 27 31 31 31",
      "S: 02 03 04 12 12 12 25 26 27 31 31 31",
  };
  EXPECT_EQ(trace.Lines, expected);
}

TEST(ChkNormal, TracesNothingWithoutSinkAndOnlyTheHeadWhenFailing) {
  TMjAgari agari = AnyAgari();
  ASSERT_FALSE(Debug.Listening());
  EXPECT_TRUE(agari.ChkNormal(hand::Work("02 03 04 12 12 12 25 26 27 31 31 31 37 37")));

  TraceLines trace;
  // Partial splits succeed inside (02 03 04, 12 12 12) but never write a line.
  EXPECT_FALSE(agari.ChkNormal(hand::Work("02 03 04 12 12 12 25 26 27 31 31 33 37 37")));
  EXPECT_EQ(trace.Lines, std::vector<std::string>{"ChkNormal: 02 03 04 12 12 12 25 26 27 31 31 33 37 37"});
}

TEST(ChkNormal, WinningHandsTraceSixNineTwelveTiles) {
  TMjAgari agari = AnyAgari();
  for (const char* text : {"01 01 01 02 03 04 05 05 06 07 08 09 09 09",  // nine gates plus 05
                           "01 01 02 02 03 03 04 04 05 05 06 06 07 07",  // also seven pairs
                           "07 08 09 17 18 19 27 28 29 33 33 33 37 37",  // highest runs
                           "01 01 01 11 11 11 21 21 21 31 31 31 32 32"}) {
    SCOPED_TRACE(text);
    TraceLines trace;
    EXPECT_TRUE(agari.ChkNormal(hand::Work(text)));
    ASSERT_EQ(trace.Lines.size(), 4u);
    EXPECT_EQ(trace.Lines[0], std::string("ChkNormal: ") + text);
    for (std::size_t i = 1; i < 4; ++i) {
      // "K:" or "S:", then 6, 9 and 12 tiles of three characters each.
      EXPECT_TRUE(trace.Lines[i].rfind("K: ", 0) == 0 || trace.Lines[i].rfind("S: ", 0) == 0) << trace.Lines[i];
      EXPECT_EQ(trace.Lines[i].size(), 11 + 9 * i) << trace.Lines[i];
    }
  }
}

TEST(ChkNormal, FindsThePairWhereverItStands) {
  TMjAgari agari = AnyAgari();
  const char* yes[] = {
      "03 04 05 05 05 11 12 13 21 22 23 35 35 35",  // the pair is two of three 05s
      "02 02 02 02 03 04 11 12 13 21 22 23 31 31",  // four 02s: a triplet and a run
      "01 01 01 01 02 02 02 02 03 03 03 03 04 04",
  };
  for (const char* text : yes) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(agari.ChkNormal(hand::Work(text)));
  }
  const char* no[] = {
      "01 04 07 11 14 17 21 24 27 31 32 33 34 34",
      "01 02 03 04 05 05 05 06 07 21 22 23 35 35",
      "08 09 11 11 11 12 13 14 21 22 23 31 31 31",  // 08 09 11 is no run
      "01 01 01 02 02 02 03 03 03 04 04 31 32 33",  // honours form no run
  };
  for (const char* text : no) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(agari.ChkNormal(hand::Work(text)));
  }
}

TEST(ChkMentsu, TripletFirstThenLeftmostRun) {
  TMjAgari agari = AnyAgari();
  {
    TraceLines trace;
    EXPECT_TRUE(agari.ChkMentsu(hand::Work("01 01 01 02 02 02 03 03 03")));
    EXPECT_EQ(trace.Lines, (std::vector<std::string>{"K: 02 02 02 03 03 03", "K: 01 01 01 02 02 02 03 03 03"}));
  }
  {
    TraceLines trace;
    EXPECT_TRUE(agari.ChkMentsu(hand::Work("01 01 02 02 03 03")));
    EXPECT_EQ(trace.Lines, std::vector<std::string>{"S: 01 01 02 02 03 03"});
  }
  {
    TraceLines trace;
    EXPECT_FALSE(agari.ChkMentsu(hand::Work("01 01 02 03 03 04")));
    EXPECT_TRUE(trace.Lines.empty());
  }
  {
    TraceLines trace;
    EXPECT_TRUE(agari.ChkMentsu(hand::Work("01 01 01 01 02 03")));
    EXPECT_EQ(trace.Lines, std::vector<std::string>{"K: 01 01 01 01 02 03"});
  }
  {
    TraceLines trace;
    EXPECT_TRUE(agari.ChkMentsu(hand::Work("01 02 02 02 03 03 03 04 04")));
    EXPECT_EQ(trace.Lines, (std::vector<std::string>{"S: 02 02 03 03 04 04", "S: 01 02 02 02 03 03 03 04 04"}));
  }
  EXPECT_TRUE(agari.ChkMentsu(hand::Work("31 31 31")));
  EXPECT_FALSE(agari.ChkMentsu(hand::Work("31 32 33")));
  EXPECT_TRUE(agari.ChkMentsu(hand::Work("07 08 09")));
  EXPECT_FALSE(agari.ChkMentsu(hand::Work("08 09 11")));
  EXPECT_FALSE(agari.ChkMentsu(hand::Work("09 11 12")));
}

TEST(FindShuntsu, LeftmostPartnersOrMinusOne) {
  int second = 99;
  int third = 99;
  EXPECT_TRUE(TMjAgari::FindShuntsu(hand::Work("01 01 02 02 03 03"), second, third));
  EXPECT_EQ(second, 2);
  EXPECT_EQ(third, 4);

  EXPECT_FALSE(TMjAgari::FindShuntsu(hand::Work("01 01 02 04 05"), second, third));
  EXPECT_EQ(second, 2);
  EXPECT_EQ(third, -1);

  // Same number in another suit is no partner.
  EXPECT_FALSE(TMjAgari::FindShuntsu(hand::Work("05 16 17"), second, third));
  EXPECT_EQ(second, -1);
  EXPECT_EQ(third, -1);

  EXPECT_TRUE(TMjAgari::FindShuntsu(hand::Work("27 28 29"), second, third));
  // No run begins with an 8, a 9 or an honour; nothing is searched then.
  for (const char* text : {"08 09 11", "18 19 21", "28 29 31", "09 11 12", "31 32 33", "35 36 37"}) {
    SCOPED_TRACE(text);
    second = third = 99;
    EXPECT_FALSE(TMjAgari::FindShuntsu(hand::Work(text), second, third));
    EXPECT_EQ(second, -1);
    EXPECT_EQ(third, -1);
  }
}

TEST(ChkKokushi, ThirteenCodesInTableOrderWithOneDoubled) {
  const char* yes[] = {
      "01 01 09 11 19 21 29 31 32 33 34 35 36 37",
      "01 09 11 19 21 29 31 32 33 34 35 36 37 37",
      "01 09 11 19 19 21 29 31 32 33 34 35 36 37",
      "01 09 11 19 21 29 31 32 33 34 35 36 36 37",
  };
  for (const char* text : yes) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(TMjAgari::ChkKokushi(hand::Work(text)));
  }
  const char* no[] = {
      "01 01 11 11 19 21 29 31 32 33 34 35 36 37",  // 09 missing, two kinds doubled
      "01 02 09 11 19 21 29 31 32 33 34 35 36 37",  // 02 is no orphan
      "01 09 11 19 21 28 29 31 32 33 34 35 36 37",
      "09 09 11 19 21 29 31 32 33 34 35 36 37 37",  // 01 missing
      "01 09 09 09 11 19 21 29 31 32 33 34 35 36",  // 37 missing
      "01 01 09 09 11 19 21 29 31 32 33 34 35 37",  // 36 missing, two doubles
  };
  for (const char* text : no) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(TMjAgari::ChkKokushi(hand::Work(text)));
  }
  // A tile outside the table (id 136 reads as code 38) never counts as 37.
  TMjWorkTe beyond = hand::Work("01 09 11 19 21 29 31 32 33 34 35 36 37");
  beyond.Pai.emplace_back(136);
  EXPECT_FALSE(TMjAgari::ChkKokushi(beyond));
}

TEST(ChkChiitoi, SevenDistinctPairs) {
  EXPECT_TRUE(TMjAgari::ChkChiitoi(hand::Work("01 01 03 03 05 05 07 07 12 12 24 24 31 31")));
  EXPECT_TRUE(TMjAgari::ChkChiitoi(hand::Work("01 01 02 02 03 03 04 04 05 05 06 06 07 07")));
  // Four 01s are one kind, never two pairs.
  EXPECT_FALSE(TMjAgari::ChkChiitoi(hand::Work("01 01 01 01 05 05 07 07 12 12 24 24 31 31")));
  EXPECT_FALSE(TMjAgari::ChkChiitoi(hand::Work("01 01 03 03 05 05 07 07 12 12 24 24 31 32")));
  EXPECT_FALSE(TMjAgari::ChkChiitoi(hand::Work("01 01 01 03 05 05 07 07 12 12 24 24 31 31")));
}

TEST(TraceTe, LabelThenBlankAndTwoDigitsPerTile) {
  TraceLines trace;
  TMjAgari agari = AnyAgari();
  agari.TraceTe(hand::Work("01 09 11 29 37"), "K:");
  TMjWorkTe odd;
  odd.Pai = {TMjPai(), TMjPai(135), TMjPai(136)};  // no tile, Red, one past the set
  agari.TraceTe(odd, "S:");
  odd.Pai.emplace_back(400);  // far outside: printf widens the field
  agari.TraceTe(odd, "ChkNormal:");
  agari.TraceTe(TMjWorkTe(), "K:");
  EXPECT_EQ(trace.Lines, (std::vector<std::string>{"K: 01 09 11 29 37", "S: 00 37 38", "ChkNormal: 00 37 38 112", "K:"}));
}
