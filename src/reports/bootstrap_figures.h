#pragma once
// The figures of the uncertainty analysis: every figure of a population's acute report that
// the bootstrap rounds vary (means, user share, each percentile level with its margin of
// exposure and percent of dose, the exact percentiles when the run finds them), in a fixed
// order, and the interval of a figure over the rounds.
#include <optional>
#include <string>
#include <vector>

#include "reports/population_stats.h"

namespace acute {

enum class FigureKind { Exposure, Moe, DosePercent, Share };

struct BootstrapFigure {
  std::string key;  // the figure's name in the results file ("capita_p99.9_moe")
  FigureKind kind;
  std::optional<Distribution> distribution;  // none: the user share
  int level = -1;                            // the percentile level; -1: the mean
  bool exact = false;
};

// The figures in results-file and report order: the means with their endpoints, the user
// share, then per capita and per user every searched level's exposure, margin and percent of
// dose, then (`exact`) the same of the exact percentiles.
std::vector<BootstrapFigure> BootstrapFigureList(bool exact);

// The values of BootstrapFigureList(exact) for one population; none where the figure does
// not exist (an exact percentile of a population without users).
std::vector<std::optional<double>> BootstrapFigureValues(const PopulationResult& r, bool exact);

// The percentile level's name ("99.9", "97.5", "10").
std::string LevelName(int level);

// Ranks (from 1, ascending) of the interval's bounds and of the median among `count` values:
// the rank of quantile q is ceil(q * count), at least 1.
struct IntervalRanks {
  int low = 1, median = 1, high = 1;
};
IntervalRanks RanksOf(int count, int level_tenths);

// The interval's level as a percent ("95", "99.9").
std::string LevelText(int level_tenths);

// The interval's quantiles as percents ("2.5", "50", "97.5"), for titles.
struct IntervalNames {
  std::string low, median, high;
};
IntervalNames IntervalNamesOf(int level_tenths);

struct FigureInterval {
  std::optional<double> main, low, median, high;
};

// The main run's value and the quantiles of the rounds' values (the rounds without the figure
// left out; none when no round has it).
FigureInterval IntervalOf(std::optional<double> main,
                          const std::vector<std::optional<double>>& rounds, int level_tenths);

}  // namespace acute
