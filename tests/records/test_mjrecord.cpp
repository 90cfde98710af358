#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <ctime>

#include "core/Mjrandom1.h"
#include "tests/records/RecordFiles.h"
#include "tests/support/SequenceSource.h"

namespace {

const TRecordTime Stamp{2004, 5, 3, 21, 9, 7};

TRecordClock FixedClock(TRecordTime time) {
  return [time] { return time; };
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(text.substr(from, at - from));
  EXPECT_EQ(from, text.size()) << "the text ends with a line break";
  return lines;
}

// The number of non-"00" fields of a row line, checking that they come first.
int FilledFields(const std::string& line) {
  EXPECT_EQ(line.size(), RecordRowLength) << line;
  int filled = 0;
  bool emptySeen = false;
  for (std::size_t i = 0; i < line.size(); i += 3) {
    const std::string field = line.substr(i, 2);
    if (field == "00") {
      emptySeen = true;
    } else {
      EXPECT_FALSE(emptySeen) << "a code after an empty slot: " << line;
      ++filled;
    }
    if (i + 2 < line.size()) {
      EXPECT_EQ(line[i + 2], ',') << line;
    }
  }
  return filled;
}

// The practice flow's moves: deal, sort, draw; then discard, sort, draw again
// until 18 tiles were drawn.
void Open(TMjTable& table) {
  table.Haipai();
  table.SortTe();
  table.Tumo();
}

void Discard(TMjTable& table, int slot) {
  table.Sute(slot);
  table.SortTe();
  if (table.TumoCount < 18) table.Tumo();
}

void RoundTrip(const TMjTable& table, const TTempFolder& folder) {
  const std::string path = folder / "deal.csv";
  SaveRecordFile(path, table, FixedClock(Stamp));
  EXPECT_EQ(ReadBytes(path).size(), RecordSize);
  EXPECT_EQ(ReadBytes(path), RecordText(table, Stamp));

  TRecordLoader loader;
  TEventLog events(loader);
  EXPECT_TRUE(loader.LoadRecordFile(path, events));
  EXPECT_EQ(loader.Codes, TableCodes(table));
  EXPECT_EQ(loader.RecordDate, "2004/05/03 21:09:07");
  EXPECT_EQ(loader.RecordFile, path);
  EXPECT_EQ(events.Calls, LoadedCalls);
}

std::multiset<int> CodesOf(std::initializer_list<const TPaiRow*> rows) {
  std::multiset<int> codes;
  for (const TPaiRow* row : rows)
    for (const TMjPai* p : *row)
      if (p) codes.insert(p->GetCode());
  return codes;
}

}  // namespace

TEST(MjRecord, CodeTextIsTwoDigitsOfTheTileCode) {
  TMjTable table;
  EXPECT_EQ(CodeText(nullptr), "00");
  EXPECT_EQ(CodeText(&table.Pai[0]), "01");
  EXPECT_EQ(CodeText(&table.Pai[35]), "09");
  EXPECT_EQ(CodeText(&table.Pai[36]), "11");
  EXPECT_EQ(CodeText(&table.Pai[108]), "31");
  EXPECT_EQ(CodeText(&table.Pai[135]), "37");
}

TEST(MjRecord, OpeningOfAnUnshuffledWallIsWrittenExactly) {
  TRuleSource zero = ZeroSource();
  TScopedRandomSource seam(zero);
  TMjTable table;
  table.Shuffle();  // never exchanges: the wall is ids 0, 1, 2, ...
  Open(table);
  EXPECT_EQ(RecordText(table, Stamp),
            "TileLab 1.0,2004/05/03 21:09:07\r\n"
            "01,01,01,01,02,02,02,02,03,03,03,03,04,00,00,00,00,00,00,00\r\n"
            "04,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00\r\n"
            "00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00\r\n"
            "01,01,01,01,02,02,02,02,03,03,03,03,04,04,00,00,00,00,00,00\r\n");
}

TEST(MjRecord, EveryStageOfADealIs277BytesAndReadsBack) {
  TMjRandom generator;
  generator.Seed(20040503);
  TScopedRandomSource seam(generator);
  TTempFolder folder;
  TMjTable table;
  table.Shuffle();

  Open(table);
  {
    SCOPED_TRACE("after the opening");
    const std::vector<std::string> lines = Lines(RecordText(table, Stamp));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(FilledFields(lines[1]), 13);
    EXPECT_EQ(FilledFields(lines[2]), 1);
    EXPECT_EQ(FilledFields(lines[3]), 0);
    EXPECT_EQ(FilledFields(lines[4]), 14);
    RoundTrip(table, folder);
  }

  for (int i = 0; i < 5; ++i) Discard(table, (i * 5) % 14);
  {
    SCOPED_TRACE("in mid-deal");
    RoundTrip(table, folder);
  }

  while (table.SuteCount < 18) Discard(table, (table.SuteCount * 3) % 14);
  {
    SCOPED_TRACE("after 18 discards");
    const std::vector<std::string> lines = Lines(RecordText(table, Stamp));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(FilledFields(lines[1]), 13);
    EXPECT_EQ(FilledFields(lines[2]), 18);
    EXPECT_EQ(FilledFields(lines[3]), 18);
    EXPECT_EQ(FilledFields(lines[4]), 13);
    EXPECT_EQ(CodesOf({&table.HaipaiRec, &table.TumoRec}), CodesOf({&table.Sutepai, &table.Tepai}));
    RoundTrip(table, folder);
  }
}

TEST(MjRecord, OneSuitDealWritesOnlyCharacters) {
  TMjRandom generator;
  generator.Seed(7);
  TScopedRandomSource seam(generator);
  TMjTable table;
  table.ShuffleTinitu();
  Open(table);
  while (table.SuteCount < 18) Discard(table, 13);

  const std::vector<std::string> lines = Lines(RecordText(table, Stamp));
  ASSERT_EQ(lines.size(), 5u);
  for (std::size_t r = 1; r < lines.size(); ++r) {
    std::istringstream row(lines[r]);
    std::string field;
    while (std::getline(row, field, ',')) EXPECT_TRUE(field >= "00" && field <= "09") << lines[r];
  }
}

TEST(MjRecord, TimeStampIsFixedWidthAnd24Hour) {
  TMjTable table;
  auto header = [&table](TRecordTime time) { return Lines(RecordText(table, time)).at(0); };
  EXPECT_EQ(header({2023, 12, 31, 13, 5, 9}), "TileLab 1.0,2023/12/31 13:05:09");
  EXPECT_EQ(header({2024, 1, 1, 23, 59, 59}), "TileLab 1.0,2024/01/01 23:59:59");
  EXPECT_EQ(header({2024, 1, 1, 0, 0, 0}), "TileLab 1.0,2024/01/01 00:00:00");
  EXPECT_EQ(header({999, 1, 1, 12, 0, 0}), "TileLab 1.0,0999/01/01 12:00:00");
  // A clock gone wrong still gives a file of the one size.
  EXPECT_EQ(RecordText(table, {123456, -1, 100, 24, 60, 61}).size(), RecordSize);
}

// The name offered for a record sorts as its time does, and a wrong clock
// cannot make it a path.
TEST(MjRecord, FileStemIsTheDateAndTime) {
  EXPECT_EQ(RecordFileStem({2023, 12, 31, 13, 5, 9}), "20231231-130509");
  EXPECT_EQ(RecordFileStem({999, 1, 1, 0, 0, 0}), "09990101-000000");
  EXPECT_EQ(RecordFileStem({123456, -1, 100, 24, 60, 61}), "99990099-246061");
}

TEST(MjRecord, SavingAgainReplacesTheFileWithTheLaterStamp) {
  TTempFolder folder;
  TMjTable table;
  const std::string path = folder / "twice.csv";
  int second = 0;
  const TRecordClock ticking = [&second] { return TRecordTime{2024, 6, 1, 18, 30, second++}; };

  SaveRecordFile(path, table, ticking);
  SaveRecordFile(path, table, ticking);
  EXPECT_EQ(second, 2) << "the clock is read once per save";
  EXPECT_EQ(ReadBytes(path), RecordText(table, {2024, 6, 1, 18, 30, 1}));
  EXPECT_EQ(folder.Names(), std::set<std::string>{"twice.csv"});
}

TEST(MjRecord, DefaultClockWritesTheLocalTime) {
  TTempFolder folder;
  TMjTable table;
  SaveRecordFile(folder / "now.csv", table);
  const std::string bytes = ReadBytes(folder / "now.csv");
  ASSERT_EQ(bytes.size(), RecordSize);
  EXPECT_TRUE(std::regex_match(bytes.substr(0, 31), std::regex(R"(TileLab 1\.0,\d{4}/\d\d/\d\d \d\d:\d\d:\d\d)")))
      << bytes.substr(0, 31);
}

// Every field of the local clock, compared with the C library's reading around
// the call (taken twice in case a second turns meanwhile).
TEST(MjRecord, LocalNowReadsEveryFieldOfTheLocalTime) {
  auto read = [] {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return TRecordTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
  };
  auto same = [](const TRecordTime& a, const TRecordTime& b) {
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day && a.Hour == b.Hour && a.Minute == b.Minute &&
           a.Second == b.Second;
  };
  const TRecordTime before = read();
  const TRecordTime now = LocalNow();
  const TRecordTime after = read();
  EXPECT_TRUE(same(now, before) || same(now, after))
      << now.Year << "/" << now.Month << "/" << now.Day << " " << now.Hour << ":" << now.Minute << ":" << now.Second;
}
