#pragma once
// The summary calculations at the top of the acute analysis report: three chosen
// percentiles of every population on one line each, with their margins and percents of
// dose, over as many pages as they need.
#include <cstdint>
#include <string>
#include <vector>

#include "common/print_writer.h"
#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

// One section (users or per capita), from its header to the footer that closes its last
// page. `line_count` is the line count of the current page (0 at the start of the file).
void WriteSummarySection(PrintWriter& out, const ReportContext& ctx,
                         const std::vector<PopulationResult>& results, Distribution d,
                         std::int16_t& line_count);

// The distributions the summary shows, in order: per capita, then users, as the report
// choices ask; a DWLOC run has the one per-capita section.
std::vector<Distribution> SummaryDistributions(const ReportContext& ctx);

// The summary sections without the report's page frames (no headers, footers or page
// breaks): each section's titles once, then every population.
std::string SummaryTables(const ReportContext& ctx, const std::vector<PopulationResult>& results);

}  // namespace acute
