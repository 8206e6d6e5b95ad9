#pragma once
// One pass over the survey: for every person-day of the selected populations, the exposure
// of every iteration, accumulated into the populations' sums (and, in the main pass, bins).
#include <cstdint>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "engine/accumulators.h"
#include "engine/cec_capture.h"
#include "engine/consumption_data.h"
#include "engine/distribution_tables.h"
#include "engine/exact_gather.h"
#include "engine/exposure.h"
#include "engine/qa_listing.h"
#include "engine/run_tables.h"
#include "random/mersenne_twister.h"

namespace acute {

// The calibration pass, the preliminary pass of a critical exposure analysis (bins filled,
// its own iteration count), the pilot pass of the exact percentiles (bins filled, its own
// iteration count), the main pass, and a pass that repeats the main pass's draws to keep
// values for the exact percentiles.
enum class PassKind { Calibration, CecPreliminary, Pilot, Main, Repeat };

// What a Monte Carlo pass draws from.
struct MonteCarloSetup {
  const RunTables* tables = nullptr;
  const DistributionTables* distributions = nullptr;
  bool mersenne_twister = false;
  std::int16_t seed = 0;
  bool hold_residues = false;
  // A bootstrap round: every pass but calibration draws from this Mersenne Twister state
  // instead of a generator seeded with `seed`. Null: the run's own generator.
  const MersenneTwister* start = nullptr;
};

struct PassSetup {
  const ConsumptionData* data = nullptr;
  const SurveyPasses* passes = nullptr;
  // Per survey group: bit p set when the group belongs to population p (0: skipped).
  const std::vector<std::uint64_t>* membership = nullptr;
  const std::vector<float>* factor = nullptr;
  int iterations = 1;
  bool per_kg = true;
  bool two_day_average = false;
  bool reversal = false;
  double half_life = 0;
  std::string caption;                           // progress window caption
  const MonteCarloSetup* monte_carlo = nullptr;  // null in a deterministic run
  // The threads the pass runs on (every core when 0): the figures are the same for any
  // number.
  int threads = 0;
  // DWLOC runs: the toxicity value of each population (report order), the drinking-water
  // food forms, and the QA listing when one is asked for (main pass).
  const std::vector<float>* dwloc_tox = nullptr;
  const WaterForms* water = nullptr;
  QaListing* qa = nullptr;
  // Residue of each food form, for the QA listing and the critical exposure records.
  const std::vector<float>* residue = nullptr;
  // Critical exposure contribution: the iterations of the preliminary pass, and what the
  // preliminary and main passes gather (null: nothing).
  int preliminary_iterations = 1;
  CecCapture* cec = nullptr;
  // Receives the timer value the main pass seeds its generators from (seed 0 only).
  double* main_pass_timer = nullptr;
  // Exact percentiles: the iterations of the pilot pass, and what a main pass keeps (null:
  // nothing).
  int pilot_iterations = 1;
  ExactGather* exact = nullptr;
  // The timer value to seed from instead of the clock: a pass that repeats the main pass's
  // draws (null: the clock).
  const double* timer = nullptr;
};

// Runs the pass; throws RunEnds when Cancel is confirmed, ProgramEnds after "Error selecting
// ii".
void RunSurveyPass(PassKind kind, const PassSetup& setup,
                   std::vector<PopulationAccumulators>& populations, UserPort& port);

}  // namespace acute
