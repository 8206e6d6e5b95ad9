#include "reports/plot_file.h"

#include <cstdint>

#include "common/number_picture.h"
#include "common/print_writer.h"
#include "common/str.h"
#include "reports/page_frame.h"

namespace acute {
namespace {

constexpr const char* kValuePicture = "#####.######";
constexpr const char* kTotalPicture = "#############";
constexpr const char* kBoundPicture = "######.########";
constexpr const char* kPercentPicture = "####.###";
constexpr const char* kZeroBound = "     0.0       ";

void WritePopulationList(PrintWriter& out, const ReportContext& ctx) {
  out.EndLine();
  out.Text("Number of populations included in this file:")
      .Line(Str(static_cast<std::int64_t>(ctx.populations.size())));
  out.Line("Populations:");
  out.EndLine();
  for (std::size_t j = 0; j < ctx.populations.size(); ++j)
    out.Line("  " + Picture(static_cast<double>(j + 1), "##") + " = " +
             ctx.populations[j].report_name);
  out.EndLine();
  out.Text("Populations:, ");
  for (std::size_t j = 0; j < ctx.populations.size(); ++j)
    out.Text("      " + Picture(static_cast<double>(j + 1), "##") + ",    ");
  out.EndLine();
}

void WriteSideBySide(PrintWriter& out, const ReportContext& ctx,
                     const std::vector<PopulationResult>& results) {
  out.Text("User Means,");
  for (const PopulationResult& r : results) out.Text(Picture(r.user_mean, kValuePicture) + ",");
  out.EndLine();
  if (ctx.settings.pad_flag) {
    out.Text("PAD:  , ");
    for (const ReportPopulation& pop : ctx.populations)
      out.Text(Picture(pop.pad != 0 ? pop.pad : ctx.settings.arfd, kValuePicture) + ",");
    out.EndLine();
  }
  out.Line(ctx.Kind() == AnalysisKind::Dwloc ? "Pctl" : "Pctl(Users)");
  for (int i = 0; i < kLevelCount; ++i) {
    out.Text("   " + Picture(100 - kUpperTail[i], "###.##") + ", ");
    for (const PopulationResult& r : results) out.Text(Picture(r.exp_user[i], kValuePicture) + ",");
    out.EndLine();
  }
}

void WriteTotals(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r) {
  const double it = ctx.Iterations();
  out.Line("Total person days (weighted & unweighted) =," + Picture(r.tot_w / it, kTotalPicture) +
           "," + Picture(r.tot_n / it, kTotalPicture));
  if (ctx.Kind() == AnalysisKind::Acute)
    out.Line("Total user days   (weighted & unweighted) =," + Picture(r.sum_w / it, kTotalPicture) +
             "," + Picture(r.n / it, kTotalPicture));
  if (ctx.Iterations() > 1)
    out.Line("Bin totals based on" + Str(static_cast<std::int64_t>(ctx.Iterations())) +
             " iterations.");
}

std::string LowerBound(const PopulationResult& r, int k) {
  return k == 0 ? kZeroBound : Picture(r.bound[k - 1], kBoundPicture);
}

void WriteAcuteBins(PrintWriter& out, const PopulationResult& r) {
  out.Line("Bin Totals:");
  out.Line("    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles");
  out.Line("   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita ");
  for (int k = 0; k <= r.top; ++k) {
    if (k > 0 && !(r.bin_w[k] > 0)) continue;
    out.Line(Picture(r.bin_w[k], "############") + "," + LowerBound(r, k) + "," +
             Picture(r.bound[k], kBoundPicture) + ",  " +
             Picture(100 - r.cum_u[k], kPercentPicture) + ",  " +
             Picture(100 - r.cum_c[k], kPercentPicture));
  }
}

// DWLOC bounds descend: the bound before a bin is its high bound.
void WriteDwlocBins(PrintWriter& out, const PopulationResult& r) {
  out.Line("Bin Totals:");
  out.Line("    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles");
  out.Line("   (Wghtd) ,   High bound,      Low bound   ,      (Per Capita)");
  for (int k = 0; k <= r.top; ++k) {
    if (k > 0 && !(r.bin_w[k] > 0)) continue;
    out.Line(Picture(r.bin_w[k], "############") + "," + LowerBound(r, k) + "," +
             Picture(r.bound[k], kBoundPicture) + ",       " +
             Picture(r.cum_u[k], kPercentPicture));
  }
}

}  // namespace

std::string PlotFileText(const ReportContext& ctx, const std::vector<PopulationResult>& results) {
  const bool dwloc = ctx.Kind() == AnalysisKind::Dwloc;
  PrintWriter out;
  std::int16_t line_count = 0;
  WriteHeader(out, ctx, 0, line_count, dwloc ? OutputKind::DwlocPlot : OutputKind::AcutePlot);
  WritePopulationList(out, ctx);
  WriteSideBySide(out, ctx, results);
  out.EndLine();
  for (std::size_t j = 0; j < results.size(); ++j) {
    out.Line(ctx.populations[j].report_name);
    WriteTotals(out, ctx, results[j]);
    if (dwloc)
      WriteDwlocBins(out, results[j]);
    else
      WriteAcuteBins(out, results[j]);
    out.EndLine();
  }
  return out.Contents();
}

}  // namespace acute
