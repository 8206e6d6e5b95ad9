// Uniforms made a block at a time against a run's uniforms drawn one by one.
#include "random/block_uniforms.h"

#include <gtest/gtest.h>

#include <vector>

#include "random/uniform_source.h"

namespace acute {
namespace {

TEST(MtBlockUniforms, SameNumbersAsARunDrawsOneByOne) {
  MersenneTwister seeded;
  seeded.Seed(1);
  MtBlockUniforms blocks(seeded);
  UniformSource one_by_one(true, 1, 0);
  // Single draws and fills of sizes that end inside, at and across block ends.
  std::vector<float> buffer;
  for (std::size_t size : {1, 5, 618, 624, 700, 1, 3000, 1247}) {
    ASSERT_EQ(blocks.Next(), one_by_one.Next());
    buffer.assign(size, -1.0f);
    blocks.Fill(buffer);
    for (std::size_t i = 0; i < size; ++i) ASSERT_EQ(buffer[i], one_by_one.Next()) << size;
  }

  // From a generator jumped to the middle of a block.
  MersenneTwister jumped = seeded;
  jumped.Jump(3000001);
  MtBlockUniforms from_jump(jumped);
  UniformSource stepped(true, 1, 0);
  for (int i = 0; i < 3000001; ++i) stepped.Next();
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(from_jump.Next(), stepped.Next()) << i;
}

TEST(UniformSource, FillsAsDrawingOneByOne) {
  for (bool mersenne_twister : {true, false}) {
    UniformSource filled(mersenne_twister, 3, 0), one_by_one(mersenne_twister, 3, 0);
    std::vector<float> buffer;
    for (std::size_t size : {0, 1, 700, 623, 1248}) {
      buffer.assign(size, -1.0f);
      filled.Fill(buffer);
      for (std::size_t i = 0; i < size; ++i) ASSERT_EQ(buffer[i], one_by_one.Next()) << size;
      ASSERT_EQ(filled.Next(), one_by_one.Next());
    }
  }
}

TEST(MtBlockUniforms, WordsRoundingToOneStayBelowOne) {
  EXPECT_EQ(MtUniform(0), 0.0f);
  EXPECT_EQ(MtUniform(0x80000000u), 0.5f);
  EXPECT_EQ(MtUniform(0xFFFFFF7Fu), 0.999999940395355224609375f);  // 1 - 2^-24
  EXPECT_EQ(MtUniform(0xFFFFFF80u), kBelowOne);                    // rounds to 1
  EXPECT_EQ(MtUniform(0xFFFFFFFFu), kBelowOne);
}

}  // namespace
}  // namespace acute
