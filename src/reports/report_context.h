#pragma once
// The run-wide values that the report writers read: filled by the engine once the pass file,
// the residue file and the data folder's support files are read, before any report is
// written. Nothing here changes while the reports are written.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis_settings.h"
#include "reports/report_specs.h"

namespace acute {

// One population in report order: the selected standard populations in table order, then
// the custom populations.
struct ReportPopulation {
  std::string name;         // standard name, or the name given in the custom dialog
  std::string report_name;  // titles and lists: the standard name or "Custom demographics N: name"
  int number = 0;           // standard population number 1..S, or custom index 1..C
  bool custom = false;
  float pad = 0;  // population-adjusted dose; 0 when none or when the PAD flag is off
  std::array<std::array<std::int16_t, 5>, 6> crit{};  // custom criteria, crit[line - 1][item]
};

enum class AnalysisKind { Acute, Dwloc };

struct ReportContext {
  std::string program_version;    // "major.minor.revision"
  std::string food_list_version;  // RacFfVersion
  std::string database_title;     // DatabaseTitle
  std::int16_t database_kind = 2;
  std::vector<std::string> region_names;  // kind 0: RegionNames(0)

  std::string chemical_name;
  std::string residue_file_path;
  std::string residue_file_date;
  std::string residue_file_comment;  // printed in batch runs only
  bool water_in_residue_file = false;

  // The run as it is analysed: for a batch entry without distribution lines the engine
  // clears `monte_carlo` and sets `iterations` to 1 in this copy.
  AnalysisSettings settings;
  FormSettings form;
  std::string toxicity_code;  // ToxicityCode(...)

  ReportSpecs specs;
  std::int16_t page_length = 60;   // set-up file line 2
  std::string page_number_switch;  // set-up file line 7: "Y" numbers the pages
  std::string orientation;         // set-up file line 3: "D" = "exceeding" wording
  std::string analysis_date;       // MM/DD/YYYY
  std::string analysis_time;       // HH:MM:SS

  std::vector<ReportPopulation> populations;

  AnalysisKind Kind() const { return settings.dwloc ? AnalysisKind::Dwloc : AnalysisKind::Acute; }
  bool PerKg() const { return settings.per_kg; }
  bool MonteCarlo() const { return settings.monte_carlo; }
  int Iterations() const {
    return MonteCarlo() && settings.iterations > 0 ? settings.iterations : 1;
  }
  bool TwoDay() const { return form.two_day_average; }
  bool Exceeding() const;    // orientation letter "D" in either case
  bool NumberPages() const;  // page-number switch "Y" in either case
};

// The toxicity code of the run: "N", "R", "P", "NR", "NP" or empty; always empty unless
// exposure is per kg body weight and the run is an acute (not DWLOC) run.
std::string ToxicityCode(float noel, float arfd, bool pad_flag, bool per_kg, bool dwloc);

// The region names of a data set kind, in region order (kind 0 only; empty otherwise).
std::vector<std::string> RegionNames(std::int16_t database_kind);

// The populations of a run in report order. `standard_names[i]` is the name of standard
// population i + 1.
std::vector<ReportPopulation> BuildPopulationList(const std::vector<std::string>& standard_names,
                                                  const AnalysisSettings& settings);

// The run comment line (quotes included) split into the three header comment lines: the
// first 65 characters, the next 79 and the rest. An empty comment ("" or nothing) gives
// three empty lines.
std::array<std::string, 3> SplitRunComment(std::string_view comment_line);

}  // namespace acute
