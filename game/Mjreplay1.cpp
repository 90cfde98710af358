#include "game/Mjreplay1.h"

#include <array>
#include <cassert>
#include <span>

#include "core/Mjrandom1.h"

namespace {

// The row's codes up to its first empty slot.
std::vector<int> RowCodes(const TCodeRow& row) {
  std::vector<int> codes;
  for (const int code : row) {
    if (code == 0) break;
    codes.push_back(code);
  }
  return codes;
}

}  // namespace

TMjReplay ReplayRecord(const TCodeGrid& codes) {
  TMjReplay replay;
  replay.Review = ReviewRecord(codes);
  replay.Deal = RowCodes(GridRow(codes, DealRow));
  replay.Draws = RowCodes(GridRow(codes, DrawRow));
  replay.TooManyDraws = replay.Draws.size() > DealLimit;
  replay.Tinitu = replay.Review.OneSuit;  // the one rule for a one-suit deal
  return replay;
}

std::vector<int> TMjReplay::WallIds() const {
  const int count = Tinitu ? TinituCount : PaiCount;
  std::array<bool, PaiCount> used{};
  std::vector<int> wall;
  wall.reserve(static_cast<std::size_t>(count));
  // A record that adds up holds no kind more than four times.
  auto take = [&](int code) {
    int id = CodeKind(code) * 4;
    while (used[static_cast<std::size_t>(id)]) ++id;
    assert(CodeKind(code) >= 0 && id / 4 == CodeKind(code));
    used[static_cast<std::size_t>(id)] = true;
    wall.push_back(id);
  };
  for (const int code : Deal) take(code);
  for (const int code : Draws) take(code);
  for (int id = 0; id < count; ++id)
    if (!used[static_cast<std::size_t>(id)]) wall.push_back(id);
  return wall;
}

void LayReplayWall(TMjTable& table, const TMjReplay& replay) {
  std::vector<int> wall = replay.WallIds();
  if (replay.Draws.size() < DealLimit) {
    std::span<int> rest(wall.begin() + static_cast<std::ptrdiff_t>(replay.Deal.size() + replay.Draws.size()),
                        wall.end());
    ShuffleInPlace(rest, rest.size());
  }
  table.LayWall(wall);
}
