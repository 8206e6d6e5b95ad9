#pragma once
// The engine's repeat entry: Redo Last CEC rebuilds the CEC report from the work files of
// the last run ("cec1.tmp", "cec2.tmp", "expos.tmp") with the window of the short pass file.
#include <optional>
#include <string>

#include "common/user_port.h"
#include "run/analysis_driver.h"

namespace acute {

// Runs the report steps of a repeat; completed = false when it ended early (its message
// has been shown).
EngineOutcome RunCecRepeat(const EngineRequest& request, UserPort& port);

// What the work files of the last run say about it: the cumulative flag, the basis and
// window of its first population (percentiles as the user gave them, or amounts), the
// minimum contribution and the folder of its residue file. std::nullopt without "cec2.tmp".
struct LastCecRun {
  int cumulative = 0;
  CecBasis basis = CecBasis::Percentiles;
  float low = 0;
  float high = 0;
  std::optional<float> min_percent;
  std::string residue_folder;  // with its separator; empty when unknown
  std::string residue_file;    // the residue file, as the record file names it
  std::string analysis_time;   // "MM/DD/YYYY HH:MM:SS" of the run
};
std::optional<LastCecRun> ReadLastCecRun(const std::filesystem::path& work_folder);

}  // namespace acute
