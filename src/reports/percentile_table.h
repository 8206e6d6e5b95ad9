#pragma once
// One percentile table of a population block: the orientation and units lines, the column
// headings of the toxicity code (of the DWLOC report in a DWLOC context, which has the one
// per-capita distribution) and eight rows of two percentile cells each.
#include "common/print_writer.h"
#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

void WritePercentileTable(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r,
                          Distribution d);

}  // namespace acute
