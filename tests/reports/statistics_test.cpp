// Means, spreads, endpoints and the percentile search on hand-made bins.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "reports/endpoints.h"
#include "reports/percentiles.h"
#include "reports/population_stats.h"
#include "reports/report_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::AcuteBins;
using testing::AddNonUsers;
using testing::AddUserDay;
using testing::Near;

// Calibration mean 100: the linear bounds are the integers 0..100. Four user-days of weight
// 1 at 25.5, 50.5, 75.5 and 90.5 (bins 26, 51, 76, 91) and non-users of weight 4.
PopulationAccumulators FourUserDays() {
  PopulationAccumulators acc = AcuteBins(100);
  for (float x : {25.5f, 50.5f, 75.5f, 90.5f}) AddUserDay(acc, x, 1);
  AddNonUsers(acc, 4, 4);
  return acc;
}

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

TEST(PercentileSearch, HandComputedUserAndPerCapitaPercentiles) {
  const ReportContext ctx = NrContext();
  const PopulationResult r = ComputePopulationResult(ctx, ctx.populations[0], FourUserDays());
  EXPECT_EQ(r.top, 91);
  EXPECT_EQ(r.bound[91], 90.5f);  // the top bound is the observed maximum
  EXPECT_TRUE(Near(r.cum_u[26], 75));
  EXPECT_TRUE(Near(r.cum_c[0], 50));
  EXPECT_TRUE(Near(r.cum_c[76], 12.5));
  const double users[] = {0,    25.4, 25.8,  50.2,  50.6,  51,     75.4,   75.8, 90.1,
                          90.3, 90.4, 90.45, 90.48, 90.49, 90.495, 90.498, 90.5};
  const double capita[] = {0,    0,    0,    0,     0,     0,     25.8,   50.6, 75.4,
                           90.1, 90.3, 90.4, 90.46, 90.48, 90.49, 90.496, 90.5};
  for (int i = 1; i < kLevelCount; ++i) {
    EXPECT_TRUE(Near(r.exp_user[i], users[i], 1e-6)) << "user level " << i;
    EXPECT_TRUE(Near(r.exp_capita[i], capita[i], 1e-6)) << "per-capita level " << i;
  }
  // Endpoints per percentile: Int(1000 / 25.4) = 39; 25.4 % of an aRfD of 100.
  EXPECT_EQ(r.moe_user[1], 39);
  EXPECT_TRUE(Near(r.pct_user[1], 25.4, 1e-6));
  EXPECT_EQ(r.moe_capita[1], kMoeCap);  // exposure 0
  EXPECT_EQ(r.pct_capita[1], 0);
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

TEST(PopulationStatistics, PopulationWithoutUsersGetsZeroExposures) {
  const ReportContext ctx = NrContext();
  PopulationAccumulators acc = AcuteBins(0.000001f);
  AddNonUsers(acc, 10, 3);
  const PopulationResult r = ComputePopulationResult(ctx, ctx.populations[0], acc);
  EXPECT_FALSE(r.has_exposure);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.cum_u[0], 0);
  EXPECT_EQ(r.cum_c[0], 0);
  for (int i = 1; i <= kLastSearchedLevel; ++i) {
    EXPECT_EQ(r.exp_user[i], 0);
    EXPECT_EQ(r.moe_user[i], kMoeCap);
    EXPECT_EQ(r.pct_capita[i], 0);
  }
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
      const int bin = testing::AcuteBinOf(static_cast<float>(exact), acc.m);
      const double width = r.bound[bin] - (bin > 0 ? r.bound[bin - 1] : 0.0);
      EXPECT_LE(std::fabs(r.exp_user[i] - exact), width * 1.0001 + 1e-12)
          << "trial " << trial << " level " << i;
    }
  }
}

}  // namespace
}  // namespace acute
