#include "random/mersenne_twister.h"

#include <algorithm>

#include "random/mt_jump.h"
#include "random/mt_twist.h"

namespace acute {
using mt::kN;

void MersenneTwister::Seed(std::uint32_t seed) {
  mt_[0] = seed;
  for (int i = 1; i < kN; ++i)
    mt_[i] = 1812433253u * (mt_[i - 1] ^ (mt_[i - 1] >> 30)) + static_cast<std::uint32_t>(i);
  mti_ = kN;
}

void MersenneTwister::Regenerate() {
  mt::NextBlock(mt_);
  mti_ = 0;
}

std::uint32_t MersenneTwister::NextWord() {
  if (mti_ >= kN) Regenerate();
  return mt::Temper(mt_[mti_++]);
}

void MersenneTwister::NextWords(std::span<std::uint32_t> out) {
  std::size_t done = 0;
  while (done < out.size()) {
    if (mti_ >= kN) Regenerate();
    const std::size_t here = std::min(out.size() - done, static_cast<std::size_t>(kN - mti_));
    const std::uint32_t* from = mt_.data() + mti_;
    std::uint32_t* to = out.data() + done;
    for (std::size_t i = 0; i < here; ++i) to[i] = mt::Temper(from[i]);
    mti_ += static_cast<int>(here);
    done += here;
  }
}

void MersenneTwister::Skip(std::uint64_t n) {
  if (n / kN >= (std::uint64_t{1} << mt::kStandardFirstPower)) return Jump(n);
  while (n > 0) {
    if (mti_ >= kN) Regenerate();
    const std::uint64_t here = static_cast<std::uint64_t>(kN - mti_);
    const std::uint64_t step = n < here ? n : here;
    mti_ += static_cast<int>(step);
    n -= step;
  }
}

void MersenneTwister::Jump(std::uint64_t n, const mt::JumpPolynomials& jumps) {
  if (n == 0) return;
  // The word to come is word mti_ of the block; afterwards it is word mti_ + n of it, kept
  // in 1 ... 624 as Skip keeps it. Without overflow: n - 1 = 624 q + r.
  const std::uint64_t q = (n - 1) / kN;
  const int s = static_cast<int>((n - 1) % kN) + mti_;
  mt::AdvanceBlocks(mt_, q + (s >= kN ? 1 : 0), jumps);
  mti_ = s % kN + 1;
}

void MersenneTwister::Jump(std::uint64_t n) {
  Jump(n, mt::StandardJumps());
}

}  // namespace acute
