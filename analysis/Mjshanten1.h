#pragma once

// Hand efficiency of closed hands (no calls): shanten, the effective tiles of a
// 13-tile hand and the table of every discard of a 14-tile hand; and the short
// "mpsz" hand notation (11123m456p789s55z) that tools and windows print.
//
// Shanten is the replacement number: the fewest tiles of a complete 14-tile hand
// that the hand does not supply, minus one. A complete hand holds each kind at
// most four times and is four sets and a pair, seven pairs of different kinds,
// or thirteen orphans. So 1111m234567p789s is 1, not ready: no tile completes it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Mjpai1.h"

// Tiles per kind, kind index = code order: 1m..9m, 1p..9p, 1s..9s, 1z..7z.
using TKindCounts = std::array<int, KindCount>;
// A set of kinds: bit k stands for kind index k.
using TKindMask = std::uint64_t;

inline constexpr TKindCounts NoKinds{};

// Kind index of a tile code (1..9, 11..19, 21..29, 31..37), -1 for any other
// value. KindCode (core) goes the other way.
constexpr int CodeKind(int code) {
  const int suit = code / 10;
  const int number = code % 10;
  if (code < 1 || code > 37 || number == 0 || (suit == 3 && number > 7)) return -1;
  return suit * 9 + number - 1;
}

struct TMjUkeire {
  int Shanten = 0;      // of the 13 tiles
  TKindMask Kinds = 0;  // kinds whose draw lowers the shanten by one
  int Count = 0;        // copies of those kinds neither held nor seen
};

struct TMjDiscard {
  int Kind = 0;         // the kind thrown away
  int Shanten = 0;      // of the 13 tiles kept
  TKindMask Kinds = 0;  // their effective kinds
  int Count = 0;        // copies left, counted against all 14 tiles and the seen ones
};

struct TMjDiscardTable {
  int Shanten = 0;                   // of the 14 tiles, -1 when complete
  std::vector<TMjDiscard> Discards;  // one per kind held: lowest shanten, most copies, code order
};

// Each takes 13 or 14 tiles (Ukeire 13, MjDiscards 14) with no kind beyond four
// and throws std::invalid_argument otherwise; every count is checked before any
// is summed. Seen counts are copies the player has seen elsewhere (discards,
// dora indicator); a kind never counts below zero, and a seen count below zero
// counts as none.
int MjShanten(const TKindCounts& hand);
TMjUkeire MjUkeire(const TKindCounts& hand, const TKindCounts& seen = NoKinds);
TMjDiscardTable MjDiscards(const TKindCounts& hand, const TKindCounts& seen = NoKinds);
// The same discards for a search that asks for millions of tables: in code
// order, no copies counted (Count 0), and no effective kinds past shanten
// `most`; they go into `out`, `count` of them. Returns the 14 tiles' shanten.
int MjDiscardKinds(const TKindCounts& hand, int most, std::array<TMjDiscard, 14>& out, int& count);

// --- mpsz notation -------------------------------------------------------

enum class TMjNotationError {
  None,
  Empty,             // no tile at all
  UnknownCharacter,  // not a digit 1..9 nor one of m p s z
  ZeroDigit,         // a 0: there are no red fives
  DigitsWithoutSuit, // digits at the end with no letter after them
  SuitWithoutDigits, // a letter with no digits before it
  HonourNumber,      // 8 or 9 before z
  FifthCopy,         // a kind written a fifth time
};

struct TMjHandText {
  TMjNotationError Error = TMjNotationError::None;
  std::size_t Position = 0;  // byte offset of the offending character (FifthCopy: its digit)
  int Kind = -1;             // the kind of a FifthCopy
  TKindCounts Counts{};
  int Tiles = 0;
};

// Digits followed by a suit letter, suits in any order and digits unsorted
// ("5z789s11123m456p5z"); honours only as 1z..7z. No blanks.
TMjHandText ParseHand(std::string_view text);

// Canonical form: kinds in code order, the digits of a suit together, suits in
// the order m p s z, suits without tiles left out.
std::string HandText(const TKindCounts& counts);
std::string KindsText(TKindMask kinds);  // empty when no kind
std::string KindText(int kind);          // "5m", "1z"
