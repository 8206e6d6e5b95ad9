// The Mersenne Twister jump-ahead: the characteristic polynomial against the output bits,
// jumps against stepping word by word, and far jumps against compositions of nearer ones.
#include "random/mt_jump.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "random/mersenne_twister.h"
#include "random/mt_polynomial.h"

namespace acute {
namespace {

using mt::kN;

void StepOneByOne(MersenneTwister& g, std::uint64_t words) {
  for (std::uint64_t i = 0; i < words; ++i) g.NextWord();
}

MersenneTwister After(std::uint32_t seed, int words) {
  MersenneTwister g;
  g.Seed(seed);
  StepOneByOne(g, static_cast<std::uint64_t>(words));
  return g;
}

TEST(MtJump, OutputBitsObeyTheCharacteristicPolynomial) {
  const auto exponents = mt::CharacteristicExponents();
  ASSERT_EQ(exponents.front(), mt::kDegree);
  ASSERT_EQ(exponents.back(), 0);
  MersenneTwister g = After(4357, 0);
  std::vector<int> bits(mt::kDegree + 3000);
  for (int& b : bits) b = static_cast<int>(g.NextWord() >> 31);
  for (int n = 0; n < 3000; ++n) {
    int sum = 0;
    for (int e : exponents) sum ^= bits[static_cast<std::size_t>(n + e)];
    ASSERT_EQ(sum, 0) << n;
  }
  // Another bit of the word: the same recurrence.
  g.Seed(1);
  for (int& b : bits) b = static_cast<int>(g.NextWord() & 1u);
  int sum = 0;
  for (int e : exponents) sum ^= bits[static_cast<std::size_t>(e)];
  EXPECT_EQ(sum, 0);
}

TEST(MtJump, LandsWhereSteppingDoes) {
  // Every whole block of the distance by the polynomials.
  const mt::JumpPolynomials every_bit(0);
  std::mt19937_64 pick(12);
  std::vector<std::uint64_t> distances = {0, 1, 623, 624, 625, 1247, 1248, 1249, 40000};
  for (int i = 0; i < 3; ++i) distances.push_back(pick() % 100000);
  for (int start : {0, 1, 300, 623, 624}) {
    const MersenneTwister from = After(77, start);
    for (std::uint64_t n : distances) {
      MersenneTwister jumped = from, stepped = from;
      jumped.Jump(n, every_bit);
      StepOneByOne(stepped, n);
      ASSERT_EQ(jumped, stepped) << "from " << start << " by " << n;
      ASSERT_EQ(jumped.NextWord(), stepped.NextWord());
    }
  }
  // The standard polynomials, a few million words: by Jump and by Skip.
  for (int i = 0; i < 2; ++i) {
    const std::uint64_t n = (std::uint64_t{kN} << 12) + pick() % 3000000;
    MersenneTwister jumped = After(5, i), skipped = After(5, i), stepped = After(5, i);
    jumped.Jump(n);
    skipped.Skip(n);
    StepOneByOne(stepped, n);
    ASSERT_EQ(jumped, stepped) << n;
    ASSERT_EQ(skipped, stepped) << n;
  }
}

TEST(MtJump, FarJumpsComposeFromNearerOnes) {
  const mt::JumpPolynomials& jumps = mt::StandardJumps();
  const mt::JumpPolynomials stepping_only(64);
  // Any 624 words, then one step: a state the recurrence reaches.
  mt::Block s;
  std::mt19937 fill(8);
  for (auto& w : s) w = fill();
  mt::NextBlock(s);

  const int first = jumps.first_power();
  mt::Block stepped = s;
  mt::AdvanceBlocks(stepped, std::uint64_t{1} << first, stepping_only);
  ASSERT_EQ(mt::ApplyPolynomial(jumps.Power(first), s), stepped);
  // 2^63 blocks at once, and as 2^k blocks for every k below plus 2^first.
  mt::Block chained = s;
  for (int k = first; k < 63; ++k) chained = mt::ApplyPolynomial(jumps.Power(k), chained);
  EXPECT_EQ(mt::ApplyPolynomial(jumps.Power(63), s),
            mt::ApplyPolynomial(jumps.Power(first), chained));

  // Whole generators, n beyond 2^32 (up to 2^64 - 1) as a + b.
  std::mt19937_64 pick(3);
  const MersenneTwister g = After(9, 1000);
  for (int shift : {28, 1}) {  // 2^36 and 2^63 words
    const std::uint64_t a = pick() >> shift;
    const std::uint64_t b = pick() >> shift;
    MersenneTwister once = g, twice = g;
    once.Jump(a + b);
    twice.Jump(a);
    twice.Jump(b);
    ASSERT_EQ(once, twice) << a << " + " << b;
  }
}

}  // namespace
}  // namespace acute
