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

// What the section shows besides the rounds: the toxicity code (which endpoints), the
// distributions of the report and the populations' report names in report order.
struct SectionLayout {
  std::string toxicity_code;
  bool per_capita = true;
  bool users = true;
  std::vector<std::string> population_names;
};

struct BootstrapSection {
  // The seed the rounds took (the timer's with seed 0), the iterations each round ran.
  BootstrapSettings settings;
  bool exact = false;
  SectionLayout layout;
  std::vector<std::vector<FigureInterval>> intervals;  // [population][figure]
};

// The section's lines without page frames.
std::string BootstrapSectionBody(const BootstrapSection& section);

// The section as a page group of the report: header, body, footer.
std::string BootstrapSectionPages(const ReportContext& ctx, const BootstrapSection& section);

}  // namespace acute
