#pragma once
// The MT19937 recurrence: the word 624 places ahead of word k is made from the upper bit of
// word k, the lower 31 bits of word k + 1 and word k + 397.
#include <array>
#include <cstdint>

namespace acute::mt {

inline constexpr int kN = 624;
inline constexpr int kM = 397;
inline constexpr std::uint32_t kMatrixA = 0x9908b0dfu;
inline constexpr std::uint32_t kUpperMask = 0x80000000u;
inline constexpr std::uint32_t kLowerMask = 0x7fffffffu;

inline std::uint32_t Twist(std::uint32_t a, std::uint32_t b, std::uint32_t ahead) {
  const std::uint32_t y = (a & kUpperMask) | (b & kLowerMask);
  return ahead ^ (y >> 1) ^ ((y & 1u) ? kMatrixA : 0u);
}

// 624 consecutive words of the recurrence, the oldest first: a state of the generator.
using Block = std::array<std::uint32_t, kN>;

// The next 624 words in place of these.
inline void NextBlock(Block& mt) {
  int k = 0;
  for (; k < kN - kM; ++k) mt[k] = Twist(mt[k], mt[k + 1], mt[k + kM]);
  for (; k < kN - 1; ++k) mt[k] = Twist(mt[k], mt[k + 1], mt[k + (kM - kN)]);
  mt[kN - 1] = Twist(mt[kN - 1], mt[0], mt[kM - 1]);
}

inline std::uint32_t Temper(std::uint32_t y) {
  y ^= (y >> 11);
  y ^= (y << 7) & 0x9d2c5680u;
  y ^= (y << 15) & 0xefc60000u;
  y ^= (y >> 18);
  return y;
}

}  // namespace acute::mt
