#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "analysis/Mjscore1.h"

// Known hands with the values the rules give them: each yaku, typical
// combinations, the fu that are easy to get wrong, every limit and the yakuman.

namespace {

TKindCounts Hand(const std::string& text) {
  const TMjHandText parsed = ParseHand(text);
  if (parsed.Error != TMjNotationError::None) throw std::invalid_argument("bad hand in test: " + text);
  return parsed.Counts;
}

int Kind(const std::string& tile) {
  const TMjHandText parsed = ParseHand(tile);
  for (int k = 0; k < KindCount; ++k)
    if (parsed.Counts[k] > 0) return k;
  throw std::invalid_argument("bad tile in test: " + tile);
}

std::string Names(const std::vector<TMjYaku>& yaku) {
  std::string out;
  for (TMjYaku y : yaku) {
    if (!out.empty()) out += ' ';
    out += YakuName(y);
  }
  return out;
}

std::string FuText(const TMjReading& r) {
  std::string out;
  for (const TMjFuPart& p : r.FuParts) {
    if (!out.empty()) out += ' ';
    out += std::to_string(p.Fu);
  }
  return out;
}

constexpr int E = 0, S = 1, W = 2, N = 3;

struct TCase {
  const char* hand;
  const char* win;
  int seat;
  int round;
  const char* yaku;
  int han;
  int fu;
  int total;
  const char* limit;
};

void Check(const TCase& c, bool firstDraw = false) {
  SCOPED_TRACE(std::string(c.hand) + " win " + c.win + " seat " + WindName(c.seat) + " round " + WindName(c.round));
  const TMjScore score = MjScore(Hand(c.hand), Kind(c.win), {c.seat, c.round, firstDraw});
  ASSERT_TRUE(score.Complete());
  const TMjReading& r = score.BestReading();
  EXPECT_EQ(Names(r.Yaku), c.yaku);
  EXPECT_EQ(r.Han, c.han);
  EXPECT_EQ(r.Fu, c.fu);
  EXPECT_EQ(r.Points.Total, c.total);
  EXPECT_EQ(LimitName(r.Points), c.limit);
}

}  // namespace

// Wins valued by hand, each where a plausible rule fault would change the
// points. Non-dealer wins pay dealer twice the basic points and the others
// once; the basic points are fu x 2^(2 + han), limits aside.
TEST(Score, HandValuedWinsThatCatchPlausibleFaults) {
  const TCase cases[] = {
      // 7m fills 89m: an edge wait (2 fu), so no 平和. Tsumo alone, 20 + 2 + 2 = 24 -> 30 fu,
      // 1 han: basic 240, 300 + 300 + 500 = 1100 (read as two-sided it would be 平和, 1500).
      {"123m456p234s55s89m7m", "7m", S, E, "門前清自摸和", 1, 30, 1100, ""},
      // Three triplets of 9 in three suits: 三色同刻 2 + 三暗刻 2 + tsumo 1 = 5 han, 満貫 8000
      // (without 三色同刻: 3 han 50 fu, 6400).
      {"999m999p999s23s55p1s", "1s", S, E, "門前清自摸和 三色同刻 三暗刻", 5, 50, 8000, "満貫"},
      // Three wind triplets and a pair of 白: no 小四喜. Tsumo 1 + 場風 1 + 自風 1 + 三暗刻 2 +
      // 混一色 3 = 8 han, 倍満 16000 (as 小四喜 it would be 32000).
      {"111z222z333z55z23m4m", "4m", S, E, "門前清自摸和 自風牌 場風牌 三暗刻 混一色", 8, 50, 16000, "倍満"},
      // With the fourth wind as the pair it is 小四喜.
      {"111z222z333z44z23m4m", "4m", S, E, "小四喜", 0, 0, 32000, "役満"},
      // Seven pairs of simples keep 断么九: 2 + 1 + 1 = 4 han 25 fu, basic 1600: 6400 (3200 without it).
      {"22m44m66m33p55p77s8s8s", "8s", S, E, "門前清自摸和 断么九 七対子", 4, 25, 6400, ""},
      // The dealer's double-wind pair is 2 fu: 20 + 2 + 4 (222m) + 2 (closed 2s) + 2 = 30 fu,
      // 1 han, basic 240: 500 from each, 1500 (4 fu for the pair would make 40 fu, 2100).
      {"222m456p789s13s11z2s", "2s", E, E, "門前清自摸和", 1, 30, 1500, ""},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(Score, EachYakuWithTheSelfDraw) {
  const TCase cases[] = {
      {"234m45556p111789s", "4m", S, E, "門前清自摸和", 1, 30, 1100, ""},
      {"234567m45699p789s", "2m", S, E, "門前清自摸和 平和", 2, 20, 1500, ""},
      {"222567m45688p678s", "5m", S, E, "門前清自摸和 断么九", 2, 30, 2000, ""},
      {"223344m567p11199s", "5p", S, E, "門前清自摸和 一盃口", 2, 30, 2000, ""},
      {"234m567p55678s222z", "2m", S, E, "門前清自摸和 自風牌", 2, 30, 2000, ""},
      {"234m567p55678s111z", "2m", S, E, "門前清自摸和 場風牌", 2, 30, 2000, ""},
      {"234m567p55678s555z", "2m", S, E, "門前清自摸和 役牌 白", 2, 30, 2000, ""},
      {"234m567p55678s666z", "2m", S, E, "門前清自摸和 役牌 發", 2, 30, 2000, ""},
      {"234m567p55678s777z", "2m", S, E, "門前清自摸和 役牌 中", 2, 30, 2000, ""},
      {"234678m23499p234s", "3m", S, E, "門前清自摸和 三色同順", 3, 30, 4000, ""},
      {"123456789m45699p", "5p", S, E, "門前清自摸和 一気通貫", 3, 30, 4000, ""},
      {"123m789p123999s44z", "3m", S, E, "門前清自摸和 混全帯么九", 3, 40, 5200, ""},
      {"1133m5577p2288s44z", "4z", S, E, "門前清自摸和 七対子", 3, 25, 3200, ""},
      {"11177m555p234999s", "3s", S, E, "門前清自摸和 三暗刻", 3, 50, 6400, ""},
      {"123789m78999p111s", "1m", S, E, "門前清自摸和 純全帯么九", 4, 30, 7900, ""},
      {"23455567789m444z", "2m", S, E, "門前清自摸和 混一色", 4, 30, 7900, ""},
      {"11123455666789m", "4m", S, E, "門前清自摸和 清一色", 7, 40, 12000, "跳満"},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(Score, TypicalCombinations) {
  const TCase cases[] = {
      {"223344m567p34588s", "2m", S, E, "門前清自摸和 平和 断么九 一盃口", 4, 20, 5200, ""},
      {"234m567p55678s111z", "2m", E, E, "門前清自摸和 自風牌 場風牌", 3, 30, 6000, ""},
      {"222345m222p22299s", "3m", S, E, "門前清自摸和 三色同刻 三暗刻", 5, 40, 8000, "満貫"},
      {"234m789p55566677z", "2m", S, E, "門前清自摸和 役牌 白 役牌 發 小三元", 5, 40, 8000, "満貫"},
      {"1199m1199p1199s11z", "1z", S, E, "門前清自摸和 七対子 混老頭", 5, 25, 8000, "満貫"},
      {"11123456789m555z", "1m", S, E, "門前清自摸和 役牌 白 一気通貫 混一色", 7, 40, 12000, "跳満"},
      {"112233m445566p99s", "1m", S, E, "門前清自摸和 平和 二盃口", 5, 20, 8000, "満貫"},
      {"22334455667788m", "2m", S, E, "門前清自摸和 平和 断么九 二盃口 清一色", 12, 20, 24000, "三倍満"},
      {"11223377889999m", "2m", S, E, "門前清自摸和 二盃口 純全帯么九 清一色", 13, 30, 32000, "数え役満"},
      {"11223377889999m", "1m", E, E, "門前清自摸和 平和 二盃口 純全帯么九 清一色", 14, 20, 48000, "数え役満"},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(Score, FuOfWaitsPairsAndSets) {
  const struct {
    const char* hand;
    const char* win;
    int seat;
    int round;
    const char* parts;  // base, self-draw, sets, pair, wait
    int raw;
    int fu;
  } cases[] = {
      {"234567m45699p789s", "2m", S, E, "20", 20, 20},              // 平和: no fu for the self-draw
      {"234678m23499p234s", "3m", S, E, "20 2 2", 24, 30},          // closed wait
      {"123m789p123999s44z", "3m", S, E, "20 2 8 2", 32, 40},      // edge wait, a terminal triplet
      {"23455m567p345678s", "5m", S, E, "20 2 2", 24, 30},          // single wait on the pair
      {"234m567p345678s11z", "2m", E, E, "20 2 2", 24, 30},         // a pair of the double wind: 2 (WRC 2022)
      {"234m567p345678s11z", "2m", S, E, "20 2 2", 24, 30},         // of the round wind only
      {"234m567p345678s44z", "2m", S, E, "20", 20, 20},             // of a guest wind: 平和
      {"11177m555p234999s", "3s", S, E, "20 2 8 4 8 2", 44, 50},    // triplets of terminals and simples
      {"222567m45688p678s", "5m", S, E, "20 2 4", 26, 30},
      {"1133m5577p2288s44z", "4z", S, E, "25", 25, 25},             // seven pairs, flat
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.hand) + " win " + c.win);
    const TMjReading r = MjScore(Hand(c.hand), Kind(c.win), {c.seat, c.round, false}).BestReading();
    EXPECT_EQ(FuText(r), c.parts);
    EXPECT_EQ(r.RawFu, c.raw);
    EXPECT_EQ(r.Fu, c.fu);
  }
}

TEST(Score, TheReadingWorthMostIsChosen) {
  const struct {
    const char* hand;
    const char* win;
    int readings;
    const char* yaku;
    int total;
    TMjWait wait;
  } cases[] = {
      // Three triplets or three equal runs.
      {"111222333m456p77s", "3m", 2, "門前清自摸和 三暗刻", 5200, TMjWait::Shanpon},
      {"111222333m456p77s", "1m", 2, "門前清自摸和 三暗刻", 5200, TMjWait::Shanpon},
      // The drawn 4m ends a run (平和) or makes the pair.
      {"23444m567p345678s", "4m", 2, "門前清自摸和 平和 断么九", 2700, TMjWait::Ryanmen},
      // Seven pairs or 二盃口, on a two-sided and a closed wait.
      {"112233m445566p99s", "1m", 2, "門前清自摸和 平和 二盃口", 8000, TMjWait::Ryanmen},
      {"112233m445566p99s", "2m", 2, "門前清自摸和 二盃口", 7900, TMjWait::Kanchan},
      // Both haneman: the drawn 1m as the pair gives more fu.
      {"11123456789m555z", "1m", 2, "門前清自摸和 役牌 白 一気通貫 混一色", 12000, TMjWait::Tanki},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.hand) + " win " + c.win);
    const TMjScore score = MjScore(Hand(c.hand), Kind(c.win), {S, E, false});
    EXPECT_EQ(static_cast<int>(score.Readings.size()), c.readings);
    EXPECT_EQ(Names(score.BestReading().Yaku), c.yaku);
    EXPECT_EQ(score.BestReading().Points.Total, c.total);
    EXPECT_EQ(score.BestReading().Wait, c.wait);
  }
}

TEST(Score, Yakuman) {
  const TCase cases[] = {
      {"19m19p19s12345677z", "1m", S, E, "国士無双", 0, 0, 32000, "役満"},
      {"19m19p19s12345677z", "7z", S, E, "国士無双十三面", 0, 0, 32000, "役満"},
      {"11122m333p555s777z", "1m", S, E, "四暗刻", 0, 0, 32000, "役満"},
      {"11122m333p555s777z", "2m", E, E, "四暗刻単騎", 0, 0, 48000, "役満"},
      {"123m99p555666777z", "1m", S, E, "大三元", 0, 0, 32000, "役満"},
      {"123m11122233344z", "1m", S, E, "小四喜", 0, 0, 32000, "役満"},
      {"11223344556677z", "7z", S, E, "字一色", 0, 0, 32000, "役満"},
      {"223344666888s66z", "2s", S, E, "緑一色", 0, 0, 32000, "役満"},
      {"11122345678999m", "5m", S, E, "九蓮宝燈", 0, 0, 32000, "役満"},
      {"11122345678999m", "2m", S, E, "純正九蓮宝燈", 0, 0, 32000, "役満"},
      // Yakuman in one hand add up; 四暗刻 comes with every hand of four triplets.
      {"55m111222333444z", "5m", S, E, "四暗刻単騎 大四喜", 0, 0, 64000, "二倍役満"},
      {"111999m111999p11s", "1s", S, E, "四暗刻単騎 清老頭", 0, 0, 64000, "二倍役満"},
      {"11122z555666777z", "1z", S, E, "四暗刻 大三元 字一色", 0, 0, 96000, "三倍役満"},
  };
  for (const TCase& c : cases) Check(c);
}

TEST(Score, AWinOnTheFirstDraw) {
  const TCase cases[] = {
      {"234m567p55678s222z", "2m", E, E, "天和", 0, 0, 48000, "役満"},
      {"234m567p55678s222z", "2m", S, E, "地和", 0, 0, 32000, "役満"},
      {"19m19p19s12345677z", "7z", E, S, "国士無双十三面 天和", 0, 0, 96000, "二倍役満"},
  };
  for (const TCase& c : cases) Check(c, true);
}

TEST(Score, PaymentsAtEveryLimit) {
  const struct {
    int han;
    int fu;
    int yakuman;
    int nonDealer, dealer, total;         // a non-dealer's win
    int dealerEach, dealerTotal;          // the dealer's win
    const char* limit;
  } cases[] = {
      {1, 30, 0, 300, 500, 1100, 500, 1500, ""},
      {2, 20, 0, 400, 700, 1500, 700, 2100, ""},
      {3, 25, 0, 800, 1600, 3200, 1600, 4800, ""},
      {3, 60, 0, 2000, 3900, 7900, 3900, 11700, ""},   // 1920 basic points: not rounded up to mangan
      {4, 30, 0, 2000, 3900, 7900, 3900, 11700, ""},
      {3, 70, 0, 2000, 4000, 8000, 4000, 12000, "満貫"},
      {4, 40, 0, 2000, 4000, 8000, 4000, 12000, "満貫"},
      {5, 20, 0, 2000, 4000, 8000, 4000, 12000, "満貫"},
      {6, 20, 0, 3000, 6000, 12000, 6000, 18000, "跳満"},
      {7, 40, 0, 3000, 6000, 12000, 6000, 18000, "跳満"},
      {8, 20, 0, 4000, 8000, 16000, 8000, 24000, "倍満"},
      {10, 40, 0, 4000, 8000, 16000, 8000, 24000, "倍満"},
      {11, 20, 0, 6000, 12000, 24000, 12000, 36000, "三倍満"},
      {12, 40, 0, 6000, 12000, 24000, 12000, 36000, "三倍満"},
      {13, 20, 0, 8000, 16000, 32000, 16000, 48000, "数え役満"},
      {26, 20, 0, 8000, 16000, 32000, 16000, 48000, "数え役満"},   // never more than one yakuman
      {0, 0, 1, 8000, 16000, 32000, 16000, 48000, "役満"},
      {0, 0, 2, 16000, 32000, 64000, 32000, 96000, "二倍役満"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.han) + " han " + std::to_string(c.fu) + " fu " + std::to_string(c.yakuman));
    const TMjPoints child = MjPoints(c.han, c.fu, c.yakuman, false);
    EXPECT_EQ(child.NonDealer, c.nonDealer);
    EXPECT_EQ(child.Dealer, c.dealer);
    EXPECT_EQ(child.Total, c.total);
    EXPECT_EQ(LimitName(child), c.limit);
    const TMjPoints dealer = MjPoints(c.han, c.fu, c.yakuman, true);
    EXPECT_EQ(dealer.NonDealer, c.dealerEach);
    EXPECT_EQ(dealer.Dealer, 0);
    EXPECT_EQ(dealer.Total, c.dealerTotal);
  }
}

TEST(Score, IncompleteHandsHaveNoReadingAndBadInputIsRefused) {
  EXPECT_FALSE(MjScore(Hand("123m456p789s11223z"), Kind("3z"), {}).Complete());
  EXPECT_FALSE(MjScore(Hand("1111m222333444p5m"), Kind("5m"), {}).Complete());  // 1111m is no pair
  EXPECT_EQ(MjWinPoints(Hand("1111m222333444p5m"), Kind("5m"), {}), 0);
  EXPECT_THROW(MjScore(Hand("123m456p789s1122z"), Kind("1z"), {}), std::invalid_argument);  // 13 tiles
  EXPECT_THROW(MjScore(Hand("123m456p789s11222z"), Kind("3z"), {}), std::invalid_argument);  // not held
}
