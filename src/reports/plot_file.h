#pragma once
// The plot file of an analysis: a comma-delimited text with the user means, PADs and
// percentiles of all populations side by side, then every population's totals and its
// table of exposure bins with their cumulative percentiles.
#include <string>
#include <vector>

#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

// The text of "plot.tmp" (acute context) or "DWPlot.tmp" (DWLOC context). `results` are the
// computed populations in report order.
std::string PlotFileText(const ReportContext& ctx, const std::vector<PopulationResult>& results);

}  // namespace acute
