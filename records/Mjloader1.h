#pragma once

// Reads a record file (Mjrecord1.h) into the viewer's code grid. The viewer's
// window takes part through TRecordEvents; everything else runs without one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/Mjrecord1.h"

// What the viewer window does at the loader's steps.
class TRecordEvents {
public:
  virtual ~TRecordEvents() = default;
  virtual void HeaderRefused() = 0;  // the window shows "ファイル読み込み失敗。"
  virtual void UpdateStatus() = 0;   // after the header was accepted
  virtual void EnableBmpSave() = 0;  // at the end of a successful load
};

// Longest line kept. A record line is at most 59 bytes; the cap only keeps a
// hostile or mistaken file (a picture, a disk image) from filling the memory.
constexpr std::size_t RecordLineCap = 64 * 1024;

// Splits bytes, fed in pieces of any size, into lines: a line ends at CR LF, a
// lone LF or a lone CR (the break is not part of it); a NUL ends the text; a last
// line without a break counts, an empty rest after the last break does not.
// Reading stops once lineCount lines are in. A line longer than lineCap is cut
// there and ends the text, so no more than about lineCount * lineCap bytes are
// ever read, however large the file.
class TRecordLineSplitter {
public:
  explicit TRecordLineSplitter(std::size_t lineCap = RecordLineCap, std::size_t lineCount = RecordLineCount)
      : LineCap(lineCap), LineCount(lineCount) {}

  bool Feed(std::string_view bytes);  // false once no more bytes are wanted
  void Finish();                      // the end of the input
  std::vector<std::string> Lines;

private:
  void EndLine();
  void EndText();
  std::size_t LineCap, LineCount;
  std::string Current;
  bool AfterCr = false;
  bool Done = false;
};

// A row token as a number: leading white space, an optional sign, the digits up
// to the first other character; no digits give 0, and beyond 32 bits the value
// stays at the nearest limit.
std::int32_t RecordValue(std::string_view token);

class TRecordLoader {
public:
  TCodeGrid Codes{};
  std::string RecordFile, RecordDate;

  void ClearCodes();

  // Reads the record file at path. Before anything else the grid is cleared and
  // both texts emptied, so a refused file leaves no record behind. Returns false
  // when the header is refused (after HeaderRefused), true when the four rows
  // were read (after UpdateStatus and EnableBmpSave). Throws TFileError: Open or
  // Read for a file that cannot be opened or read, MissingLine with the line
  // when a line is missing; what was done before stays.
  bool LoadRecordFile(const std::string& path, TRecordEvents& events);
};
