#pragma once
// One percentile table of a population block: the orientation and units lines, the column
// headings of the toxicity code (of the DWLOC report in a DWLOC context, which has the one
// per-capita distribution) and eight rows of two percentile cells each; and the table of the
// exact percentiles laid out the same way.
#include "common/print_writer.h"
#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

void WritePercentileTable(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r,
                          Distribution d);

// The exact percentiles in the same headings and rows, under the title "Exact percentiles"
// (the units are those of the table before it), after a blank line; nothing when the run did
// not find them.
void WriteExactPercentileTable(PrintWriter& out, const ReportContext& ctx,
                               const PopulationResult& r, Distribution d);

}  // namespace acute
