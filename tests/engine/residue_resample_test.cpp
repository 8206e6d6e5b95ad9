// A bootstrap round's residue data: each empirical file resampled once for every line that
// names it, its size kept, its values drawn from its own; parametric lines untouched.
#include "engine/residue_resample.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace acute {
namespace {

RdlSampler Empirical(std::int32_t first, std::int32_t values, std::int32_t lod,
                     std::int32_t zeros) {
  RdlSampler s;
  s.type = DistributionType::Empirical;
  s.first_record = first;
  s.value_count = values;
  s.total_lod = lod;
  s.total_z = zeros;
  s.count_with_lod = values + lod;
  s.total_count = values + lod + zeros;
  s.lod_res = 0.5f;
  return s;
}

// Line 1 and 3 name one file (values 1, 2, 3; two LOD samples; a zero), line 2 another
// (values 10, 20), line 4 is a uniform distribution.
DistributionTables Tables() {
  DistributionTables t;
  t.values = {1, 2, 3, 10, 20};
  t.rdl.resize(5);
  t.rdl[1] = Empirical(1, 3, 2, 1);
  t.rdl[2] = Empirical(4, 2, 0, 0);
  t.rdl[3] = t.rdl[1];
  t.rdl[4].type = DistributionType::Uniform;
  t.rdl[4].param = {1, 2, 0};
  return t;
}

TEST(ResidueResample, EachFileIsResampledOnceToItsSizeFromItsOwnSamples) {
  const DistributionTables t = Tables();
  double values_drawn = 0;
  for (std::uint32_t seed = 1; seed <= 400; ++seed) {
    MersenneTwister g;
    g.Seed(seed);
    const DistributionTables r = ResampleResidues(t, g);
    const RdlSampler& a = r.rdl[1];
    EXPECT_EQ(a.first_record, r.rdl[3].first_record);  // one file, one resampling
    EXPECT_EQ(a.value_count, r.rdl[3].value_count);
    EXPECT_EQ(a.value_count + a.total_lod + a.total_z, 6);
    EXPECT_EQ(a.count_with_lod, a.value_count + a.total_lod);
    const RdlSampler& b = r.rdl[2];
    EXPECT_EQ(b.value_count, 2);
    EXPECT_EQ(b.total_count, 2);
    const auto first = r.values.begin();
    const auto a_values =
        std::vector<float>(first + a.first_record - 1, first + a.first_record - 1 + a.value_count);
    EXPECT_TRUE(std::is_sorted(a_values.begin(), a_values.end()));  // in the file's order
    for (float v : a_values) EXPECT_TRUE(v == 1 || v == 2 || v == 3) << v;
    for (std::int32_t k = 0; k < 2; ++k)
      EXPECT_TRUE(r.values[b.first_record - 1 + k] == 10 || r.values[b.first_record - 1 + k] == 20);
    double sum = a.lod_res * static_cast<double>(a.total_lod);
    for (float v : a_values) sum += v;
    EXPECT_FLOAT_EQ(a.mean, a.count_with_lod ? static_cast<float>(sum / a.count_with_lod) : 0.0f);
    EXPECT_EQ(r.rdl[4].param, t.rdl[4].param);
    values_drawn += a.value_count;
  }
  EXPECT_NEAR(values_drawn / 400, 3.0, 0.15);  // half of six draws land on a value
  // The same generator gives the same round.
  MersenneTwister g1, g2;
  g1.Seed(9);
  g2.Seed(9);
  EXPECT_EQ(ResampleResidues(t, g1).values, ResampleResidues(t, g2).values);
}

}  // namespace
}  // namespace acute
