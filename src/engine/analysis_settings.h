#pragma once
// The analysis settings: everything the analysis pass file carries from the main form to
// the engine, plus the few form settings that travel beside it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/distribution_type.h"
#include "engine/bootstrap_settings.h"
#include "engine/standard_pads.h"

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
  DistributionType type = DistributionType::None;
  // Empirical distribution: counts of the residue distribution file.
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

// What the bounds of a critical exposure window are.
enum class CecBasis {
  Percentiles,  // percentiles of the users' exposure
  Amounts,      // exposure amounts
};

// The critical exposure contribution request.
struct CecSettings {
  std::int32_t max_records = 0;
  float min_percent = 0;
  std::string file_name;
  CecBasis basis = CecBasis::Percentiles;
  float low = 0;
  float high = 0;
  bool excel = false;
  bool suppress_warning = false;
  bool cumulative = false;

  bool OnPercentiles() const { return basis == CecBasis::Percentiles; }
  // The window as the engine holds it: percentile bounds become upper-tail percents.
  float HeldLow() const { return OnPercentiles() ? 100 - low : low; }
  float HeldHigh() const { return OnPercentiles() ? 100 - high : high; }
};

struct AnalysisSettings {
  std::int16_t consumption_check_index = 4;
  std::int16_t batch_count = 0;  // 0 = single run
  std::string residue_file;      // single run: residue file; batch run: batch file
  std::string working_folder;    // with trailing separator
  bool per_kg = true;
  bool second_adjustment = false;
  bool monte_carlo = false;
  bool eating_occasion = false;
  std::int16_t iterations = 1;
  std::int16_t seed = 0;
  float arfd = 0;
  float noel = 0;
  bool pad_flag = false;
  StandardPads standard_pad;
  bool dwloc = false;
  bool save_plot = false;
  std::string plot_file;
  bool save_report = false;
  std::string report_file;
  std::string comment_line;             // the whole comment line, quotes included
  std::vector<bool> standard_selected;  // one per standard population, in table order
  std::vector<CustomPopulation> custom;
  std::int16_t max_rdl_index = 0;  // single run
  std::vector<RdlRow> rdl_rows;    // single run
  std::vector<BatchEntry> batch;   // batch run
  bool cec_flag = false;
  CecSettings cec;

  bool IsBatch() const { return batch_count > 0; }
  float PadOf(int number) const { return standard_pad.Of(number); }
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
  BootstrapSettings bootstrap;  // the uncertainty analysis after the main run
};

}  // namespace acute
