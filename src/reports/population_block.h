#pragma once
// The block of one population in the acute analysis report: description, title and units,
// means with their spread, the endpoints at the mean, the share of user-days and the
// percentile tables; or the short block of a population without exposure. In a DWLOC
// context the figures after the description are those of the DWLOC report.
#include "common/print_writer.h"
#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

// `index` is the population's position in ctx.populations (0 = the first population of the
// report, which carries the footnote marks).
void WritePopulationBlock(PrintWriter& out, const ReportContext& ctx, std::size_t index,
                          const PopulationResult& r);

// Whether the report has exact percentile tables for this population (the report choice is
// on and the run found them).
bool HasExactTables(const ReportContext& ctx, const PopulationResult& r);

// The population's exact percentile tables under its name, per user and per capita as the
// report choices ask (DWLOC: the one per-capita table). With headers on every page they
// take a page of their own after the population's page; otherwise they follow its tables.
void WriteExactTables(PrintWriter& out, const ReportContext& ctx, std::size_t index,
                      const PopulationResult& r);

// The line giving the share of user-days (of individuals with the two-day average), after a
// blank line. The DWLOC block has it too, where every person-day is a user-day.
void WriteUserShare(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r);

}  // namespace acute
