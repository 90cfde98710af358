#include "records/Filelist1.h"

#include <filesystem>
#include <limits>
#include <stdexcept>

#include "core/Mjrandom1.h"

namespace {

bool IsRecordName(std::string_view name) {
  constexpr std::string_view extension = ".csv";
  if (name.size() < extension.size()) return false;
  const std::string_view tail = name.substr(name.size() - extension.size());
  for (std::size_t i = 0; i < extension.size(); ++i) {
    const char c = tail[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != extension[i]) return false;
  }
  return true;
}

}  // namespace

void TFileList::Build(const std::string& folder) {
  namespace fs = std::filesystem;
  Clear();
  std::error_code error;
  fs::directory_iterator it(fs::path(folder), error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string& path = it->path().native();
    const std::string_view name = std::string_view(path).substr(path.rfind('/') + 1);
    // The file system tells a plain file or folder by itself; only links cost a look-up.
    std::error_code typeError;
    if (IsRecordName(name) && !it->is_directory(typeError)) Append(name);
  }
}

void TFileList::Shuffle() {
  Starts.erase(Starts.begin(), Starts.begin() + static_cast<std::ptrdiff_t>(Head));
  Head = 0;
  ShuffleInPlace(Starts, static_cast<int>(Starts.size()));
}

void TFileList::Clear() {
  Text.clear();
  Starts.clear();
  Head = 0;
}

void TFileList::Append(std::string_view name) {
  if (Text.size() > std::numeric_limits<std::uint32_t>::max() - name.size() - 1)
    throw std::length_error("too many file names");
  Starts.push_back(static_cast<std::uint32_t>(Text.size()));
  Text.append(name);
  Text.push_back('\0');
}

void TFileList::RemoveFirst() {
  if (Empty()) return;
  if (++Head == Starts.size()) Clear();
}
