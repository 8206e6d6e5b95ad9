#pragma once
// The main form's analysis parameters as plain values (the desktop window and the command
// line both fill this model), and the run start: the checks of a run in their fixed order,
// the pass file and the engine.
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "common/work_files.h"
#include "common/work_set.h"
#include "engine/analysis_settings.h"
#include "forms/bootstrap_frame.h"
#include "inputs/batch_setup.h"
#include "inputs/data_session.h"
#include "inputs/rdf/rdf_tables.h"
#include "inputs/residue_data.h"
#include "run/run.h"

namespace acute {

struct MainForm {
  std::optional<ResidueData> residue;  // the open residue file
  std::optional<OpenBatch> batch;      // the open batch file (with its residue files)

  bool per_kg = true;  // "Divide by body weight"
  bool second_adjustment = false;
  bool two_day_average = false;
  bool eating_occasion = false;  // "Eating Occasion" rather than "Daily Total "
  bool reversal = false;
  std::string half_life;  // hours
  bool monte_carlo = false;
  std::string iterations;
  std::string seed;
  bool mersenne_twister = false;  // the form's default is "Microsoft VB"
  bool hold_residues = false;
  int threads = 0;  // threads of a run (0: every core); the figures do not depend on it

  std::string noel;  // texts of the toxicology fields
  std::string arfd;
  bool pad = false;
  StandardPads standard_pad;

  bool save_report = false;
  std::string report_name;
  bool save_plot = false;
  std::string plot_name;
  bool dwloc_mode = false;  // "&DWLOC Analysis" rather than "&Acute Analysis"
  bool save_dwloc = false;  // "Save DWLOC Rpt"
  std::string dwloc_name;
  bool qa_listing = false;  // "QA DWLOC"

  // The CEC file generator.
  bool save_cec = false;  // "Save CEC File"
  std::string cec_name;
  std::string cec_records = "40000";  // "Max number of printed records (1-40000)"
  std::string cec_min_percent;        // minimum individual exposure contribution (%)
  int cec_basis = 0;                  // 0 "Percentile Amounts", 1 "Exposure Amounts", -1 none
  std::string cec_low = "99";         // percentile, or exposure amount on the amount basis
  std::string cec_high = "100";
  bool cec_excel = false;     // "Excel Format"
  bool cec_suppress = false;  // "Suppress CEC warning"
  bool cumulative_cec = false;

  // The uncertainty analysis after the main run.
  BootstrapFrame bootstrap;
  // A copy of the results file (the command line's --json NAME.json); none when empty.
  std::string results_copy;

  std::vector<bool> standard;  // one per standard population, in table order
  struct Custom {
    CustomPopulation population;
    bool defined = false;
  };
  std::vector<Custom> custom;
  std::string comment;

  // Fills the toxicology fields from the open residue file, as opening it does.
  void TakeEndpointsFromResidueFile();
  // What opening a residue file puts on the form: its endpoints, and its own comment as the
  // run comment.
  void TakeResidueFileFields();
};

// Checks the form as a run start does, writes the pass file and runs the engine. Returns
// std::nullopt when a check refused the run (its message has been shown); otherwise the
// engine's outcome, after "Acute Analysis was not completed." when it did not finish.
// The report specifications are read from "AcutSpec.txt" in the data folder; `date` and
// `time` fix the report header's date and time (the system clock when empty).
// `rdfs_unusable` (when given) tells whether the residue distribution files could not be
// used: the form then closes the residue file as File, Close does.
std::optional<EngineOutcome> LaunchAnalysis(const MainForm& form, const DataSession& session,
                                            UserPort& port, const std::string& date = "",
                                            const std::string& time = "",
                                            bool* rdfs_unusable = nullptr);

// Redo Last CEC: checks the CEC settings against the work files of the last run, writes the
// short pass file and rebuilds the CEC report. std::nullopt when a check refused (its
// message has been shown).
std::optional<EngineOutcome> RedoLastCec(const MainForm& form, const DataSession& session,
                                         UserPort& port);

// The CEC checks shared by the run start and Redo Last CEC: printed records 1..40000
// (`records_title` on its message) and the minimum contribution from `min_low` to 50; the
// basis and the window.
bool CheckCecLimits(const MainForm& form, double min_low, const char* records_title,
                    UserPort& port);
bool CheckCecWindow(const MainForm& form, UserPort& port);

// A report or plot name with its extension set: kept when it ends in `extension`, the old
// extension replaced otherwise, appended when there is none.
std::string WithExtension(const std::string& name, const std::string& extension);

// The settings that the pass file will carry for this form (no checks); `rdf` gives the
// counts of the empirical distributions once their files are read.
AnalysisSettings SettingsFromForm(const MainForm& form, const DataSession& session,
                                  const RdfTables* rdf = nullptr);

// The field checks of the iterations and seed boxes (1-5000, 0-32000; blank allowed).
bool CheckIterationsField(const std::string& text, UserPort& port);
bool CheckSeedField(const std::string& text, UserPort& port);
FormSettings FormSettingsFromForm(const MainForm& form);
// The CEC block of the pass file for this form (no checks).
CecSettings CecSettingsFromForm(const MainForm& form);

}  // namespace acute
