// The uniform generators: the Mersenne Twister against the reference generator, the
// runtime-style generator against a hand computation of its rules.
#include <gtest/gtest.h>

#include <random>

#include "random/mersenne_twister.h"
#include "random/uniform_source.h"
#include "random/vb_generator.h"

namespace acute {
namespace {

TEST(MersenneTwister, MatchesTheReferenceGenerator) {
  MersenneTwister mt;
  mt.Seed(5489);
  std::mt19937 reference(5489);
  EXPECT_EQ(mt.NextWord(), 3499211612u);
  reference();
  for (int i = 2; i < 10000; ++i) ASSERT_EQ(mt.NextWord(), reference()) << i;
  EXPECT_EQ(mt.NextWord(), 4123659995u);  // the 10,000th output

  MersenneTwister skipped, stepped;
  skipped.Seed(77);
  stepped.Seed(77);
  skipped.Skip(1500);  // across two regenerations
  for (int i = 0; i < 1500; ++i) stepped.NextWord();
  EXPECT_EQ(skipped.NextWord(), stepped.NextWord());
}

TEST(VbGenerator, ResetReseedAndDraws) {
  VbGenerator vb;
  vb.NextFrom(-1.0f);  // bits 0xBF800000: state 0x8000BF, advanced once
  EXPECT_EQ(vb.state(), 0x395886u);
  vb.Randomize(1);  // upper word 0x3FF00000: state 0x3FF000 keeping the low byte
  EXPECT_EQ(vb.state(), 0x3FF086u);
  EXPECT_EQ(vb.Next(), 5596465 / 16777216.0f);
  EXPECT_EQ(vb.Next(), 1143600 / 16777216.0f);
  EXPECT_EQ(vb.Next(), 9962803 / 16777216.0f);
}

TEST(VbGenerator, SkipsAnyDistanceExactly) {
  // The 24-bit state has full period 2^24: a skip of 2^24 returns, one of 2^64 - 1 is one
  // short of returning, one beyond 2^32 lands where its remainder does.
  VbGenerator start;
  start.Randomize(7);
  VbGenerator a = start;
  a.Skip(std::uint64_t{1} << 24);
  EXPECT_EQ(a.state(), start.state());
  a.Skip(~std::uint64_t{0});
  a.Next();
  EXPECT_EQ(a.state(), start.state());
  VbGenerator far = start, near = start;
  far.Skip((std::uint64_t{5} << 32) + 77);
  for (int i = 0; i < 77; ++i) near.Next();
  EXPECT_EQ(far.state(), near.state());
  VbGenerator one = start;
  one.Skip(1);
  start.Next();
  EXPECT_EQ(one.state(), start.state());
}

TEST(UniformSource, SeedsAsARunDoes) {
  UniformSource vb(false, 1, 0);  // the reset generator reseeded with 1
  EXPECT_EQ(vb.Next(), 5596465 / 16777216.0f);
  EXPECT_EQ(vb.Next(), 1143600 / 16777216.0f);
  EXPECT_EQ(vb.Next(), 9962803 / 16777216.0f);

  UniformSource mt(true, 5489, 0);
  std::mt19937 reference(5489);
  for (int i = 0; i < 1000; ++i) {
    const float u = mt.Next();
    EXPECT_EQ(u, std::min(static_cast<float>(reference() / 4294967296.0), kBelowOne));
    EXPECT_LT(u, 1.0f);
  }
  // Seed 0 takes the timer: two different timer values give different sequences.
  UniformSource t1(true, 0, 100.4), t2(true, 0, 101.0);
  EXPECT_NE(t1.Next(), t2.Next());
  UniformSource v1(false, 0, 100.5), v2(false, 0, 3600.25);
  EXPECT_NE(v1.Next(), v2.Next());
  // The Mersenne Twister seeds from the rounded timer: the seed that value names repeats it
  // (what the program tells the user after a run with seed 0); the older generator does not.
  UniformSource from_timer(true, 0, 1234.4), from_seed(true, 1234, 0);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(from_timer.Next(), from_seed.Next());
  UniformSource vb_timer(false, 0, 1234.0), vb_seed(false, 1234, 0);
  EXPECT_NE(vb_timer.Next(), vb_seed.Next());
}

}  // namespace
}  // namespace acute
