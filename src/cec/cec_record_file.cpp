#include "cec/cec_record_file.h"

#include <bit>
#include <cstdlib>

#include "cec/cec_picture.h"
#include "cec/cec_work_files.h"
#include "common/number_picture.h"
#include "common/print_writer.h"
#include "common/str.h"
#include "engine/pass_threads.h"

namespace acute {
namespace {

std::string Right(double value, const char* picture) {
  return CecPicture(value, picture);
}

void WriteFoodLine(PrintWriter& w, const CecFoodLine& f, bool cumulative) {
  w.Text("    ").Text(Right(f.food, "###")).Text(", ").Text(Right(f.form, "###")).Text(", ");
  w.Text(Right(f.amount, "#####.#")).Text(", ").Text(Right(f.residue, "#####.######"));
  w.Text(", ").Text(Right(f.factor1, "##.##")).Text(", ").Text(Right(f.factor2, "##.##"));
  w.Text(",  ").Text(TrimStr(f.contribution / 1000.0f)).Text(", ");
  w.Text(Right(f.percent, "###.##"));
  if (cumulative)
    w.Text(",").Text(Right(f.chemicals, "###")).Text(",").Text(Right(f.record, "#######"));
  w.EndLine();
}

void WriteRecord(PrintWriter& w, std::int64_t number, const CecRawRecord& r,
                 const ReportContext& ctx, const CecRecordSource& src, bool cumulative) {
  const SurveyGroup& g = src.data->groups[r.group];
  const std::vector<CecFoodLine> lines = FoodLinesOf(r, ctx, src);
  const auto nf = static_cast<std::int32_t>(lines.size());
  w.Text(Str(number)).Text(",  ").Text(Str(g.person)).Text(", ").Text(Str(g.person));
  w.Text(",  ").Text(Str(r.day)).Text(",  ").Text(SexText(g.sex)).Text(",  ");
  w.Text(AgeText(g.age)).Text(",  ").Text(Str(g.body_weight)).Text(",  ").Text(Str(nf));
  w.Text(", ").Text(Right(r.nx, "####")).EndLine();
  const std::uint64_t mask = (*src.membership)[r.group];
  w.Text(Str(r.e)).Text(", ").Text(Str(static_cast<std::int32_t>(g.sample_weight)));
  w.Text(", ").Text(Str(nf)).Text(", ").Text(Str(static_cast<std::int32_t>(std::popcount(mask))));
  for (std::uint64_t m = mask; m != 0; m &= m - 1)
    w.Text(", ").Text(Str(static_cast<std::int32_t>(std::countr_zero(m) + 1)));
  w.EndLine();
  for (const CecFoodLine& f : lines) WriteFoodLine(w, f, cumulative);
  w.EndLine();
}

}  // namespace

std::string AgeText(std::int16_t age) {
  return age < 0 ? std::to_string(-age) + "M" : std::to_string(age) + "Y";
}

std::string SexText(char sex) {
  if (sex == '1') return "M";
  if (sex == '2') return "F";
  return std::string(1, sex);
}

std::vector<CecFoodLine> FoodLinesOf(const CecRawRecord& r, const ReportContext& ctx,
                                     const CecRecordSource& src) {
  std::vector<CecFoodLine> lines;
  const SurveyGroup& g = src.data->groups[r.group];
  const DayPass& pass = src.passes->Pass(r.group, r.day - 1);
  const bool second = ctx.settings.second_adjustment;
  for (std::uint32_t i = 0; i < pass.count && i < r.residues.size(); ++i) {
    const RelevantEntry& entry = src.passes->entries[pass.first + i];
    const int ff = entry.food_form;
    CecFoodLine f;
    f.food = src.master->FfRac[ff];
    f.form = src.master->FfCode[ff];
    f.amount = entry.grams;
    f.residue = r.residues[i].residue;
    f.record = r.residues[i].record;
    f.factor1 = src.res->FfAdj1[ff];
    f.factor2 = second ? src.res->FfAdj2[ff] : 1.0f;
    float c = f.amount * f.residue;
    c = c * f.factor1;
    if (second) c = c * f.factor2;
    if (ctx.PerKg()) c = c / g.body_weight;
    f.contribution = c;
    float percent = c / r.e;
    percent = percent / 10;
    if (ctx.TwoDay()) percent = percent / 2;
    f.percent = percent;
    if (!(percent >= ctx.settings.cec.min_percent)) continue;
    if (src.chemical_count && f.record > 0) f.chemicals = src.chemical_count(f.record);
    lines.push_back(f);
  }
  return lines;
}

std::string CecRecordHeader(const ReportContext& ctx, int record_iterations, bool cumulative) {
  const AnalysisSettings& s = ctx.settings;
  PrintWriter w;
  w.Line(Str(static_cast<std::int32_t>(cumulative ? 1 : 0)));
  w.EndLine();
  w.Line("Tarn-VELD Acute Critical Exposure Contribution Analysis (Ver. " + ctx.program_version +
         ", " + ctx.food_list_version + ")");
  w.Line(ctx.database_title);
  w.Line("Residue file = " + s.residue_file);
  if (s.save_report && !s.report_file.empty()) w.Line("Acute report = " + s.report_file);
  w.Line("Date and time of analysis: " + ctx.analysis_date + " " + ctx.analysis_time);
  w.Line(s.eating_occasion ? "Food and foodform consumption evaluated by eating occasion."
                           : "Daily totals for food and foodform consumption used.");
  w.Line(s.second_adjustment ? "Adjustment factor #2 used." : "Adjustment factor #2 not used.");
  w.Line("Minimum exposure contribution =" + Str(s.cec.min_percent) + "%");
  const int n = ctx.Iterations();
  if (ctx.MonteCarlo())
    w.Line("MC Iterations =" + Str(static_cast<std::int32_t>(n)) + "  Seed =" + Str(s.seed) +
           (ctx.form.mersenne_twister ? "  RNG = Mersenne Twister" : "  RNG = MS VB"));
  if (record_iterations < n)
    w.Line("CEC records generated for first" + Str(static_cast<std::int32_t>(record_iterations)) +
           " iterations.");
  w.Line(ctx.PerKg() ? "Exposures divided by body weight" : "Exposures not divided by body weight");
  w.EndLine();
  w.Line("Subpopulations:");
  for (std::size_t p = 0; p < ctx.populations.size(); ++p)
    w.Line("  " + CecPicture(static_cast<double>(p + 1), "##") + "  " +
           ctx.populations[p].report_name);
  w.Line("9999");
  w.EndLine();
  return w.Contents();
}

CecRecordFileMade MakeCecRecordFile(const ReportContext& ctx, int record_iterations,
                                    bool cumulative, const std::vector<CecShareOutput>& shares,
                                    const CecRecordSource& src, int threads) {
  std::vector<std::int64_t> first(shares.size() + 1, 1);  // each chunk's first record number
  for (std::size_t c = 0; c < shares.size(); ++c)
    first[c + 1] = first[c] + static_cast<std::int64_t>(shares[c].records.size());
  std::vector<std::string> texts(shares.size());
  std::vector<std::vector<CecFileRecord>> records(shares.size());
  RunChunksOnThreads(
      shares.size(), ThreadsFor(threads, shares.size()), [](std::size_t) {},
      [&](int, std::size_t c, const PersonTick&) {
        PrintWriter w;
        std::int64_t number = first[c];
        for (const CecRawRecord& r : shares[c].records)
          WriteRecord(w, number++, r, ctx, src, cumulative);
        texts[c] = w.Contents();
        records[c] = ParseCecRecords(texts[c]);
      });
  CecRecordFileMade made;
  const std::string header = CecRecordHeader(ctx, record_iterations, cumulative);
  const std::string total = "Total Number of CEC records = " + Str(first.back() - 1) + "\r\n";
  made.file = ParseCecRecordFile(header + total);
  made.text.reserve(texts.size() + 2);
  made.text.push_back(header);
  for (std::string& t : texts) made.text.push_back(std::move(t));
  made.text.push_back(total);
  for (auto& chunk : records)
    for (CecFileRecord& r : chunk) made.file.records.push_back(std::move(r));
  return made;
}

}  // namespace acute
