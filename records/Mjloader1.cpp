#include "records/Mjloader1.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/Safefile1.h"

void TRecordLineSplitter::EndLine() {
  Lines.push_back(std::move(Current));
  Current.clear();
  if (Lines.size() >= LineCount) Done = true;
}

void TRecordLineSplitter::EndText() {
  if (!Done && !Current.empty()) Lines.push_back(std::move(Current));
  Current.clear();
  Done = true;
}

bool TRecordLineSplitter::Feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (Done) break;
    if (AfterCr) {
      AfterCr = false;
      if (c == '\n') continue;
    }
    if (c == '\0') {
      EndText();
    } else if (c == '\r' || c == '\n') {
      AfterCr = c == '\r';
      EndLine();
    } else if (Current.size() == LineCap) {
      EndText();
    } else {
      Current += c;
    }
  }
  return !Done;
}

void TRecordLineSplitter::Finish() { EndText(); }

std::int32_t RecordValue(std::string_view token) {
  auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  std::size_t i = 0;
  while (i < token.size() && isSpace(token[i])) ++i;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                      : std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i)
    value = std::min(value * 10 + (token[i] - '0'), limit);
  return static_cast<std::int32_t>(negative ? -value : value);
}

namespace {

// Owns a descriptor for the length of one load.
class TFd {
public:
  explicit TFd(int fd) : Fd(fd) {}
  ~TFd() {
    if (Fd >= 0) ::close(Fd);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Fd;
};

[[noreturn]] void FailOpen(const std::string& path, std::error_code reason) {
  throw TFileError(TFileFault::Open, path, reason);
}

std::vector<std::string> ReadRecordLines(const std::string& path) {
  // Non-blocking, so that a pipe named like a record cannot hang the viewer
  // before it is refused below.
  TFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Fd < 0) FailOpen(path, std::error_code(errno, std::generic_category()));
  struct stat info {};
  if (::fstat(file.Fd, &info) != 0) FailOpen(path, std::error_code(errno, std::generic_category()));
  if (S_ISDIR(info.st_mode)) FailOpen(path, std::make_error_code(std::errc::is_a_directory));
  if (!S_ISREG(info.st_mode)) FailOpen(path, std::make_error_code(std::errc::invalid_argument));

  TRecordLineSplitter splitter;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(file.Fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw TFileError(TFileFault::Read, path, std::error_code(errno, std::generic_category()));
    }
    if (n == 0 || !splitter.Feed(std::string_view(buffer, static_cast<std::size_t>(n)))) break;
  }
  splitter.Finish();
  return std::move(splitter.Lines);
}

const std::string& LineAt(const std::vector<std::string>& lines, int index, const std::string& path) {
  if (index < 0 || static_cast<std::size_t>(index) >= lines.size())
    throw TFileError(TFileFault::MissingLine, path, {}, index);
  return lines[static_cast<std::size_t>(index)];
}

// A run of delimiters counts as one, so an empty field yields no token and the
// values after it move left.
void ReadRecordRow(std::string_view line, std::int32_t* row) {
  constexpr std::string_view delimiters = ", \t\"";
  std::size_t pos = 0;
  for (int slot = 0; slot < RowSlots; ++slot) {
    pos = line.find_first_not_of(delimiters, pos);
    if (pos == std::string_view::npos) break;
    const std::size_t end = line.find_first_of(delimiters, pos);
    row[slot] = RecordValue(line.substr(pos, end - pos));
    pos = end;
  }
}

}  // namespace

void TRecordLoader::ClearCodes() { Codes.fill(0); }

bool TRecordLoader::LoadRecordFile(const std::string& path, TRecordEvents& events) {
  RecordFile.clear();
  RecordDate.clear();
  ClearCodes();

  const std::vector<std::string> lines = ReadRecordLines(path);
  const std::string& head = LineAt(lines, 0, path);
  if (!head.starts_with(RecordHeader)) {
    events.HeaderRefused();
    return false;
  }
  RecordFile = path;
  RecordDate = head.substr(RecordHeader.size());
  events.UpdateStatus();

  for (int r = 0; r < RecordRows; ++r)
    ReadRecordRow(LineAt(lines, r + 1, path), Codes.data() + static_cast<std::ptrdiff_t>(r) * RowSlots);
  events.EnableBmpSave();
  return true;
}
