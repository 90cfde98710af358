#pragma once

// The record file: one practice deal as five lines of ASCII text, every line
// ended by CR LF, 277 bytes whatever the deal:
//   "TileLab 1.0," and the local time "yyyy/mm/dd hh:nn:ss"
//   deal, draws, discards, hand: twenty "%02d" tile codes with single commas,
//   the rows HaipaiRec, TumoRec, Sutepai and Tepai of the table.
// The viewer reads it back with TRecordLoader (Mjloader1.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/Mjpai1.h"
#include "core/Mjtable1.h"

inline constexpr std::string_view RecordHeader = "TileLab 1.0,";
constexpr int RecordRows = 4;                  // deal, draws, discards, hand
constexpr int RecordLineCount = 1 + RecordRows;
constexpr std::size_t RecordStampLength = 19;  // "yyyy/mm/dd hh:nn:ss"
constexpr std::size_t RecordRowLength = 3 * RowSlots - 1;  // a row line holds every slot of a table row
constexpr std::size_t RecordSize =
    RecordHeader.size() + RecordStampLength + 2 + RecordRows * (RecordRowLength + 2);

static_assert(RecordSize == 277);

// The four rows as tile codes, row after row; 0 is an empty slot.
using TCodeGrid = std::array<std::int32_t, RowSlots * RecordRows>;
using TCodeRow = std::array<int, RowSlots>;
enum TRecordRow { DealRow, DrawRow, DiscardRow, HandRow };
TCodeRow GridRow(const TCodeGrid& grid, int row);

struct TRecordTime {
  int Year, Month, Day, Hour, Minute, Second;
};
using TRecordClock = std::function<TRecordTime()>;

// The machine's local time, 24-hour.
TRecordTime LocalNow();

// The name a record of time is offered under, without extension:
// "yyyymmdd-hhmmss" (20250102-030405), so a folder of records lists in time order.
std::string RecordFileStem(const TRecordTime& time);

// One row slot as two characters: "%02d" of the tile code, "00" for an empty slot.
std::string CodeText(const TMjPai* pai);

// The whole file, 277 bytes, with time as its time stamp.
std::string RecordText(const TMjTable& table, const TRecordTime& time);

// Writes the record of table to path, replacing any file of that name, all or
// nothing (WriteFileAtomically). The clock is read once. Throws TFileError
// (TFileFault::Create).
void SaveRecordFile(const std::string& path, const TMjTable& table, const TRecordClock& clock = LocalNow);
