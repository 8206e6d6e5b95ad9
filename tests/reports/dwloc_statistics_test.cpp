// DWLOC figures: the search over ascending cumulative percents against exact weighted
// values, and a population whose DWLOC is 0 on every person-day.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "engine/bins.h"
#include "reports/percentiles.h"
#include "reports/population_stats.h"
#include "reports/report_fixture.h"

namespace acute {
namespace {

using testing::AddDwlocDay;
using testing::DwlocBins;

ReportContext DwlocRun() {
  return testing::DwlocContext(0.06f, false, {testing::Standard("Total US Population", 1)});
}

// The exact value: the largest DWLOC that p % of the weight reaches or exceeds.
double ExactDwloc(std::vector<std::pair<float, double>> values, double p) {
  std::sort(values.begin(), values.end(), [](auto& a, auto& b) { return a.first > b.first; });
  double total = 0;
  for (const auto& v : values) total += v.second;
  double cum = 0;
  for (const auto& v : values) {
    cum += v.second;
    if (cum >= p / 100 * total) return v.first;
  }
  return values.back().first;
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
    for (int i = 1; i <= kLastSearchedLevel; ++i) {
      const double exact = ExactDwloc(days, 100 - kUpperTail[i]);
      const int bin = DwlocBin(static_cast<float>(exact), acc.m, 200);
      const double width = bin > 0 ? r.bound[bin - 1] - r.bound[bin] : 0.0;
      EXPECT_LE(std::fabs(r.exp_user[i] - exact), width * 1.0001 + 1e-9)
          << "trial " << trial << " level " << i;
      if (i > 1) {
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
  for (int i = 1; i < kLevelCount; ++i) EXPECT_EQ(r.exp_user[i], 0) << "level " << i;
}

}  // namespace
}  // namespace acute
