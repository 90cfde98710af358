#include "game/Mjposition1.h"

#include <numeric>
#include <vector>

namespace {

constexpr std::string_view WindLetters = "eswn";
constexpr std::string_view HonourLetters = "ESWNPFC";  // 1z..7z
constexpr std::string_view OneSuitWord = "one-suit";

// Text with every character where it came from in the text given.
struct TMapped {
  std::string Text;
  std::vector<std::size_t> From;

  void Add(char c, std::size_t from) {
    Text += c;
    From.push_back(from);
  }
  std::size_t Origin(std::size_t at, std::size_t fallback) const { return at < From.size() ? From[at] : fallback; }
};

// Full-width forms (U+FF01..U+FF5E) and the ideographic blank as ASCII; line
// breaks and tabs as blanks; every other byte as it is.
TMapped Normalised(std::string_view text) {
  TMapped out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (i + 2 < text.size()) {
      const auto b1 = static_cast<unsigned char>(text[i + 1]);
      const auto b2 = static_cast<unsigned char>(text[i + 2]);
      if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) {
        out.Add(' ', i);
        i += 2;
        continue;
      }
      if (b0 == 0xEF && (b1 == 0xBC || b1 == 0xBD) && (b2 & 0xC0) == 0x80) {
        const int code = 0xF000 | ((b1 & 0x3F) << 6) | (b2 & 0x3F);
        if (code >= 0xFF01 && code <= 0xFF5E) {
          out.Add(static_cast<char>(code - 0xFEE0), i);
          i += 2;
          continue;
        }
      }
    }
    out.Add(b0 == '\t' || b0 == '\r' || b0 == '\n' ? ' ' : text[i], i);
  }
  return out;
}

bool Blank(char c) { return c == ' '; }

// Tiles written the way people do, as plain mpsz ("0" as "5", "E" as "1z",
// blanks dropped), or false with the error in `read`.
bool Expand(const TMapped& text, std::size_t begin, std::size_t end, TMapped& out, TMjPositionRead& read,
            TMjPositionError error) {
  auto fail = [&](TMjNotationError notation, std::size_t place) {
    read.Error = error;
    read.Notation = notation;
    read.Place = place;
    return false;
  };
  std::size_t pending = std::string::npos;  // the first digit still waiting for its letter
  std::size_t zero = std::string::npos;     // the first 0 among them
  for (std::size_t i = begin; i < end; ++i) {
    const char c = text.Text[i];
    const std::size_t from = text.From[i];
    if (Blank(c)) continue;
    if (c >= '0' && c <= '9') {
      if (pending == std::string::npos) pending = out.Text.size();
      if (c == '0') {
        ++read.RedFives;
        if (zero == std::string::npos) zero = from;
      }
      out.Add(c == '0' ? '5' : c, from);
      continue;
    }
    const std::size_t honour = HonourLetters.find(c);
    if (honour != std::string_view::npos) {
      if (pending != std::string::npos) return fail(TMjNotationError::DigitsWithoutSuit, out.From[pending]);
      out.Add(static_cast<char>('1' + honour), from);
      out.Add('z', from);
      continue;
    }
    // A red five is a numbered tile: 0z names none.
    if (c == 'z' && zero != std::string::npos) return fail(TMjNotationError::ZeroDigit, zero);
    if (c == 'm' || c == 'p' || c == 's' || c == 'z') pending = zero = std::string::npos;
    out.Add(c, from);  // anything else is refused below, at its place
  }
  return true;
}

// ParseHand over expanded text, its error placed in the text given.
bool ReadTiles(const TMapped& tiles, std::size_t fallback, TMjHandText& parsed, TMjPositionRead& read,
               TMjPositionError error) {
  parsed = ParseHand(tiles.Text);
  if (parsed.Error == TMjNotationError::None) return true;
  read.Error = error;
  read.Notation = parsed.Error;
  read.Place = tiles.Origin(parsed.Position, fallback);
  read.Kind = parsed.Kind;
  return false;
}

bool OptionWord(std::string_view word) { return word.find('=') != std::string_view::npos || word == OneSuitWord; }

}  // namespace

int TMjPosition::Tiles() const { return std::accumulate(Hand.begin(), Hand.end(), 0); }

int TMjPosition::Wall() const {
  const TKindCounts unseen = Unseen();
  return std::accumulate(unseen.begin(), unseen.end(), 0);
}

std::string PositionText(const TKindCounts& hand, int drawnKind) {
  if (drawnKind < 0) return HandText(hand);
  TKindCounts held = hand;
  --held[static_cast<std::size_t>(drawnKind)];
  return HandText(held) + KindText(drawnKind);
}

std::string PositionText(const TMjPosition& p) {
  std::string text = PositionText(p.Hand, p.DrawnKind);
  if (p.DrawsLeft != FreshDraws) text += " draws=" + std::to_string(p.DrawsLeft);
  if (p.Seen != NoKinds) text += " seen=" + HandText(p.Seen);
  if (p.OneSuit) text += ' ' + std::string(OneSuitWord);
  if (p.SeatWind != 0) text += std::string(" seat=") + WindLetters[static_cast<std::size_t>(p.SeatWind)];
  if (p.RoundWind != 0) text += std::string(" round=") + WindLetters[static_cast<std::size_t>(p.RoundWind)];
  return text;
}

TMjPositionRead ParsePosition(std::string_view given, const TMjPosition& base) {
  TMjPositionRead read;
  read.Position = base;
  read.Position.Hand = NoKinds;
  read.Position.DrawnKind = -1;
  const TMapped text = Normalised(given);
  const std::size_t size = text.Text.size();

  // The words: the hand's groups, then the others.
  struct TWord {
    std::size_t Begin, End;
  };
  std::vector<TWord> words;
  for (std::size_t i = 0; i < size;) {
    if (Blank(text.Text[i])) {
      ++i;
      continue;
    }
    const std::size_t begin = i;
    while (i < size && !Blank(text.Text[i])) ++i;
    words.push_back({begin, i});
  }
  auto wordText = [&](const TWord& w) { return std::string_view(text.Text).substr(w.Begin, w.End - w.Begin); };
  std::size_t handWords = 0;
  while (handWords < words.size() && !OptionWord(wordText(words[handWords]))) ++handWords;

  const std::size_t handBegin = handWords > 0 ? words.front().Begin : 0;
  const std::size_t handEnd = handWords > 0 ? words[handWords - 1].End : 0;
  const std::size_t firstPlace = handWords > 0 ? text.From[handBegin] : 0;
  TMapped hand;
  TMjHandText parsed;
  if (!Expand(text, handBegin, handEnd, hand, read, TMjPositionError::Notation)) return read;
  const bool handRead = ReadTiles(hand, firstPlace, parsed, read, TMjPositionError::Notation);
  read.Tiles = parsed.Tiles;
  if (!handRead) return read;
  if (parsed.Tiles != 13 && parsed.Tiles != 14) {
    read.Error = TMjPositionError::TileCount;
    return read;
  }
  TMjPosition& p = read.Position;
  p.Hand = parsed.Counts;
  if (parsed.Tiles == 14) {
    // The expanded text ends in a suit letter after its digits (ParseHand checked it).
    const char suit = hand.Text.back();
    const int number = hand.Text[hand.Text.size() - 2] - '1';
    p.DrawnKind = (suit == 'm' ? 0 : suit == 'p' ? 9 : suit == 's' ? 18 : 27) + number;
  }

  std::size_t seenPlace = 0;
  for (std::size_t w = handWords; w < words.size(); ++w) {
    const std::string_view word = wordText(words[w]);
    const std::size_t place = text.From[words[w].Begin];
    const std::size_t equals = word.find('=');
    const std::string_view key = word.substr(0, equals);
    const std::size_t valueBegin = words[w].Begin + (equals == std::string_view::npos ? word.size() : equals + 1);
    const std::string_view value = std::string_view(text.Text).substr(valueBegin, words[w].End - valueBegin);
    const std::size_t valuePlace = valueBegin < size ? text.From[valueBegin] : given.size();
    auto fail = [&](TMjPositionError error, std::size_t at) {
      read.Error = error;
      read.Place = at;
      return read;
    };
    if (word == OneSuitWord) {
      p.OneSuit = true;
    } else if (key == "draws") {
      if (value.empty() || value.size() > 2 || value.find_first_not_of("0123456789") != std::string_view::npos)
        return fail(TMjPositionError::DrawsValue, valuePlace);
      const int draws = value.size() == 1 ? value[0] - '0' : (value[0] - '0') * 10 + value[1] - '0';
      if (draws > DealDraws) return fail(TMjPositionError::DrawsValue, valuePlace);
      p.DrawsLeft = draws;
    } else if (key == "seen") {
      TMapped seen;
      TMjHandText seenParsed;
      if (!Expand(text, valueBegin, words[w].End, seen, read, TMjPositionError::SeenNotation)) return read;
      if (!seen.Text.empty() && !ReadTiles(seen, valuePlace, seenParsed, read, TMjPositionError::SeenNotation))
        return read;
      p.Seen = seenParsed.Counts;
      seenPlace = valuePlace;
    } else if (key == "seat" || key == "round") {
      const std::size_t wind =
          value.size() == 1 ? WindLetters.find(static_cast<char>(value[0] | 0x20)) : std::string_view::npos;
      if (wind == std::string_view::npos) return fail(TMjPositionError::WindValue, valuePlace);
      (key == "seat" ? p.SeatWind : p.RoundWind) = static_cast<int>(wind);
    } else {
      return fail(TMjPositionError::UnknownWord, place);
    }
  }

  for (int k = 0; k < KindCount; ++k) {
    if (p.Hand[static_cast<std::size_t>(k)] + p.Seen[static_cast<std::size_t>(k)] > 4) {
      read.Error = TMjPositionError::TooManyCopies;
      read.Kind = k;
      read.Place = seenPlace;
      return read;
    }
  }
  read.Wall = p.Wall();
  if (read.Wall < p.DrawsLeft) {
    read.Error = TMjPositionError::ShortWall;
    read.Place = 0;
  }
  return read;
}

TMjPositionRead ParseSeen(std::string_view given) {
  TMjPositionRead read;
  const TMapped text = Normalised(given);
  TMapped seen;
  TMjHandText parsed;
  if (!Expand(text, 0, text.Text.size(), seen, read, TMjPositionError::SeenNotation)) return read;
  if (seen.Text.empty()) return read;
  if (!ReadTiles(seen, 0, parsed, read, TMjPositionError::SeenNotation)) return read;
  read.Tiles = parsed.Tiles;
  read.Position.Seen = parsed.Counts;
  return read;
}
