#pragma once
// The analysis engine's outer run: from the pass file in the data folder to the finished
// reports, with progress, Cancel and the completion message.
#include <filesystem>
#include <string>
#include <vector>

#include "cec/cec_report.h"
#include "common/user_port.h"
#include "engine/analysis_settings.h"
#include "inputs/data_session.h"
#include "inputs/master_lists.h"
#include "inputs/residue_data.h"
#include "reports/report_specs.h"

namespace acute {

struct EngineRequest {
  DataSession session;
  FormSettings form;
  ReportSpecs specs;
  // Fixed date and time for the report headers (MM/DD/YYYY, HH:MM:SS); the system clock
  // when empty.
  std::string analysis_date;
  std::string analysis_time;
  // Redo Last CEC: the pass file is the short form and only the CEC report is rebuilt.
  bool repeat_cec = false;

  // The folder of the run's work files ("acute.tmp", "cec1.tmp", ...).
  std::filesystem::path WorkFolder() const { return session.folder; }
};

struct EngineOutcome {
  bool completed = false;
  std::string completion_message;
  std::vector<std::filesystem::path> saved_files;  // named report, plot and CEC files
  std::filesystem::path last_report;               // "acute.tmp" (or "dwloc.tmp")
  std::filesystem::path last_plot;                 // "plot.tmp" (or "DWPlot.tmp")
};

// Runs the analysis that "tarnpass.tmp" in the data folder describes. Returns with
// completed = false when the run ended early (its message has been shown); throws
// ProgramEnds when the program must end.
EngineOutcome RunEngine(const EngineRequest& request, UserPort& port);

// The CEC report settings of a run or a repeat: the work folder, names and tables of the
// data folder, the report specifications' minimum. `master` and `residue` may be null.
CecReportRequest CecReportRequestFor(const EngineRequest& request, const CecSettings& cec,
                                     const MasterLists* master, const ResidueData* residue);

}  // namespace acute
