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

TBatch Batch(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  TBatch result;
  result.Status = handtool::RunBatch(in, out, err);
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

namespace {

TBatch ProbBatch(const std::string& input, const handtool::TProbOptions& options = {}) {
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
  handtool::TProbOptions options;
  options.DrawsLeft = 1;
  options.OneSuit = true;
  // 1112345678999m: all 23 characters unseen win; 123m456p789s1112z: no 2z in the wall.
  const TBatch b = ProbBatch("1112345678999m\n123m456p789s1112z\n", options);
  EXPECT_EQ(b.Out, "0\t1.0000\t1.0000\n0\t1.0000\t0.0000\n");
  EXPECT_EQ(b.Status, 0);
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
  const std::string table = handtool::ProbTable("234578m1689p357s1z", {}, error);
  EXPECT_EQ(table.substr(0, table.find('\n')), "234578m1689p357s1z  3向聴  残りツモ 17 回");
  EXPECT_NE(table.find("\n1p    3向聴   63.26%    15.11%\n"), std::string::npos) << table;
  EXPECT_LT(table.find("\n1p "), table.find("\n8m "));
  EXPECT_LT(table.find("\n8m "), table.find("\n3m    4向聴   -         -\n"));
  EXPECT_NE(table.find("（向聴数が上がる打牌は計算しません）"), std::string::npos);
  EXPECT_EQ(handtool::ProbTable("123m", {}, error), "");
  EXPECT_EQ(error, "牌が 3 枚です（13 枚か 14 枚）");
}
