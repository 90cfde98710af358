#pragma once

// Record rows written in mpsz notation, for the tests of the deal's judgement.

#include <algorithm>
#include <string>
#include <vector>

#include "records/Mjrecord1.h"
#include "tests/support/HandNotation.h"

namespace hand {

// Tiles in the order written, "123m45p" -> 1 2 3 14 15 (unlike ParseHand, which sorts).
inline TCodeRow Row(const std::string& text) {
  TCodeRow row{};
  const std::vector<int> codes = MpszCodes(text);
  std::copy(codes.begin(), codes.end(), row.begin());
  return row;
}

}  // namespace hand
