#pragma once

// The record files of one folder still to be opened at random, entry 0 next.
// A folder may hold a hundred thousand records, so only the names are kept,
// back to back in one block of text, with the order as a row of offsets.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TFileList {
public:
  // Replaces the list by the entries of folder whose names end in ".csv" (in
  // any case) and that are not folders, hidden ones and links included, in
  // the order the file system lists them. A folder that cannot be read lists
  // nothing.
  void Build(const std::string& folder);
  // The program's one shuffle, over the whole list: Size() - 1 values drawn.
  // Runs on a list just built, before any entry was taken off.
  void Shuffle();

  void Clear();
  void Append(std::string_view name);
  void RemoveFirst();

  bool Empty() const { return Head == Starts.size(); }
  std::size_t Size() const { return Starts.size() - Head; }
  // Entry i, counted from the next one; valid until the list changes.
  std::string_view operator[](std::size_t i) const { return Text.data() + Starts[Head + i]; }

private:
  std::string Text;                   // every name, each ended by a NUL
  std::vector<std::uint32_t> Starts;  // where each entry's name begins in Text
  std::size_t Head = 0;               // entries before it have been taken off
};

// The names TFileList::Build finds in folder, sorted by their bytes: every
// window lists the same files, names that are not valid UTF-8 included.
std::vector<std::string> SortedRecordNames(const std::string& folder);
