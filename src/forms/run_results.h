#pragma once
// The figures the Results window and the chart show: those of the session's last analysis
// that completed. Starting another analysis drops them (its figures replace them once it
// completes); Redo Last CEC rebuilds only the CEC report and leaves them. With them, the
// run's uncertainty analysis when it had bootstrap rounds.
#include <optional>
#include <vector>

#include "reports/report_figures.h"
#include "run/analysis_driver.h"

namespace acute {

// What the main window says once an analysis has completed.
inline constexpr const char* kResultsOffer = "Analysis complete:";

class RunResults {
 public:
  void AnalysisStarted() {
    reports_.clear();
    bootstrap_.reset();
  }
  void AnalysisEnded(const std::optional<EngineOutcome>& outcome) {
    if (!outcome || !outcome->completed) return;
    reports_ = outcome->reports;
    bootstrap_ = outcome->bootstrap;
  }
  bool Available() const { return !reports_.empty(); }
  const std::vector<ReportFigures>& Reports() const { return reports_; }
  const std::optional<BootstrapSection>& Bootstrap() const { return bootstrap_; }

 private:
  std::vector<ReportFigures> reports_;
  std::optional<BootstrapSection> bootstrap_;
};

}  // namespace acute
