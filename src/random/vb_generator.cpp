#include "random/vb_generator.h"

#include <bit>

namespace acute {
namespace {
constexpr std::uint32_t kMask = 0xFFFFFF;
constexpr std::uint64_t kMultiplier = 0xFD43FD;
constexpr std::uint64_t kIncrement = 0xC39EC3;
}  // namespace

float VbGenerator::Next() {
  state_ = static_cast<std::uint32_t>((state_ * kMultiplier + kIncrement) & kMask);
  return static_cast<float>(state_) / 16777216.0f;
}

void VbGenerator::Fill(std::span<float> out) {
  std::uint32_t state = state_;
  for (float& value : out) {
    state = static_cast<std::uint32_t>((state * kMultiplier + kIncrement) & kMask);
    value = static_cast<float>(state) / 16777216.0f;
  }
  state_ = state;
}

float VbGenerator::NextFrom(float negative) {
  const std::uint32_t b = std::bit_cast<std::uint32_t>(negative);
  state_ = (b + (b >> 24)) & kMask;
  return Next();
}

void VbGenerator::Mix(std::uint32_t h) {
  state_ = (((h & 0xFFFF) << 8) ^ ((h >> 8) & 0xFFFF00)) | (state_ & 0xFF);
}

void VbGenerator::Randomize(double seed) {
  Mix(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(seed) >> 32));
}

void VbGenerator::RandomizeTimer(float timer) {
  Mix(std::bit_cast<std::uint32_t>(timer));
}

void VbGenerator::Skip(std::uint64_t n) {
  // Affine steps compose: x -> a x + c, applied n times by squaring.
  std::uint64_t a = kMultiplier, c = kIncrement, ra = 1, rc = 0;
  while (n > 0) {
    if (n & 1) {
      ra = (ra * a) & kMask;
      rc = (rc * a + c) & kMask;
    }
    c = (c * (a + 1)) & kMask;
    a = (a * a) & kMask;
    n >>= 1;
  }
  state_ = static_cast<std::uint32_t>((ra * state_ + rc) & kMask);
}

}  // namespace acute
