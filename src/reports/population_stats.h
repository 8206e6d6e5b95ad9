#pragma once
// The figures of one population that the report, the summary, the plot file and the
// critical exposure window read: means, spreads, mean-based endpoints, the bins as the
// report step leaves them, cumulative percents and the exposure at every percentile level.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/accumulators.h"
#include "engine/exact_search.h"
#include "reports/percentiles.h"
#include "reports/report_context.h"

namespace acute {

enum class Distribution { Users, PerCapita };

// The exact percentiles of one distribution at each percentile level (the last one the
// maximum): the exposure (none for a population without users), its MOE and percent of dose.
struct ExactFigures {
  std::array<std::optional<double>, kLevelCount> exposure{};
  std::array<std::int32_t, kLevelCount> moe{};
  std::array<float, kLevelCount> pct{};
};

struct PopulationResult {
  // Totals as accumulated (summed over the iterations).
  double tot_w = 0, tot_n = 0, sum_w = 0, n = 0;
  float max_x = 0;  // acute: largest exposure; DWLOC: smallest DWLOC value (0 when none)

  // Acute: per-user mean not 0; DWLOC: any person-day accumulated. Otherwise the short
  // "No exposure" block and zeros.
  bool has_exposure = false;
  float pct_users = 0;  // percent of person-days that are user-days
  float user_mean = 0;
  float capita_mean = 0;

  bool has_spread = false;  // SumW > 1; otherwise the four values below are -1 ("n/a")
  double sd_user = -1, se_user = -1, sd_capita = -1, se_capita = -1;

  // Margin of exposure and percent of dose at the mean.
  double moe_user_mean = 0, moe_capita_mean = 0;
  float pct_user_mean = 0, pct_capita_mean = 0;

  // Bins as the report step leaves them: bound of bin 1476 and of the top bin set to MaxX.
  int top = 0;
  BinBounds bound{};
  BinValues bin_w{};
  BinValues cum_u{};  // acute: percent of user-days above Bound(k); DWLOC: at or above
  BinValues cum_c{};  // acute per capita (non-users in bin 0); DWLOC: same as cum_u

  // By percentile level (see kUpperTail); the margins and percents of dose at the searched
  // levels only.
  std::array<double, kLevelCount> exp_user{}, exp_capita{};
  std::array<std::int32_t, kLevelCount> moe_user{}, moe_capita{};
  std::array<float, kLevelCount> pct_user{}, pct_capita{};

  // The exact percentiles when the run found them (DWLOC: per capita the same as per user).
  std::optional<ExactFigures> exact_user, exact_capita;

  const std::array<double, kLevelCount>& Exposures(Distribution d) const {
    return d == Distribution::Users ? exp_user : exp_capita;
  }
  const std::optional<ExactFigures>& Exact(Distribution d) const {
    return d == Distribution::Users ? exact_user : exact_capita;
  }
  double Exposure(Distribution d, int level) const { return Exposures(d)[Level(level)]; }
  std::int32_t Moe(Distribution d, int level) const {
    return (d == Distribution::Users ? moe_user : moe_capita)[Level(level)];
  }
  float DosePercent(Distribution d, int level) const {
    return (d == Distribution::Users ? pct_user : pct_capita)[Level(level)];
  }

 private:
  static std::size_t Level(int level) { return static_cast<std::size_t>(level); }
};

// The figures of one population from its accumulators (bounds laid out, main pass done) and
// its exact percentiles when the run found them.
PopulationResult ComputePopulationResult(const ReportContext& ctx, const ReportPopulation& pop,
                                         const PopulationAccumulators& acc,
                                         const ExactPercentiles* exact = nullptr);

// Every population of the context, in report order; `acc[j]` and `exact[j]` belong to
// population j (`exact` empty: no exact percentiles).
std::vector<PopulationResult> ComputeResults(const ReportContext& ctx,
                                             const std::vector<PopulationAccumulators>& acc,
                                             const std::vector<ExactPercentiles>& exact = {});

}  // namespace acute
