// The populations and plot bins of the results file.
#include <array>
#include <optional>

#include "reports/endpoints.h"
#include "reports/percentiles.h"
#include "run/results_exact.h"
#include "run/results_settings.h"

namespace acute::results {
namespace {

constexpr std::array<const char*, 6> kCriterionLines{"season", "region",  "race",
                                                     "sex",    "nursing", "age"};

Json CriteriaJson(const ReportPopulation& pop) {
  if (!pop.custom) return nullptr;
  Json criteria = Json::object();
  for (std::size_t line = 0; line < kCriterionLines.size(); ++line) {
    Json items = Json::array();
    for (std::int16_t item : pop.crit[line]) items.push_back(item);
    criteria[kCriterionLines[line]] = items;
  }
  return criteria;
}

// The dose the percents of a population are of, when the run shows percents of a dose.
std::optional<float> DoseOf(const ReportContext& ctx, const ReportPopulation& pop) {
  const float dose = DoseFor(ctx.toxicity_code, ctx.settings.arfd, pop.pad);
  if (!HasPercent(ctx.toxicity_code) || dose == 0) return std::nullopt;
  return dose;
}

struct Endpoints {
  bool moe = false;
  bool percent = false;
};

Endpoints EndpointsOf(const ReportContext& ctx, const ReportPopulation& pop) {
  return {HasMoe(ctx.toxicity_code), DoseOf(ctx, pop).has_value()};
}

// Mean, spread and the mean-based endpoints of one distribution.
Json MomentsJson(const PopulationResult& r, Distribution d, Endpoints e) {
  const bool users = d == Distribution::Users;
  const bool spread = r.has_spread;
  return {
      {"mean", Figure(users ? r.user_mean : r.capita_mean)},
      {"sd", spread ? Figure(users ? r.sd_user : r.sd_capita) : Json(nullptr)},
      {"se", spread ? Figure(users ? r.se_user : r.se_capita) : Json(nullptr)},
      {"moe_at_mean", e.moe && r.has_exposure ? Figure(users ? r.moe_user_mean : r.moe_capita_mean)
                                              : Json(nullptr)},
      {"percent_dose_at_mean", e.percent && r.has_exposure
                                   ? Figure(users ? r.pct_user_mean : r.pct_capita_mean)
                                   : Json(nullptr)}};
}

Json PointJson(const PopulationResult& r, Distribution d, int level, Endpoints e) {
  const bool searched = level < kSearchedLevelCount;
  const std::optional<ExactPoint> exact = ExactAt(r, d, level);
  return {
      {"exposure", Figure(r.Exposure(d, level))},
      {"exposure_exact", exact ? Figure(exact->exposure) : Json(nullptr)},
      {"moe", e.moe && searched ? Json(r.Moe(d, level)) : Json(nullptr)},
      {"moe_exact", e.moe && exact && exact->moe ? Figure(*exact->moe) : Json(nullptr)},
      {"percent_dose", e.percent && searched ? Figure(r.DosePercent(d, level)) : Json(nullptr)},
      {"percent_dose_exact",
       e.percent && exact && exact->percent_dose ? Figure(*exact->percent_dose) : Json(nullptr)}};
}

Json PercentilesJson(const ReportContext& ctx, const PopulationResult& r, Endpoints e) {
  const bool dwloc = ctx.Kind() == AnalysisKind::Dwloc;
  Json levels = Json::array();
  for (int i = 0; i < kLevelCount; ++i) {
    const auto u = kUpperTail[static_cast<std::size_t>(i)];
    Json level = {{"level", i},
                  {"percentile", Entered(100 - u)},
                  {"maximum", i == kMaximumLevel},
                  {"per_capita", PointJson(r, Distribution::PerCapita, i, e)}};
    level["users"] =
        dwloc || !r.has_exposure ? Json(nullptr) : PointJson(r, Distribution::Users, i, e);
    levels.push_back(level);
  }
  return levels;
}

Json PopulationJson(const ReportContext& ctx, std::size_t j, const PopulationResult& r) {
  const ReportPopulation& pop = ctx.populations[j];
  const bool dwloc = ctx.Kind() == AnalysisKind::Dwloc;
  const Endpoints e = EndpointsOf(ctx, pop);
  const std::optional<float> dose = DoseOf(ctx, pop);
  Json p = {{"index", j + 1},
            {"number", pop.number},
            {"custom", pop.custom},
            {"name", Text(pop.name)},
            {"report_name", Text(pop.report_name)},
            {"criteria", CriteriaJson(pop)},
            {"pad", pop.pad != 0 ? Entered(pop.pad) : Json(nullptr)},
            {"dose", dose ? Entered(*dose) : Json(nullptr)},
            {"tot_w", Figure(r.tot_w)},
            {"tot_n", Figure(r.tot_n)},
            {"sum_w", Figure(r.sum_w)},
            {"n", Figure(r.n)},
            {"has_exposure", r.has_exposure},
            {"user_day_percent", Figure(r.pct_users)}};
  p["largest_exposure"] = dwloc ? Json(nullptr) : Figure(r.max_x);
  p["smallest_dwloc"] = dwloc ? Figure(r.max_x) : Json(nullptr);
  p["per_capita"] = MomentsJson(r, Distribution::PerCapita, e);
  p["users"] = dwloc || !r.has_exposure ? Json(nullptr) : MomentsJson(r, Distribution::Users, e);
  p["percentiles"] = PercentilesJson(ctx, r, e);
  return p;
}

Json BinsJson(const PopulationResult& r, bool dwloc) {
  Json bins = Json::array();
  for (int k = 0; k <= r.top && k < kBinCount; ++k) {
    const auto b = static_cast<std::size_t>(k);
    if (k > 0 && !(r.bin_w[b] > 0)) continue;
    bins.push_back({{"bin", k},
                    {"weight", Figure(r.bin_w[b])},
                    {"bound_before", k == 0 ? Json(0.0) : Figure(r.bound[b - 1])},
                    {"bound", Figure(r.bound[b])},
                    {"cumulative_percent_users", dwloc ? Json(nullptr) : Figure(100 - r.cum_u[b])},
                    {"cumulative_percent_capita", Figure(dwloc ? r.cum_u[b] : 100 - r.cum_c[b])}});
  }
  return bins;
}

}  // namespace

Json PopulationsJson(const ReportFigures& figures) {
  Json list = Json::array();
  for (std::size_t j = 0; j < figures.results.size() && j < figures.context.populations.size(); ++j)
    list.push_back(PopulationJson(figures.context, j, figures.results[j]));
  return list;
}

Json PlotJson(const ReportFigures& figures) {
  const ReportContext& ctx = figures.context;
  const bool dwloc = ctx.Kind() == AnalysisKind::Dwloc;
  const double it = ctx.Iterations();
  Json list = Json::array();
  for (std::size_t j = 0; j < figures.results.size(); ++j) {
    const PopulationResult& r = figures.results[j];
    list.push_back({{"index", j + 1},
                    {"person_days_weighted", Figure(r.tot_w / it)},
                    {"person_days", Figure(r.tot_n / it)},
                    {"user_days_weighted", dwloc ? Json(nullptr) : Figure(r.sum_w / it)},
                    {"user_days", dwloc ? Json(nullptr) : Figure(r.n / it)},
                    {"bins", BinsJson(r, dwloc)}});
  }
  return {{"populations", list}};
}

}  // namespace acute::results
