#pragma once

// A 何切る position to share and to study: the 13 tiles held and the tile
// drawn, with what the chances need (the tiles seen, the wall, the draws
// left) and the winds a win is valued under. It travels as one line of text:
//
//   HAND [draws=N] [seen=TILES] [one-suit] [seat=W] [round=W]
//
// HAND in the mpsz notation, the drawn tile written last ("123m456p789s1122z"
// + "3z"), or 13 tiles alone; draws=N the draws left after this discard
// (0..18, 17 unless written); seen=TILES the copies seen outside the hand
// (own and others' discards), each leaving the wall; one-suit a wall of the
// 36 characters only; seat= and round= the winds e s w n (東 unless written).
// Copy writes the words that differ from a fresh deal, paste reads them back.
//
// Read as people write it: blanks between groups ("123m 456p"), 0 for a red
// five (read as a 5: the game has no red fives), full-width digits, letters
// and blanks as an input method types them ("１２３ｍ"), and honours by
// capital letter: E S W N for the winds, P F C for 白 發 中 (P as in 白板
// pai, F 發財 fa, C 紅中 chun), so "EEE" is "111z".

#include <cstddef>
#include <string>
#include <string_view>

#include "analysis/Mjprob1.h"
#include "analysis/Mjshanten1.h"
#include "game/Mjdecision1.h"

inline constexpr int FreshDraws = DealDraws - 1;  // draws left after the first discard of a deal

struct TMjPosition {
  TKindCounts Hand{};
  int DrawnKind = -1;    // 14 tiles: the tile drawn, one of Hand; 13 tiles: -1
  TKindCounts Seen{};    // copies seen outside the hand
  bool OneSuit = false;  // the wall holds the characters only
  int DrawsLeft = FreshDraws;
  int SeatWind = 0;  // 0..3: 東 南 西 北
  int RoundWind = 0;

  int Tiles() const;
  // The copies that can still be drawn, and their sum.
  TKindCounts Unseen() const { return MjUnseen(Hand, Seen, OneSuit); }
  int Wall() const;
  // The decision it asks about, judged as every window judges one.
  // Worked out with `extra` moves off the shortest path allowed (TMjModel), under its winds.
  TMjDecision Decision(int extra = 0) const {
    return {Hand, DrawnKind, Seen, OneSuit, DrawsLeft, false, {extra, SeatWind, RoundWind}};
  }
  bool operator==(const TMjPosition&) const = default;
};

// The one-line form; words equal to a fresh deal's are left out.
std::string PositionText(const TMjPosition& position);
// The hand alone: 13 tiles, or 14 with drawnKind written last.
std::string PositionText(const TKindCounts& hand, int drawnKind);

enum class TMjPositionError {
  None,
  Notation,       // the hand: Notation says what, Place where
  TileCount,      // not 13 or 14 tiles: Tiles says how many
  UnknownWord,    // a word after the hand that is none of the words above
  DrawsValue,     // draws= not 0..18
  SeenNotation,   // the seen tiles: Notation says what, Place where
  TooManyCopies,  // hand and seen hold Kind more than four times
  WindValue,      // seat= or round= not e s w n
  ShortWall,      // fewer tiles can come (Wall) than draws are left
};

struct TMjPositionRead {
  TMjPositionError Error = TMjPositionError::None;
  TMjNotationError Notation = TMjNotationError::None;
  std::size_t Place = 0;  // byte offset in the text given
  int Tiles = 0;
  int Kind = -1;     // FifthCopy, TooManyCopies
  int Wall = 0;      // ShortWall
  int RedFives = 0;  // 0s read as 5s
  TMjPosition Position;

  bool Ok() const { return Error == TMjPositionError::None; }
};

// Blanks and line breaks around the text are ignored, as a clipboard brings them.
// What the text leaves out (draws, seen, wall, winds) is taken from `base`.
TMjPositionRead ParsePosition(std::string_view text, const TMjPosition& base = {});
// Tiles seen alone, any number, in the same spellings, into Position.Seen;
// errors are SeenNotation with the place in this text.
TMjPositionRead ParseSeen(std::string_view text);
