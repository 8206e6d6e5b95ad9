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
  // The words of the recurrence from s on, as far as the highest term reaches.
  std::vector<std::uint32_t> x(static_cast<std::size_t>(degree) + kN);
  std::uint32_t* w = x.data();
  for (int k = 0; k < kN; ++k) w[k] = s[k];
  for (int k = 0; k < degree; ++k) w[k + kN] = Twist(w[k], w[k + 1], w[k + kM]);
  std::uint32_t* o = out.data();
  for (int word = 0; word < kPolynomialWords; ++word)
    for (std::uint64_t bits = q[word]; bits != 0; bits &= bits - 1) {
      const std::uint32_t* from = w + 64 * word + std::countr_zero(bits);
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
  static const JumpPolynomials jumps(11);
  return jumps;
}

}  // namespace acute::mt
