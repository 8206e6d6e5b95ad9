#include "reports/percentile_table.h"

#include <optional>
#include <string>

#include "common/number_picture.h"
#include "reports/endpoints.h"
#include "reports/report_numbers.h"

namespace acute {
namespace {

constexpr int kRows = 8;  // Int(15 / 2 + 1)

// Columns of one cell; 0 = the code has no such column.
struct Cell {
  int label, exposure, percent, moe;
};

struct Layout {
  Cell left, right;
  const char* heading;
  const char* rule;
};

constexpr const char* kSingleRule =
    " ----------  ----------  ---------         ----------  ----------  ---------";
constexpr const char* kDoubleRule =
    "-----  -----------  ------- ----------   ----- -----------  -------  ---------";

constexpr const char* kPlainRule =
    "      ----------  ----------               ----------  ---------- ";

Layout LayoutFor(const ReportContext& ctx) {
  const std::string& code = ctx.toxicity_code;
  if (ctx.Kind() == AnalysisKind::Dwloc)
    return {{10, 18, 0, 0},
            {47, 55, 0, 0},
            "      Percentile      ppm                  Percentile      ppm    ",
            kPlainRule};
  if (code == "N")
    return {{5, 13, 0, 26},
            {47, 55, 0, 68},
            " Percentile   Exposure      MOE            Percentile   Exposure      MOE   ",
            kSingleRule};
  if (code == "R")
    return {{5, 13, 28, 0},
            {47, 55, 70, 0},
            " Percentile   Exposure     % aRfD          Percentile   Exposure     % aRfD ",
            kSingleRule};
  if (code == "P")
    return {{5, 13, 28, 0},
            {47, 55, 70, 0},
            " Percentile   Exposure     % aPAD          Percentile   Exposure     % aPAD ",
            kSingleRule};
  if (code == "NR")
    return {{1, 8, 21, 30},
            {42, 48, 61, 70},
            "Perc.   Exposure    % aRfD     MOE       Perc.  Exposure    % aRfD      MOE",
            kDoubleRule};
  if (code == "NP")
    return {{1, 8, 21, 30},
            {42, 48, 61, 70},
            "Perc.   Exposure    % aPAD     MOE       Perc.  Exposure    % aPAD      MOE",
            kDoubleRule};
  return {{10, 18, 0, 0},
          {47, 55, 0, 0},
          "      Percentile   Exposure                Percentile   Exposure  ",
          kPlainRule};
}

std::string EndpointTitle(const std::string& code) {
  if (code == "N") return "Margin of Exposure (MOE)";
  if (code == "R") return "Percent of aRfD";
  if (code == "P") return "Percent of aPAD";
  if (code == "NR") return "Margin of Exposure (MOE) and Percent of aRfD";
  if (code == "NP") return "Margin of Exposure (MOE) and Percent of aPAD";
  return "";
}

// DWLOC values descend as the label grows: label 100 - U is the percent of person-days whose
// DWLOC reaches or exceeds the value, label U (orientation "D") the percent below it.
void WriteDwlocOrientation(PrintWriter& out, const ReportContext& ctx) {
  const std::string how = ctx.Exceeding() ? "falling below" : "reaching or exceeding";
  out.Line("  Estimated percentile of per-capita days " + how + " calculated DWLOC");
  out.Line("    in ppm of drinking water");
}

void WriteOrientation(PrintWriter& out, const ReportContext& ctx, Distribution d) {
  if (ctx.Kind() == AnalysisKind::Dwloc) {
    WriteDwlocOrientation(out, ctx);
    return;
  }
  const std::string who = d == Distribution::Users ? "user-days" : "per-capita days";
  const std::string how = ctx.Exceeding() ? "exceeding" : "falling below";
  out.Line("  Estimated percentile of " + who + " " + how + " calculated exposure");
  if (ctx.PerKg())
    out.Line("    in mg/kg body-wt/day with " + EndpointTitle(ctx.toxicity_code));
  else if (d == Distribution::Users)
    out.Line("                       in mg/day");
  else
    out.Line("                            in mg/day");
}

// The figures of one cell: the exposure (none: "n/a"), its percent of dose and MOE.
struct CellFigures {
  std::optional<double> exposure;
  float percent = 0;
  std::int32_t moe = 0;
};

CellFigures BinnedCell(const PopulationResult& r, Distribution d, int i) {
  return {r.Exposure(d, i), r.DosePercent(d, i), r.Moe(d, i)};
}

CellFigures ExactCell(const ExactFigures& f, int i) {
  const auto level = static_cast<std::size_t>(i);
  return {f.exposure[level], f.pct[level], f.moe[level]};
}

void WriteCell(PrintWriter& out, const ReportContext& ctx, const CellFigures& f, const Cell& cell,
               int i) {
  const float u = kUpperTail[i];
  out.Tab(cell.label).Text(Picture(ctx.Exceeding() ? u : 100 - u, "##.##"));
  out.Tab(cell.exposure).Text(f.exposure ? ExposureText(*f.exposure) : "    n/a");
  if (!f.exposure) return;
  if (cell.percent > 0) out.Tab(cell.percent).Text(PercentText(f.percent));
  if (cell.moe > 0) out.Tab(f.moe >= kMoeCap ? cell.moe - 1 : cell.moe).Text(TableMoeText(f.moe));
}

// The headings and the eight rows of cells.
template <typename FiguresAt>
void WriteRows(PrintWriter& out, const ReportContext& ctx, FiguresAt&& at) {
  const Layout layout = LayoutFor(ctx);
  out.Line(layout.heading);
  out.Line(layout.rule);
  for (int row = 0; row < kRows; ++row) {
    WriteCell(out, ctx, at(row), layout.left, row);
    if (row + kRows < kSearchedLevelCount)
      WriteCell(out, ctx, at(row + kRows), layout.right, row + kRows);
    out.EndLine();
  }
}

}  // namespace

void WritePercentileTable(PrintWriter& out, const ReportContext& ctx, const PopulationResult& r,
                          Distribution d) {
  WriteOrientation(out, ctx, d);
  out.EndLine();
  WriteRows(out, ctx, [&](int i) { return BinnedCell(r, d, i); });
}

void WriteExactPercentileTable(PrintWriter& out, const ReportContext& ctx,
                               const PopulationResult& r, Distribution d) {
  const std::optional<ExactFigures>& exact = r.Exact(d);
  if (!exact) return;
  out.EndLine();
  out.Line("  Exact percentiles");
  WriteOrientation(out, ctx, d);
  out.EndLine();
  WriteRows(out, ctx, [&](int i) { return ExactCell(*exact, i); });
}

}  // namespace acute
