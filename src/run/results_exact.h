#pragma once
// The exact (unbinned) percentiles beside the binned ones of the results file.
#include <optional>

#include "reports/population_stats.h"

namespace acute::results {

struct ExactPoint {
  double exposure = 0;
  std::optional<double> moe;           // when the run shows margins of exposure
  std::optional<double> percent_dose;  // when it shows percents of a dose
};

// The exact percentile of distribution `d` at percentile level `level` (see kUpperTail), with
// its margin and percent of dose; none while the population's figures carry no exact
// percentiles.
std::optional<ExactPoint> ExactAt(const PopulationResult& r, Distribution d, int level);

}  // namespace acute::results
