#pragma once

// The command-line hand analysis: one hand as a table for people, or one
// line of machine-readable output per input line (--batch).

#include <iosfwd>
#include <string>
#include <string_view>

#include "analysis/Mjprob1.h"
#include "analysis/Mjscore1.h"
#include "game/Mjposition1.h"
#include "analysis/Mjvalue1.h"

namespace handtool {

constexpr std::size_t MaxLine = 256;  // bytes; longer lines are refused, not stored

// A hand in the one-line form (Mjposition1.h), what it leaves out taken from
// base; false and the reason, in words with its place, when it cannot be read.
bool ReadPosition(std::string_view line, const TMjPosition& base, TMjPositionRead& read, std::string& error);

// The batch answer for one line, or an empty string and the reason in `error`.
std::string BatchLine(std::string_view line, std::string& error);
using TAnswer = std::string (*)(std::string_view line, std::string& error);

// Reads lines until the end of `in`, one output line each (`answer` gives it);
// messages go to `err` with the line number. Returns the exit status: 1 if any
// line failed.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, TAnswer answer = BatchLine);

// Chances to be ready and to win (--prob): draws left after the discard,
// whether the wall holds the characters only, the moves off the shortest path
// allowed (--extra; by default none, the windows' model) and, with
// --value, the expected points under the winds of `Situation`.
struct TProbOptions {
  int DrawsLeft = DealDraws - 1;
  bool OneSuit = false;
  TKindCounts Seen{};  // the player's own discards (--seen): not in the wall
  int Extra = -1;      // moves off the path, 0..2; -1: what the windows give the hand by default
  bool Value = false;
  TMjSituation Situation;
};

// --batch --prob: 13 tiles give "shanten<TAB>ready<TAB>win"; 14 tiles give
// "shanten<TAB>" and a field kind:shanten:ready:win per kind held, in code
// order, chances with four decimals and "-" for a discard that raises the
// shanten. --value adds the expected points with one decimal: a last column,
// or a last part of each field.
std::string ProbBatchLine(std::string_view line, const TProbOptions& options, std::string& error);
int RunProbBatch(std::istream& in, std::ostream& out, std::ostream& err, const TProbOptions& options);

// The chances as a table for people, best win chance first.
std::string ProbTable(std::string_view hand, const TProbOptions& options, std::string& error);

// The table for people, or an empty string and the reason in `error`.
std::string Table(std::string_view hand, std::string& error);

// "和了", "聴牌", "2向聴".
std::string ShantenWords(int shanten);

// --- the value of a win ----------------------------------------------------

// A self-drawn win: the 14 tiles, the drawn kind and the winds.
struct TWin {
  TKindCounts Hand{};
  int Win = -1;
  TMjSituation Situation;
};

// The hand (13 tiles without the drawn one, or 14 with it) and the drawn
// tile; false and the reason when either cannot be read.
bool ReadWin(std::string_view hand, std::string_view tile, TWin& win, std::string& error);
// "e" "s" "w" "n" (either case) as 0..3.
bool ReadWind(std::string_view word, int& wind, std::string& error);

// The batch answer for "HAND TILE [SEAT ROUND] [first]":
// points<TAB>han<TAB>fu<TAB>limit<TAB>payment<TAB>yaku, or an empty string and the reason.
std::string ScoreLine(std::string_view line, std::string& error);

// The breakdown for people, or an empty string and the reason (a hand that is no win).
std::string ScoreTable(const TWin& win, std::string& error);

}  // namespace handtool
