#include "run/results_settings.h"

#include <string>

#include "reports/endpoints.h"
#include "reports/percentiles.h"
#include "reports/summary_section.h"

namespace acute::results {
namespace {

// Summary choice c shows percentile level 8 + c (90th = 8 ... 99.9th = 14).
constexpr int kFirstSummaryLevel = 8;

const char* TypeName(DistributionType type) {
  switch (type) {
    case DistributionType::None:
      return "none";
    case DistributionType::Point:
      return "point";
    case DistributionType::Uniform:
      return "uniform";
    case DistributionType::Pareto:
      return "pareto";
    case DistributionType::Triangular:
      return "triangular";
    case DistributionType::Normal:
      return "normal";
    case DistributionType::Lognormal:
      return "lognormal";
    case DistributionType::Empirical:
      return "empirical";
    case DistributionType::SingleResidue:
      return "single_residue";
  }
  return "unknown";
}

Json DistributionLine(const RdlRow& row) {
  Json line = {{"index", row.index}, {"type", TypeName(row.type)}};
  Json params = Json::array();
  for (int i = 0; i < ParameterCount(row.type); ++i) params.push_back(Entered(row.param[i]));
  line["parameters"] = params;
  if (row.type == DistributionType::Empirical)
    line["empirical"] = {{"values", row.value_count},  {"values_with_lod", row.count_with_lod},
                         {"total", row.total_count},   {"zeros", row.total_z},
                         {"below_lod", row.total_lod}, {"lod_residue", Entered(row.lod_res)}};
  else
    line["empirical"] = nullptr;
  return line;
}

Json PositiveOrNull(float value) {
  return value > 0 ? Entered(value) : Json(nullptr);
}

Json NameOrNull(bool save, const std::string& name) {
  return save && !name.empty() ? Text(name) : Json(nullptr);
}

Json StandardPadsJson(const AnalysisSettings& s) {
  Json pads = Json::array();
  for (int number = 1; number <= s.standard_pad.Count(); ++number)
    if (s.standard_pad.Of(number) != 0)
      pads.push_back({{"population", number}, {"pad", Entered(s.standard_pad.Of(number))}});
  return pads;
}

Json EndpointsJson(const ReportContext& ctx) {
  const AnalysisSettings& s = ctx.settings;
  return {{"noel", PositiveOrNull(s.noel)},
          {"arfd", PositiveOrNull(s.arfd)},
          {"toxicity_code", ctx.toxicity_code},
          {"pad", s.pad_flag},
          {"standard_pads", StandardPadsJson(s)}};
}

Json MonteCarloJson(const ReportContext& ctx, const ResultsSources& sources) {
  const bool mc = ctx.MonteCarlo();
  return {{"monte_carlo", mc},
          {"iterations", ctx.Iterations()},
          {"seed", mc ? Json(ctx.settings.seed) : Json(nullptr)},
          {"timer_seed", Figure(sources.timer)},
          {"generator", ctx.form.mersenne_twister ? "mersenne_twister" : "runtime"}};
}

Json ResiduesJson(const ReportContext& ctx) {
  const FormSettings& f = ctx.form;
  Json lines = Json::array();
  for (const RdlRow& row : ctx.settings.rdl_rows) lines.push_back(DistributionLine(row));
  return {{"reversal", f.reversal},
          {"half_life_hours", f.reversal ? Entered(f.half_life_hours) : Json(nullptr)},
          {"hold_residues", f.hold_residues},
          {"distribution_lines", lines}};
}

}  // namespace

Json ProgramJson(const ReportContext& ctx) {
  return {{"version", Text(ctx.program_version)}};
}

Json DataJson(const ReportContext& ctx) {
  return {{"food_list_version", Text(ctx.food_list_version)},
          {"survey_title", Text(ctx.database_title)},
          {"survey_kind", ctx.database_kind}};
}

Json ResidueFileJson(const ReportContext& ctx, const ResultsSources& sources) {
  return {{"path", Text(ctx.residue_file_path)},
          {"chemical", Text(ctx.chemical_name)},
          {"date", Text(ctx.residue_file_date)},
          {"sha256", sources.residue_sha256 ? Json(*sources.residue_sha256) : Json(nullptr)},
          {"water", ctx.water_in_residue_file}};
}

Json UnitsJson(const ReportContext& ctx) {
  const std::string intake = ctx.PerKg() ? "mg/kg bw/day" : "mg/day";
  const bool dwloc = ctx.Kind() == AnalysisKind::Dwloc;
  return {{"exposure", dwloc ? "ppm" : intake},
          {"moe", "NOEL / exposure (no unit)"},
          {"percent_dose", std::string("% of ") + std::string(DoseName(ctx.toxicity_code))},
          {"weight", "survey weight, summed over the iterations"},
          {"percent", "%"},
          {"cec_exposure", intake},
          {"cec_contribution", intake},
          {"cec_amount", "g"},
          {"cec_residue", "ppm"},
          {"body_weight", "kg"},
          {"half_life", "hours"}};
}

Json SettingsJson(const ReportContext& ctx, const ResultsSources& sources) {
  const AnalysisSettings& s = ctx.settings;
  const FormSettings& f = ctx.form;
  Json settings = {{"analysis", s.dwloc ? "dwloc" : "acute"},
                   {"per_kg", s.per_kg},
                   {"consumption", s.eating_occasion ? "eating_occasion" : "daily_total"},
                   {"two_day_average", f.two_day_average},
                   {"second_adjustment_factor", s.second_adjustment},
                   {"consumption_check_index", s.consumption_check_index}};
  settings.update(MonteCarloJson(ctx, sources));
  settings["endpoints"] = EndpointsJson(ctx);
  settings["residues"] = ResiduesJson(ctx);
  settings["qa_listing"] = f.qa_listing;
  settings["cec"] = s.cec_flag && !s.dwloc;
  settings["cumulative_cec"] = s.cec_flag && !s.dwloc && f.cumulative_cec;
  settings["comment"] = Text(s.comment_line);
  settings["report_file"] = NameOrNull(s.save_report, s.report_file);
  settings["plot_file"] = NameOrNull(s.save_plot, s.plot_file);
  return settings;
}

Json ReportChoicesJson(const ReportContext& ctx) {
  const ReportSpecs& specs = ctx.specs;
  Json levels = Json::array(), percentiles = Json::array(), shown = Json::array();
  for (std::int16_t choice : specs.choice) {
    const int level = kFirstSummaryLevel + choice;
    levels.push_back(level);
    percentiles.push_back(Entered(100 - kUpperTail[static_cast<std::size_t>(level)]));
  }
  for (Distribution d : SummaryDistributions(ctx))
    shown.push_back(d == Distribution::Users ? "users" : "per_capita");
  return {
      {"users", specs.ReportUsers()},
      {"per_capita", specs.ReportPerCapita()},
      {"header_each_population", specs.HeaderAll()},
      {"cec_min_contribution_percent", Entered(specs.min_percent * 100.0f)},
      {"exceeding", ctx.Exceeding()},
      {"page_length", ctx.page_length},
      {"summary", {{"distributions", shown}, {"levels", levels}, {"percentiles", percentiles}}}};
}

}  // namespace acute::results
