#include "random/mt_jump.h"

#include <bit>
#include <vector>

namespace acute::mt {
namespace {

int Degree(const Polynomial& p) {
  for (int i = kPolynomialWords - 1; i >= 0; --i)
    if (p[i] != 0) return 64 * i + 63 - std::countl_zero(p[i]);
  return -1;
}

}  // namespace

Block ApplyPolynomial(const Polynomial& q, const Block& s) {
  Block out{};
  const int degree = Degree(q);
  if (degree < 0) return out;
  // The terms four at a time: T^(4g) applied to the sum of T^b s over the terms x^(4g + b)
  // of the group, b < 4. The words of the recurrence from s on, as far as they reach, and
  // for each of the 16 sets of b the sums of the words b places on.
  const int groups = degree / 4 + 1;
  const std::size_t length = static_cast<std::size_t>(4 * groups + kN - 1);
  std::vector<std::uint32_t> x(length + 3);
  std::uint32_t* w = x.data();
  for (int k = 0; k < kN; ++k) w[k] = s[k];
  for (std::size_t k = kN; k < x.size(); ++k)
    w[k] = Twist(w[k - kN], w[k - kN + 1], w[k - kN + kM]);
  std::vector<std::uint32_t> sums(16 * length);
  for (int set = 1; set < 16; ++set) {
    std::uint32_t* to = sums.data() + set * length;
    const std::uint32_t* rest = sums.data() + (set & (set - 1)) * length;
    const std::uint32_t* shifted = w + std::countr_zero(static_cast<unsigned>(set));
    for (std::size_t k = 0; k < length; ++k) to[k] = rest[k] ^ shifted[k];
  }
  std::uint32_t* o = out.data();
  for (int g = 0; g < groups; ++g) {
    const int set = static_cast<int>((q[g / 16] >> (4 * (g % 16))) & 15);
    if (set == 0) continue;
    const std::uint32_t* from = sums.data() + set * length + 4 * g;
    for (int k = 0; k < kN; ++k) o[k] ^= from[k];
  }
  return out;
}

void AdvanceBlocks(Block& block, std::uint64_t blocks, const JumpPolynomials& jumps) {
  if (blocks == 0) return;
  // One regeneration first: x^n mod P gives T^n only on states the recurrence can reach,
  // and a freshly seeded block need not be one (the lower bits of its first word are free).
  NextBlock(block);
  const std::uint64_t rest = blocks - 1;
  const int first = jumps.first_power();
  const std::uint64_t stepped = first >= 64 ? rest : rest & ((std::uint64_t{1} << first) - 1);
  for (std::uint64_t i = 0; i < stepped; ++i) NextBlock(block);
  for (int k = first; k < 64; ++k)
    if ((rest >> k) & 1) block = ApplyPolynomial(jumps.Power(k), block);
}

const JumpPolynomials& StandardJumps() {
  static const JumpPolynomials jumps(kStandardFirstPower);
  return jumps;
}

}  // namespace acute::mt
