#pragma once
// The set-up phase of a run: the pass file, the data folder's files, the master lists, the
// residue tables, the survey in memory and the population membership of every person-day.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "common/work_files.h"
#include "common/work_set.h"
#include "engine/accumulators.h"
#include "engine/analysis_settings.h"
#include "engine/cec_capture.h"
#include "engine/consumption_data.h"
#include "engine/distribution_tables.h"
#include "engine/exact_search.h"
#include "engine/exposure.h"
#include "engine/populations.h"
#include "engine/qa_listing.h"
#include "engine/run_tables.h"
#include "engine/survey_pass.h"
#include "inputs/master_lists.h"
#include "inputs/residue_data.h"
#include "inputs/support_data.h"
#include "run/analysis_driver.h"

namespace acute {

struct RunSetup {
  std::string caption;  // of the progress window
  AnalysisSettings settings;
  FormSettings form;
  SetupData setup;
  MasterLists master;
  ResidueData residue;
  RunTables tables;
  ConsumptionData consumption;
  SurveyPasses passes;
  std::vector<SelectedPopulation> selected;
  std::vector<std::uint64_t> membership;  // per survey group
  std::vector<PopulationAccumulators> accumulators;
  // DWLOC runs only: the toxicity value of each population, the drinking-water food forms
  // and the QA listing.
  std::vector<float> dwloc_tox;
  WaterForms water;
  std::unique_ptr<QaListing> qa;
  // The run's work files, committed as one set when the run completes, and the copies under
  // the names the run was given, committed after them.
  WorkSetWriter* work = nullptr;
  WorkFileSet copies;
  // Monte Carlo runs only; with seed 0 the main pass seeds its generators from the timer.
  bool monte_carlo = false;
  double main_pass_timer = 0;
  DistributionTables distributions;
  // Critical exposure contribution runs only: the preliminary iterations M', the widened
  // window of each population from the preliminary pass, and what the main pass gathered
  // (its windows and record iterations K included).
  bool cec = false;
  int cec_preliminary_iterations = 1;
  std::vector<CecWindow> cec_preliminary;
  CecCapture cec_capture;
  // Exact percentiles: asked for by the report specifications, and found by the passes (one
  // per population).
  bool exact_percentiles = false;
  std::vector<ExactPercentiles> exact;
  // A bootstrap round: its Monte Carlo passes draw from this state (null: the run's seed).
  const MersenneTwister* round_draws = nullptr;
};

// The mean of every residue distribution line, by line index.
std::vector<float> RdlMeans(const DistributionTables& d);

// The settings of the pass file in the work folder, after its header check.
AnalysisSettings ReadRunSettings(const EngineRequest& request, UserPort& port);

// The progress window's caption of a run.
std::string CaptionOf(const AnalysisSettings& settings);

// Throws RunEnds (or ProgramEnds) after a message when the run cannot start. The run's work
// files are staged in `work`.
RunSetup SetUpRun(const EngineRequest& request, WorkSetWriter& work, UserPort& port);
// The same with the settings already read.
RunSetup SetUpRun(const EngineRequest& request, AnalysisSettings settings, WorkSetWriter& work,
                  UserPort& port);

// The set-up of entry i (from 0) of a batch run: the batch's settings with the entry's
// residue file, distribution lines, scratch file, report names and endpoints.
RunSetup SetUpBatchEntry(const EngineRequest& request, const AnalysisSettings& batch, std::size_t i,
                         WorkSetWriter& work, UserPort& port);

// The settings of a pass over the survey of `run`; `mc` receives the Monte Carlo part when
// the run has one (the pass points to it).
PassSetup PassSetupOf(const RunSetup& run, MonteCarloSetup& mc);

// The preliminary pass of a critical exposure analysis: the window of every population,
// the record limit and the iteration cap with its question (each may end the run).
void RunCecPreliminaryPass(RunSetup& run, PassSetup& pass, UserPort& port);

// The calibration pass, the bin layout of every population, the preliminary pass of a
// critical exposure analysis (which may end the run after its checks) and the main pass,
// with the passes of the exact percentiles when they are asked for.
void RunAnalysisPasses(RunSetup& run, UserPort& port);

// True when the group must be skipped for lack of drinking-water data.
bool MissingWater(const SurveyGroup& group, int database_kind);

}  // namespace acute
