#include "reports/page_frame.h"

#include <string>

#include "common/file_names.h"
#include "common/number_picture.h"
#include "common/str.h"
#include "reports/endpoints.h"

namespace acute {
namespace {

constexpr const char* kEndpointPicture = "###.######";
constexpr const char* kDoseUnits = " mg/kg body-wt/day";

std::string TitleText(OutputKind kind) {
  switch (kind) {
    case OutputKind::AcutePlot:
      return "Tarn-VELD ACUTE PLOT FILE for ";
    case OutputKind::DwlocReport:
      return "Tarn-VELD DWLOC Analysis for ";
    case OutputKind::DwlocPlot:
      return "Tarn-VELD DWLOC PLOT FILE for ";
    case OutputKind::AcuteReport:
      break;
  }
  return "Tarn-VELD ACUTE Analysis for ";
}

// The residue file name without its folder (a remaining drive prefix dropped as well).
std::string ResidueFileName(const std::string& path) {
  std::string name = path.substr(path.find_last_of("\\/") + 1);
  std::size_t colon = name.find(':');
  return colon == std::string::npos ? name : name.substr(colon + 1);
}

void WriteResidueLine(PrintWriter& out, const ReportContext& ctx) {
  std::string text = "Residue file: " + ResidueFileName(ctx.residue_file_path);
  if (text.size() >= 50) {
    out.Line(text);
  } else {
    text.resize(50, ' ');
    out.Text(text);
  }
  out.Line(ctx.settings.second_adjustment ? "    Adjustment factor #2 used."
                                          : "Adjustment factor #2 NOT used.");
}

void DoseLine(PrintWriter& out, const std::string& label, float value) {
  out.Text(label).Text(Picture(value, kEndpointPicture)).Line(kDoseUnits);
}

void WriteDwlocEndpoint(PrintWriter& out, const ReportContext& ctx, float pad) {
  if (ctx.settings.pad_flag && pad > 0)
    DoseLine(out, "QVA Acute Population-Adjusted Dose (aPAD) = ", pad);
  else
    DoseLine(out, "QVA Acute Reference Dose (aRfD) = ", ctx.settings.arfd);
}

void WriteEndpoints(PrintWriter& out, const ReportContext& ctx, int population_index) {
  if (!ctx.PerKg()) {
    out.Line("No body weight adjustment; Toxicology endpoints not used");
    return;
  }
  const std::string& code = ctx.toxicity_code;
  const float pad = population_index > 0 ? ctx.populations[population_index - 1].pad : 0.0f;
  if (code.empty()) {
    if (ctx.Kind() == AnalysisKind::Dwloc)
      WriteDwlocEndpoint(out, ctx, pad);
    else
      out.Line("Toxicology endpoints not specified.");
    return;
  }
  if (HasMoe(code)) DoseLine(out, "NOEL (Acute) = ", ctx.settings.noel);
  if (HasPadPercent(code) && pad > 0) {
    DoseLine(out, "Acute Pop Adjusted Dose (aPAD) = ", pad);
  } else if (HasPercent(code)) {
    if (population_index > 0)
      DoseLine(out, "Acute Reference Dose (aRfD) = ", ctx.settings.arfd);
    else if (HasPadPercent(code))
      out.Line("Acute Pop Adjusted Dose (aPAD) varies with population; see individual reports");
  }
}

void WriteRunOptions(PrintWriter& out, const ReportContext& ctx) {
  if (ctx.TwoDay()) out.Line("Two-Day Average Results Reported");
  if (ctx.settings.eating_occasion) {
    out.Line("RAC/FF intake reported by eating occasion");
    if (ctx.form.reversal)
      out.Text("Reversal analysis used with half life =")
          .Num(ctx.form.half_life_hours)
          .Line("hr(s)");
  } else {
    out.Line("RAC/FF intake summed over 24 hours");
  }
  if (ctx.MonteCarlo()) {
    out.Text("MC iterations =").Text(Str(ctx.settings.iterations));
    out.Text("; MC list in residue file; MC seed =").Text(Str(ctx.settings.seed));
    out.Line(ctx.form.mersenne_twister ? "; RNG = Mersenne Twister" : "; RNG = MS VB");
    if (ctx.form.hold_residues)
      out.Line("MC residues held constant for each RAC/FF intake on same day/iteration");
  }
}

void WriteComments(PrintWriter& out, const ReportContext& ctx) {
  if (ctx.settings.IsBatch() && !ctx.residue_file_comment.empty())
    out.Line("File Comment: " + ctx.residue_file_comment);
  const auto comment = SplitRunComment(ctx.settings.comment_line);
  if (!comment[0].empty()) out.Line("Run Comment: " + comment[0]);
  if (!comment[1].empty()) out.Line(comment[1]);
  if (!comment[2].empty()) out.Line(comment[2]);
}

void WriteFootnotes(PrintWriter& out, const ReportContext& ctx) {
  out.Line(std::string(79, '-'));
  const std::string based = "a/ Analysis based on all two-day participant records in ";
  if (ctx.Kind() == AnalysisKind::Dwloc || ctx.water_in_residue_file) {
    out.Line(based + ctx.database_title);
    out.Line("   with 2 days of valid drinking water records.");
  } else {
    out.Line(based + ctx.database_title + " survey.");
  }
  if (HasMoe(ctx.toxicity_code)) out.Line("2/ Margin of Exposure = NOEL/ Dietary Exposure.");
}

void WritePageEnd(PrintWriter& out, const ReportContext& ctx, std::int16_t& page_number,
                  std::int16_t line_count, bool last_page) {
  for (int lc = line_count; lc < ctx.page_length - 3; ++lc) out.EndLine();
  if (page_number != -1) ++page_number;
  if (!ctx.NumberPages()) {
    out.EndLine();
    return;
  }
  if (page_number > 0) out.Tab(38).Num(page_number).EndLine();
  if (!last_page) out.Line("\f");
}

}  // namespace

void WriteHeader(PrintWriter& out, const ReportContext& ctx, int population_index,
                 std::int16_t& line_count, OutputKind kind) {
  if (line_count == 0) {
    out.EndLine();
    line_count = 1;
  }
  const long mark = out.Lines();
  out.EndLine();
  out.Tab(61).Line("Ver. " + ctx.program_version + ", " + ctx.food_list_version);
  out.Text(TitleText(kind) + ToUpper(ctx.chemical_name)).Tab(58).Line(ctx.database_title);
  WriteResidueLine(out, ctx);
  out.Text("Analysis Date: " + ctx.analysis_date + "/" + ctx.analysis_time);
  out.Line("    Residue file dated: " + ctx.residue_file_date);
  WriteEndpoints(out, ctx, population_index);
  WriteRunOptions(out, ctx);
  WriteComments(out, ctx);
  out.Line(std::string(79, '='));
  AddLinesSince(line_count, out, mark);
}

void WriteFooter(PrintWriter& out, const ReportContext& ctx, bool footnotes,
                 std::int16_t& page_number, std::int16_t& line_count, bool last_page) {
  const long mark = out.Lines();
  if (footnotes) WriteFootnotes(out, ctx);
  AddLinesSince(line_count, out, mark);
  if (ctx.specs.HeaderAll()) WritePageEnd(out, ctx, page_number, line_count, last_page);
  line_count = 1;
}

}  // namespace acute
