#include <gtest/gtest.h>

#include <sys/stat.h>

#include "records/Safefile1.h"
#include "tests/records/RecordFiles.h"

namespace {

// The rows of tests/data/records/example.csv.
const TCodeGrid ExampleCodes{
    1,  5,  7,  9,  9,  14, 16, 21, 25, 27, 27, 33, 37, 0,  0,  0,  0,  0, 0, 0,   //
    5,  16, 26, 13, 7,  24, 1,  34, 24, 25, 17, 36, 24, 17, 18, 14, 12, 22, 0, 0,  //
    25, 9,  5,  13, 16, 24, 26, 7,  34, 16, 14, 27, 21, 7,  5,  1,  14, 12, 0, 0,  //
    1,  9,  17, 17, 18, 22, 24, 24, 25, 27, 33, 36, 37, 0,  0,  0,  0,  0,  0, 0};

std::vector<std::int32_t> Row(const TRecordLoader& loader, int r) {
  const auto from = loader.Codes.begin() + r * RowSlots;
  return {from, from + RowSlots};
}

std::vector<std::int32_t> Padded(std::vector<std::int32_t> values) {
  values.resize(RowSlots, 0);
  return values;
}

// Loads a file into a loader that held another record before, to show that
// nothing of it survives.
class RecordLoaderTest : public ::testing::Test {
protected:
  RecordLoaderTest() {
    Loader.LoadRecordFile(RecordData("example.csv").string(), Events);
    Events.Calls.clear();
  }
  bool Load(const std::string& path) { return Loader.LoadRecordFile(path, Events); }
  bool LoadData(const std::string& name) { return Load(RecordData(name).string()); }

  void ExpectNoRecord() {
    EXPECT_EQ(Loader.Codes, TCodeGrid{});
    EXPECT_EQ(Loader.RecordFile, "");
    EXPECT_EQ(Loader.RecordDate, "");
  }
  void ExpectFailure(const std::string& path, const std::string& message) {
    try {
      Load(path);
      ADD_FAILURE() << "no exception for " << path;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }

  TRecordLoader Loader;
  TEventLog Events{Loader};
};

}  // namespace

TEST_F(RecordLoaderTest, LineBreaksOfEveryKindReadTheSame) {
  for (const char* name : {"example.csv", "example_lf.csv", "example_cr.csv", "example_mixed_nobreak.csv",
                           "example_more_lines.csv"}) {
    SCOPED_TRACE(name);
    Events.Calls.clear();
    EXPECT_TRUE(LoadData(name));
    EXPECT_EQ(Loader.Codes, ExampleCodes);
    EXPECT_EQ(Loader.RecordDate, "2004/05/03 21:09:07");
    EXPECT_EQ(Loader.RecordFile, RecordData(name).string());
    EXPECT_EQ(Events.Calls, LoadedCalls);
  }
}

TEST_F(RecordLoaderTest, StatusIsRefreshedBeforeTheRowsAreRead) {
  ASSERT_TRUE(LoadData("example.csv"));
  ASSERT_EQ(Events.Calls, LoadedCalls);
  EXPECT_EQ(Events.FilesSeen[0], RecordData("example.csv").string());
  EXPECT_EQ(Events.CodesSeen[0], TCodeGrid{});
  EXPECT_EQ(Events.CodesSeen[1], ExampleCodes);
}

TEST_F(RecordLoaderTest, HeaderAcceptedWithAnyRest) {
  EXPECT_TRUE(LoadData("header_bare.csv"));
  EXPECT_EQ(Loader.RecordDate, "");
  EXPECT_EQ(Loader.Codes, ExampleCodes);
  EXPECT_TRUE(LoadData("header_xyz.csv"));
  EXPECT_EQ(Loader.RecordDate, "xyz");
}

TEST_F(RecordLoaderTest, HeaderRefusedLeavesNoRecord) {
  for (const char* name : {"header_no_comma.csv", "header_lower.csv", "header_empty_line.csv", "header_short.csv"}) {
    SCOPED_TRACE(name);
    LoadData("example.csv");
    Events.Calls.clear();
    EXPECT_FALSE(LoadData(name));
    EXPECT_EQ(Events.Calls, std::vector<std::string>{"HeaderRefused"});
    ExpectNoRecord();
  }
}

TEST_F(RecordLoaderTest, DelimitersAndRunsOfThem) {
  ASSERT_TRUE(LoadData("tokens_delimiters.csv"));
  EXPECT_EQ(Row(Loader, 0), Padded({11, 12, 13, 14}));
  EXPECT_EQ(Row(Loader, 1), Padded({11, 12}));
  EXPECT_EQ(Row(Loader, 2), Padded({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
  EXPECT_EQ(Row(Loader, 3), Padded({31, 32, 33, 34, 35}));
}

TEST_F(RecordLoaderTest, ValuesSignsLettersAndEmptyRows) {
  ASSERT_TRUE(LoadData("tokens_values.csv"));
  EXPECT_EQ(Row(Loader, 0), Padded({}));
  EXPECT_EQ(Row(Loader, 1), Padded({7, 0, -3, 5, 8, 0, 0, 0, 0}));
  EXPECT_EQ(Row(Loader, 2), Padded({}));
  EXPECT_EQ(Row(Loader, 3), Padded({31, 32, 33}));
}

TEST_F(RecordLoaderTest, NumbersBeyond32BitsSaturate) {
  ASSERT_TRUE(LoadData("hostile_overflow.csv"));
  const std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const std::int32_t min = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(Row(Loader, 0), Padded({max, min, max, max, min, min, 5}));

  EXPECT_EQ(RecordValue(" \f\v-0012"), -12);
  EXPECT_EQ(RecordValue("+-3"), 0);
  EXPECT_EQ(RecordValue(std::string(5000, '9')), max);
}

TEST_F(RecordLoaderTest, MissingRowLineFailsAfterTheRowsBeforeIt) {
  ExpectFailure(RecordData("three_lines.csv").string(), "リストのインデックスが範囲を超えています (3)");
  EXPECT_EQ(std::vector<std::int32_t>(Loader.Codes.begin(), Loader.Codes.begin() + 40),
            std::vector<std::int32_t>(ExampleCodes.begin(), ExampleCodes.begin() + 40));
  EXPECT_EQ(Row(Loader, 2), Padded({}));
  EXPECT_EQ(Row(Loader, 3), Padded({}));
  EXPECT_EQ(Loader.RecordFile, RecordData("three_lines.csv").string());
  EXPECT_EQ(Loader.RecordDate, "2004/05/03 21:09:07");
  EXPECT_EQ(Events.Calls, std::vector<std::string>{"UpdateStatus"});
}

TEST_F(RecordLoaderTest, NulEndsTheText) {
  ExpectFailure(RecordData("hostile_nul.csv").string(), "リストのインデックスが範囲を超えています (3)");
  EXPECT_EQ(Row(Loader, 0), Padded({1, 2}));
  EXPECT_EQ(Row(Loader, 1), Padded({3, 4}));
  EXPECT_EQ(Row(Loader, 2), Padded({}));
}

TEST_F(RecordLoaderTest, EmptyMissingOrNoFileAtAllIsAnErrorNotARefusal) {
  ExpectFailure(RecordData("empty.csv").string(), "リストのインデックスが範囲を超えています (0)");
  ExpectNoRecord();

  const std::string missing = RecordData("no such record.csv").string();
  ExpectFailure(missing, "ファイル " + missing + " は開けません");
  ExpectNoRecord();

  const std::string folder = RecordData("").string();
  ExpectFailure(folder, "ファイル " + folder + " は開けません");

  // A pipe would block a plain open until someone writes to it.
  TTempFolder temp;
  const std::string pipe = temp / "pipe.csv";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  ExpectFailure(pipe, "ファイル " + pipe + " は開けません");
  ExpectNoRecord();
  EXPECT_TRUE(Events.Calls.empty());
}

TEST_F(RecordLoaderTest, OverlongLineIsCutAndEndsTheText) {
  TTempFolder temp;
  const std::string row = "11,12\r\n";
  const std::string path = temp / "long.csv";

  // A row line of exactly the cap still reads, padded with blanks after its values.
  WriteBytes(path, "TileLab 1.0,\r\n" + row + "21,22" + std::string(RecordLineCap - 5, ' ') + "\r\n" + row + row);
  EXPECT_TRUE(Load(path));
  EXPECT_EQ(Row(Loader, 1), Padded({21, 22}));

  // One byte more and the text ends within that line: the rows after it are missing.
  WriteBytes(path, "TileLab 1.0,\r\n" + row + "21,22" + std::string(RecordLineCap - 4, ' ') + "\r\n" + row + row);
  ExpectFailure(path, "リストのインデックスが範囲を超えています (3)");
  EXPECT_EQ(Row(Loader, 1), Padded({21, 22}));

  // A huge header keeps only the cap of it.
  WriteBytes(path, "TileLab 1.0," + std::string(3 * RecordLineCap, 'd'));
  ExpectFailure(path, "リストのインデックスが範囲を超えています (1)");
  EXPECT_EQ(Loader.RecordDate.size(), RecordLineCap - RecordHeader.size());
}

TEST(RecordLineSplitter, StopsAtTheFifthLineAndIgnoresHowBytesArrive) {
  const std::string text = "a\r\n\r\nb\rc\n\nd\r\n";
  TRecordLineSplitter whole;
  EXPECT_FALSE(whole.Feed(text)) << "five lines are in";
  whole.Finish();
  EXPECT_EQ(whole.Lines, (std::vector<std::string>{"a", "", "b", "c", ""}));

  // A CR LF split between two reads is still one break.
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    SCOPED_TRACE(cut);
    TRecordLineSplitter pieces;
    pieces.Feed(std::string_view(text).substr(0, cut));
    pieces.Feed(std::string_view(text).substr(cut));
    pieces.Finish();
    EXPECT_EQ(pieces.Lines, whole.Lines);
  }

  TRecordLineSplitter fewer;
  EXPECT_TRUE(fewer.Feed("x\r\ny\r"));
  EXPECT_TRUE(fewer.Feed("\nz"));
  fewer.Finish();
  EXPECT_EQ(fewer.Lines, (std::vector<std::string>{"x", "y", "z"}));
}
