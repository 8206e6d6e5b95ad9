#pragma once
// The analysis settings: everything the analysis pass file carries from the main form to
// the engine, plus the few form settings that travel beside it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace acute {

// One custom population: its name, the six criterion lines of the custom population
// dialog (season, region, race, sex and female status, nursing status, age; items from 0)
// and its PAD.
struct CustomPopulation {
  std::string name;
  std::array<std::array<std::int16_t, 5>, 6> crit{};  // crit[line - 1][item]
  float pad = 0;
};

// One residue distribution line as the pass file carries it.
struct RdlRow {
  std::int16_t index = 0;
  std::int16_t type = 0;
  // Empirical distribution (type 6): counts of the residue distribution file.
  std::int32_t total_z = 0;
  std::int32_t total_lod = 0;
  float lod_res = 0;
  std::int32_t value_count = 0;
  std::int32_t count_with_lod = 0;
  std::int32_t total_count = 0;
  std::int32_t first_record = 0;
  float first_value = 0;
  std::int32_t check_record = 0;
  // Any other type: its three parameters.
  std::array<float, 3> param{};
};

// One entry of a batch run.
struct BatchEntry {
  std::string residue_file;  // batch folder + residue file name
  std::string output_base;   // batch folder + report base name
  std::int16_t number = 0;
  std::int16_t max_rdl_index = 0;
  std::string rdf_work_file;  // "rdfl" + number + ".TMP" when there are RDL rows
  std::vector<RdlRow> rows;
};

// The critical exposure contribution request.
struct CecSettings {
  std::int32_t max_records = 0;
  float min_percent = 0;
  std::string file_name;
  std::int16_t basis = 0;  // 0 = percentile bounds, 1 = exposure-amount bounds
  float low = 0;
  float high = 0;
  std::int16_t excel = 0;
  std::int16_t suppress_warning = 0;
  std::int16_t cumulative = 0;

  // The window as the engine holds it: percentile bounds become upper-tail percents.
  float HeldLow() const { return basis == 0 ? 100 - low : low; }
  float HeldHigh() const { return basis == 0 ? 100 - high : high; }
};

struct AnalysisSettings {
  std::int16_t consumption_check_index = 4;
  std::int16_t batch_count = 0;  // 0 = single run
  std::string residue_file;      // single run: residue file; batch run: batch file
  std::string working_folder;    // with trailing separator
  std::int16_t per_kg = 1;
  std::int16_t second_adjustment = 0;
  std::int16_t monte_carlo = 0;
  std::int16_t eating_occasion = 0;
  std::int16_t iterations = 1;
  std::int16_t seed = 0;
  float arfd = 0;
  float noel = 0;
  std::int16_t pad_flag = 0;
  // PAD of each standard population, indexed by its number (slot 0 unused).
  std::vector<float> standard_pad;
  std::int16_t dwloc = 0;
  std::int16_t save_plot = 0;
  std::string plot_file;
  std::int16_t save_report = 0;
  std::string report_file;
  std::string comment_line;                     // the whole comment line, quotes included
  std::vector<std::int16_t> standard_selected;  // one per standard population, in table order
  std::vector<CustomPopulation> custom;
  std::int16_t max_rdl_index = 0;  // single run
  std::vector<RdlRow> rdl_rows;    // single run
  std::vector<BatchEntry> batch;   // batch run
  std::int16_t cec_flag = 0;
  CecSettings cec;

  bool IsBatch() const { return batch_count > 0; }
};

// Settings taken from the main form directly rather than from the pass file.
struct FormSettings {
  bool two_day_average = false;
  bool mersenne_twister = false;  // false: the runtime-style generator
  bool qa_listing = false;
  bool reversal = false;
  float half_life_hours = 0;
  bool hold_residues = false;
  bool cumulative_cec = false;  // the "Cumulative CEC" switch of a critical exposure request
  int threads = 0;              // threads of the passes over the survey; 0: every core
};

}  // namespace acute
