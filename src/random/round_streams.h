#pragma once
// The generators of a bootstrap round. Each round's resampling of the survey, its resampling
// of the residue samples and its Monte Carlo draws come from a stretch of their own of one
// Mersenne Twister sequence seeded with the bootstrap seed, reached by jumping ahead; so a
// round gives the same figures whatever thread, process or machine runs it and whatever other
// rounds run beside it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "random/mersenne_twister.h"

namespace acute {

enum class RoundStream { Survey = 0, Residues = 1, Draws = 2 };

// Words of the sequence each stream of a round may take: 2^48, far more than the draws of a
// round of 5,000 iterations of the full-size survey (about 10^10 words).
inline constexpr std::uint64_t kRoundStreamWords = std::uint64_t{1} << 48;
inline constexpr int kRoundStreams = 3;
// The rounds whose streams fit in the 2^64 words a jump can reach.
inline constexpr int kMaxBootstrapRounds = 20000;

// The generator of stream `stream` of round `round` (from 1 to kMaxBootstrapRounds): the
// sequence of `seed`, (round - 1) x 3 + stream stretches of kRoundStreamWords words on.
MersenneTwister RoundGenerator(std::uint32_t seed, int round, RoundStream stream);

// A uniform index below n (n from 1 to 2^32), without the bias of a modulus: the word times n,
// with the words that would favour the lower indexes drawn again.
std::uint32_t UniformIndex(MersenneTwister& generator, std::uint32_t n);

// n draws with replacement from n items, each drawn uniformly: how many times each item was
// drawn (the counts add up to n).
std::vector<std::uint32_t> ResampleCounts(std::uint32_t n, MersenneTwister& generator);

}  // namespace acute
