#include "reports/dwloc_report.h"

#include <stdexcept>

#include "reports/acute_report.h"

namespace acute {

DwlocReport BuildDwlocReport(const ReportContext& ctx,
                             const std::vector<PopulationAccumulators>& acc) {
  if (ctx.Kind() != AnalysisKind::Dwloc)
    throw std::logic_error("the DWLOC report writer was given an acute run");
  return BuildReport(ctx, acc);
}

}  // namespace acute
