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
