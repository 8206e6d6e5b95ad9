#include "results_text.h"

#include <charconv>
#include <cstdio>

namespace acute::cli {
namespace {

constexpr int kWidth = 12;

// A field of the tables to six significant digits; "-" for an absent figure.
std::string Short(const std::string& field) {
  double value = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || ec != std::errc() || end != field.data() + field.size())
    return field.empty() ? "-" : field;
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

std::string Padded(const std::string& text, int width = kWidth) {
  const auto w = static_cast<std::size_t>(width);
  return text.size() >= w ? " " + text : std::string(w - text.size(), ' ') + text;
}

std::string Title(const ResultsTable& p) {
  std::string title = p.Field(0, "entry").empty() ? "" : "Entry " + p.Field(0, "entry") + ", ";
  title += "Population " + p.Field(0, "population") + ": " + p.Field(0, "name");
  if (p.Field(0, "custom") == "true") return title + " (custom: " + p.Field(0, "criteria") + ")";
  return title + " (standard population " + p.Field(0, "number") + ")";
}

// "  Per user     mean 0.0123  SD ...": the mean-based figures of one distribution.
std::string MomentsLine(const ResultsTable& p, const std::string& label, const std::string& key) {
  if (p.Field(0, key + "_mean").empty()) return "";
  std::string line = "  " + label;
  line += "mean " + Short(p.Field(0, key + "_mean")) + "  SD " + Short(p.Field(0, key + "_sd")) +
          "  SE " + Short(p.Field(0, key + "_se"));
  if (!p.Field(0, key + "_moe_at_mean").empty())
    line += "  MOE " + Short(p.Field(0, key + "_moe_at_mean"));
  if (!p.Field(0, key + "_percent_dose_at_mean").empty())
    line += "  " + p.Field(0, "percent_dose_unit") + " " +
            Short(p.Field(0, key + "_percent_dose_at_mean"));
  return line + "\n";
}

std::string SummaryText(const ResultsTable& p) {
  std::string text = Title(p) + "\n";
  text += "  Person-days  TotW " + Short(p.Field(0, "tot_w")) + "  TotN " +
          Short(p.Field(0, "tot_n")) + "\n";
  text += "  User-days    SumW " + Short(p.Field(0, "sum_w")) + "  N " + Short(p.Field(0, "n")) +
          "  (" + Short(p.Field(0, "user_day_percent")) + "% of person-days)\n";
  text += MomentsLine(p, "Per capita   ", "capita");
  text += MomentsLine(p, "Per user     ", "user");
  text += "  Units        " + p.Field(0, "exposure_unit");
  // The percents are of the dose named, where the run has them.
  const bool percents = !p.Field(0, "capita_percent_dose_at_mean").empty();
  return text + (percents ? "; % dose: " + p.Field(0, "percent_dose_unit") : "") + "\n";
}

// The levels of one distribution: binned and exact exposure, margin and percent of dose.
std::string LevelsText(const ResultsTable& levels, const std::string& basis) {
  std::string text;
  for (std::size_t i = 0; i < levels.rows.size(); ++i) {
    if (levels.Field(i, "basis") != basis) continue;
    if (text.empty())
      text = "\n  Per " + basis + "\n" + Padded("Level", 7) + Padded("Exposure") + Padded("Exact") +
             Padded("MOE") + Padded("MOE exact") + Padded("% dose") + Padded("% exact") + "\n";
    text += Padded(levels.Field(i, "level"), 7);
    for (const char* column : {"exposure_binned", "exposure_exact", "moe_binned", "moe_exact",
                               "percent_dose_binned", "percent_dose_exact"})
      text += Padded(Short(levels.Field(i, column)));
    text += "\n";
  }
  return text;
}

}  // namespace

std::string PopulationText(const ResultsTables& tables, std::size_t population) {
  const ResultsTable* populations = tables.Find(kPopulationsTable);
  const ResultsTable* levels = tables.Find(kPercentilesTable);
  if (populations == nullptr || levels == nullptr) return "";
  const ResultsTable p = populations->Only(population);
  const ResultsTable l = levels->Only(population);
  return SummaryText(p) + LevelsText(l, "user") + LevelsText(l, "capita");
}

}  // namespace acute::cli
