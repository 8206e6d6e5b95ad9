// Spreads, endpoints and the percentile search on hand-made bins, where the golden reports
// do not reach: a single unit of weight, empty spans, the overflow bin, random acute and
// DWLOC bins against exact weighted values, and a DWLOC of 0 on every person-day. The
// hand-computed percentiles of four user-days and of a population without users are pinned
// by the acute report golden files.
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
using testing::AddDwlocDay;
using testing::AddUserDay;
using testing::DwlocBins;
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

// The exact weighted value of level p: the first value, in ascending order (acute: the
// smallest exposure) or descending order (DWLOC: the largest DWLOC), whose cumulative weight
// reaches p % of the total.
double Exact(std::vector<std::pair<float, double>> values, double p, bool descending = false) {
  std::sort(values.begin(), values.end());
  if (descending) std::reverse(values.begin(), values.end());
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
    for (int i = 0; i < kSearchedLevelCount; ++i) {
      const double exact = Exact(values, 100 - kUpperTail[i]);
      const int bin = AcuteBin(static_cast<float>(exact), acc.m);
      const double width = r.bound[bin] - (bin > 0 ? r.bound[bin - 1] : 0.0);
      EXPECT_LE(std::fabs(r.exp_user[i] - exact), width * 1.0001 + 1e-12)
          << "trial " << trial << " level " << i;
    }
  }
}

ReportContext DwlocRun() {
  return testing::DwlocContext(0.06f, false, {testing::Standard("Total US Population", 1)});
}

// Person-days as a DWLOC run makes them (aRfD 0.06, largest body weight 100 kg, T = 200):
// some at T (no food, 0.03 kg of water, 100 kg), some at 0 (foods above the dose).
std::vector<std::pair<float, double>> RandomDwlocDays(std::mt19937& gen) {
  std::lognormal_distribution<float> food(-4.0f, 1.5f);
  std::uniform_real_distribution<float> body(10, 100), water(0.03f, 3);
  std::uniform_int_distribution<int> weight(1, 5000);
  std::bernoulli_distribution at_top(0.15);
  std::vector<std::pair<float, double>> days;
  for (int d = 0; d < 400; ++d) {
    const float v =
        at_top(gen) ? 200.0f : std::max(0.0f, (0.06f - food(gen)) * body(gen) / water(gen));
    days.emplace_back(v, weight(gen));
  }
  return days;
}

TEST(DwlocPercentiles, BinnedPercentilesDescendWithinOneBinOfTheExactOnes) {
  const ReportContext ctx = DwlocRun();
  std::mt19937 gen(20240611);
  for (int trial = 0; trial < 20; ++trial) {
    const auto days = RandomDwlocDays(gen);
    double sum = 0, total = 0;
    for (const auto& d : days) sum += d.first * d.second, total += d.second;
    PopulationAccumulators acc = DwlocBins(static_cast<float>(sum / total), 200);
    for (const auto& d : days) AddDwlocDay(acc, d.first, d.second);
    const PopulationResult r = ComputePopulationResult(ctx, ctx.populations[0], acc);
    for (int i = 0; i < kSearchedLevelCount; ++i) {
      const double exact = Exact(days, 100 - kUpperTail[i], true);
      const int bin = DwlocBin(static_cast<float>(exact), acc.m, 200);
      const double width = bin > 0 ? r.bound[bin - 1] - r.bound[bin] : 0.0;
      EXPECT_LE(std::fabs(r.exp_user[i] - exact), width * 1.0001 + 1e-9)
          << "trial " << trial << " level " << i;
      if (i > 0) {
        EXPECT_LE(r.exp_user[i], r.exp_user[i - 1]) << "trial " << trial;
      }
      EXPECT_EQ(r.exp_capita[i], r.exp_user[i]);
    }
  }
}

// Foods above the dose on every person-day: a finding, not an empty population.
TEST(DwlocStatistics, DwlocOfZeroEverywhereStillGetsFigures) {
  const ReportContext ctx = DwlocRun();
  PopulationAccumulators acc = DwlocBins(1e-6f, 200);
  AddDwlocDay(acc, 0, 3);
  AddDwlocDay(acc, 0, 2);
  const PopulationResult r = ComputePopulationResult(ctx, ctx.populations[0], acc);
  EXPECT_TRUE(r.has_exposure);
  EXPECT_TRUE(r.has_spread);
  EXPECT_EQ(r.capita_mean, 0);
  EXPECT_EQ(r.pct_users, 100);
  for (int i = 0; i < kLevelCount; ++i) EXPECT_EQ(r.exp_user[i], 0) << "level " << i;
}

}  // namespace
}  // namespace acute
