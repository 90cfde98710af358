// Calls one function of the shanten engine a given number of times over the
// hand sets of the benchmarks, so that callgrind can count its instructions
// per call: tools/measure-shanten-ir.sh runs it.
//
//   shanten_calls shanten|ukeire|discards CALLS

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/Mjshanten1.h"
#include "bench/ShantenHands.h"

int main(int argc, char** argv) {
  const std::string work = argc == 3 ? argv[1] : "";
  const long calls = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 0;
  if ((work != "shanten" && work != "ukeire" && work != "discards") || calls <= 0) {
    std::fprintf(stderr, "usage: %s shanten|ukeire|discards CALLS\n", argv[0]);
    return 2;
  }
  const std::vector<TKindCounts> hands = RandomDeals(work == "ukeire" ? 13 : 14);
  long sum = 0;  // printed, so that no call is left out
  for (long i = 0; i < calls; ++i) {
    const TKindCounts& hand = hands[static_cast<std::size_t>(i % ShantenHandCount)];
    if (work == "shanten") {
      sum += MjShanten(hand);
    } else if (work == "ukeire") {
      sum += MjUkeire(hand).Count;
    } else {
      sum += static_cast<long>(MjDiscards(hand).Discards.size());
    }
  }
  std::printf("%ld\n", sum);
  return 0;
}
