#include "forms/results_table.h"

#include <stdexcept>

#include "common/file_names.h"
#include "common/number_picture.h"
#include "forms/results_numbers.h"
#include "reports/endpoints.h"
#include "reports/report_numbers.h"

namespace acute {
namespace {

enum class Figure { Binned, Exact, Percent, Moe };

struct Column {
  Distribution d;
  Figure figure;
};

bool IsDwloc(const ReportContext& ctx) {
  return ctx.Kind() == AnalysisKind::Dwloc;
}

// A DWLOC report has the one per-capita distribution of DWLOCs and no endpoints.
std::vector<Column> ColumnsOf(const ReportContext& ctx) {
  if (IsDwloc(ctx))
    return {{Distribution::PerCapita, Figure::Binned}, {Distribution::PerCapita, Figure::Exact}};
  std::vector<Column> columns;
  for (Distribution d : {Distribution::Users, Distribution::PerCapita}) {
    columns.push_back({d, Figure::Binned});
    columns.push_back({d, Figure::Exact});
    if (HasPercent(ctx.toxicity_code)) columns.push_back({d, Figure::Percent});
    if (HasMoe(ctx.toxicity_code)) columns.push_back({d, Figure::Moe});
  }
  return columns;
}

std::string HeadingOf(const ReportContext& ctx, const Column& c, const std::string& joint) {
  const std::string group = c.d == Distribution::Users ? "Per-user" : "Per-capita";
  const std::string what = IsDwloc(ctx) ? "DWLOC" : "exposure";
  switch (c.figure) {
    case Figure::Binned:
      return group + joint + what + " (binned)";
    case Figure::Exact:
      return group + joint + what + " (exact)";
    case Figure::Percent:
      return group + joint + "% " + std::string(DoseName(ctx.toxicity_code));
    case Figure::Moe:
      break;
  }
  return group + joint + "MOE";
}

ResultsCell Absent() {
  return {std::nullopt, kAbsentFigure};
}

ResultsCell Exposure(double value) {
  return {value, TrimBlanks(ExposureText(value))};
}

// The margins and percents of dose are figured at the searched levels only.
ResultsCell CellOf(const PopulationResult& r, const Column& c, int level) {
  if (!r.has_exposure) return Absent();
  switch (c.figure) {
    case Figure::Binned:
      return Exposure(r.Exposure(c.d, level));
    case Figure::Exact: {
      const auto exact = ExactExposure(r, c.d, level);
      return exact ? Exposure(*exact) : Absent();
    }
    case Figure::Percent: {
      if (level >= kSearchedLevelCount) return Absent();
      const float pct = r.DosePercent(c.d, level);
      return {FloatValue(pct), TrimBlanks(PercentText(pct))};
    }
    case Figure::Moe:
      break;
  }
  if (level >= kSearchedLevelCount) return Absent();
  const std::int32_t moe = r.Moe(c.d, level);
  return {static_cast<double>(moe), TrimBlanks(TableMoeText(moe))};
}

// The level as the report labels it: the percent of days below the exposure (above it with
// the "exceeding" orientation); the last level is the largest exposure (the smallest DWLOC).
ResultsCell LevelLabel(const ReportContext& ctx, int level) {
  if (level == kMaximumLevel) return {std::nullopt, IsDwloc(ctx) ? "Minimum" : "Maximum"};
  const float u = kUpperTail[static_cast<std::size_t>(level)];
  const double label = PercentileLabel(ctx.Exceeding() ? u : 100 - u);
  return {label, NumberText(label)};
}

std::string Trimmed(double value, const char* picture) {
  return TrimBlanks(Picture(value, picture));
}

std::string Orientation(const ReportContext& ctx) {
  if (IsDwloc(ctx))
    return ctx.Exceeding() ? "percent of per-capita days falling below the DWLOC"
                           : "percent of per-capita days reaching or exceeding the DWLOC";
  return ctx.Exceeding() ? "percent of days exceeding the exposure"
                         : "percent of days falling below the exposure";
}

std::string Units(const ReportContext& ctx) {
  if (IsDwloc(ctx)) return "ppm of drinking water";
  return ctx.PerKg() ? "mg/kg body-wt/day" : "mg/day";
}

}  // namespace

std::optional<double> ExactExposure(const PopulationResult& r, Distribution d, int level) {
  const std::optional<ExactFigures>& exact = r.Exact(d);
  if (!exact || level < 0 || level >= kLevelCount) return std::nullopt;
  return exact->exposure[static_cast<std::size_t>(level)];
}

ResultsTable::ResultsTable(std::vector<ReportFigures> reports) : reports_(std::move(reports)) {
  if (reports_.empty()) throw std::invalid_argument("a run without reports has no results");
}

std::vector<std::string> ResultsTable::EntryNames() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < reports_.size(); ++i) {
    const ReportContext& ctx = reports_[i].context;
    std::string name = "Entry " + std::to_string(i + 1) + ": " + NamePart(ctx.residue_file_path);
    if (!ctx.chemical_name.empty()) name += " (" + ctx.chemical_name + ")";
    names.push_back(name);
  }
  return names;
}

std::vector<std::string> ResultsTable::PopulationNames() const {
  std::vector<std::string> names;
  for (const ReportPopulation& pop : Shown().context.populations) names.push_back(pop.report_name);
  return names;
}

void ResultsTable::ChooseEntry(std::size_t entry) {
  if (entry >= reports_.size()) return;
  entry_ = entry;
  population_ = 0;
}

void ResultsTable::ChoosePopulation(std::size_t population) {
  if (population < Shown().results.size()) population_ = population;
}

std::string ResultsTable::Title() const {
  const auto& pops = Shown().context.populations;
  return population_ < pops.size() ? pops[population_].report_name : "";
}

std::vector<ResultsLine> ResultsTable::Summary() const {
  const ReportContext& ctx = Shown().context;
  if (population_ >= Shown().results.size()) return {};
  const PopulationResult& r = Shown().results[population_];
  std::vector<ResultsLine> lines;
  if (!r.has_exposure) lines.push_back({"Exposure", "none for this population"});
  if (IsDwloc(ctx)) {
    lines.push_back({"Per-capita mean DWLOC", TrimBlanks(ExposureText(r.capita_mean))});
  } else {
    lines.push_back({"Per-user mean", TrimBlanks(ExposureText(r.user_mean))});
    lines.push_back({"Per-capita mean", TrimBlanks(ExposureText(r.capita_mean))});
  }
  lines.push_back({ctx.TwoDay() ? "Individuals that are users (over two days)"
                                : "Person-days that are user-days",
                   Trimmed(r.pct_users, "###.##") + "%"});
  lines.push_back({"Units", Units(ctx)});
  lines.push_back({"Percentiles", Orientation(ctx)});
  return lines;
}

std::vector<std::string> ResultsTable::Headings(const std::string& joint) const {
  std::vector<std::string> headings{"Percentile"};
  for (const Column& c : ColumnsOf(Shown().context))
    headings.push_back(HeadingOf(Shown().context, c, joint));
  return headings;
}

std::vector<std::vector<ResultsCell>> ResultsTable::Rows() const {
  const ReportContext& ctx = Shown().context;
  std::vector<std::vector<ResultsCell>> rows;
  if (population_ >= Shown().results.size()) return rows;
  const PopulationResult& r = Shown().results[population_];
  const std::vector<Column> columns = ColumnsOf(ctx);
  for (int level = 0; level < kLevelCount; ++level) {
    std::vector<ResultsCell> row{LevelLabel(ctx, level)};
    for (const Column& c : columns) row.push_back(CellOf(r, c, level));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace acute
