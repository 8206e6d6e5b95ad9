#pragma once
// The figures of one population in the DWLOC report: the "DWLOC per Capita" column title,
// the mean DWLOC with its spread, the share of user-days (every person-day counts in a DWLOC
// run, so it reads 100 %) and the one percentile table.
#include "common/print_writer.h"
#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

// Everything after the population description and its blank line. `first` marks the first
// population of the report, whose title carries the footnote mark.
void WriteDwlocFigures(PrintWriter& out, const ReportContext& ctx, const ReportPopulation& pop,
                       bool first, const PopulationResult& r);

}  // namespace acute
