// The parametric residue distributions and their means.
#include "random/distributions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_support.h"

namespace acute {
namespace {

TEST(Distributions, KnownValues) {
  EXPECT_NEAR(NormalVariate(0.975f, 0, 1, 0), 1.96006, 1e-5);
  EXPECT_NEAR(NormalVariate(0.025f, 0, 1, 0), -1.96006, 1e-5);
  EXPECT_EQ(NormalVariate(0.5f, 3.5f, 2, 0), 3.5f);
  EXPECT_EQ(NormalVariate(0.999f, 1, 1, 2), 2.0f);  // bounded above
  EXPECT_LT(NormalVariate(0.0f, 0, 1, 0), -5.0f);   // u = 0 taken as 1e-7, not bounded below
  for (float u : {0.0f, 0.3f, 0.9f}) EXPECT_FLOAT_EQ(LognormalVariate(u, 1, 0, 0), 1.0f);
  EXPECT_EQ(LognormalVariate(0.7f, 0, 1, 0), 0.0f);
  EXPECT_EQ(TriangularVariate(0.5f, 0, 0.5f, 1), 0.5f);
  EXPECT_EQ(TriangularVariate(0.3f, 2, 2, 2), 2.0f);
  EXPECT_NEAR(TriangularVariate(0.125f, 0, 0.5f, 1), 0.25, 1e-7);  // sqrt(0.5 * 0.125)
  for (float u = 0; u < 1; u += 0.01f) {
    EXPECT_LE(ParetoVariate(u, 1.5f, 1, 10), 10.0f);
    if (u < 0.5f) {
      EXPECT_EQ(UniformVariate(u, -1, 1), 0.0f);
    }
  }
  EXPECT_NEAR(ParetoVariate(0.75f, 2, 1, 0), 2.0, 1e-6);  // 1 / 0.25^(1/2)
  EXPECT_EQ(ParetoVariate(1.0f, 2, 1, 0), 0.0f);
  // A tiny shape without a bound: the tail stops at the pure substance, never infinity.
  EXPECT_EQ(ParetoVariate(0.95f, 0.001f, 2, 0), kMaxResidue);
  EXPECT_TRUE(std::isfinite(ParametricMean(DistributionType::Pareto, 0.001f, 2, 0)));
  EXPECT_FLOAT_EQ(UniformVariate(0.25f, 2, 6), 3.0f);
}

TEST(Distributions, LognormalFromShapeIsTheSameDraw) {
  const LognormalShape shape = LognormalParameters(0.004f, 0.006f);
  for (float u = 0.001f; u < 1; u += 0.037f)
    EXPECT_EQ(LognormalFromShape(u, 0.004f, shape, 0.08f),
              LognormalVariate(u, 0.004f, 0.006f, 0.08f));
}

TEST(Distributions, MeansAtFixedProbabilities) {
  EXPECT_FLOAT_EQ(ParametricMean(DistributionType::Uniform, 0.001f, 0.021f, 0), 0.011f);
  // The normal mean at the ten symmetric probabilities is the mean itself.
  EXPECT_TRUE(
      testing::Near(ParametricMean(DistributionType::Normal, 0.01f, 0.003f, 0), 0.01, 1e-6));
  float sum = 0;
  for (int i = 0; i < 10; ++i)
    sum += TriangularVariate(static_cast<float>(i / 10.0 + 0.05), 0, 0.005f, 0.03f);
  EXPECT_EQ(ParametricMean(DistributionType::Triangular, 0, 0.005f, 0.03f), sum / 10);
}

// Uniform and triangular draws take the differences of their parameters in double and round
// once, when the value is stored; rounding the difference to single first moves these draws
// by one unit in the last place.
TEST(Distributions, DifferencesOfParametersInDoublePrecision) {
  EXPECT_EQ(UniformVariate(0.53881675f, 0.00265733455f, 93.5539093f), 50.4096375f);
  EXPECT_EQ(UniformVariate(0.198101491f, 0.000604644534f, 93.9127808f), 18.6047459f);
  const float low = 0.000387361943f, mode = 23.5865402f, high = 99.9040527f;
  EXPECT_EQ(TriangularVariate(0.1f, low, mode, high), 0x1.eb3986p+3f);  // below the mode
  EXPECT_EQ(TriangularVariate(0.236088f, low, mode, high), 0x1.796244p+4f);
  EXPECT_EQ(TriangularVariate(0.5f, low, mode, high), 0x1.3149cep+5f);  // above it
  EXPECT_EQ(TriangularVariate(0.9f, low, mode, high), 0x1.212abep+6f);
}

}  // namespace
}  // namespace acute
