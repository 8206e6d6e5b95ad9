#include "random/mt_polynomial.h"

#include "random/mt_twist.h"

namespace acute::mt {
namespace {

// Derived with the Berlekamp-Massey algorithm from 2 x 19937 consecutive top bits of the
// generator's output; the tests check that the output bits obey the recurrence it gives.
constexpr int kExponents[] = {
    19937, 19314, 19087, 18860, 18691, 18633, 18406, 18237, 18179, 18068, 17952, 17841, 17783,
    17725, 17498, 17445, 17329, 17271, 17160, 17044, 16933, 16875, 16822, 16817, 16595, 16590,
    16537, 16421, 16368, 16363, 16252, 16141, 16136, 16025, 15967, 15909, 15682, 15629, 15576,
    15513, 15455, 15349, 15344, 15228, 15117, 15059, 15006, 15001, 14953, 14779, 14774, 14721,
    14605, 14552, 14547, 14436, 14325, 14320, 14209, 14151, 14093, 13866, 13813, 13760, 13697,
    13639, 13533, 13528, 13412, 13301, 13243, 13190, 13185, 13137, 12963, 12958, 12905, 12789,
    12736, 12731, 12673, 12620, 12509, 12504, 12393, 12335, 12277, 11997, 11944, 11881, 11838,
    11717, 11712, 11611, 11485, 11384, 11374, 11321, 11215, 11157, 11147, 11089, 10920, 10761,
    10693, 10128, 9969,  9901,  9505,  8206,  7979,  7752,  7583,  7525,  7477,  7129,  6569,
    6337,  5661,  4753,  4362,  4135,  3908,  3681,  3454,  3227,  3000,  2773,  2493,  1870,
    1643,  1585,  1416,  1189,  0};
static_assert(kExponents[0] == kDegree);

// The 32 bits of v spread to the even bits of a 64-bit word: the square of a polynomial.
std::uint64_t Spread(std::uint64_t v) {
  v &= 0xFFFFFFFFu;
  v = (v | (v << 16)) & 0x0000FFFF0000FFFFull;
  v = (v | (v << 8)) & 0x00FF00FF00FF00FFull;
  v = (v | (v << 4)) & 0x0F0F0F0F0F0F0F0Full;
  v = (v | (v << 2)) & 0x3333333333333333ull;
  v = (v | (v << 1)) & 0x5555555555555555ull;
  return v;
}

template <std::size_t N>
void XorAt(std::array<std::uint64_t, N>& r, std::uint64_t v, int bit) {
  const int w = bit / 64;
  const int b = bit % 64;
  r[static_cast<std::size_t>(w)] ^= v << b;
  if (b != 0) r[static_cast<std::size_t>(w) + 1] ^= v >> (64 - b);
}

}  // namespace

std::span<const int> CharacteristicExponents() {
  return kExponents;
}

Polynomial SquareMod(const Polynomial& p) {
  std::array<std::uint64_t, 2 * kPolynomialWords> r{};
  for (std::size_t i = 0; i < p.size(); ++i) {
    r[2 * i] = Spread(p[i]);
    r[2 * i + 1] = Spread(p[i] >> 32);
  }
  // x^k for k >= 19937 is x^(k - 19937) times the lower terms of P. The highest lower term
  // is below 19937 - 64, so the 64 bits of a word fold into lower words only: top down.
  constexpr int kTopWord = kDegree / 64;
  constexpr std::uint64_t kTopMask = ~((std::uint64_t{1} << (kDegree % 64)) - 1);
  static_assert(kExponents[1] + 64 <= kDegree);
  for (int w = static_cast<int>(r.size()) - 1; w >= kTopWord; --w) {
    std::uint64_t v = r[static_cast<std::size_t>(w)];
    if (w == kTopWord) v &= kTopMask;
    if (v == 0) continue;
    r[static_cast<std::size_t>(w)] ^= v;
    int base = 64 * w - kDegree;  // the exponent of bit 0 of v, less 19937
    if (base < 0) {
      v >>= -base;
      base = 0;
    }
    for (std::size_t t = 1; t < std::size(kExponents); ++t) XorAt(r, v, base + kExponents[t]);
  }
  Polynomial out;
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = r[i];
  return out;
}

JumpPolynomials::JumpPolynomials(int first_power) : first_power_(first_power) {
  Polynomial p{};
  p[kN / 64] = std::uint64_t{1} << (kN % 64);  // x^624: one block
  for (int k = 0; k < 64; ++k) {
    if (k >= first_power_) powers_.push_back(p);
    p = SquareMod(p);
  }
}

}  // namespace acute::mt
