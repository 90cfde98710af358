#include "tools/hand/HandTool.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <ostream>
#include <vector>

#include "analysis/Mjshanten1.h"

namespace handtool {
namespace {

// The place of a byte as the reader counts it: in characters, from 1.
std::string Column(std::string_view line, std::size_t offset) {
  std::size_t characters = 1;
  for (std::size_t i = 0; i < offset && i < line.size(); ++i)
    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) ++characters;
  return std::to_string(characters) + "文字目";
}

// A byte as the reader sees it: itself when printable, else \xNN.
std::string Shown(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x21 && byte < 0x7F) return std::string(1, c);
  const char* digits = "0123456789ABCDEF";
  return std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
}

std::string Shown(std::string_view text) {
  std::string out;
  for (char c : text) out += Shown(c);
  return out;
}

// The character at a byte offset: a whole UTF-8 sequence, else the byte shown.
std::string CharacterAt(std::string_view line, std::size_t at) {
  const auto byte = static_cast<unsigned char>(line[at]);
  std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
  if (length == 1 || at + length > line.size()) return Shown(line[at]);
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(line[at + i]) & 0xC0) != 0x80) return Shown(line[at]);
  return std::string(line.substr(at, length));
}

// The word that starts at a byte offset.
std::string_view WordAt(std::string_view line, std::size_t at) {
  const std::size_t end = line.find_first_of(" \t", at);
  return line.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
}

std::string NotationReason(std::string_view line, TMjNotationError error, std::size_t place, int kind) {
  const std::string at = Column(line, place);
  switch (error) {
    case TMjNotationError::None: break;
    case TMjNotationError::Empty: return "牌がありません";
    case TMjNotationError::UnknownCharacter:
      return at + "の「" + CharacterAt(line, place) +
             "」は牌の表記ではありません（数字と m p s z、字牌は E S W N P F C も）";
    case TMjNotationError::ZeroDigit: return at + "の 0 は字牌にはありません（0 は m p s の赤五）";
    case TMjNotationError::DigitsWithoutSuit: return at + "からの数字の後に m p s z のどれもありません";
    case TMjNotationError::SuitWithoutDigits:
      return at + "の「" + CharacterAt(line, place) + "」の前に数字がありません";
    case TMjNotationError::HonourNumber:
      return at + "の " + CharacterAt(line, place) + "z はありません（字牌は 1z から 7z）";
    case TMjNotationError::FifthCopy: return at + "で " + KindText(kind) + " が 5 枚目になります";
  }
  return {};
}

std::string ShortWallReason(int wall, int draws) {
  return "山に " + std::to_string(wall) + " 枚しかなく、ツモ " + std::to_string(draws) + " 回は引けません";
}

}  // namespace

bool ReadPosition(std::string_view line, const TMjPosition& base, TMjPositionRead& read, std::string& error) {
  read = ParsePosition(line, base);
  const std::string at = Column(line, read.Place);
  switch (read.Error) {
    case TMjPositionError::None: return true;
    case TMjPositionError::Notation: error = NotationReason(line, read.Notation, read.Place, read.Kind); break;
    case TMjPositionError::TileCount: error = "牌が " + std::to_string(read.Tiles) + " 枚です（13 枚か 14 枚）"; break;
    case TMjPositionError::UnknownWord:
      error = at + "の「" + Shown(WordAt(line, read.Place)) + "」は使えません（draws= seen= one-suit seat= round=）";
      break;
    case TMjPositionError::DrawsValue:
      error = at + ": draws= は 0 から " + std::to_string(DealDraws) + " までです";
      break;
    case TMjPositionError::SeenNotation:
      error = "seen=: " + NotationReason(line, read.Notation, read.Place, read.Kind);
      break;
    case TMjPositionError::TooManyCopies:
      error = at + ": 手牌と seen= で " + KindText(read.Kind) + " が 5 枚以上になります";
      break;
    case TMjPositionError::WindValue: error = at + "の風は e s w n のどれかです"; break;
    case TMjPositionError::ShortWall: error = ShortWallReason(read.Wall, read.Position.DrawsLeft); break;
  }
  return false;
}

namespace {

// The hand in the line, or false and the reason.
bool Read(std::string_view line, TKindCounts& counts, int& tiles, std::string& error) {
  TMjPositionRead read;
  if (!ReadPosition(line, {}, read, error)) return false;
  counts = read.Position.Hand;
  tiles = read.Position.Tiles();
  return true;
}

std::string Kinds(TKindMask kinds) { return kinds == 0 ? "-" : KindsText(kinds); }

// Terminal columns of UTF-8 text: two for every character beyond ASCII.
std::size_t Width(std::string_view text) {
  std::size_t width = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      ++width;
    } else if ((byte & 0xC0) == 0xC0) {
      width += 2;
    }
  }
  return width;
}

std::string Pad(std::string text, std::size_t width) {
  const std::size_t has = Width(text);
  if (has < width) text.append(width - has, ' ');
  return text;
}

// A chance with four decimals: "0.1511".
std::string Fraction(double p) {
  char text[16];
  std::snprintf(text, sizeof text, "%.4f", p);
  return text;
}

// A chance for people: "15.11%".
std::string Percent(double p) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f%%", 100.0 * p);
  return text;
}

// Expected points: "2034.5" for scripts, "2035点" for people.
std::string Points(double points, bool forPeople) {
  char text[32];
  std::snprintf(text, sizeof text, forPeople ? "%.0f点" : "%.1f", points);
  return text;
}

// The chances of the hand in `line` (13 or 14 tiles), or false and the reason.
struct TProbAnswer {
  TKindCounts Counts{};
  int Tiles = 0;
  TMjWorthTable Table;  // 14 tiles; for 13 without rows
  TMjPosition Position;
  int RedFives = 0;
  int Extra = 0;  // the moves off the path taken
};

constexpr std::size_t CommandBudget = std::size_t{1} << 30;

bool Chances(std::string_view line, const TProbOptions& options, TProbAnswer& answer, std::string& error) {
  TMjPosition base;
  base.DrawsLeft = options.DrawsLeft;
  base.OneSuit = options.OneSuit;
  base.Seen = options.Seen;
  base.SeatWind = options.Situation.SeatWind;
  base.RoundWind = options.Situation.RoundWind;
  TMjPositionRead read;
  if (!ReadPosition(line, base, read, error)) return false;
  const TMjPosition& p = answer.Position = read.Position;
  answer.RedFives = read.RedFives;
  answer.Counts = p.Hand;
  answer.Tiles = p.Tiles();
  TMjWorthRules rules;
  // Unless asked otherwise, the moves the windows' default gives this hand.
  const int shanten = answer.Tiles == 13 ? MjUkeire(p.Hand).Shanten : MjShanten(p.Hand);
  rules.Extra = answer.Extra =
      options.Extra >= 0 ? options.Extra : MjModelExtra({MjModelDefaultExtra, p.SeatWind, p.RoundWind}, shanten);
  rules.Situation.SeatWind = p.SeatWind;
  rules.Situation.RoundWind = p.RoundWind;
  // Asked at the command line, a table may take more memory than a window's.
  answer.Table = answer.Tiles == 13 ? MjHandWorths(p.Hand, p.Unseen(), p.DrawsLeft, rules, {}, CommandBudget)
                                    : MjWorths(p.Hand, p.Unseen(), p.DrawsLeft, rules, {}, CommandBudget);
  if (answer.Table.TooBig) {
    error = "寄り道 " + std::to_string(rules.Extra) +
            " 回までのこの手の計算はメモリに収まりません（--extra を減らしてください）";
    return false;
  }
  return true;
}

}  // namespace

std::string ShantenWords(int shanten) {
  if (shanten < 0) return "和了";
  if (shanten == 0) return "聴牌";
  return std::to_string(shanten) + "向聴";
}

std::string BatchLine(std::string_view line, std::string& error) {
  TMjPositionRead read;
  if (!ReadPosition(line, {}, read, error)) return {};
  const TKindCounts& counts = read.Position.Hand;
  const TKindCounts& seen = read.Position.Seen;
  if (read.Position.Tiles() == 13) {
    const TMjUkeire u = MjUkeire(counts, seen);
    return std::to_string(u.Shanten) + '\t' + Kinds(u.Kinds) + '\t' + std::to_string(u.Count);
  }
  TMjDiscardTable table = MjDiscards(counts, seen);
  std::string out = std::to_string(table.Shanten) + '\t';
  // The contract lists discards in code order, not best first.
  std::sort(table.Discards.begin(), table.Discards.end(),
            [](const TMjDiscard& a, const TMjDiscard& b) { return a.Kind < b.Kind; });
  for (std::size_t i = 0; i < table.Discards.size(); ++i) {
    const TMjDiscard& d = table.Discards[i];
    if (i > 0) out += ' ';
    out += KindText(d.Kind) + ':' + std::to_string(d.Shanten) + ':' + Kinds(d.Kinds) + ':' + std::to_string(d.Count);
  }
  return out;
}

namespace {

// One output line per input line, each answered by `answer`.
template <class Answer>
int Run(std::istream& in, std::ostream& out, std::ostream& err, const Answer& answer) {
  int status = 0;
  long number = 0;
  std::string line;
  for (;;) {
    line.clear();
    bool tooLong = false;
    bool ended = false;  // a newline closed the line
    std::istream::int_type c;
    while ((c = in.get()) != std::istream::traits_type::eof()) {
      if (c == '\n') {
        ended = true;
        break;
      }
      if (line.size() < MaxLine) {
        line += static_cast<char>(c);
      } else {
        tooLong = true;  // read on to the newline, keep nothing more
      }
    }
    if (!ended && line.empty()) break;
    ++number;
    if (!tooLong && !line.empty() && line.back() == '\r') line.pop_back();
    std::string error;
    const std::string result = tooLong ? std::string() : answer(line, error);
    if (tooLong) error = "行が長すぎます（" + std::to_string(MaxLine) + " バイトまで）";
    if (result.empty()) {
      err << "tilelab-hand: " << number << "行目: " << error << '\n';
      out << "error\n";
      status = 1;
    } else {
      out << result << '\n';
    }
    if (!ended) break;
  }
  out.flush();
  return status;
}

}  // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, TAnswer answer) { return Run(in, out, err, answer); }

int RunProbBatch(std::istream& in, std::ostream& out, std::ostream& err, const TProbOptions& options) {
  return Run(in, out, err,
             [&](std::string_view line, std::string& error) { return ProbBatchLine(line, options, error); });
}

std::string Table(std::string_view hand, std::string& error) {
  if (hand.size() > MaxLine) {
    error = "手牌が長すぎます（" + std::to_string(MaxLine) + " バイトまで）";
    return {};
  }
  TMjPositionRead read;
  if (!ReadPosition(hand, {}, read, error)) return {};
  const TKindCounts& counts = read.Position.Hand;
  const TKindCounts& seen = read.Position.Seen;
  std::string out = HandText(counts) + "  ";
  if (read.Position.Tiles() == 13) {
    const TMjUkeire u = MjUkeire(counts, seen);
    out += ShantenWords(u.Shanten) + '\n';
    out += "受け入れ " + Kinds(u.Kinds) + "  " + std::to_string(u.Count) + "枚\n";
    return out;
  }
  const TMjDiscardTable table = MjDiscards(counts, seen);
  out += ShantenWords(table.Shanten) + '\n';
  out += Pad("打牌", 6) + Pad("向聴", 8) + Pad("受け入れ", 40) + "枚数\n";
  for (const TMjDiscard& d : table.Discards) {
    out += Pad(KindText(d.Kind), 6) + Pad(ShantenWords(d.Shanten), 8) + Pad(Kinds(d.Kinds), 40) +
           std::to_string(d.Count) + '\n';
  }
  return out;
}

// --- the value of a win ----------------------------------------------------

namespace {

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::string Payment(const TMjPoints& p, std::string_view each, std::string_view separator) {
  if (p.Dealer == 0) return std::to_string(p.NonDealer) + std::string(each);
  return std::to_string(p.NonDealer) + std::string(separator) + std::to_string(p.Dealer);
}

std::string YakuValue(TMjYaku yaku) { return IsYakuman(yaku) ? "役満" : std::to_string(YakuHan(yaku)) + "翻"; }

}  // namespace

bool ReadWind(std::string_view word, int& wind, std::string& error) {
  static constexpr std::string_view Letters = "eswn";
  const std::size_t at = word.size() == 1 ? Letters.find(static_cast<char>(word[0] | 0x20)) : std::string_view::npos;
  if (at == std::string_view::npos) {
    error = "「" + Shown(word) + "」は風ではありません（e s w n）";
    return false;
  }
  wind = static_cast<int>(at);
  return true;
}

bool ReadWin(std::string_view hand, std::string_view tile, TWin& win, std::string& error) {
  int tiles = 0;
  if (!Read(hand, win.Hand, tiles, error)) return false;
  const TMjHandText drawn = ParseHand(tile);
  if (drawn.Error != TMjNotationError::None || drawn.Tiles != 1) {
    error = "和了牌「" + Shown(tile) + "」は 1 枚の牌ではありません";
    return false;
  }
  win.Win = static_cast<int>(std::find(drawn.Counts.begin(), drawn.Counts.end(), 1) - drawn.Counts.begin());
  if (tiles == 13) {
    if (win.Hand[win.Win] == 4) {
      error = "和了牌 " + KindText(win.Win) + " が 5 枚目になります";
      return false;
    }
    ++win.Hand[win.Win];
  } else if (win.Hand[win.Win] == 0) {
    error = "和了牌 " + KindText(win.Win) + " が手牌にありません";
    return false;
  }
  return true;
}

namespace {

// A batch field holds no blank: the dragons are named 白, 發 and 中 alone.
std::string BatchYakuName(TMjYaku yaku) {
  const std::string name = YakuName(yaku);
  const std::string prefix = "役牌 ";
  return name.starts_with(prefix) ? name.substr(prefix.size()) : name;
}

}  // namespace

std::string ScoreLine(std::string_view line, std::string& error) {
  const std::vector<std::string_view> words = Words(line);
  if (words.empty()) {
    error = "牌がありません";
    return {};
  }
  if (words.size() == 1) {
    error = "和了牌がありません（手牌の後に 1 枚）";
    return {};
  }
  TWin win;
  if (!ReadWin(words[0], words[1], win, error)) return {};
  std::size_t i = 2;
  if (i < words.size() && words[i] != "first") {
    if (i + 1 == words.size() || words[i + 1] == "first") {
      error = "風が 1 つだけです（自風と場風の順に 2 つ）";
      return {};
    }
    if (!ReadWind(words[i], win.Situation.SeatWind, error) || !ReadWind(words[i + 1], win.Situation.RoundWind, error))
      return {};
    i += 2;
  }
  if (i < words.size() && words[i] == "first") {
    win.Situation.FirstDraw = true;
    ++i;
  }
  if (i < words.size()) {
    error = "余分な語「" + Shown(words[i]) + "」があります";
    return {};
  }
  const TMjScore score = MjScore(win.Hand, win.Win, win.Situation);
  if (!score.Complete()) {
    error = "和了形ではありません";
    return {};
  }
  const TMjReading& r = score.BestReading();
  const bool yakuman = r.Points.Yakuman > 0;
  const std::string limit = LimitName(r.Points);
  std::string out = std::to_string(r.Points.Total) + '\t' + (yakuman ? "-" : std::to_string(r.Han)) + '\t' +
                    (yakuman ? "-" : std::to_string(r.Fu)) + '\t' + (limit.empty() ? "-" : limit) + '\t' +
                    Payment(r.Points, "", "/") + '\t';
  for (std::size_t y = 0; y < r.Yaku.size(); ++y) {
    if (y > 0) out += ' ';
    out += BatchYakuName(r.Yaku[y]) + ':' + (yakuman ? "役満" : std::to_string(YakuHan(r.Yaku[y])));
  }
  return out;
}

std::string ScoreTable(const TWin& win, std::string& error) {
  const TMjScore score = MjScore(win.Hand, win.Win, win.Situation);
  if (!score.Complete()) {
    error = "和了形ではありません";
    return {};
  }
  const TMjSituation& s = win.Situation;
  const TMjReading& r = score.BestReading();
  std::string out = HandText(win.Hand) + "  ツモ " + KindText(win.Win) + "  " + WindName(s.RoundWind) + "場 " +
                    WindName(s.SeatWind) + "家" + (s.FirstDraw ? "  第一ツモ" : "") + '\n';
  for (TMjYaku y : r.Yaku) out += Pad(YakuName(y), 16) + YakuValue(y) + '\n';
  if (!r.FuParts.empty()) {
    out += "符  ";
    for (std::size_t i = 0; i < r.FuParts.size(); ++i) {
      const TMjFuPart& part = r.FuParts[i];
      if (i > 0) out += " + ";
      out += part.Item == TMjFuItem::Wait ? WaitName(r.Wait) : FuItemName(part.Item);
      if (part.Kind >= 0) out += ' ' + KindText(part.Kind);
      out += ' ' + std::to_string(part.Fu);
    }
    out += " = " + std::to_string(r.RawFu);
    if (r.Fu != r.RawFu) out += " → " + std::to_string(r.Fu);
    out += "符\n";
  }
  const std::string limit = LimitName(r.Points);
  if (r.Points.Yakuman == 0) out += std::to_string(r.Fu) + "符 " + std::to_string(r.Han) + "翻  ";
  if (!limit.empty()) out += limit + "  ";
  const std::string payment = r.Points.Dealer == 0 ? Payment(r.Points, "オール", "")
                                                   : "子 " + Payment(r.Points, "", " / 親 ");
  out += std::to_string(r.Points.Total) + "点（" + payment + "）\n";
  return out;
}

std::string ProbBatchLine(std::string_view line, const TProbOptions& options, std::string& error) {
  TProbAnswer a;
  if (!Chances(line, options, a, error)) return {};
  if (a.Tiles == 13) {
    std::string out = std::to_string(a.Table.Shanten) + '\t' + Fraction(a.Table.Ready) + '\t' + Fraction(a.Table.Win);
    if (options.Value) out += '\t' + Points(a.Table.Points, false);
    return out;
  }
  std::string out = std::to_string(a.Table.Shanten) + '\t';
  for (std::size_t i = 0; i < a.Table.Discards.size(); ++i) {
    const TMjWorth& c = a.Table.Discards[i];
    if (i > 0) out += ' ';
    out += KindText(c.Kind) + ':' + std::to_string(c.Shanten) + ':';
    out += c.Counted ? Fraction(c.Ready) + ':' + Fraction(c.Win) : std::string("-:-");
    if (options.Value) out += ':' + (c.Counted ? Points(c.Points, false) : std::string("-"));
  }
  return out;
}

std::string ProbTable(std::string_view hand, const TProbOptions& options, std::string& error) {
  if (hand.size() > MaxLine) {
    error = "手牌が長すぎます（" + std::to_string(MaxLine) + " バイトまで）";
    return {};
  }
  TProbAnswer a;
  if (!Chances(hand, options, a, error)) return {};
  const TMjPosition& p = a.Position;
  std::string model = "残りツモ " + std::to_string(p.DrawsLeft) + " 回" +
                      (a.Extra == 0 ? std::string("  寄り道なし") : "  寄り道 " + std::to_string(a.Extra) + " 回まで") +
                      (p.OneSuit ? "  清一色の山（萬子のみ）" : "");
  if (p.Seen != NoKinds) model += "  見えた牌 " + HandText(p.Seen);
  if (options.Value) model += std::string("  ") + WindName(p.RoundWind) + "場 " + WindName(p.SeatWind) + "家";
  model += '\n';
  if (a.RedFives > 0) model += "（0 は 5 として読みました）\n";
  std::string out = HandText(a.Counts) + "  ";
  if (a.Tiles == 13) {
    out += ShantenWords(a.Table.Shanten) + "  " + model;
    out += "聴牌率 " + Percent(a.Table.Ready) + "  和了率 " + Percent(a.Table.Win);
    if (options.Value) out += "  期待値 " + Points(a.Table.Points, true);
    return out + '\n';
  }
  out += ShantenWords(a.Table.Shanten) + "  " + model;
  out += Pad("打牌", 6) + Pad("向聴", 8) + Pad("聴牌率", 10) +
         (options.Value ? Pad("和了率", 10) + "期待値\n" : "和了率\n");
  std::vector<TMjWorth> rows = a.Table.Discards;
  // The windows' order: equal win chances (as the verdict tells them) by the tie rule.
  std::stable_sort(rows.begin(), rows.end(), [](const TMjWorth& x, const TMjWorth& y) {
    if (x.Counted != y.Counted) return x.Counted;
    if (!KeepsBestWin(x.Win, y.Win) || !KeepsBestWin(y.Win, x.Win)) return x.Win > y.Win;
    return MjTiePrefers(x.Kind, y.Kind);
  });
  for (const TMjWorth& c : rows) {
    out += Pad(KindText(c.Kind), 6) + Pad(ShantenWords(c.Shanten), 8);
    if (!c.Counted) {
      out += Pad("-", 10) + (options.Value ? Pad("-", 10) + "-" : "-");
    } else {
      out += Pad(Percent(c.Ready), 10) +
             (options.Value ? Pad(Percent(c.Win), 10) + Points(c.Points, true) : Percent(c.Win));
    }
    out += '\n';
  }
  if (a.Table.Discards.size() != 0 && !rows.back().Counted) out += "（向聴数が上がる打牌は計算しません）\n";
  return out;
}

}  // namespace handtool
