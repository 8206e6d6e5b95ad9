#pragma once
// The report step of a DWLOC analysis: the figures of every population and the complete
// text of "dwloc.tmp" (the summary section first, then the population pages).
#include <string>
#include <vector>

#include "engine/accumulators.h"
#include "reports/acute_report.h"
#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

using DwlocReport = AnalysisReport;

// `acc[j]` are the accumulators of ctx.populations[j] after the main pass of a DWLOC run:
// bounds descending from T, DWLOC values summed and binned, `min_v` the smallest DWLOC. A
// DWLOC context only.
DwlocReport BuildDwlocReport(const ReportContext& ctx,
                             const std::vector<PopulationAccumulators>& acc);

}  // namespace acute
