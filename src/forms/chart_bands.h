#pragma once
// The uncertainty of a chart's curves: for every population, the interval of its per-capita
// percentiles over the bootstrap rounds, at each percentile level on the chart's percent axis.
#include "forms/chart_model.h"
#include "reports/bootstrap_section.h"

namespace acute {

// Fills each curve's band from the run's uncertainty analysis (the population found by its
// report name) and names the band's level and rounds. A level without both bounds above 0
// (nothing to draw on the log axis) is left out; a DWLOC chart takes no band.
void AddBootstrapBands(ChartData& chart, const BootstrapSection& section);

// "95% interval, 200 rounds".
std::string BandLabel(const BootstrapSettings& settings);

}  // namespace acute
