#include "game/Mjposition1.h"

std::string PositionText(const TKindCounts& hand, int drawnKind) {
  if (drawnKind < 0) return HandText(hand);
  TKindCounts held = hand;
  --held[static_cast<std::size_t>(drawnKind)];
  return HandText(held) + KindText(drawnKind);
}

TMjPosition ParsePosition(std::string_view text) {
  TMjPosition p;
  constexpr std::string_view blanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(blanks);
  const std::size_t start = first == std::string_view::npos ? text.size() : first;
  const std::size_t last = text.find_last_not_of(blanks);
  const std::string_view hand = text.substr(start, last == std::string_view::npos ? 0 : last + 1 - start);

  const TMjHandText parsed = ParseHand(hand);
  p.Tiles = parsed.Tiles;
  if (parsed.Error != TMjNotationError::None) {
    p.Error = TMjPositionError::Notation;
    p.Notation = parsed.Error;
    p.Position = start + parsed.Position;
    return p;
  }
  if (parsed.Tiles != 13 && parsed.Tiles != 14) {
    p.Error = TMjPositionError::TileCount;
    return p;
  }
  p.Hand = parsed.Counts;
  if (parsed.Tiles == 14) {
    // The text ends in a suit letter after its digits (ParseHand checked it).
    const char suit = hand.back();
    const int number = hand[hand.size() - 2] - '1';
    p.DrawnKind = (suit == 'm' ? 0 : suit == 'p' ? 9 : suit == 's' ? 18 : 27) + number;
  }
  return p;
}
