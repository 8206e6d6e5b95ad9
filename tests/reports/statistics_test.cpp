// Spreads, endpoints and the percentile search on hand-made bins, where the golden reports
// do not reach: a single unit of weight, empty spans, the overflow bin, and random bins
// against exact weighted percentiles. The hand-computed percentiles of four user-days and of
// a population without users are pinned by the acute report golden files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "engine/bins.h"
#include "reports/endpoints.h"
#include "reports/percentiles.h"
#include "reports/population_stats.h"
#include "reports/report_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::AcuteBins;
using testing::AddUserDay;
using testing::Near;

ReportContext NrContext() {
  return testing::TestContext(1000, 100, false, {testing::Standard("Total US Population", 1)});
}

TEST(PopulationStatistics, SpreadNeedsMoreThanOneUnitOfWeight) {
  const ReportContext ctx = NrContext();
  PopulationAccumulators acc = AcuteBins(1);
  AddUserDay(acc, 0.5f, 1);  // SumW = 1: not enough
  PopulationResult r = ComputePopulationResult(ctx, ctx.populations[0], acc);
  EXPECT_FALSE(r.has_spread);
  EXPECT_EQ(r.sd_user, -1);
  EXPECT_EQ(r.se_capita, -1);
  AddUserDay(acc, 0.5f, 0.5);
  r = ComputePopulationResult(ctx, ctx.populations[0], acc);
  EXPECT_TRUE(r.has_spread);
  EXPECT_TRUE(Near(r.sd_user, 0, 0, 1e-9));  // equal values: a rounding-negative variance is 0
}

TEST(PercentileSearch, AllWeightInBinZeroReadsTheLineToTheFirstBound) {
  BinValues cum{};  // everything at or below Bound(0)
  BinBounds bound{};
  bound[0] = 2;
  int k = 0;
  EXPECT_TRUE(Near(DescendingPercentile(cum, bound, 0, 90, k), 0.2));
  EXPECT_TRUE(Near(DescendingPercentile(cum, bound, 0, 0.1f, k), 1.998, 1e-7));
}

TEST(PercentileSearch, ZeroSpansPutThePercentileOnTheBound) {
  BinBounds bound{};
  bound[0] = 1;
  bound[1] = 2;
  bound[2] = 3;
  BinValues no_weight_below{};
  no_weight_below[0] = 100;  // nothing at or below Bound(0) and no bin above
  int k = 0;
  EXPECT_EQ(DescendingPercentile(no_weight_below, bound, 0, 90, k), 1);
  BinValues flat{};
  flat[0] = flat[1] = flat[2] = 100;  // the search stops at the top with an empty span
  k = 0;
  EXPECT_EQ(DescendingPercentile(flat, bound, 2, 90, k), 3);
  EXPECT_EQ(k, 2);
}

TEST(TopBin, OverflowBinTakesTheMaximumAndEmptyTopBinsAreDropped) {
  PopulationAccumulators acc = AcuteBins(1);
  AddUserDay(acc, 2e6f, 1);  // above Bound(1475), about 874,760
  BinBounds bound = acc.bound;
  EXPECT_EQ(AcuteTopBin(bound, acc.bin_w, acc.max_x), 1476);
  EXPECT_EQ(bound[1476], 2e6f);

  PopulationAccumulators none = AcuteBins(1);
  bound = none.bound;
  EXPECT_EQ(AcuteTopBin(bound, none.bin_w, 0), 0);
}

TEST(Endpoints, PercentileMarginIsTruncatedAndCapped) {
  EXPECT_EQ(PercentileMoe(100, 0), kMoeCap);
  EXPECT_EQ(PercentileMoe(100, 0.0001), kMoeCap);  // exactly 1,000,000
  EXPECT_EQ(PercentileMoe(100, 0.00001), kMoeCap);
  EXPECT_EQ(PercentileMoe(100, 0.3), 333);
}

// The exact weighted percentile: the smallest value whose cumulative weight reaches p %.
double ExactWeightedPercentile(std::vector<std::pair<float, double>> values, double p) {
  std::sort(values.begin(), values.end());
  double total = 0;
  for (const auto& v : values) total += v.second;
  double cum = 0;
  for (const auto& v : values) {
    cum += v.second;
    if (cum >= p / 100 * total) return v.first;
  }
  return values.back().first;
}

TEST(PercentileSearch, BinnedPercentilesLieWithinOneBinOfTheExactOnes) {
  const ReportContext ctx = NrContext();
  std::mt19937 gen(20240304);
  std::lognormal_distribution<float> exposure(-3.0f, 1.2f);
  std::uniform_int_distribution<int> weight(1, 5000);
  for (int trial = 0; trial < 20; ++trial) {
    std::vector<std::pair<float, double>> values;
    double sum = 0;
    for (int v = 0; v < 400; ++v) {
      values.emplace_back(exposure(gen), weight(gen));
      sum += values.back().first * values.back().second;
    }
    double total = 0;
    for (const auto& v : values) total += v.second;
    PopulationAccumulators acc = AcuteBins(static_cast<float>(sum / total));
    for (const auto& v : values) AddUserDay(acc, v.first, v.second);
    const PopulationResult r = ComputePopulationResult(ctx, ctx.populations[0], acc);
    for (int i = 1; i <= kLastSearchedLevel; ++i) {
      const double exact = ExactWeightedPercentile(values, 100 - kUpperTail[i]);
      const int bin = AcuteBin(static_cast<float>(exact), acc.m);
      const double width = r.bound[bin] - (bin > 0 ? r.bound[bin - 1] : 0.0);
      EXPECT_LE(std::fabs(r.exp_user[i] - exact), width * 1.0001 + 1e-12)
          << "trial " << trial << " level " << i;
    }
  }
}

}  // namespace
}  // namespace acute
