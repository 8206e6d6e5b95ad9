#include "reports/population_stats.h"

#include <cmath>
#include <stdexcept>

#include "reports/endpoints.h"

namespace acute {
namespace {

// A DWLOC of 0 is a finding (the foods use up the whole dose), so a DWLOC population has
// figures whenever it has person-days; an acute one needs a per-user mean.
void SetMeans(PopulationResult& r, bool dwloc) {
  r.pct_users = r.tot_w != 0 ? static_cast<float>(r.sum_w / r.tot_w * 100) : 0.0f;
  r.has_exposure = dwloc ? r.sum_w > 0 : r.user_mean != 0;
  r.capita_mean = r.pct_users * r.user_mean / 100.0f;
}

// Weighted standard deviation of `total` weight with the given sums; 0 for a negative
// variance or a total of at most 1.
double Deviation(double sum_wx, double sum_wx2, double total) {
  if (total <= 1) return 0;
  double var = (sum_wx2 - std::pow(sum_wx, 2) / total) / (total - 1);
  if (var < 0) var = 0;
  return std::pow(var, 0.5);
}

void SetSpread(PopulationResult& r, const PopulationAccumulators& acc) {
  r.has_spread = r.sum_w > 1;
  if (!r.has_spread) return;
  r.sd_user = Deviation(acc.sum_wx, acc.sum_wx2, r.sum_w);
  r.se_user = r.n > 0 ? r.sd_user / std::pow(r.n, 0.5) : 0;
  r.sd_capita = Deviation(acc.sum_wx, acc.sum_wx2, r.tot_w);
  r.se_capita = r.tot_n > 0 ? r.sd_capita / std::pow(r.tot_n, 0.5) : 0;
}

void SetMeanEndpoints(PopulationResult& r, const ReportContext& ctx, const ReportPopulation& pop) {
  if (!r.has_exposure) return;
  const std::string& code = ctx.toxicity_code;
  const double user_share = r.pct_users / 100.0;
  if (HasMoe(code)) {
    r.moe_user_mean = static_cast<double>(ctx.settings.noel) / r.user_mean;
    // No users' share (an inconsistent total) leaves the per-capita margin unbounded.
    r.moe_capita_mean = user_share > 0 ? r.moe_user_mean / user_share : HUGE_VAL;
  }
  const float dose = DoseFor(code, ctx.settings.arfd, pop.pad);
  if (HasPercent(code) && dose != 0) {
    r.pct_user_mean = PercentOfDose(r.user_mean, dose);
    r.pct_capita_mean = static_cast<float>(user_share * r.pct_user_mean);
  }
}

void SetAcuteBins(PopulationResult& r, const PopulationAccumulators& acc) {
  r.top = AcuteTopBin(r.bound, r.bin_w, acc.max_x);
  r.cum_u = DescendingCumulative(r.bin_w, r.top, 0, r.sum_w);
  r.cum_c = DescendingCumulative(r.bin_w, r.top, r.tot_w - r.sum_w, r.tot_w);
}

void SetDwlocBins(PopulationResult& r) {
  r.top = kBinCount - 1;
  r.cum_u = AscendingCumulative(r.bin_w, r.sum_w);
  r.cum_c = r.cum_u;
}

void SearchAcute(PopulationResult& r) {
  int ku = 0, kc = 0;
  for (int i = 0; i < kSearchedLevelCount; ++i) {
    r.exp_user[i] = DescendingPercentile(r.cum_u, r.bound, r.top, kUpperTail[i], ku);
    r.exp_capita[i] = DescendingPercentile(r.cum_c, r.bound, r.top, kUpperTail[i], kc);
  }
}

void SearchDwloc(PopulationResult& r) {
  int k = 0;
  for (int i = 0; i < kSearchedLevelCount; ++i) {
    r.exp_user[i] = AscendingPercentile(r.cum_u, r.bound, kUpperTail[i], k);
    r.exp_capita[i] = r.exp_user[i];
  }
}

void SetPercentileEndpoints(PopulationResult& r, const ReportContext& ctx,
                            const ReportPopulation& pop) {
  const float noel = ctx.settings.noel;
  const float dose = DoseFor(ctx.toxicity_code, ctx.settings.arfd, pop.pad);
  for (int i = 0; i < kSearchedLevelCount; ++i) {
    r.moe_user[i] = PercentileMoe(noel, r.exp_user[i]);
    r.moe_capita[i] = PercentileMoe(noel, r.exp_capita[i]);
    r.pct_user[i] = PercentOfDose(r.exp_user[i], dose);
    r.pct_capita[i] = PercentOfDose(r.exp_capita[i], dose);
  }
}

// The exact figures of one distribution: the levels searched from `values`, the maximum as
// the binned figures have it.
ExactFigures ExactFiguresOf(const std::vector<std::optional<float>>& values,
                            const PopulationResult& r, const ReportContext& ctx,
                            const ReportPopulation& pop) {
  ExactFigures f;
  for (std::size_t i = 0; i < kSearchedLevelCount; ++i)
    if (const auto& v = values[i]) f.exposure[i] = *v;
  if (f.exposure[0]) f.exposure[kMaximumLevel] = r.max_x;
  const float dose = DoseFor(ctx.toxicity_code, ctx.settings.arfd, pop.pad);
  for (std::size_t i = 0; i < kLevelCount; ++i) {
    if (!f.exposure[i]) continue;
    f.moe[i] = PercentileMoe(ctx.settings.noel, *f.exposure[i]);
    f.pct[i] = PercentOfDose(*f.exposure[i], dose);
  }
  return f;
}

void SetExact(PopulationResult& r, const ExactPercentiles& exact, const ReportContext& ctx,
              const ReportPopulation& pop) {
  if (exact.users.size() != static_cast<std::size_t>(kSearchedLevelCount) ||
      exact.capita.size() != exact.users.size())
    throw std::invalid_argument("exact percentiles are needed at every searched level");
  r.exact_user = ExactFiguresOf(exact.users, r, ctx, pop);
  r.exact_capita = ExactFiguresOf(exact.capita, r, ctx, pop);
}

}  // namespace

PopulationResult ComputePopulationResult(const ReportContext& ctx, const ReportPopulation& pop,
                                         const PopulationAccumulators& acc,
                                         const ExactPercentiles* exact) {
  const bool dwloc = ctx.Kind() == AnalysisKind::Dwloc;
  PopulationResult r;
  r.tot_w = acc.tot_w;
  r.tot_n = acc.tot_n;
  r.sum_w = acc.sum_w;
  r.n = acc.n;
  // The smallest DWLOC keeps its starting value when nothing was accumulated: read 0 then.
  r.max_x = dwloc ? (acc.n > 0 ? acc.min_v : 0.0f) : acc.max_x;
  r.bound = acc.bound;
  r.bin_w = acc.bin_w;
  r.user_mean = acc.sum_w != 0 ? static_cast<float>(acc.sum_wx / acc.sum_w) : 0.0f;
  SetMeans(r, dwloc);
  SetSpread(r, acc);
  SetMeanEndpoints(r, ctx, pop);
  if (dwloc) {
    SetDwlocBins(r);
    SearchDwloc(r);
  } else {
    SetAcuteBins(r, acc);
    if (r.has_exposure) SearchAcute(r);
  }
  r.exp_user[kMaximumLevel] = r.max_x;
  r.exp_capita[kMaximumLevel] = r.max_x;
  SetPercentileEndpoints(r, ctx, pop);
  if (exact != nullptr) SetExact(r, *exact, ctx, pop);
  return r;
}

std::vector<PopulationResult> ComputeResults(const ReportContext& ctx,
                                             const std::vector<PopulationAccumulators>& acc,
                                             const std::vector<ExactPercentiles>& exact) {
  if (acc.size() != ctx.populations.size())
    throw std::invalid_argument("one set of accumulators per population is needed");
  if (!exact.empty() && exact.size() != acc.size())
    throw std::invalid_argument("exact percentiles are needed for every population");
  std::vector<PopulationResult> results;
  results.reserve(ctx.populations.size());
  for (std::size_t j = 0; j < ctx.populations.size(); ++j)
    results.push_back(ComputePopulationResult(ctx, ctx.populations[j], acc[j],
                                              exact.empty() ? nullptr : &exact[j]));
  return results;
}

}  // namespace acute
