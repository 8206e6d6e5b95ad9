#include "reports/population_block.h"

#include <string>

#include "common/number_picture.h"
#include "reports/dwloc_block.h"
#include "reports/endpoints.h"
#include "reports/percentile_table.h"
#include "reports/population_description.h"
#include "reports/report_numbers.h"

namespace acute {
namespace {

bool Both(const ReportContext& ctx) {
  return ctx.specs.ReportUsers() && ctx.specs.ReportPerCapita();
}

// The value of the one reported distribution (users when only users are reported).
template <typename T>
T OneOf(const ReportContext& ctx, T capita, T user) {
  return ctx.specs.ReportUsers() ? user : capita;
}

void WriteTitle(PrintWriter& out, const ReportContext& ctx, const ReportPopulation& pop,
                bool first) {
  if (!pop.custom) out.Text(pop.report_name);
  out.Tab(36).Text(ctx.TwoDay() ? "2-Day Avg Exposure Analysis " : "Daily Exposure Analysis ");
  if (first) out.Text(" /a");
  out.EndLine();
  if (!pop.custom) out.Text(std::string(pop.report_name.size(), '-'));
  out.Tab(36).Line(ctx.PerKg() ? "(mg/kg body-weight/day) " : "       (mg/day)         ");
  if (Both(ctx)) {
    out.Tab(36).Line(" per Capita    per User ");
    out.Tab(36).Line("-----------  -----------");
  } else {
    out.Tab(36).Line(ctx.specs.ReportUsers() ? "  per User " : " per Capita");
    out.Tab(36).Line("-----------");
  }
}

void WriteSpread(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r) {
  const bool both = Both(ctx);
  if (!r.has_spread) {
    out.Tab(13).Line(both ? "Standard Deviation          n/a          n/a"
                          : "Standard Deviation          n/a");
    if (!ctx.MonteCarlo())
      out.Line(both ? "            Standard Error of mean      n/a          n/a"
                    : "            Standard Error of mean      n/a");
    return;
  }
  auto pair = [&](double capita, double user) {
    return both ? ExposureText(capita) + "  " + ExposureText(user)
                : ExposureText(OneOf(ctx, capita, user));
  };
  out.Tab(13).Line("Standard Deviation     " + pair(r.sd_capita, r.sd_user));
  if (!ctx.MonteCarlo()) out.Tab(13).Line("Standard Error of mean " + pair(r.se_capita, r.se_user));
}

void WriteStatistics(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r) {
  out.Tab(13).Text("Mean");
  if (Both(ctx))
    out.Tab(36).Text(ExposureText(r.capita_mean)).Tab(49).Text(ExposureText(r.user_mean));
  else
    out.Tab(36).Text(ExposureText(OneOf(ctx, r.capita_mean, r.user_mean)));
  out.EndLine();
  WriteSpread(out, ctx, r);
}

void WriteMeanEndpoints(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r,
                        bool first) {
  const std::string& code = ctx.toxicity_code;
  const bool both = Both(ctx);
  if (HasMoe(code)) {
    out.Text("            Margin of Exposure ").Text(first ? "2/" : "  ");
    if (both)
      out.Tab(37).Text(MeanMoeText(r.moe_capita_mean)).Tab(50).Text(MeanMoeText(r.moe_user_mean));
    else
      out.Tab(37).Text(MeanMoeText(OneOf(ctx, r.moe_capita_mean, r.moe_user_mean)));
    out.EndLine();
  }
  if (HasPercent(code)) {
    out.Text("            Percent of ").Text(DoseName(code));
    if (both)
      out.Tab(40).Text(PercentText(r.pct_capita_mean)).Tab(53).Text(PercentText(r.pct_user_mean));
    else
      out.Tab(40).Text(PercentText(OneOf(ctx, r.pct_capita_mean, r.pct_user_mean)));
    out.EndLine();
  }
}

void WriteTables(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r) {
  out.BlankLines(2);
  if (ctx.specs.ReportUsers()) WritePercentileTable(out, ctx, r, Distribution::Users);
  out.BlankLines(2);
  if (ctx.specs.ReportPerCapita()) WritePercentileTable(out, ctx, r, Distribution::PerCapita);
}

void WriteNoExposure(PrintWriter& out, const ReportPopulation& pop) {
  out.EndLine();
  out.Line(pop.report_name);
  out.EndLine();
  out.Line("No exposure for this subpopulation");
  out.BlankLines(23);
}

}  // namespace

void WriteUserShare(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r) {
  out.EndLine();
  out.Text(ctx.TwoDay() ? "       Percent of Individuals that are Users (over two days) = "
                        : "       Percent of Person-Days that are User-Days = ");
  out.Text(Picture(r.pct_users, "###.##")).Line("%");
}

bool HasExactTables(const ReportContext& ctx, const PopulationResult& r) {
  return ctx.specs.exact && r.has_exposure && (r.exact_user || r.exact_capita);
}

void WriteExactTables(PrintWriter& out, const ReportContext& ctx, std::size_t index,
                      const PopulationResult& r) {
  out.EndLine();
  out.Line(ctx.populations[index].report_name);
  if (ctx.Kind() == AnalysisKind::Acute && ctx.specs.ReportUsers())
    WriteExactPercentileTable(out, ctx, r, Distribution::Users);
  if (ctx.Kind() == AnalysisKind::Dwloc || ctx.specs.ReportPerCapita()) {
    out.EndLine();
    WriteExactPercentileTable(out, ctx, r, Distribution::PerCapita);
  }
}

void WritePopulationBlock(PrintWriter& out, const ReportContext& ctx, std::size_t index,
                          const PopulationResult& r) {
  const ReportPopulation& pop = ctx.populations[index];
  const bool first = index == 0;
  WritePopulationDescription(out, pop, ctx.database_kind, ctx.region_names);
  if (!r.has_exposure) {
    WriteNoExposure(out, pop);
    return;
  }
  out.EndLine();
  if (ctx.Kind() == AnalysisKind::Dwloc) {
    WriteDwlocFigures(out, ctx, pop, first, r);
    return;
  }
  WriteTitle(out, ctx, pop, first);
  WriteStatistics(out, ctx, r);
  WriteMeanEndpoints(out, ctx, r, first);
  WriteUserShare(out, ctx, r);
  WriteTables(out, ctx, r);
}

}  // namespace acute
