#include "reports/acute_report.h"

#include <cstdint>
#include <stdexcept>

#include "common/print_writer.h"
#include "reports/page_frame.h"
#include "reports/population_block.h"
#include "reports/summary_section.h"

namespace acute {

std::string PopulationPagesText(const ReportContext& ctx,
                                const std::vector<PopulationResult>& results) {
  PrintWriter out;
  std::int16_t line_count = 0;
  std::int16_t page_number = 1;
  for (std::size_t j = 0; j < results.size(); ++j) {
    const bool framed = j == 0 || ctx.specs.HeaderAll();
    if (framed) WriteHeader(out, ctx, static_cast<int>(j) + 1, line_count, ReportKind(ctx));
    const bool last = j + 1 == results.size();
    const bool exact = HasExactTables(ctx, results[j]);
    const bool exact_page = exact && ctx.specs.HeaderAll();
    long mark = out.Lines();
    WritePopulationBlock(out, ctx, j, results[j]);
    if (exact && !exact_page) WriteExactTables(out, ctx, j, results[j]);
    AddLinesSince(line_count, out, mark);
    if (framed) WriteFooter(out, ctx, j == 0, page_number, line_count, last && !exact_page);
    if (!exact_page) continue;
    WriteHeader(out, ctx, static_cast<int>(j) + 1, line_count, ReportKind(ctx));
    mark = out.Lines();
    WriteExactTables(out, ctx, j, results[j]);
    AddLinesSince(line_count, out, mark);
    WriteFooter(out, ctx, false, page_number, line_count, last);
  }
  return out.Contents();
}

std::string SummaryText(const ReportContext& ctx, const std::vector<PopulationResult>& results) {
  PrintWriter out;
  std::int16_t line_count = 0;
  for (Distribution d : SummaryDistributions(ctx))
    WriteSummarySection(out, ctx, results, d, line_count);
  return out.Contents();
}

AcuteReport BuildAcuteReport(const ReportContext& ctx,
                             const std::vector<PopulationAccumulators>& acc) {
  if (ctx.Kind() != AnalysisKind::Acute)
    throw std::logic_error("the acute report writer was given a DWLOC run");
  return BuildReport(ctx, acc);
}

AnalysisReport BuildReport(const ReportContext& ctx, const std::vector<PopulationAccumulators>& acc,
                           const std::vector<ExactPercentiles>& exact,
                           const BootstrapSection* bootstrap) {
  AnalysisReport report;
  report.results = ComputeResults(ctx, acc, exact);
  report.text = SummaryText(ctx, report.results);
  if (bootstrap != nullptr) report.text += BootstrapSectionPages(ctx, *bootstrap);
  report.text += PopulationPagesText(ctx, report.results);
  return report;
}

}  // namespace acute
