#pragma once
// Running an analysis: the entries the front ends and the form models call. A run takes its
// settings in memory and returns its outcome; the pass file is still written for every run
// (other programs and `acute run` read it). The form models above build the requests.
#include <filesystem>
#include <optional>
#include <string>

#include "common/user_port.h"
#include "common/work_files.h"
#include "common/work_set.h"
#include "engine/analysis_settings.h"
#include "inputs/data_session.h"
#include "reports/report_specs.h"
#include "run/analysis_driver.h"
#include "run/cec_repeat.h"

namespace acute {

// What a run is asked to do, typed.
struct RunRequest {
  DataSession session;
  AnalysisSettings settings;  // what the pass file carries
  FormSettings form;          // what it does not: two-day average, generator, reversal and
                              // half-life, hold, QA listing; the cumulative switch; threads
  ReportSpecs specs;
  // Fixed date and time of the report headers (MM/DD/YYYY, HH:MM:SS); the clock when empty.
  std::string analysis_date;
  std::string analysis_time;
  // A copy of the results file under this name (see EngineRequest); none when empty.
  std::string results_copy = {};
};

// Writes the request's pass file to the work folder, then runs the analysis from the request
// (a single run, or one run per entry of a batch) with the work files `staging` holds. The
// caller holds the work folder's lock. std::nullopt after a message when the pass file cannot
// be written.
std::optional<EngineOutcome> RunAnalysis(const RunRequest& request, WorkSetWriter& staging,
                                         UserPort& port);

// The lock on the folder of a run's work files, held for the length of the run; a commit that
// a killed run left is completed or rolled back first. std::nullopt after a message when
// another run holds it (or it cannot be made).
std::optional<FolderLock> LockWorkFolder(const std::filesystem::path& folder, UserPort& port);

// The report specifications a run needs, read from "AcutSpec.txt" in the data folder;
// std::nullopt after the run start's message when the file is missing or unreadable.
std::optional<ReportSpecs> ReportSpecsForRun(const DataSession& session, UserPort& port);

}  // namespace acute
