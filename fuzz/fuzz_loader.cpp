// Feeds any bytes to the record loader as a file. Beyond "no crash, no leak, no
// undefined behaviour" it checks the loader against a plain reading of the same
// rules written here the slow, obvious way, and checks that the line splitter
// gives the same lines however the bytes are cut into reads.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "records/Mjloader1.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
  }
}

// The text ends at the first NUL; a line ends at CR LF, LF or CR; a line longer
// than cap is cut and ends the text; at most count lines.
std::vector<std::string> ReferenceLines(std::string_view bytes, std::size_t cap, std::size_t count) {
  const std::string_view text = bytes.substr(0, bytes.find('\0'));
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size() && lines.size() < count) {
    const std::size_t brk = std::min(text.find_first_of("\r\n", pos), text.size());
    if (brk - pos > cap) {
      lines.emplace_back(text.substr(pos, cap));
      break;
    }
    lines.emplace_back(text.substr(pos, brk - pos));
    pos = brk;
    if (pos < text.size()) pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
  }
  return lines;
}

std::int32_t ReferenceValue(const std::string& token) {
  // strtoll reads the same white space, sign and digits; its own overflow gives
  // the 64-bit limits, which clamp to the 32-bit ones.
  const long long value = std::strtoll(token.c_str(), nullptr, 10);
  return static_cast<std::int32_t>(std::clamp<long long>(value, std::numeric_limits<std::int32_t>::min(),
                                                         std::numeric_limits<std::int32_t>::max()));
}

std::vector<std::int32_t> ReferenceRow(const std::string& line) {
  std::vector<std::int32_t> row(RowSlots, 0);
  std::vector<std::string> tokens(1);
  for (const char c : line) {
    if (c == ',' || c == ' ' || c == '\t' || c == '"') {
      if (!tokens.back().empty()) tokens.emplace_back();
    } else {
      tokens.back() += c;
    }
  }
  if (tokens.back().empty()) tokens.pop_back();
  for (std::size_t i = 0; i < tokens.size() && i < row.size(); ++i) row[i] = ReferenceValue(tokens[i]);
  return row;
}

class TCountingEvents final : public TRecordEvents {
public:
  void HeaderRefused() override { Calls += 'H'; }
  void UpdateStatus() override { Calls += 'U'; }
  void EnableBmpSave() override { Calls += 'E'; }
  std::string Calls;
};

const std::string& ScratchFile() {
  static const std::string path = [] {
    const char* folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/tilelab-fuzz-" + std::to_string(::getpid()) + ".csv";
  }();
  return path;
}

void WriteScratch(std::string_view bytes) {
  const int fd = ::open(ScratchFile().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  Check(fd >= 0, "scratch file opens");
  Check(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), "scratch file written");
  ::close(fd);
}

void CheckSplitter(std::string_view bytes) {
  // A small cap so that short inputs reach it; cut points taken from the bytes.
  constexpr std::size_t cap = 16;
  const std::vector<std::string> expected = ReferenceLines(bytes, cap, RecordLineCount);
  TRecordLineSplitter splitter(cap);
  std::size_t pos = 0;
  for (std::size_t step = 1; pos < bytes.size(); ++step) {
    const std::size_t size = std::min<std::size_t>(1 + static_cast<unsigned char>(bytes[step % bytes.size()]) % 7,
                                                   bytes.size() - pos);
    if (!splitter.Feed(bytes.substr(pos, size))) break;
    pos += size;
  }
  splitter.Finish();
  Check(splitter.Lines == expected, "splitter lines equal the plain reading");
}

void CheckLoader(std::string_view bytes) {
  const std::vector<std::string> lines = ReferenceLines(bytes, RecordLineCap, RecordLineCount);
  const std::string& path = ScratchFile();
  WriteScratch(bytes);

  TRecordLoader loader;
  loader.Codes.fill(77);  // a previous record, which no outcome may leave behind
  loader.RecordFile = "old";
  loader.RecordDate = "old";
  TCountingEvents events;
  bool result = false;
  std::string error;
  try {
    result = loader.LoadRecordFile(path, events);
  } catch (const std::runtime_error& e) {
    error = e.what();
  }
  ::unlink(path.c_str());  // libFuzzer may end the process without running exit handlers

  const bool accepted = !lines.empty() && lines[0].starts_with(RecordHeader);
  if (lines.empty()) {
    Check(error == "リストのインデックスが範囲を超えています (0)" && events.Calls.empty(), "no line");
  } else if (!accepted) {
    Check(error.empty() && !result && events.Calls == "H", "header refused");
  } else {
    Check(loader.RecordFile == path && loader.RecordDate == lines[0].substr(RecordHeader.size()), "texts");
    if (lines.size() < static_cast<std::size_t>(RecordLineCount)) {
      Check(error == "リストのインデックスが範囲を超えています (" + std::to_string(lines.size()) + ")", "line error");
      Check(events.Calls == "U", "status only");
    } else {
      Check(error.empty() && result && events.Calls == "UE", "loaded");
    }
  }
  if (!accepted) Check(loader.RecordFile.empty() && loader.RecordDate.empty(), "no texts left");

  for (int r = 0; r < RecordRows; ++r) {
    const bool read = accepted && static_cast<std::size_t>(r + 1) < lines.size();
    const std::vector<std::int32_t> expected =
        read ? ReferenceRow(lines[static_cast<std::size_t>(r + 1)]) : std::vector<std::int32_t>(RowSlots, 0);
    const auto from = loader.Codes.begin() + r * RowSlots;
    Check(std::equal(expected.begin(), expected.end(), from), "row codes equal the plain reading");
  }
  // Every code the loader can give is drawn: its tile sheet cell is c + 10, or
  // none (-1) where that does not fit, never an overflow.
  for (const std::int32_t code : loader.Codes) {
    const long long cell = code == 0 ? 0 : code + 10LL;
    Check(PaiCell(CodeSuit(code), CodeNumber(code)) == (cell >= 0 && cell <= 0x7fffffffLL ? cell : -1), "cell");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckSplitter(bytes);
  CheckLoader(bytes);
  return 0;
}
