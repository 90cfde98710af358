#pragma once

// Saving a file so that it is either wholly the new content or untouched: a
// record is the one thing of the player's that the program keeps.

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

// What went wrong with a file.
enum class TFileFault {
  Create,       // cannot be written
  Open,         // cannot be opened
  Read,         // cannot be read
  MissingLine,  // a record ends before line Line (counted from 0)
};

// A file operation that failed. The windows word it for the player from Fault,
// Path and Line; what() is the same in Japanese for logs and tests, and
// Reason the system's cause for whoever wants to add it.
class TFileError : public std::runtime_error {
public:
  TFileError(TFileFault fault, const std::string& path, std::error_code reason = {}, int line = 0);
  TFileFault Fault;
  std::string Path;  // as given, bytes of the file system
  int Line;
  std::error_code Reason;
};

// Replaces the file at path by bytes, all or nothing. The bytes go to a new
// temporary file in the same folder, are flushed to the disk and only then
// renamed over path, so a crash or a full disk never leaves half a file and an
// existing file keeps its permissions. A file the user may not write is refused;
// a file the user may write in a folder the user may not is rewritten in place.
// On failure the old file (if any) is untouched, the temporary file is gone and
// a TFileError (TFileFault::Create) is thrown.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The folder part of path with its last slash ("/a/" for "/a/b.csv", "/" for
// "/b.csv"), or "." for a bare name.
std::string FolderOf(const std::string& path);
