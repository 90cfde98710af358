#pragma once

// The command-line hand analysis: one hand as a table for people, or one
// line of machine-readable output per input line (--batch).

#include <iosfwd>
#include <string>
#include <string_view>

namespace handtool {

constexpr std::size_t MaxLine = 256;  // bytes; longer lines are refused, not stored

// The batch answer for one line, or an empty string and the reason in `error`.
std::string BatchLine(std::string_view line, std::string& error);

// Reads lines until the end of `in`, one output line each; messages go to
// `err` with the line number. Returns the exit status: 1 if any line failed.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err);

// The table for people, or an empty string and the reason in `error`.
std::string Table(std::string_view hand, std::string& error);

// "和了", "聴牌", "2向聴".
std::string ShantenWords(int shanten);

}  // namespace handtool
