// Whole DWLOC reports and DWLOC plot files of small hand-made runs against golden files.
// DWLOC values are dropped into bins laid out from M and T, so every percentile can be read
// by hand off the straight lines between the bounds of the bins that hold weight.
#include <gtest/gtest.h>

#include "reports/dwloc_report.h"
#include "reports/plot_file.h"
#include "reports/report_fixture.h"

namespace acute {
namespace {

using testing::AddDwlocDay;
using testing::Custom;
using testing::DwlocBins;
using testing::ExpectGolden;
using testing::Standard;

// aRfD 0.06 and a largest body weight of 100 kg: T = 0.06 x 100 / 0.03 = 200; M = 100, so
// Bound(k) = 200 - k down to bin 100, then 99 and 98.01. Weights 1, 2, 4, 2, 1 (total 10):
// 180.5 in bin 20, 150.5 in bin 50, 99.5 in bin 101, 98.5 in bin 102 and 0 in bin 1476.
// Cumulative percents 10, 30, 70, 90, 100. Percentiles: 10th 180, 20th 150.5, 30th 150,
// 40th 99.75, 50th 99.5, 60th 99.25, 70th 99, 80th 98.505, 90th 98.01, 95th on 0.
// Mean 1076.5 / 10 = 107.65; SD (21001.025 / 9)^0.5 = 48.305768; SE SD / 5^0.5 = 21.602996
// (5 person-days).
PopulationAccumulators TotalPopulation() {
  PopulationAccumulators acc = DwlocBins(100, 200);
  AddDwlocDay(acc, 180.5f, 1);
  AddDwlocDay(acc, 150.5f, 2);
  AddDwlocDay(acc, 99.5f, 4);
  AddDwlocDay(acc, 98.5f, 2);
  AddDwlocDay(acc, 0, 1);
  return acc;
}

// PAD 0.015: T = 50, M = 25, Bound(k) = 50 - k / 4. 50 (bin 0, the largest DWLOC possible),
// 49.9 (bin 1) and 30.1 with weight 2 (bin 80). Cumulative percents 25, 50, 100: the 10th and
// 20th percentiles read T, 30th 49.95, 50th 49.75, 60th 30.2, 99.9th 30.0005 (below the
// smallest DWLOC, 30.1: percentiles are not clamped). Mean 160.1 / 4 = 40.025.
PopulationAccumulators Adults() {
  PopulationAccumulators acc = DwlocBins(25, 50);
  AddDwlocDay(acc, 50, 1);
  AddDwlocDay(acc, 49.9f, 1);
  AddDwlocDay(acc, 30.1f, 2);
  return acc;
}

ReportPopulation AdultsPopulation() {
  ReportPopulation p = Custom("Adults 20-49", 1, 0.015f);
  p.crit[0] = {1, 1, 1, 1, 1};
  p.crit[1] = {1, 1, 1, 1, 1};
  p.crit[2] = {1, 1, 0, 0, 0};
  p.crit[3] = {1, 1, 0, 0, 0};
  p.crit[4] = {1, 1, 1, 0, 0};
  p.crit[5] = {0, 0, 20, 0, 49};
  return p;
}

// Both sexes, every race, nursing, 0 to 11 months; no person-day of the run belongs to it.
ReportPopulation NursingInfants() {
  ReportPopulation p = Custom("Nursing infants", 1);
  p.crit[0] = {1, 1, 1, 1, 1};
  p.crit[1] = {1, 1, 1, 1, 1};
  p.crit[2] = {1, 1, 1, 1, 1};
  p.crit[3] = {1, 1, 0, 0, 0};
  p.crit[4] = {0, 0, 1, 0, 0};
  p.crit[5] = {0, 0, 0, 11, 0};
  return p;
}

// One person-day of weight 1 (no spread: "n/a"): every percentile on the line through bin 50,
// 151 - p / 100.
PopulationAccumulators SinglePersonDay() {
  PopulationAccumulators acc = DwlocBins(100, 200);
  AddDwlocDay(acc, 150.5f, 1);
  return acc;
}

// PAD flag on: the custom population has a PAD (its pages read the aPAD), the standard ones
// PAD 0 (the aRfD). Numbered pages with a header on each.
TEST(DwlocReportGolden, PadAndRfdPopulationsNumberedPages) {
  ReportContext ctx = testing::DwlocContext(
      0.06f, true,
      {Standard("Total US Population", 1), AdultsPopulation(), Standard("Children 1-2 yrs", 18)});
  ctx.settings.comment_line = "\"DWLOC golden run\"";
  const DwlocReport report =
      BuildDwlocReport(ctx, {TotalPopulation(), Adults(), SinglePersonDay()});
  ExpectGolden("dwloc_pad_paged.dwl", report.text);
  ExpectGolden("dwloc_pad_paged.dwp", PlotFileText(ctx, report.results));
}

// Two iterations of two person-days (weights 3 and 1) under T = 200, M = 100: 120.5 and 110.5
// with weight 3 each (bins 80 and 90), 99.5 and 98.5 with weight 1 (bins 101 and 102).
// Cumulative percents 37.5, 75, 87.5, 100: 10th 121 - 10 / 37.5 = 120.733333, 40th 110.933333,
// 80th 99.6, 90th 99 - 0.99 x 2.5 / 12.5 = 98.802, 99.9th 98.01792. Plot totals are per
// iteration (person-days 4 and 2), bin weights are not.
PopulationAccumulators MonteCarloTotal() {
  PopulationAccumulators acc = DwlocBins(100, 200);
  for (float v : {120.5f, 110.5f}) AddDwlocDay(acc, v, 3);
  for (float v : {99.5f, 98.5f}) AddDwlocDay(acc, v, 1);
  return acc;
}

// Monte Carlo (no standard error), the "D" orientation, no page headers after the first,
// users only in the report choices (the DWLOC report has its one per-capita distribution
// regardless), and a custom population without any person-day.
TEST(DwlocReportGolden, MonteCarloExceedingWithEmptyPopulation) {
  ReportContext ctx =
      testing::DwlocContext(0.06f, false, {Standard("Total US Population", 1), NursingInfants()});
  ctx.settings.monte_carlo = true;
  ctx.settings.iterations = 2;
  ctx.settings.seed = 11;
  ctx.form.mersenne_twister = true;
  ctx.specs.header_all = 0;
  ctx.specs.per_capita = 0;
  ctx.specs.choice = {0, 2, 4};
  ctx.orientation = "D";
  const DwlocReport report = BuildDwlocReport(ctx, {MonteCarloTotal(), DwlocBins(1e-6f, 0)});
  ExpectGolden("dwloc_mc_exceeding.dwl", report.text);
  ExpectGolden("dwloc_mc_exceeding.dwp", PlotFileText(ctx, report.results));
}

}  // namespace
}  // namespace acute
