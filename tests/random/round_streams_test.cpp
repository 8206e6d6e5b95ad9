// The generators of bootstrap rounds: one fixed stretch of the seed's sequence per round and
// purpose, whatever else runs; resampling counts without bias.
#include "random/round_streams.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <vector>

#include "random/uniform_source.h"

namespace acute {
namespace {

std::vector<std::uint32_t> Words(MersenneTwister g, int count) {
  std::vector<std::uint32_t> words(static_cast<std::size_t>(count));
  for (auto& w : words) w = g.NextWord();
  return words;
}

TEST(RoundStreams, EachRoundAndPurposeHasItsOwnFixedStretchOfTheSeedsSequence) {
  MersenneTwister plain;
  plain.Seed(17);
  // Round 1's survey stream is the sequence itself; the others start 2^48 words apart.
  EXPECT_EQ(Words(RoundGenerator(17, 1, RoundStream::Survey), 8), Words(plain, 8));
  MersenneTwister later = plain;
  later.Jump(5 * kRoundStreamWords);
  EXPECT_EQ(Words(RoundGenerator(17, 2, RoundStream::Draws), 8), Words(later, 8));
  // The same round gives the same words whenever it is asked for; no two streams meet.
  EXPECT_EQ(Words(RoundGenerator(17, 7, RoundStream::Residues), 8),
            Words(RoundGenerator(17, 7, RoundStream::Residues), 8));
  std::set<std::vector<std::uint32_t>> starts;
  for (int round : {1, 2, 3, kMaxBootstrapRounds})
    for (auto s : {RoundStream::Survey, RoundStream::Residues, RoundStream::Draws})
      starts.insert(Words(RoundGenerator(17, round, s), 4));
  EXPECT_EQ(starts.size(), 12u);
  EXPECT_THROW(RoundGenerator(17, 0, RoundStream::Survey), std::out_of_range);
  EXPECT_THROW(RoundGenerator(17, kMaxBootstrapRounds + 1, RoundStream::Survey), std::out_of_range);
}

// A round's draws come from its stream as a run's come from its seeded generator.
TEST(RoundStreams, ARunsUniformsFromAStreamAreThoseOfItsState) {
  MersenneTwister seeded;
  seeded.Seed(7);
  UniformSource from_state(seeded);
  UniformSource from_seed(true, 7, 0);
  std::vector<float> a(1000), b(1000);
  from_state.Fill(a);
  from_seed.Fill(b);
  EXPECT_EQ(a, b);
  UniformSource round(RoundGenerator(7, 3, RoundStream::Draws));
  EXPECT_NE(round.Next(), a[0]);
}

TEST(RoundStreams, ResamplingDrawsAsManyAsThereAreWithoutFavouringAny) {
  MersenneTwister g;
  g.Seed(3);
  EXPECT_TRUE(ResampleCounts(0, g).empty());
  EXPECT_EQ(ResampleCounts(1, g), std::vector<std::uint32_t>{1});
  // Three items drawn 3 x 100,000 times: each about a third.
  std::vector<std::uint64_t> tally(3, 0);
  for (int k = 0; k < 100000; ++k) {
    const auto counts = ResampleCounts(3, g);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0u), 3u);
    for (std::size_t i = 0; i < 3; ++i) tally[i] += counts[i];
  }
  for (std::uint64_t t : tally) EXPECT_NEAR(static_cast<double>(t) / 300000, 1.0 / 3, 0.003);
  // n = 3 x 2^30, near 2^32, where a modulus of the word would favour the lowest indexes: the
  // top third of the indexes still comes a third of the time.
  const std::uint32_t n = 3u << 30;
  int high = 0;
  for (int k = 0; k < 30000; ++k) high += UniformIndex(g, n) >= 2u << 30 ? 1 : 0;
  EXPECT_NEAR(high / 30000.0, 1.0 / 3, 0.02);
}

}  // namespace
}  // namespace acute
