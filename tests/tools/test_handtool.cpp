#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <string>

#include "tools/hand/HandTool.h"

// The batch format of tilelab-hand, byte for byte, and how it refuses input.

namespace {

struct TBatch {
  std::string Out;
  std::string Err;
  int Status = 0;
};

TBatch Batch(const std::string& input, handtool::TAnswer answer = handtool::BatchLine) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  TBatch result;
  result.Status = handtool::RunBatch(in, out, err, answer);
  result.Out = out.str();
  result.Err = err.str();
  return result;
}

}  // namespace

TEST(HandBatch, AnswersTheFourExamplesExactly) {
  const TBatch b = Batch("123m456p789s1122z\n1111m234567p789s\n123m456p789s1122z3z\n111122334m12223s\n");
  EXPECT_EQ(b.Out,
            "0\t12z\t4\n"
            "1\t23456789m123456789p123456789s1234567z\t123\n"
            "0\t1m:1:14m12z:11 2m:1:2m12z:7 3m:1:3m12z:7 4p:1:47p12z:11 5p:1:5p12z:7 6p:1:36p12z:11 "
            "7s:1:7s12z:7 8s:1:8s12z:7 9s:1:69s12z:11 1z:1:123z:7 2z:1:123z:7 3z:0:12z:4\n"
            "-1\t1m:0:14m2s:4 2m:0:25m:6 3m:0:3m:2 4m:0:4m2s:4 1s:0:134s:10 2s:0:2s:1 3s:0:13s:6\n");
  EXPECT_EQ(b.Err, "");
  EXPECT_EQ(b.Status, 0);
}

TEST(HandBatch, UnsortedInputAndCrLfLinesAndNoFinalNewline) {
  const TBatch b = Batch("2z1z1z789s456p2z123m\r\n1112345678999m");
  EXPECT_EQ(b.Out, "0\t12z\t4\n0\t123456789m\t23\n");
  EXPECT_EQ(b.Status, 0);
}

TEST(HandBatch, BadLinesNameTheLineAndTheFaultAndTheRestGoesOn) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"123m456p789s11z", "牌が 11 枚です（13 枚か 14 枚）"},
      {"", "牌がありません"},
      {"123m456p789s1122x", "17文字目の「x」は牌の表記ではありません（数字と m p s z、字牌は E S W N P F C も）"},
      {"１２３ｍ456p789s1122ｘ", "17文字目の「ｘ」は牌の表記ではありません（数字と m p s z、字牌は E S W N P F C も）"},
      {"123m456p789s1102z", "15文字目の 0 は字牌にはありません（0 は m p s の赤五）"},
      {"123m456p789s1122z draws=20", "25文字目: draws= は 0 から 18 までです"},
      {"123m456p789s1122z seen=1111z", "24文字目: 手牌と seen= で 1z が 5 枚以上になります"},
      {"123m456p789s1122z seat=q", "24文字目の風は e s w n のどれかです"},
      {"123m456p789s1122z seen=8z", "seen=: 24文字目の 8z はありません（字牌は 1z から 7z）"},
      {"123m456p789s1122z turn=3", "19文字目の「turn=3」は使えません（draws= seen= one-suit seat= round=）"},
      {"123m456p789s1128z", "16文字目の 8z はありません（字牌は 1z から 7z）"},
      {"123m456p789s11229", "13文字目からの数字の後に m p s z のどれもありません"},
      {"11111m456p789s22z", "5文字目で 1m が 5 枚目になります"},
      {"123mm456p789s1122z", "5文字目の「m」の前に数字がありません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const TBatch b = Batch(std::string("123m456p789s1122z\n") + c.line + "\n123m456p789s1122z\n");
    EXPECT_EQ(b.Out, "0\t12z\t4\nerror\n0\t12z\t4\n");
    EXPECT_EQ(b.Err, std::string("tilelab-hand: 2行目: ") + c.message + "\n");
    EXPECT_EQ(b.Status, 1);
  }
}

TEST(HandBatch, LongLinesAndBinaryInputAreRefusedLineByLine) {
  std::string input(5'000'000, '1');  // one line of five million bytes
  input += "\n";
  input += std::string("\x00\xff\x89PNG", 6) + "\n";
  input += "123m456p789s1122z";
  const TBatch b = Batch(input);
  EXPECT_EQ(b.Out, "error\nerror\n0\t12z\t4\n");
  EXPECT_EQ(
      b.Err,
      "tilelab-hand: 1行目: 行が長すぎます（256 バイトまで）\n"
      "tilelab-hand: 2行目: 1文字目の「\\x00」は牌の表記ではありません（数字と m p s z、字牌は E S W N P F C も）\n");
  EXPECT_EQ(b.Status, 1);
}

TEST(HandBatch, ALineOf256BytesIsReadAndOneOf257IsRefused) {
  const TBatch b = Batch(std::string(256, 'x') + "\n" + std::string(257, 'x') + "\n");
  EXPECT_EQ(b.Out, "error\nerror\n");
  EXPECT_EQ(b.Err,
            "tilelab-hand: 1行目: 1文字目の「x」は牌の表記ではありません（数字と m p s z、字牌は E S W N P F C も）\n"
            "tilelab-hand: 2行目: 行が長すぎます（256 バイトまで）\n");
}

TEST(HandTable, ShowsTheShantenInWordsAndTheDiscardsBestFirst) {
  std::string error;
  const std::string table = handtool::Table("123m456p789s1122z3z", error);
  EXPECT_EQ(table.substr(0, table.find('\n')), "123m456p789s11223z  聴牌");
  EXPECT_NE(table.find("\n3z    聴牌    12z "), std::string::npos) << table;
  EXPECT_LT(table.find("\n3z "), table.find("\n1m "));
  EXPECT_EQ(handtool::Table("123m", error), "");
  EXPECT_EQ(error, "牌が 3 枚です（13 枚か 14 枚）");
  EXPECT_EQ(handtool::ShantenWords(-1), "和了");
  EXPECT_EQ(handtool::ShantenWords(2), "2向聴");
}

TEST(HandScoreBatch, AnswersEachWinOnOneLine) {
  const TBatch b = Batch(
      "123m456p789s11z22z 2z s e\n"          // 13 tiles and the draw, south seat
      "123m456p789s11222z 2z\n"               // 14 tiles holding it; east seat, east round
      "22334455667788m 2m w s\n"
      "19m19p19s1234567z 7z e e first\r\n"
      "1133m5577p2288s4z\t4z   n  n\n"
      "123m456p789s11z55z 5z\n"                // a dragon: one blank-free field
      "234m567p555666z7z 7z s e\n",
      handtool::ScoreLine);
  EXPECT_EQ(b.Out,
            "2700\t2\t40\t-\t700/1300\t門前清自摸和:1 自風牌:1\n"
            "2100\t1\t40\t-\t700\t門前清自摸和:1\n"
            "24000\t12\t20\t三倍満\t6000/12000\t門前清自摸和:1 平和:1 断么九:1 二盃口:3 清一色:6\n"
            "96000\t-\t-\t二倍役満\t32000\t国士無双十三面:役満 天和:役満\n"
            "3200\t3\t25\t-\t800/1600\t門前清自摸和:1 七対子:2\n"
            "3900\t2\t40\t-\t1300\t門前清自摸和:1 白:1\n"
            "8000\t5\t50\t満貫\t2000/4000\t門前清自摸和:1 白:1 發:1 小三元:2\n");
  EXPECT_EQ(b.Err, "");
  EXPECT_EQ(b.Status, 0);
}

TEST(HandScoreBatch, BadLinesAreAnsweredErrorWithTheReason) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"", "牌がありません"},
      {"123m456p789s11z22z", "和了牌がありません（手牌の後に 1 枚）"},
      {"123m456p789s11z22z 22z", "和了牌「22z」は 1 枚の牌ではありません"},
      {"123m456p789s11z22z 2x", "和了牌「2x」は 1 枚の牌ではありません"},
      {"123m456p789s11222z 3z", "和了牌 3z が手牌にありません"},
      {"1111m456p789s112z 1m", "和了牌 1m が 5 枚目になります"},
      {"123m456p789s11z 2z", "牌が 11 枚です（13 枚か 14 枚）"},
      {"123m456p789s11z22z 3z", "和了形ではありません"},
      {"123m456p789s11z22z 2z s", "風が 1 つだけです（自風と場風の順に 2 つ）"},
      {"123m456p789s11z22z 2z s first", "風が 1 つだけです（自風と場風の順に 2 つ）"},
      {"123m456p789s11z22z 2z x e", "「x」は風ではありません（e s w n）"},
      {"123m456p789s11z22z 2z e south", "「south」は風ではありません（e s w n）"},
      {"123m456p789s11z22z 2z e e first now", "余分な語「now」があります"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const TBatch b = Batch(std::string("123m456p789s11z22z 2z\n") + c.line + "\n123m456p789s11z22z 2z\n",
                           handtool::ScoreLine);
    EXPECT_EQ(b.Out, "2100\t1\t40\t-\t700\t門前清自摸和:1\nerror\n2100\t1\t40\t-\t700\t門前清自摸和:1\n");
    EXPECT_EQ(b.Err, std::string("tilelab-hand: 2行目: ") + c.message + "\n");
    EXPECT_EQ(b.Status, 1);
  }
}

TEST(HandScoreTable, ShowsTheYakuTheFuAndThePayments) {
  std::string error;
  handtool::TWin win;
  ASSERT_TRUE(handtool::ReadWin("123m456p789s11z22z", "2z", win, error));
  win.Situation = {1, 0, false};
  EXPECT_EQ(handtool::ScoreTable(win, error),
            "123m456p789s11222z  ツモ 2z  東場 南家\n"
            "門前清自摸和    1翻\n"
            "自風牌          1翻\n"
            "符  副底 20 + ツモ 2 + 暗刻 2z 8 + 雀頭 1z 2 = 32 → 40符\n"
            "40符 2翻  2700点（子 700 / 親 1300）\n");
  ASSERT_TRUE(handtool::ReadWin("19m19p19s1234567z", "7z", win, error));
  win.Situation = {0, 0, true};
  EXPECT_EQ(handtool::ScoreTable(win, error),
            "19m19p19s12345677z  ツモ 7z  東場 東家  第一ツモ\n"
            "国士無双十三面  役満\n"
            "天和            役満\n"
            "二倍役満  96000点（32000オール）\n");
}

namespace {

// The shortest-path figures unless told.
handtool::TProbOptions Shortest() {
  handtool::TProbOptions options;
  options.Extra = 0;
  return options;
}

TBatch ProbBatch(const std::string& input, const handtool::TProbOptions& options = Shortest()) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  TBatch result;
  result.Status = handtool::RunProbBatch(in, out, err, options);
  result.Out = out.str();
  result.Err = err.str();
  return result;
}

}  // namespace

TEST(HandProbBatch, AnswersEveryDiscardInCodeOrderExactly) {
  const TBatch b = ProbBatch("234578m1689p357s1z\n123m456p789s1112z\n123m456p789s11122z\n");
  EXPECT_EQ(b.Out,
            "3\t2m:3:0.6035:0.1387 3m:4:-:- 4m:4:-:- 5m:3:0.6035:0.1387 7m:4:-:- 8m:3:0.4744:0.0879 "
            "1p:3:0.6326:0.1511 6p:3:0.6121:0.1432 8p:4:-:- 9p:3:0.6121:0.1432 3s:3:0.5173:0.1114 5s:4:-:- "
            "7s:3:0.5173:0.1114 1z:3:0.6326:0.1511\n"
            "0\t1.0000\t0.3625\n"
            "-1\t1m:0:1.0000:0.6602 2m:0:1.0000:0.3651 3m:0:1.0000:0.3651 4p:0:1.0000:0.6602 5p:0:1.0000:0.3651 "
            "6p:0:1.0000:0.6602 7s:0:1.0000:0.3651 8s:0:1.0000:0.3651 9s:0:1.0000:0.6602 1z:0:1.0000:0.3651 "
            "2z:0:1.0000:0.2603\n");
  EXPECT_EQ(b.Err, "");
  EXPECT_EQ(b.Status, 0);
}

TEST(HandProbBatch, DrawsLeftAndOneSuitWall) {
  handtool::TProbOptions options = Shortest();
  options.DrawsLeft = 1;
  options.OneSuit = true;
  // 1112345678999m: all 23 characters unseen win; 123m456p789s1112z: no 2z in the wall.
  const TBatch b = ProbBatch("1112345678999m\n123m456p789s1112z\n", options);
  EXPECT_EQ(b.Out, "0\t1.0000\t1.0000\n0\t1.0000\t0.0000\n");
  EXPECT_EQ(b.Status, 0);
}

// The player's own discards leave the wall: 123m456p789s1112z waits on 2z alone,
// 3 copies among 123 unseen tiles, so one draw wins 3/123 = 0.0244; with 2z
// thrown 2/122 = 0.0164; with 9p thrown 3/122 = 0.0246.
TEST(HandProbBatch, SeenTilesLeaveTheWall) {
  handtool::TProbOptions options;
  options.DrawsLeft = 1;
  EXPECT_EQ(ProbBatch("123m456p789s1112z\n", options).Out, "0\t1.0000\t0.0244\n");
  options.Seen[static_cast<std::size_t>(CodeKind(32))] = 1;
  EXPECT_EQ(ProbBatch("123m456p789s1112z\n", options).Out, "0\t1.0000\t0.0164\n");
  options.Seen = {};
  options.Seen[static_cast<std::size_t>(CodeKind(19))] = 1;
  EXPECT_EQ(ProbBatch("123m456p789s1112z\n", options).Out, "0\t1.0000\t0.0246\n");
}

// The one-line form says in the line what the options say for every line.
TEST(HandProbBatch, TheOneLineFormGivesWhatTheOptionsGive) {
  handtool::TProbOptions options;
  options.DrawsLeft = 9;
  const TBatch byOptions = ProbBatch("234578m1689p357s1z\n1112345678999m\n", options);
  const TBatch byLine = ProbBatch("234578m1689p357s1z draws=9\n1112345678999m draws=9\n");
  EXPECT_EQ(byLine.Out, byOptions.Out);
  options.OneSuit = true;
  EXPECT_EQ(ProbBatch("1112345678999m one-suit draws=9\n").Out, ProbBatch("1112345678999m\n", options).Out);
  // Seen tiles leave the wall: with every 2z and 3z seen no draw completes 123m456p789s1112z.
  EXPECT_EQ(ProbBatch("123m456p789s1112z seen=222z3333z\n").Out, "0\t1.0000\t0.0000\n");
  // A line's own words win over the options.
  handtool::TProbOptions one;
  one.DrawsLeft = 1;
  EXPECT_EQ(ProbBatch("1112345678999m draws=9\n", one).Out, byOptions.Out.substr(byOptions.Out.find('\n') + 1));
}

TEST(HandProbBatch, BadLinesGiveErrorAndTheNextLineAnswers) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"123m456p789s11z", "牌が 11 枚です（13 枚か 14 枚）"},
      {"123m456p789s1128z", "16文字目の 8z はありません（字牌は 1z から 7z）"},
      {"", "牌がありません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const TBatch b = ProbBatch(std::string("1112345678999m\n") + c.line + "\n1112345678999m\n");
    EXPECT_EQ(b.Out, "0\t1.0000\t0.9777\nerror\n0\t1.0000\t0.9777\n");
    EXPECT_EQ(b.Err, std::string("tilelab-hand: 2行目: ") + c.message + "\n");
    EXPECT_EQ(b.Status, 1);
  }
  handtool::TProbOptions far;
  far.DrawsLeft = 30;
  far.OneSuit = true;
  std::string error;
  EXPECT_EQ(handtool::ProbBatchLine("1112345678999m", far, error), "");
  EXPECT_EQ(error, "山に 23 枚しかなく、ツモ 30 回は引けません");
}

TEST(HandProbTable, ShowsBestWinChanceFirstAndRaisedDiscardsLast) {
  std::string error;
  const std::string table = handtool::ProbTable("234578m1689p357s1z", Shortest(), error);
  EXPECT_EQ(table.substr(0, table.find('\n')), "234578m1689p357s1z  3向聴  残りツモ 17 回  寄り道なし");
  EXPECT_NE(table.find("\n1p    3向聴   63.26%    15.11%\n"), std::string::npos) << table;
  EXPECT_LT(table.find("\n1p "), table.find("\n8m "));
  EXPECT_LT(table.find("\n8m "), table.find("\n3m    4向聴   -         -\n"));
  EXPECT_NE(table.find("（向聴数が上がる打牌は計算しません）"), std::string::npos);
  EXPECT_EQ(handtool::ProbTable("123m", {}, error), "");
  EXPECT_EQ(error, "牌が 3 枚です（13 枚か 14 枚）");
}

TEST(HandProbBatch, ValueAddsTheExpectedPointsToTheSameLines) {
  handtool::TProbOptions options = Shortest();
  const TBatch plain = ProbBatch("234578m1689p357s1z\n123m456p789s1112z\n", options);
  options.Value = true;
  options.Situation.SeatWind = 1;
  const TBatch valued = ProbBatch("234578m1689p357s1z\n123m456p789s1112z\n", options);
  ASSERT_EQ(valued.Status, 0);
  // Without the points every field reads as without --value.
  std::string stripped;
  std::istringstream lines(valued.Out);
  for (std::string line; std::getline(lines, line);) {
    if (line.find(':') != std::string::npos) {
      line = std::regex_replace(line, std::regex(":[-0-9.]+( |$)"), "$1");
    } else {
      line = line.substr(0, line.rfind('\t'));
    }
    stripped += line + '\n';
  }
  EXPECT_EQ(stripped, plain.Out);
  // The single wait on 2z: 3 copies among 123 unseen, 17 draws; each win is
  // worth what the scorer gives the South seat.
  TKindCounts won{};
  for (int k : {0, 1, 2, 12, 13, 14, 24, 25, 26, 27, 27, 27, 28, 28}) ++won[k];
  const int value = MjScore(won, 28, {1, 0, false}).BestReading().Points.Total;
  double miss = 1.0;
  for (int j = 0; j < 17; ++j) miss *= (120.0 - j) / (123.0 - j);
  char expected[32];
  std::snprintf(expected, sizeof expected, "\t%.1f\n", (1.0 - miss) * value);
  EXPECT_TRUE(valued.Out.ends_with(expected)) << valued.Out << expected;
}

// Unless told, the figures are the windows': the shortest path alone.
// As the windows: the shortest path unless asked; one move reaches two away, not three.
TEST(HandProbTable, TheDefaultIsTheWindowsModelAndFarHandsGetFewerMoves) {
  std::string error;
  const std::string near = handtool::ProbTable("234578m1689p3577s", {}, error);  // 2 away
  EXPECT_EQ(near.substr(0, near.find('\n')), "234578m1689p3577s  2向聴  残りツモ 17 回  寄り道なし");
  handtool::TProbOptions one;
  one.Extra = 1;
  const std::string moved = handtool::ProbTable("234578m1689p3577s", one, error);
  EXPECT_EQ(moved.substr(0, moved.find('\n')), "234578m1689p3577s  2向聴  残りツモ 17 回  寄り道 1 回まで");
  // 3 away: the shortest-path figures of the published example.
  const std::string far = handtool::ProbTable("234578m1689p357s1z", {}, error);
  EXPECT_EQ(far.substr(0, far.find('\n')), "234578m1689p357s1z  3向聴  残りツモ 17 回  寄り道なし");
  EXPECT_NE(far.find("\n1p    3向聴   63.26%    15.11%\n"), std::string::npos) << far;
}

// Discards of equal win chance are listed as the windows recommend them: a
// terminal before a middle tile. Throwing 2m or 9m from 11223445677899m keeps
// a ready hand on the same waits, so both win alike.
TEST(HandProbTable, TiedDiscardsInTheWindowsOrder) {
  std::string error;
  handtool::TProbOptions shortest;
  shortest.Extra = 0;
  const std::string table = handtool::ProbTable("11223445677899m", shortest, error);
  const std::size_t nine = table.find("\n9m    聴牌");
  const std::size_t two = table.find("\n2m    聴牌");
  ASSERT_NE(nine, std::string::npos) << table;
  ASSERT_NE(two, std::string::npos) << table;
  EXPECT_LT(nine, two) << table;
}
