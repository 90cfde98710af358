#pragma once

// Random sources for tests: a fixed rule in place of the generator.

#include <functional>

#include "core/Mjrandom1.h"

// Hands out rule(step) at step 0, 1, 2, ... and counts the values taken.
class TRuleSource final : public TRandomSource {
public:
  explicit TRuleSource(std::function<int(int)> rule) : Rule(std::move(rule)) {}
  int Next() override { return Rule(Taken++); }
  int Taken = 0;

private:
  std::function<int(int)> Rule;
};

// Never exchanges: every step takes j = i.
inline TRuleSource ZeroSource() {
  return TRuleSource([](int) { return 0; });
}
