#pragma once
// MT19937 in its 2002 form, seeded by init_genrand.
#include <array>
#include <cstdint>
#include <span>

namespace acute {
namespace mt {
class JumpPolynomials;
}

class MersenneTwister {
 public:
  MersenneTwister() { Seed(5489u); }
  void Seed(std::uint32_t seed);  // init_genrand
  std::uint32_t NextWord();       // genrand_int32
  // The next out.size() words, as many calls of NextWord would give them, made and
  // tempered a block at a time.
  void NextWords(std::span<std::uint32_t> out);
  // Discards n words: block by block, or by Jump from a few million words on.
  void Skip(std::uint64_t n);
  // Discards n words, to the state that stepping through them gives, in far fewer steps:
  // whole blocks of 624 words by regenerations below 2^jumps.first_power() blocks, by jump
  // polynomials above.
  void Jump(std::uint64_t n, const mt::JumpPolynomials& jumps);
  // The same with the standard jump polynomials (built on first use).
  void Jump(std::uint64_t n);

  friend bool operator==(const MersenneTwister&, const MersenneTwister&) = default;

 private:
  void Regenerate();
  std::array<std::uint32_t, 624> mt_{};
  int mti_ = 625;
};

}  // namespace acute
