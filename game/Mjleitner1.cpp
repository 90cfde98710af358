#include "game/Mjleitner1.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include <sys/stat.h>

#include "records/Safefile1.h"

namespace {

using namespace std::chrono;

// A whole decimal number, nothing before or after it.
template <class Number>
bool ParseNumber(std::string_view text, Number& value) {
  if (text.empty() || text.front() == '+' || text.front() == '-') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  for (;;) {
    const std::size_t blank = line.find(' ', start);
    words.push_back(line.substr(start, blank == std::string_view::npos ? std::string_view::npos : blank - start));
    if (blank == std::string_view::npos) return words;
    start = blank + 1;
  }
}

// The folder on one line: control bytes and '%' as %XX.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f || c == '%') {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", byte);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

bool Unescaped(std::string_view text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    unsigned value = 0;
    if (i + 2 >= text.size()) return false;
    const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
    if (error != std::errc() || end != text.data() + i + 3) return false;
    out += static_cast<char>(value);
    i += 2;
  }
  return true;
}

bool ParseCardLine(std::string_view line, std::uint64_t& id, TMjCardState& s) {
  const std::vector<std::string_view> w = Words(line);
  if (w.size() != 7 || w[0] != "card" || w[1].size() != 16) return false;
  if (w[1].find_first_not_of("0123456789abcdef") != std::string_view::npos) return false;
  if (std::from_chars(w[1].data(), w[1].data() + 16, id, 16).ptr != w[1].data() + 16) return false;
  if (!ParseNumber(w[2], s.Box) || s.Box < 1 || s.Box > LeitnerBoxes) return false;
  if (!ParseDay(w[3], s.Due)) return false;
  if (w[4] == "-")
    s.LastWrong = NoDay;
  else if (!ParseDay(w[4], s.LastWrong))
    return false;
  // Counts beyond the cap are read as the cap.
  unsigned long long answers = 0, wrongs = 0;
  if (!ParseNumber(w[5], answers) || !ParseNumber(w[6], wrongs) || answers < 1 || wrongs > answers) return false;
  s.Answers = static_cast<int>(std::min<unsigned long long>(answers, MaxCardAnswers));
  s.Wrongs = static_cast<int>(std::min<unsigned long long>(wrongs, MaxCardAnswers));
  return true;
}

std::string DamagedName(const std::string& path, const TRecordTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", std::clamp(now.Year, 0, 9999),
                std::clamp(now.Month, 0, 99), std::clamp(now.Day, 0, 99), std::clamp(now.Hour, 0, 99),
                std::clamp(now.Minute, 0, 99), std::clamp(now.Second, 0, 99));
  const std::string base = path + ".damaged-" + stamp;
  std::string name = base;
  // Two damaged files in one second must not overwrite each other.
  struct stat info;
  for (int n = 2; ::lstat(name.c_str(), &info) == 0; ++n) name = base + "-" + std::to_string(n);
  return name;
}

}  // namespace

TMjDay DayOf(const TRecordTime& time) {
  const year_month_day date{year{time.Year}, month{static_cast<unsigned>(time.Month)},
                            day{static_cast<unsigned>(time.Day)}};
  return static_cast<TMjDay>(sys_days(date).time_since_epoch().count());
}

std::string DayText(TMjDay d) {
  const year_month_day date{sys_days(days(d))};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()));
  return text;
}

bool ParseDay(std::string_view text, TMjDay& d) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int y = 0;
  unsigned m = 0, dd = 0;
  if (!ParseNumber(text.substr(0, 4), y) || !ParseNumber(text.substr(5, 2), m) || !ParseNumber(text.substr(8, 2), dd))
    return false;
  const year_month_day date{year{y}, month{m}, day{dd}};
  if (!date.ok()) return false;
  d = static_cast<TMjDay>(sys_days(date).time_since_epoch().count());
  return true;
}

void TMjCardState::Answer(bool right, TMjDay today) {
  Answers = std::min(Answers + 1, MaxCardAnswers);
  if (!right) {
    Wrongs = std::min(Wrongs + 1, MaxCardAnswers);
    Box = 1;
    Due = today;
    LastWrong = today;
    return;
  }
  if (LastWrong != today) Box = std::min(Box + 1, LeitnerBoxes);
  Due = today + LeitnerDays[static_cast<std::size_t>(Box - 1)];
}

std::string DrillStateText(const TMjDrillState& state) {
  std::string text = std::string(DrillStateHeader) + std::to_string(DrillStateVersion) + "\n";
  text += "folder " + Escaped(state.Folder) + "\n";
  for (const auto& [id, s] : state.Cards) {
    text += "card " + HexId(id) + ' ' + std::to_string(s.Box) + ' ' + DayText(s.Due) + ' ' +
            (s.LastWrong == NoDay ? std::string("-") : DayText(s.LastWrong)) + ' ' + std::to_string(s.Answers) + ' ' +
            std::to_string(s.Wrongs) + "\n";
  }
  text += "end " + std::to_string(state.Cards.size()) + "\n";
  return text;
}

TMjDrillParse ParseDrillState(std::string_view text) {
  TMjDrillParse p;
  auto fail = [&p](TMjDrillFault fault, int line) {
    p.State = {};
    p.Fault = fault;
    p.Line = line;
    return p;
  };
  // A file cut short in the middle of a line lacks the last line break.
  const bool brokenOff = !text.empty() && text.back() != '\n';
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    lines.push_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }

  if (lines.empty() || !lines[0].starts_with(DrillStateHeader)) return fail(TMjDrillFault::NotAState, 1);
  int version = 0;
  if (!ParseNumber(lines[0].substr(DrillStateHeader.size()), version) || version < 1)
    return fail(TMjDrillFault::NotAState, 1);
  if (version > DrillStateVersion) return fail(TMjDrillFault::NewerVersion, 1);

  if (lines.size() < 2 || !lines[1].starts_with("folder ") || !Unescaped(lines[1].substr(7), p.State.Folder))
    return fail(lines.size() < 2 ? TMjDrillFault::Truncated : TMjDrillFault::BadLine, 2);

  // From here on a fault keeps the good cards; the first fault is named.
  auto mark = [&p](TMjDrillFault fault, int line) {
    if (p.Fault != TMjDrillFault::None) return;
    p.Fault = fault;
    p.Line = line;
  };
  std::size_t i = 2;
  for (; i < lines.size() && lines[i].starts_with("card "); ++i) {
    const int number = static_cast<int>(i) + 1;
    std::uint64_t id = 0;
    TMjCardState s;
    if (brokenOff && i + 1 == lines.size()) {
      ++p.Lost;
      mark(TMjDrillFault::Truncated, number);
      return p;
    }
    if (!ParseCardLine(lines[i], id, s)) {
      ++p.Lost;
      mark(TMjDrillFault::BadLine, number);
    } else if (!p.State.Cards.emplace(id, s).second) {
      ++p.Lost;
      mark(TMjDrillFault::DuplicateCard, number);
    }
  }
  const int number = static_cast<int>(i) + 1;
  if (i == lines.size() || brokenOff) {
    mark(TMjDrillFault::Truncated, number);
    return p;
  }
  std::size_t count = 0;
  if (!lines[i].starts_with("end ") || !ParseNumber(lines[i].substr(4), count)) {
    mark(TMjDrillFault::BadLine, number);
    return p;
  }
  if (count != p.State.Cards.size() + static_cast<std::size_t>(p.Lost)) mark(TMjDrillFault::Truncated, number);
  if (i + 1 != lines.size()) mark(TMjDrillFault::BadLine, number + 1);
  return p;
}

TMjDrillLoad LoadDrillState(const std::string& path, const TRecordTime& now) {
  TMjDrillLoad load;
  load.File = path;
  struct stat info {};
  const bool found = ::stat(path.c_str(), &info) == 0;
  if (!found && errno == ENOENT) return load;

  TMjDrillParse p;
  std::ifstream in(path, std::ios::binary);
  if (in && found && S_ISREG(info.st_mode)) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    p = in.bad() ? TMjDrillParse{{}, TMjDrillFault::Unreadable, 0} : ParseDrillState(text);
  } else {
    p.Fault = TMjDrillFault::Unreadable;
  }
  load.Fault = p.Fault;
  load.Line = p.Line;
  load.Lost = p.Lost;
  load.State = std::move(p.State);  // a damaged file's good cards stay in use
  if (p.Fault == TMjDrillFault::None) return load;
  if (p.Fault == TMjDrillFault::NewerVersion) {
    load.Writable = false;
    return load;
  }
  const std::string aside = DamagedName(path, now);
  if (::rename(path.c_str(), aside.c_str()) == 0)
    load.MovedTo = aside;
  else
    load.Writable = false;
  return load;
}

void SaveDrillState(const std::string& path, const TMjDrillState& state) {
  WriteFileAtomically(path, DrillStateText(state));
}

std::string DrillStateFileName(const std::string& folder) { return "drill-" + HexId(StableHash(folder)) + ".txt"; }

std::uint64_t StableHash(std::string_view bytes, std::uint64_t hash) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string HexId(std::uint64_t id) {
  char text[24];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(id));
  return text;
}
