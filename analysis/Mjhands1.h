#pragma once

// The remembered hands of the chance searches: a hand's counts packed into a
// key, and an open-addressing table from keys to numbers. Internal to the
// analysis library.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/Mjshanten1.h"

namespace mjhands {

// A hand's counts, three bits a kind: kinds 0..20 in Low, 21..33 in High.
struct TKey {
  std::uint64_t Low = 0;
  std::uint64_t High = 0;
  bool operator==(const TKey&) const = default;
};

inline constexpr int LowKinds = 21;

inline TKey KeyOf(const TKindCounts& h) {
  TKey key;
  for (int k = 0; k < KindCount; ++k) {
    const auto n = static_cast<std::uint64_t>(h[k]);
    if (k < LowKinds) {
      key.Low |= n << (3 * k);
    } else {
      key.High |= n << (3 * (k - LowKinds));
    }
  }
  return key;
}

// The counts a key packs.
inline TKindCounts CountsOf(const TKey& key) {
  TKindCounts h{};
  for (int k = 0; k < KindCount; ++k) {
    const std::uint64_t bits = k < LowKinds ? key.Low >> (3 * k) : key.High >> (3 * (k - LowKinds));
    h[k] = static_cast<int>(bits & 7);
  }
  return h;
}

inline TKey Plus(TKey key, int k) {
  if (k < LowKinds) {
    key.Low += std::uint64_t{1} << (3 * k);
  } else {
    key.High += std::uint64_t{1} << (3 * (k - LowKinds));
  }
  return key;
}

inline TKey Minus(TKey key, int k) {
  if (k < LowKinds) {
    key.Low -= std::uint64_t{1} << (3 * k);
  } else {
    key.High -= std::uint64_t{1} << (3 * (k - LowKinds));
  }
  return key;
}

struct THash {
  std::size_t operator()(const TKey& key) const {
    std::uint64_t x = key.Low * 0x9E3779B97F4A7C15ull ^ (key.High + 0x632BE59BD9B4E019ull);
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(x ^ (x >> 29));
  }
};

struct TStopped {};

// Hands met so far and a number for each: open addressing, a zero key marks an
// empty slot (no hand is empty).
template <std::size_t Initial>
class THands {
public:
  struct TSlot {
    TKey Key;
    std::uint32_t Value = 0;
  };
  static constexpr std::size_t InitialSlots = Initial;
  static constexpr std::size_t SlotBytes = sizeof(TSlot);

  THands() : Slots(InitialSlots) {}

  // The number of `key`, or nullptr.
  const std::uint32_t* Find(const TKey& key) const {
    for (std::size_t i = THash{}(key) & Mask();; i = (i + 1) & Mask()) {
      const TSlot& slot = Slots[i];
      if (slot.Key == key) return &slot.Value;
      if (slot.Key == TKey{}) return nullptr;
    }
  }

  // Whether one more hand fits in at most `cap` slots: the table doubles at
  // half full up to the cap, and is filled to three quarters there.
  bool Room(std::size_t cap) const {
    if (2 * (Count + 1) <= Slots.size() || 2 * Slots.size() <= cap) return true;
    return 4 * (Count + 1) <= 3 * Slots.size();
  }

  // Adds a hand not yet in; Room(cap) must hold.
  void Add(const TKey& key, std::uint32_t value, std::size_t cap) {
    if (2 * (Count + 1) > Slots.size() && 2 * Slots.size() <= cap) Grow();
    Place(key, value);
    ++Count;
  }

  // Forgets every hand, keeping the slots.
  void Clear() {
    std::fill(Slots.begin(), Slots.end(), TSlot{});
    Count = 0;
  }

  std::size_t Size() const { return Count; }

private:
  std::vector<TSlot> Slots;
  std::size_t Count = 0;

  std::size_t Mask() const { return Slots.size() - 1; }

  void Place(const TKey& key, std::uint32_t value) {
    std::size_t i = THash{}(key) & Mask();
    while (!(Slots[i].Key == TKey{})) i = (i + 1) & Mask();
    Slots[i] = {key, value};
  }

  void Grow() {
    std::vector<TSlot> old(2 * Slots.size());
    old.swap(Slots);
    for (const TSlot& slot : old) {
      if (!(slot.Key == TKey{})) Place(slot.Key, slot.Value);
    }
  }
};

}  // namespace mjhands
