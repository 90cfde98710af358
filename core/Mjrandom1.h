#pragma once

// The program's one pseudo-random generator and the seam through which the
// shuffles take their values, so that tests can supply their own sequence.

#include <cstddef>
#include <cstdint>
#include <utility>

// Anything that hands out values 0..32767 to a shuffle.
class TRandomSource {
public:
  virtual ~TRandomSource() = default;
  virtual int Next() = 0;
};

// Linear congruential generator: state <- state * 22695477 + 1 (mod 2^32),
// value = bits 16..30 of the new state.
class TMjRandom final : public TRandomSource {
public:
  std::uint32_t State = 0;

  // Sets the state and throws one value away.
  void Seed(std::uint32_t seed) {
    State = seed;
    Next();
  }
  int Next() override {
    State = State * 22695477u + 1u;
    return static_cast<int>((State >> 16) & 0x7FFFu);
  }
};

// The process-wide generator, seeded once by the menu window.
extern TMjRandom Random;

// Where shuffles draw from: the process-wide generator unless a test replaced it.
TRandomSource& RandomSource();
void SetRandomSource(TRandomSource* source);  // nullptr restores the generator

// Replaces the source for the lifetime of the guard (tests).
class TScopedRandomSource {
public:
  explicit TScopedRandomSource(TRandomSource& source) { SetRandomSource(&source); }
  ~TScopedRandomSource() { SetRandomSource(nullptr); }
  TScopedRandomSource(const TScopedRandomSource&) = delete;
  TScopedRandomSource& operator=(const TScopedRandomSource&) = delete;
};

// A value 0..bound-1 for a shuffle step: r mod bound of one value while bound
// fits the generator's 32,768 values, so the wall and every list of up to
// 32,768 entries take exactly one value per step. A larger bound combines
// values (15 bits each) until they cover it, so every entry can come first.
inline std::uint64_t ShuffleValue(TRandomSource& source, std::uint64_t bound) {
  std::uint64_t value = 0, range = 1;
  do {
    value = value * 32768u + static_cast<std::uint64_t>(source.Next());
    range *= 32768u;
  } while (range < bound);
  return value % bound;
}

// The one shuffle of the program (the wall, the viewer's file order): for
// i = 0 .. count-2 take a value r and exchange entry i with entry i + r mod (count - i).
// Up to 32,768 entries it draws exactly count - 1 values, whether or not a step
// exchanges; longer lists take more for their first steps (ShuffleValue).
template <class Seq>
void ShuffleInPlace(Seq& items, std::size_t count) {
  TRandomSource& source = RandomSource();
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const std::size_t j = i + static_cast<std::size_t>(ShuffleValue(source, count - i));
    if (j != i) {
      using std::swap;
      swap(items[i], items[j]);
    }
  }
}
