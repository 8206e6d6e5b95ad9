#include "random/round_streams.h"

#include <stdexcept>

namespace acute {

MersenneTwister RoundGenerator(std::uint32_t seed, int round, RoundStream stream) {
  if (round < 1 || round > kMaxBootstrapRounds)
    throw std::out_of_range("a bootstrap round outside 1 to 20000");
  MersenneTwister generator;
  generator.Seed(seed);
  const auto stretch =
      static_cast<std::uint64_t>(round - 1) * kRoundStreams + static_cast<std::uint64_t>(stream);
  if (stretch > 0) generator.Jump(stretch * kRoundStreamWords);
  return generator;
}

std::uint32_t UniformIndex(MersenneTwister& generator, std::uint32_t n) {
  if (n == 0) throw std::invalid_argument("a uniform index below 0");
  // The lowest 2^32 mod n products would make the lower indexes more likely.
  const std::uint32_t threshold = static_cast<std::uint32_t>(-n) % n;
  for (;;) {
    const std::uint64_t product = std::uint64_t{generator.NextWord()} * n;
    if (static_cast<std::uint32_t>(product) >= threshold)
      return static_cast<std::uint32_t>(product >> 32);
  }
}

std::vector<std::uint32_t> ResampleCounts(std::uint32_t n, MersenneTwister& generator) {
  std::vector<std::uint32_t> counts(n, 0);
  for (std::uint32_t i = 0; i < n; ++i) ++counts[UniformIndex(generator, n)];
  return counts;
}

}  // namespace acute
