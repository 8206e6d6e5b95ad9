#pragma once
// The passes of the exact percentiles: before the main pass, the plan of the bins it keeps
// (from a pilot pass of a tenth of the iterations, the preliminary pass of a critical exposure
// analysis, or every bin in a deterministic run); after it, a pass that repeats its draws for
// any bin where a level is reached that it did not keep, and the exact values.
#include <vector>

#include "common/user_port.h"
#include "engine/exact_gather.h"
#include "engine/exact_search.h"
#include "engine/survey_pass.h"
#include "run/run_setup.h"

namespace acute {

// The levels of the report's percentile tables (the maximum excepted), in table order.
ExactLevels ReportExactLevels(bool dwloc);

// The iterations of the pilot pass: a tenth of the run's, at least 1.
int PilotIterations(int iterations);

// What the main pass keeps. `pass` is the main pass's set-up; in a critical exposure analysis
// run.accumulators hold the bins of its preliminary pass.
ExactGather PlanExactGather(const RunSetup& run, const PassSetup& pass, UserPort& port);

// After the main pass (whose set-up is `pass` and whose figures are in run.accumulators): the
// exact percentiles of every population.
std::vector<ExactPercentiles> FinishExactPercentiles(const RunSetup& run, const PassSetup& pass,
                                                     ExactGather& main, UserPort& port);

}  // namespace acute
