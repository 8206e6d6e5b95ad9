#pragma once
// The report step of an analysis: the figures of every population and the complete text of
// "acute.tmp" or "dwloc.tmp" (summary sections first, then the population pages).
#include <string>
#include <vector>

#include "engine/accumulators.h"
#include "reports/bootstrap_section.h"
#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

struct AnalysisReport {
  std::string text;                       // the whole of "acute.tmp" or "dwloc.tmp"
  std::vector<PopulationResult> results;  // report order; the plot file reads them too
};
using AcuteReport = AnalysisReport;

// The report of either kind of run; the context says which. `acc[j]` are the accumulators
// of ctx.populations[j] after the main pass (bounds laid out, sums over every iteration),
// `exact[j]` its exact percentiles when the run found them (empty: none), `bootstrap` the
// uncertainty analysis that follows the summary (null: none).
AnalysisReport BuildReport(const ReportContext& ctx, const std::vector<PopulationAccumulators>& acc,
                           const std::vector<ExactPercentiles>& exact = {},
                           const BootstrapSection* bootstrap = nullptr);

// `acc[j]` are the accumulators of ctx.populations[j] after the main pass (bounds laid out,
// sums over every iteration). An acute context only: the DWLOC report is not written here.
AcuteReport BuildAcuteReport(const ReportContext& ctx,
                             const std::vector<PopulationAccumulators>& acc);

// The population pages alone (what "acute2.tmp" holds), acute or DWLOC by the context.
std::string PopulationPagesText(const ReportContext& ctx,
                                const std::vector<PopulationResult>& results);

// The summary sections alone: per capita first, then users, as the report choices ask; a
// DWLOC context has the one per-capita section.
std::string SummaryText(const ReportContext& ctx, const std::vector<PopulationResult>& results);

}  // namespace acute
