#pragma once
// The rounds of the uncertainty analysis: each resamples the survey's persons and the empirical
// residue distribution files from its own generators, runs the main run's analysis again on
// them and keeps the figures of every population.
#include <optional>
#include <vector>

#include "common/user_port.h"
#include "engine/bootstrap_settings.h"
#include "reports/bootstrap_section.h"
#include "reports/report_context.h"
#include "run/run_setup.h"

namespace acute {

using FigureValues = std::vector<std::optional<double>>;  // one per figure

struct BootstrapOutcome {
  // With the seed the rounds took and the Monte Carlo iterations of each round.
  BootstrapSettings settings;
  bool seed_from_timer = false;
  bool exact = false;  // the exact percentiles are among the figures
  // The main run's figures of every population (none when this run does not hold round 0).
  std::vector<FigureValues> main;
  // The bootstrap rounds this run holds (from 1, ascending) and, by population and figure,
  // each of their values: values[p][f][k] is the figure in rounds[k].
  std::vector<int> rounds;
  std::vector<std::vector<FigureValues>> values;
};

// The seed a bootstrap takes: its own, or with 0 one from the clock (never 0).
std::uint32_t BootstrapSeed(const BootstrapSettings& settings);

// Runs the rounds `settings` asks for (its seed not 0) after the main run `main` (set up, its
// passes run when it holds round 0; `main_results` its figures then). Throws RunEnds when Cancel
// is confirmed.
BootstrapOutcome RunBootstrapRounds(const RunSetup& main, const ReportContext& ctx,
                                    const std::vector<PopulationResult>* main_results,
                                    const BootstrapSettings& settings, UserPort& port);

// The report section's layout of a run's report.
SectionLayout LayoutOf(const ReportContext& ctx);

// The report section of the rounds: each figure's main-run value and, when the outcome holds
// every round, its interval (a partial run's section has the main-run values alone).
BootstrapSection SectionOf(const BootstrapOutcome& outcome, const SectionLayout& layout);

}  // namespace acute
