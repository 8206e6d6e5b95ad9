#pragma once
// The runtime-style generator of the older program ("Microsoft VB"): a 24-bit linear
// congruential state, reset by a draw with a negative argument and reseeded with a number
// or the timer, so that old runs with that choice can be repeated.
#include <cstdint>
#include <span>

namespace acute {

class VbGenerator {
 public:
  // The next value in [0, 1): state / 2^24 after one step.
  float Next();
  // The next out.size() values, as many calls of Next would give them.
  void Fill(std::span<float> out);
  // A draw with a negative argument: the state is set from the argument's bits first.
  float NextFrom(float negative);
  // Reseeding with a number (the upper 32 bits of it as a 64-bit double).
  void Randomize(double seed);
  // Reseeding with the timer (the bits of its value as a 32-bit float).
  void RandomizeTimer(float timer);
  // Discards n values.
  void Skip(std::uint64_t n);

  std::uint32_t state() const { return state_; }

 private:
  void Mix(std::uint32_t h);
  std::uint32_t state_ = 0x50000;
};

}  // namespace acute
