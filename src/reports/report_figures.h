#pragma once
// The figures of one report as data, for whatever shows or writes them besides the report
// text: the context the report was written from (the run kind, residue file, settings,
// report choices and the populations in report order with their names, criteria and PADs)
// and every population's figures.
#include <vector>

#include "reports/population_stats.h"
#include "reports/report_context.h"

namespace acute {

struct ReportFigures {
  ReportContext context;
  std::vector<PopulationResult> results;  // results[j]: the figures of context.populations[j]

  AnalysisKind Kind() const { return context.Kind(); }
};

}  // namespace acute
