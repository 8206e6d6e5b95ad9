#pragma once
// The report step of a DWLOC analysis: the figures of every population and the complete
// text of "dwloc.tmp" (the summary section first, then the population pages).
#include <string>
#include <vector>

#include "engine/accumulators.h"
#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

struct DwlocReport {
  std::string text;                       // the whole of "dwloc.tmp"
  std::vector<PopulationResult> results;  // report order; the DWLOC plot file reads them too
};

// `acc[j]` are the accumulators of ctx.populations[j] after the main pass of a DWLOC run:
// bounds descending from T, DWLOC values summed and binned, `min_v` the smallest DWLOC. A
// DWLOC context only.
DwlocReport BuildDwlocReport(const ReportContext& ctx,
                             const std::vector<PopulationAccumulators>& acc);

}  // namespace acute
