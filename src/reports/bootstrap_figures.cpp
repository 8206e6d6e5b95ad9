#include "reports/bootstrap_figures.h"

#include <algorithm>
#include <array>

#include "reports/percentiles.h"

namespace acute {
namespace {

constexpr std::array<const char*, kSearchedLevelCount> kLevelNames{
    "10", "20", "30",   "40", "50",   "60",    "70",  "80",
    "90", "95", "97.5", "99", "99.5", "99.75", "99.9"};

constexpr std::array<FigureKind, 3> kLevelKinds{FigureKind::Exposure, FigureKind::Moe,
                                                FigureKind::DosePercent};

std::string Suffix(FigureKind kind) {
  if (kind == FigureKind::Moe) return "_moe";
  if (kind == FigureKind::DosePercent) return "_dose";
  return "";
}

std::string Prefix(Distribution d) {
  return d == Distribution::Users ? "user" : "capita";
}

void AddMean(std::vector<BootstrapFigure>& list, Distribution d) {
  for (FigureKind kind : kLevelKinds) list.push_back({Prefix(d) + "_mean" + Suffix(kind), kind, d});
}

void AddLevels(std::vector<BootstrapFigure>& list, Distribution d, bool exact) {
  const std::string stem = Prefix(d) + (exact ? "_exact_p" : "_p");
  for (int level = 0; level < kSearchedLevelCount; ++level)
    for (FigureKind kind : kLevelKinds)
      list.push_back({stem + LevelName(level) + Suffix(kind), kind, d, level, exact});
}

std::optional<double> MeanValue(const PopulationResult& r, const BootstrapFigure& f) {
  const bool users = f.distribution == Distribution::Users;
  switch (f.kind) {
    case FigureKind::Moe:
      return users ? r.moe_user_mean : r.moe_capita_mean;
    case FigureKind::DosePercent:
      return users ? r.pct_user_mean : r.pct_capita_mean;
    default:
      return users ? r.user_mean : r.capita_mean;
  }
}

std::optional<double> LevelValue(const PopulationResult& r, const BootstrapFigure& f) {
  const Distribution d = *f.distribution;
  if (f.exact) {
    const std::optional<ExactFigures>& e = r.Exact(d);
    const auto i = static_cast<std::size_t>(f.level);
    if (!e || !e->exposure[i]) return std::nullopt;
    if (f.kind == FigureKind::Moe) return e->moe[i];
    if (f.kind == FigureKind::DosePercent) return e->pct[i];
    return *e->exposure[i];
  }
  if (f.kind == FigureKind::Moe) return r.Moe(d, f.level);
  if (f.kind == FigureKind::DosePercent) return r.DosePercent(d, f.level);
  return r.Exposure(d, f.level);
}

// The value of rank `rank` (from 1) of the sorted values.
double AtRank(const std::vector<double>& sorted, int rank) {
  return sorted[static_cast<std::size_t>(std::clamp(rank, 1, static_cast<int>(sorted.size())) - 1)];
}

// Hundredths of a percent as the shortest decimal ("2.5", "50", "0.05").
std::string PercentText(int hundredths) {
  std::string text = std::to_string(hundredths / 100);
  int rest = hundredths % 100;
  if (rest == 0) return text;
  text += '.' + std::to_string(rest / 10);
  if (rest % 10 != 0) text += std::to_string(rest % 10);
  return text;
}

}  // namespace

std::string LevelName(int level) {
  return kLevelNames[static_cast<std::size_t>(level)];
}

std::vector<BootstrapFigure> BootstrapFigureList(bool exact) {
  std::vector<BootstrapFigure> list;
  AddMean(list, Distribution::PerCapita);
  AddMean(list, Distribution::Users);
  list.push_back({"user_share", FigureKind::Share, std::nullopt});
  AddLevels(list, Distribution::PerCapita, false);
  AddLevels(list, Distribution::Users, false);
  if (exact) {
    AddLevels(list, Distribution::PerCapita, true);
    AddLevels(list, Distribution::Users, true);
  }
  return list;
}

std::vector<std::optional<double>> BootstrapFigureValues(const PopulationResult& r, bool exact) {
  std::vector<std::optional<double>> values;
  for (const BootstrapFigure& f : BootstrapFigureList(exact)) {
    if (f.kind == FigureKind::Share)
      values.push_back(r.pct_users);
    else
      values.push_back(f.level < 0 ? MeanValue(r, f) : LevelValue(r, f));
  }
  return values;
}

IntervalRanks RanksOf(int count, int level_tenths) {
  const long long n = count;
  const auto ceil_share = [n](long long parts) {  // ceil(parts / 2000 * n), at least 1
    return static_cast<int>(std::max(1LL, (parts * n + 1999) / 2000));
  };
  return {ceil_share(1000 - level_tenths), ceil_share(1000), ceil_share(1000 + level_tenths)};
}

std::string LevelText(int level_tenths) {
  return PercentText(level_tenths * 10);
}

IntervalNames IntervalNamesOf(int level_tenths) {
  const int low = (1000 - level_tenths) * 5;
  return {PercentText(low), "50", PercentText(10000 - low)};
}

FigureInterval IntervalOf(std::optional<double> main,
                          const std::vector<std::optional<double>>& rounds, int level_tenths) {
  FigureInterval interval;
  interval.main = main;
  std::vector<double> sorted;
  for (const auto& v : rounds)
    if (v) sorted.push_back(*v);
  if (sorted.empty()) return interval;
  std::sort(sorted.begin(), sorted.end());
  const IntervalRanks ranks = RanksOf(static_cast<int>(sorted.size()), level_tenths);
  interval.low = AtRank(sorted, ranks.low);
  interval.median = AtRank(sorted, ranks.median);
  interval.high = AtRank(sorted, ranks.high);
  return interval;
}

}  // namespace acute
