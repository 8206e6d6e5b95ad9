#include "random/mersenne_twister.h"

namespace acute {
namespace {
constexpr int kN = 624;
constexpr int kM = 397;
constexpr std::uint32_t kMatrixA = 0x9908b0dfu;
constexpr std::uint32_t kUpperMask = 0x80000000u;
constexpr std::uint32_t kLowerMask = 0x7fffffffu;

inline std::uint32_t Twist(std::uint32_t a, std::uint32_t b, std::uint32_t ahead) {
  const std::uint32_t y = (a & kUpperMask) | (b & kLowerMask);
  return ahead ^ (y >> 1) ^ ((y & 1u) ? kMatrixA : 0u);
}
}  // namespace

void MersenneTwister::Seed(std::uint32_t seed) {
  mt_[0] = seed;
  for (int i = 1; i < kN; ++i)
    mt_[i] = 1812433253u * (mt_[i - 1] ^ (mt_[i - 1] >> 30)) + static_cast<std::uint32_t>(i);
  mti_ = kN;
}

void MersenneTwister::Regenerate() {
  int k = 0;
  for (; k < kN - kM; ++k) mt_[k] = Twist(mt_[k], mt_[k + 1], mt_[k + kM]);
  for (; k < kN - 1; ++k) mt_[k] = Twist(mt_[k], mt_[k + 1], mt_[k + (kM - kN)]);
  mt_[kN - 1] = Twist(mt_[kN - 1], mt_[0], mt_[kM - 1]);
  mti_ = 0;
}

std::uint32_t MersenneTwister::NextWord() {
  if (mti_ >= kN) Regenerate();
  std::uint32_t y = mt_[mti_++];
  y ^= (y >> 11);
  y ^= (y << 7) & 0x9d2c5680u;
  y ^= (y << 15) & 0xefc60000u;
  y ^= (y >> 18);
  return y;
}

void MersenneTwister::Skip(std::uint64_t n) {
  while (n > 0) {
    if (mti_ >= kN) Regenerate();
    const std::uint64_t here = static_cast<std::uint64_t>(kN - mti_);
    const std::uint64_t step = n < here ? n : here;
    mti_ += static_cast<int>(step);
    n -= step;
  }
}

}  // namespace acute
