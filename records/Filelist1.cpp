#include "records/Filelist1.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>

#include <dirent.h>
#include <sys/stat.h>

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

// The directory's own entry types spare a look-up per file; only links and
// entries of unknown type are looked up, and count as what they point to.
void TFileList::Build(const std::string& folder) {
  Clear();
  // Closed however the listing ends: Append throws for a list too long to hold.
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
  DIR* const dir = listing.get();
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!IsRecordName(name) || entry->d_type == DT_DIR) continue;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat info;
      if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode)) continue;
    }
    Append(name);
  }
}

void TFileList::Shuffle() { ShuffleInPlace(Starts, Starts.size()); }

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

std::vector<std::string> SortedRecordNames(const std::string& folder) {
  TFileList list;
  list.Build(folder);
  std::vector<std::string> names;
  names.reserve(list.Size());
  for (std::size_t i = 0; i < list.Size(); ++i) names.emplace_back(list[i]);
  std::sort(names.begin(), names.end());
  return names;
}
