#pragma once
// Polynomials over GF(2) modulo the characteristic polynomial P of the MT19937 transition
// (degree 19937). Bit i of word i / 64 is the coefficient of x^i.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace acute::mt {

inline constexpr int kDegree = 19937;
inline constexpr int kPolynomialWords = (kDegree + 63) / 64;
using Polynomial = std::array<std::uint64_t, kPolynomialWords>;

// The exponents of the terms of P, highest first (135 terms, the last one 0).
std::span<const int> CharacteristicExponents();

// p^2 mod P.
Polynomial SquareMod(const Polynomial& p);

// The jumps of 2^k blocks of 624 words: x^(624 * 2^k) mod P for k = first_power ... 63.
class JumpPolynomials {
 public:
  explicit JumpPolynomials(int first_power);
  int first_power() const { return first_power_; }
  // x^(624 * 2^k) mod P, for first_power <= k <= 63.
  const Polynomial& Power(int k) const {
    return powers_[static_cast<std::size_t>(k - first_power_)];
  }

 private:
  int first_power_;
  std::vector<Polynomial> powers_;
};

}  // namespace acute::mt
