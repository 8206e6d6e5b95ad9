#include "reports/dwloc_block.h"

#include <string>

#include "reports/percentile_table.h"
#include "reports/population_block.h"
#include "reports/report_numbers.h"

namespace acute {
namespace {

constexpr int kLabelColumn = 13;
constexpr int kValueColumn = 38;

// Standard populations are named before the title and underlined on the units line, as in
// the acute report; a custom population is named by its description.
void WriteTitle(PrintWriter& out, const ReportPopulation& pop, bool first) {
  if (!pop.custom) out.Text(pop.report_name);
  out.Tab(36).Text("DWLOC per Capita");
  if (first) out.Text(" /a");
  out.EndLine();
  if (!pop.custom) out.Text(std::string(pop.report_name.size(), '-'));
  out.Tab(36).Line("     (ppm) ");
  out.Tab(36).Line("----------------");
}

void WriteValue(PrintWriter& out, const char* label, const std::string& value) {
  out.Tab(kLabelColumn).Text(label).Tab(kValueColumn).Line(value);
}

// No standard error in a Monte Carlo run; "n/a" for a weight of 1 or less.
void WriteStatistics(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r) {
  WriteValue(out, "Mean", ExposureText(r.capita_mean));
  const std::string sd = r.has_spread ? ExposureText(r.sd_capita) : "  n/a";
  const std::string se = r.has_spread ? ExposureText(r.se_capita) : "  n/a";
  WriteValue(out, "Standard Deviation", sd);
  if (!ctx.MonteCarlo()) WriteValue(out, "Standard Error of mean", se);
}

}  // namespace

void WriteDwlocFigures(PrintWriter& out, const ReportContext& ctx, const ReportPopulation& pop,
                       bool first, const PopulationResult& r) {
  WriteTitle(out, pop, first);
  WriteStatistics(out, ctx, r);
  WriteUserShare(out, ctx, r);
  out.BlankLines(2);
  WritePercentileTable(out, ctx, r, Distribution::PerCapita);
}

}  // namespace acute
