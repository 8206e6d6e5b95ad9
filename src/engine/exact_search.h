#pragma once
// The exact weighted percentiles of the person-day values of a run. A level is reached in the
// bin where the cumulative bin weight first reaches it; the values kept from that bin, sorted
// and walked from the weight of the bins before it, give the value itself.
//
// Acute runs: the smallest value x whose weight of values at or below x reaches the level's
// share of the total; per capita the non-user person-days count as values of 0. DWLOC runs
// (bins descend in value): the largest value d whose weight of values at or above d reaches
// it; per capita is the same as per user.
#include <optional>
#include <vector>

#include "engine/accumulators.h"
#include "engine/consumption_data.h"
#include "engine/exact_gather.h"

namespace acute {

enum class ExactBasis { Users, PerCapita };

// The levels a run finds, as shares of the total weight (0.5 for the median).
struct ExactLevels {
  std::vector<double> shares;
  bool dwloc = false;
};

// The exact value at each level of a population (the order of ExactLevels::shares); none for
// a population without users.
struct ExactPercentiles {
  std::vector<std::optional<float>> users, capita;
};

// The bin where the level `share` of the basis is reached in `a`'s bins.
int CrossingBin(const PopulationAccumulators& a, ExactBasis basis, bool dwloc, double share);

// Adds to `plan` the bins of population p that a pass should keep, judged from a pilot's
// bins (`pilot`, laid out as the main pass's): every bin whose span of cumulative weight comes
// near a level, with a margin for the pilot's sampling error.
void FlagPilotBins(const PopulationAccumulators& pilot, std::size_t p, const ExactLevels& levels,
                   ExactGatherPlan& plan);

// The crossing bins of the main pass (`main`, one per population) that `kept` did not keep,
// as a plan; `missing` tells whether there is any.
ExactGatherPlan MissingBins(const std::vector<PopulationAccumulators>& main,
                            const ExactLevels& levels, const ExactGatherPlan& kept, bool& missing);

// The exact percentiles of every population from the main pass's bins and what the gathering
// passes kept (their lists are emptied). Throws std::logic_error when a crossing bin was kept
// by none of them.
std::vector<ExactPercentiles> FindExactPercentiles(const std::vector<PopulationAccumulators>& main,
                                                   const ExactLevels& levels,
                                                   const ConsumptionData& data,
                                                   std::vector<ExactGather*> gathers);

}  // namespace acute
