#pragma once

// Helpers of the record tests: a private folder per test, whole-file reads,
// the expected codes of a table and a log of the loader's events.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/Mjtable1.h"
#include "records/Mjloader1.h"
#include "records/Mjrecord1.h"

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::filesystem::path RecordData(const std::string& name) {
  return std::filesystem::path(TILELAB_TEST_DATA) / "records" / name;
}

// A fresh folder, removed with everything in it; CTest runs tests side by side.
class TTempFolder {
public:
  TTempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "tilelab-records-XXXXXX").string();
    if (!::mkdtemp(name.data())) throw std::runtime_error("no temporary folder");
    Path = name;
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Path, ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  std::string operator/(const std::string& name) const { return (Path / name).string(); }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Path)) names.insert(entry.path().filename().string());
    return names;
  }
  std::filesystem::path Path;
};

using TCodeGrid = std::array<std::int32_t, RowSlots * RecordRows>;

// The record sheet of a table as the loader should give it back.
inline TCodeGrid TableCodes(const TMjTable& table) {
  TCodeGrid codes{};
  std::size_t i = 0;
  for (const TPaiRow* row : {&table.HaipaiRec, &table.TumoRec, &table.Sutepai, &table.Tepai})
    for (const TMjPai* p : *row) codes[i++] = p ? p->GetCode() : 0;
  return codes;
}

// Records the calls in order, with what the loader held at each.
class TEventLog final : public TRecordEvents {
public:
  explicit TEventLog(const TRecordLoader& loader) : Loader(loader) {}
  void HeaderRefused() override { Note("HeaderRefused"); }
  void UpdateStatus() override { Note("UpdateStatus"); }
  void EnableBmpSave() override { Note("EnableBmpSave"); }

  std::vector<std::string> Calls;
  std::vector<std::string> FilesSeen;
  std::vector<TCodeGrid> CodesSeen;

private:
  void Note(const char* call) {
    Calls.push_back(call);
    FilesSeen.push_back(Loader.RecordFile);
    CodesSeen.push_back(Loader.Codes);
  }
  const TRecordLoader& Loader;
};

inline const std::vector<std::string> LoadedCalls{"UpdateStatus", "EnableBmpSave"};
