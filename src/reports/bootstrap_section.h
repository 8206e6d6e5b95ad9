#pragma once
// The report section "Uncertainty analysis (bootstrap, B rounds)" that follows the summary:
// what the rounds resampled, their seed and iterations, then for every population each
// figure's main-run value and the quantiles of the rounds' values.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/bootstrap_settings.h"
#include "reports/bootstrap_figures.h"
#include "reports/report_context.h"

namespace acute {

struct BootstrapSection {
  BootstrapSettings settings;  // its seed the one the rounds took (the timer's with seed 0)
  int iterations = 1;          // Monte Carlo iterations of each round
  std::string toxicity_code;
  bool per_capita = true;  // the distributions the report shows
  bool users = true;
  bool exact = false;
  std::vector<std::string> population_names;           // report names, report order
  std::vector<std::vector<FigureInterval>> intervals;  // [population][figure]
};

// The section's lines without page frames.
std::string BootstrapSectionBody(const BootstrapSection& section);

// The section as a page group of the report: header, body, footer.
std::string BootstrapSectionPages(const ReportContext& ctx, const BootstrapSection& section);

}  // namespace acute
