#pragma once
// The analysis engine's outer run: from the pass file in the data folder to the finished
// reports, with progress, Cancel and the completion message.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cec/cec_report.h"
#include "common/user_port.h"
#include "engine/analysis_settings.h"
#include "inputs/data_session.h"
#include "inputs/master_lists.h"
#include "inputs/residue_data.h"
#include "reports/bootstrap_section.h"
#include "reports/report_figures.h"
#include "reports/report_specs.h"

namespace acute {

class WorkSetWriter;

// Critical exposure contribution files are refused in batch runs, by the run start and
// again by the engine.
inline constexpr const char* kNoCecInBatchRuns =
    "CEC files cannot be generated in a batch run. Clear the CEC box, or run the residue files "
    "of the batch one at a time to get their CEC files.";

struct EngineRequest {
  DataSession session;
  FormSettings form;
  ReportSpecs specs;
  // Fixed date and time for the report headers (MM/DD/YYYY, HH:MM:SS); the system clock
  // when empty.
  std::string analysis_date;
  std::string analysis_time;
  // A copy of the results file under this name (".json" added by the front end; a name
  // without a folder goes beside the residue file); none when empty.
  std::string results_copy = {};
  // Redo Last CEC: the pass file is the short form and only the CEC report is rebuilt.
  bool repeat_cec = false;
  // Work files the run start staged for this run (the scratch files of the distribution
  // files); the run commits them with its own. Null: the run stages in a set of its own.
  WorkSetWriter* staging = nullptr;

  // The folder of the run's work files ("acute.tmp", "cec1.tmp", ...).
  std::filesystem::path WorkFolder() const { return session.WorkFolder(); }
};

// The timer value a Monte Carlo run with seed 0 took, and whether giving it as the seed
// repeats the run (the Mersenne Twister seeds from the rounded value; the runtime-style
// generator from the timer's fraction too, and a CEC run's preliminary pass takes a timer of
// its own).
struct TimerSeed {
  double timer = 0;
  std::int32_t seed = 0;  // the rounded value
  bool repeatable = false;
};

struct EngineOutcome {
  bool completed = false;
  bool batch = false;  // a batch run: saved_files holds every entry's reports
  std::string completion_message;
  std::vector<std::filesystem::path> saved_files;  // named report, plot and CEC files
  std::filesystem::path last_report;               // "acute.tmp" (or "dwloc.tmp")
  std::filesystem::path last_plot;                 // "plot.tmp" (or "DWPlot.tmp")
  std::optional<TimerSeed> timer_seed;             // a Monte Carlo run with seed 0
  std::optional<std::uint32_t> bootstrap_seed;     // the timer's, for bootstrap seed 0
  // The uncertainty analysis of a run with bootstrap rounds: what its report section shows.
  std::optional<BootstrapSection> bootstrap;
  // The figures of every report the run wrote, in order: one, or one per batch entry.
  std::vector<ReportFigures> reports;
};

// Runs the analysis that "tarnpass.tmp" in the work folder describes (a single run, or one
// run per entry of a batch). Returns with
// completed = false when the run ended early (its message has been shown); throws
// ProgramEnds when the program must end.
EngineOutcome RunEngine(const EngineRequest& request, UserPort& port);
// The same with the settings in memory, as the pass file carries them (no pass file is read).
EngineOutcome RunEngine(const EngineRequest& request, AnalysisSettings settings, UserPort& port);

// Fills an empty date (MM/DD/YYYY) or time (HH:MM:SS) from the system clock.
void StampDateTime(std::string& date, std::string& time);

// The CEC report settings of a run or a repeat: the work folder, names and tables of the
// data folder, the report specifications' minimum. `master` and `residue` may be null.
CecReportRequest CecReportRequestFor(const EngineRequest& request, const CecSettings& cec,
                                     const MasterLists* master, const ResidueData* residue);

}  // namespace acute
