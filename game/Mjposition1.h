#pragma once

// A 何切る position to share: the 13 tiles held and the tile drawn, written in
// the mpsz notation with the drawn tile last ("123m456p789s112z" + "2z"), or
// 13 tiles alone. Copy writes it, paste reads it back.

#include <cstddef>
#include <string>
#include <string_view>

#include "analysis/Mjshanten1.h"

// hand holds 13 tiles (drawnKind -1) or 14 with one drawnKind among them.
std::string PositionText(const TKindCounts& hand, int drawnKind);

enum class TMjPositionError {
  None,
  Notation,   // Notation and Position say what and where
  TileCount,  // not 13 or 14 tiles: Tiles says how many
};

struct TMjPosition {
  TMjPositionError Error = TMjPositionError::None;
  TMjNotationError Notation = TMjNotationError::None;
  std::size_t Position = 0;  // byte offset in the text given
  int Tiles = 0;
  TKindCounts Hand{};
  int DrawnKind = -1;        // the last tile written, for 14 tiles

  bool Ok() const { return Error == TMjPositionError::None; }
};

// Blanks and line breaks around the text are ignored, as a clipboard brings them.
TMjPosition ParsePosition(std::string_view text);
