#pragma once
// The uniform numbers of a Monte Carlo run: the chosen generator, seeded as a run seeds it,
// each draw converted to a 32-bit float in [0, 1).
#include <cstdint>
#include <span>

#include "random/mersenne_twister.h"
#include "random/vb_generator.h"

namespace acute {

// 1 - 2^-23: what a Mersenne Twister draw that rounds to 1.0 becomes.
inline constexpr float kBelowOne = 0.99999988079071044921875f;

// A Mersenne Twister word as a run's uniform: times 2^-32 as a double, rounded to a float,
// below one.
inline float MtUniform(std::uint32_t word) {
  const float u = static_cast<float>(word * (1.0 / 4294967296.0));
  return u < 1.0f ? u : kBelowOne;
}

class UniformSource {
 public:
  // Seeds the chosen generator: with `seed`, or with the timer (seconds since midnight)
  // when the seed is 0. The runtime-style generator is reset by a draw with -1 first.
  UniformSource(bool mersenne_twister, std::int16_t seed, double timer_seconds);
  // A Mersenne Twister stream from the state `start` (a bootstrap round's draws).
  explicit UniformSource(const MersenneTwister& start) : mersenne_twister_(true), mt_(start) {}

  float Next() {
    if (mersenne_twister_) return MtUniform(mt_.NextWord());
    return vb_.Next();
  }
  // The next out.size() draws, as many calls of Next would give them, made a block at a
  // time.
  void Fill(std::span<float> out);
  // Discards n draws.
  void Skip(std::uint64_t n);

 private:
  bool mersenne_twister_;
  MersenneTwister mt_;
  VbGenerator vb_;
};

// Seconds since midnight, as the system timer gives them.
double TimerSeconds();

}  // namespace acute
