#include "reports/dwloc_report.h"

#include <stdexcept>

#include "reports/acute_report.h"

namespace acute {

DwlocReport BuildDwlocReport(const ReportContext& ctx,
                             const std::vector<PopulationAccumulators>& acc) {
  if (ctx.Kind() != AnalysisKind::Dwloc)
    throw std::logic_error("the DWLOC report writer was given an acute run");
  DwlocReport report;
  report.results = ComputeResults(ctx, acc);
  report.text = SummaryText(ctx, report.results) + PopulationPagesText(ctx, report.results);
  return report;
}

}  // namespace acute
