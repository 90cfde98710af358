#pragma once

// Saving a file so that it is either wholly the new content or untouched: a
// record is the one thing of the player's that the program keeps.

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

// A file operation that failed: what() is the text shown to the player (UTF-8,
// names the file), Reason the system's cause for whoever wants to add it.
class TFileError : public std::runtime_error {
public:
  TFileError(const std::string& message, std::error_code reason)
      : std::runtime_error(message), Reason(reason) {}
  std::error_code Reason;
};

// Replaces the file at path by bytes, all or nothing. The bytes go to a new
// temporary file in the same folder, are flushed to the disk and only then
// renamed over path, so a crash or a full disk never leaves half a file and an
// existing file keeps its permissions. A file the user may not write is refused;
// a file the user may write in a folder the user may not is rewritten in place.
// On failure the old file (if any) is untouched, the temporary file is gone and
// a TFileError "ファイル <path> を作成できません" is thrown.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The folder part of path with its last slash ("/a/" for "/a/b.csv", "/" for
// "/b.csv"), or "." for a bare name.
std::string FolderOf(const std::string& path);
