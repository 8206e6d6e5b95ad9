#include "reports/summary_section.h"

#include <array>
#include <string>

#include "common/number_picture.h"
#include "reports/endpoints.h"
#include "reports/page_frame.h"
#include "reports/percentiles.h"

namespace acute {
namespace {

constexpr std::array<const char*, kSummaryChoiceCount> kBelowTitles{
    "   90th Percentile", "   95th Percentile", " 97.5th Percentile", "   99th Percentile",
    " 99.5th Percentile", "99.75th Percentile", " 99.9th Percentile"};
constexpr std::array<const char*, kSummaryChoiceCount> kExceedingTitles{
    "   10th Percentile", "    5th Percentile", "  2.5th Percentile", "    1st Percentile",
    "  0.5th Percentile", " 0.25th Percentile", "  0.1st Percentile"};

// Summary choice c shows percentile level 8 + c (90th = 8 ... 99.9th = 14).
constexpr int kFirstSummaryLevel = 8;

std::string ColumnTitles(const ReportContext& ctx) {
  const auto& titles = ctx.Exceeding() ? kExceedingTitles : kBelowTitles;
  const auto& c = ctx.specs.choice;
  const std::string t1 = titles[c[0]], t2 = titles[c[1]], t3 = titles[c[2]];
  if (IsDoubleCode(ctx.toxicity_code))
    return "---" + t1 + "----   ---" + t2 + "----     ---" + t3 + "----";
  return std::string(16, ' ') + t1 + "   " + t2 + "     " + t3;
}

void WriteHeadings(PrintWriter& out, const ReportContext& ctx) {
  const std::string& code = ctx.toxicity_code;
  const std::string single_rule =
      "                  ---------- --------  ---------- --------  ---------- --------";
  const std::string double_rule =
      "---------- ------- -------- ---------- ------- -------- ---------- ------- --------";
  if (code == "N") {
    out.Line("                   Exposure     MOE     Exposure     MOE     Exposure     MOE  ");
    out.Line(single_rule);
  } else if (code == "R" || code == "P") {
    const std::string dose = "% " + std::string(DoseName(code));
    out.Line("                   Exposure   " + dose + "    Exposure   " + dose +
             "    Exposure   " + dose + " ");
    out.Line(single_rule);
  } else if (IsDoubleCode(code)) {
    const std::string dose = "% " + std::string(DoseName(code));
    out.Line(" Exposure  " + dose + "     MOE    Exposure  " + dose + "     MOE    Exposure  " +
             dose + "     MOE  ");
    out.Line(double_rule);
  } else {
    out.Line(ctx.Kind() == AnalysisKind::Dwloc
                 ? "                          ppm                  ppm                  ppm"
                 : "                        Exposure             Exposure             Exposure ");
    out.Line("                       ----------           ----------           ----------");
  }
}

void WriteTitles(PrintWriter& out, const ReportContext& ctx, Distribution d, bool repeated) {
  const bool users = d == Distribution::Users;
  out.EndLine();
  if (repeated)
    out.Line(users ? "Summary calculations (users):" : "Summary calculations (per capita):");
  else
    out.Line(users ? "Summary calculations--users:" : "Summary calculations--per capita:");
  out.EndLine();
  out.Line(ColumnTitles(ctx));
  WriteHeadings(out, ctx);
}

std::string Cell(const std::string& code, double e, std::int32_t moe, float pct) {
  const std::string exposure = Picture(e, "###.######");
  if (code == "N")
    return " " + exposure + (moe >= kMoeCap ? " >1000000 " : " " + Picture(moe, "########") + " ");
  if (code == "R" || code == "P")
    return " " + exposure +
           (pct >= kPercentCap ? "    >10000 " : "  " + Picture(pct, "####.##") + " ");
  if (IsDoubleCode(code))
    return exposure + " " + (pct >= kPercentCap ? " >10000" : Picture(pct, "####.##")) +
           (moe >= kMoeCap ? ">1000000 " : Picture(moe, " ####### ")) + " ";
  return "      " + exposure + "     ";
}

void WritePopulation(PrintWriter& out, const ReportContext& ctx, const ReportPopulation& pop,
                     const PopulationResult& r, Distribution d) {
  out.Line(":" + pop.report_name);
  if (!IsDoubleCode(ctx.toxicity_code)) out.Text(std::string(17, ' '));
  for (std::int16_t choice : ctx.specs.choice) {
    const int i = kFirstSummaryLevel + choice;
    out.Text(Cell(ctx.toxicity_code, r.Exposure(d, i), r.Moe(d, i), r.DosePercent(d, i)));
  }
  out.EndLine();
  out.EndLine();
}

}  // namespace

void WriteSummarySection(PrintWriter& out, const ReportContext& ctx,
                         const std::vector<PopulationResult>& results, Distribution d,
                         std::int16_t& line_count) {
  std::int16_t page_number = -1;
  auto start_page = [&](bool repeated) {
    WriteHeader(out, ctx, 0, line_count, ReportKind(ctx));
    const long mark = out.Lines();
    WriteTitles(out, ctx, d, repeated);
    AddLinesSince(line_count, out, mark);
  };
  start_page(false);
  for (std::size_t j = 0; j < results.size(); ++j) {
    const long mark = out.Lines();
    WritePopulation(out, ctx, ctx.populations[j], results[j], d);
    AddLinesSince(line_count, out, mark);
    const bool more = j + 1 < results.size();
    if (more && line_count + 2 > ctx.page_length - 6) {
      WriteFooter(out, ctx, false, page_number, line_count, false);
      start_page(true);
    }
  }
  WriteFooter(out, ctx, false, page_number, line_count, false);
}

std::vector<Distribution> SummaryDistributions(const ReportContext& ctx) {
  if (ctx.Kind() == AnalysisKind::Dwloc) return {Distribution::PerCapita};
  std::vector<Distribution> shown;
  if (ctx.specs.ReportPerCapita()) shown.push_back(Distribution::PerCapita);
  if (ctx.specs.ReportUsers()) shown.push_back(Distribution::Users);
  return shown;
}

std::string SummaryTables(const ReportContext& ctx, const std::vector<PopulationResult>& results) {
  PrintWriter out;
  for (Distribution d : SummaryDistributions(ctx)) {
    WriteTitles(out, ctx, d, false);
    for (std::size_t j = 0; j < results.size(); ++j)
      WritePopulation(out, ctx, ctx.populations[j], results[j], d);
  }
  return out.Contents();
}

}  // namespace acute
