#pragma once
// The "bootstrap" member of a results file (the uncertainty analysis, with every round's
// values), the partial results file of a run of some rounds, and the merge of partial files
// into the results one process running every round writes.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "reports/report_figures.h"
#include "run/bootstrap_rounds.h"
#include "run/results_file.h"

namespace acute {

// The "bootstrap" member (text at two spaces, without a separator): the settings, each
// figure's interval as `section` has it (SectionOf the outcome) and every round's value.
std::string BootstrapMember(const BootstrapOutcome& outcome, const BootstrapSection& section);

// The text of a partial results file: the analysis's members when it holds round 0 (`main`),
// else the members that identify the run; then the bootstrap member with the rounds it holds.
std::string PartialResultsText(const ReportContext& ctx, const ResultsSources& sources,
                               const ReportFigures* main, const BootstrapOutcome& outcome,
                               const ResultsProvenance& provenance);

// The merge of partial results files: the results file's text and the report section's, or
// the refusal naming the file at fault.
struct MergedResults {
  std::string results;
  std::string section;
  std::string error;  // empty when merged
};
MergedResults MergePartialResults(const std::vector<std::filesystem::path>& partials,
                                  const ResultsProvenance& provenance);

}  // namespace acute
