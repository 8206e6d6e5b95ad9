#pragma once
// The results file's description of a run: its program and data folder, residue file, units,
// settings and report choices. Only the results writers include this header.
#include "reports/report_figures.h"
#include "run/results_file.h"
#include "run/results_json.h"

namespace acute::results {

Json ProgramJson(const ReportContext& ctx);
Json DataJson(const ReportContext& ctx);
Json ResidueFileJson(const ReportContext& ctx, const ResultsSources& sources);
Json UnitsJson(const ReportContext& ctx);
Json SettingsJson(const ReportContext& ctx, const ResultsSources& sources);
Json ReportChoicesJson(const ReportContext& ctx);

// Every population's figures and the bins of the plot file, in report order.
Json PopulationsJson(const ReportFigures& figures);
Json PlotJson(const ReportFigures& figures);

}  // namespace acute::results
