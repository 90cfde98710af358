#include <gtest/gtest.h>

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
      {"123m456p789s1122x", "17文字目の「x」は牌の表記ではありません（数字と m p s z）"},
      {"105m456p789s1122z", "2文字目の 0 は牌ではありません（赤五は扱いません）"},
      {"123m456p789s1128z", "16文字目の 8z はありません（字牌は 1z から 7z）"},
      {"123m456p789s11229", "13文字目からの数字の後に m p s z のどれもありません"},
      {"11111m456p789s22z", "5文字目で 1m が 5 枚目になります"},
      {"123mm456p789s1122z", "5文字目の「m」の前に数字がありません"},
      {"123m 456p789s1122z", "5文字目の「\\x20」は牌の表記ではありません（数字と m p s z）"},
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
  EXPECT_EQ(b.Err,
            "tilelab-hand: 1行目: 行が長すぎます（256 バイトまで）\n"
            "tilelab-hand: 2行目: 1文字目の「\\x00」は牌の表記ではありません（数字と m p s z）\n");
  EXPECT_EQ(b.Status, 1);
}

TEST(HandBatch, ALineOf256BytesIsReadAndOneOf257IsRefused) {
  const TBatch b = Batch(std::string(256, 'x') + "\n" + std::string(257, 'x') + "\n");
  EXPECT_EQ(b.Out, "error\nerror\n");
  EXPECT_EQ(b.Err,
            "tilelab-hand: 1行目: 1文字目の「x」は牌の表記ではありません（数字と m p s z）\n"
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
      "1133m5577p2288s4z\t4z   n  n\n",
      handtool::ScoreLine);
  EXPECT_EQ(b.Out,
            "2700\t2\t40\t-\t700/1300\t門前清自摸和:1 自風牌:1\n"
            "2100\t1\t40\t-\t700\t門前清自摸和:1\n"
            "24000\t12\t20\t三倍満\t6000/12000\t門前清自摸和:1 平和:1 断么九:1 二盃口:3 清一色:6\n"
            "96000\t-\t-\t二倍役満\t32000\t国士無双十三面:役満 天和:役満\n"
            "3200\t3\t25\t-\t800/1600\t門前清自摸和:1 七対子:2\n");
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
