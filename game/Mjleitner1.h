#pragma once

// The drill's schedule, Leitner's box system: five boxes, each with its own
// interval (box 1 = 1 day, 2 = 2, 3 = 4, 4 = 8, 5 = 16 days). A right answer
// moves a card up one box and brings it back after that box's interval; a wrong
// answer puts it back into box 1, due at once. A right answer on the day of a
// wrong one keeps the card in box 1, so it comes back tomorrow instead of jumping.
//
// The state of a deck is kept in one text file of its own, beside the records
// and never inside them, written all or nothing and checked when read back.

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <string_view>

#include "records/Mjrecord1.h"

// A calendar day: days since 1970-01-01.
using TMjDay = int;
inline constexpr TMjDay NoDay = std::numeric_limits<TMjDay>::min();

TMjDay DayOf(const TRecordTime& time);
std::string DayText(TMjDay day);                    // "2026-12-09"
bool ParseDay(std::string_view text, TMjDay& day);  // exactly that form, a real date

constexpr int LeitnerBoxes = 5;
constexpr std::array<int, LeitnerBoxes> LeitnerDays{1, 2, 4, 8, 16};  // box 1..5

// Answer counts stop here: a file may hold any number, and a count never overflows.
inline constexpr int MaxCardAnswers = 999'999'999;

// What the schedule keeps of one card answered at least once. A card never
// answered has no state: it is new, in box 1.
struct TMjCardState {
  int Box = 1;               // 1..LeitnerBoxes
  TMjDay Due = 0;            // the first day it is asked again
  TMjDay LastWrong = NoDay;  // the day of its last wrong answer
  int Answers = 0;
  int Wrongs = 0;

  void Answer(bool right, TMjDay today);
  bool operator==(const TMjCardState&) const = default;
};

struct TMjDrillState {
  std::string Folder;  // the records' folder, for whoever reads the file
  std::map<std::uint64_t, TMjCardState> Cards;
};

// --- the state file ---------------------------------------------------------

// "TileLab drill 1", the folder line, one line per card and "end <cards>", each
// line ended by LF:
//   card <id, 16 hex digits> <box> <due day> <day of last wrong answer or -> <answers> <wrongs>
inline constexpr std::string_view DrillStateHeader = "TileLab drill ";
constexpr int DrillStateVersion = 1;

std::string DrillStateText(const TMjDrillState& state);

enum class TMjDrillFault {
  None,
  Unreadable,     // exists but cannot be read
  NotAState,      // the first line is not a drill state's
  NewerVersion,   // written by a later version of the program: left as it is
  BadLine,        // a line that is not what its place asks for
  DuplicateCard,  // a card listed twice
  Truncated,      // the end line is missing or counts other cards
};

// A damaged file keeps its good cards: a card line that cannot be read (or
// lists a card again) is lost alone, and counted.
struct TMjDrillParse {
  TMjDrillState State;
  TMjDrillFault Fault = TMjDrillFault::None;
  int Line = 0;  // 1-based, the first line at fault
  int Lost = 0;  // card lines that could not be used
};
TMjDrillParse ParseDrillState(std::string_view text);

struct TMjDrillLoad {
  TMjDrillState State;  // the cards that could be read; none from a file that is no state or newer
  int Lost = 0;         // card lines of a damaged file that could not be used
  TMjDrillFault Fault = TMjDrillFault::None;
  int Line = 0;
  std::string File;          // the state file
  std::string MovedTo;       // where a damaged file was put aside, empty when it was not moved
  bool Writable = true;      // false while saving would overwrite a file kept for the player
};

// Reads the state file at path; a missing file is an empty state. A damaged
// file is renamed to "<path>.damaged-<yyyymmdd-hhmmss>" (now) so it is kept for
// the player and a new state can be saved; a file of a newer version stays in
// place and the state is then not saved over it.
TMjDrillLoad LoadDrillState(const std::string& path, const TRecordTime& now);

// Writes through the one safe writer; throws TFileError.
void SaveDrillState(const std::string& path, const TMjDrillState& state);

// The state file's name for a folder of records: "drill-<16 hex digits>.txt",
// from the folder's path as given (callers give it canonical).
std::string DrillStateFileName(const std::string& folder);

// FNV-1a, 64 bits: stable across runs, machines and versions, as the names of
// state files and the identity of cards must be.
std::uint64_t StableHash(std::string_view bytes, std::uint64_t hash = 0xcbf29ce484222325ULL);
std::string HexId(std::uint64_t id);  // 16 lowercase hex digits
