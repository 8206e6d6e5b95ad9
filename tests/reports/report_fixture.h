#pragma once
// Hand-made inputs of the report tests: acute and DWLOC bins laid out from a calibration
// mean with values dropped into them, a run context with fixed texts and dates,
// and the golden-file comparison.
#include <string>

#include "engine/accumulators.h"
#include "reports/report_context.h"

namespace acute::testing {

// Accumulators with the acute bins laid out around calibration mean `mean` (the layout and
// the bin of a value are pinned by the bin tests of the engine).
PopulationAccumulators AcuteBins(float mean);

// One user-day of exposure `x` and sample weight `w`: sums, maximum, bin and totals.
void AddUserDay(PopulationAccumulators& acc, float x, double w);

// Person-days without exposure: totals only.
void AddNonUsers(PopulationAccumulators& acc, double weight, double count);

// Accumulators with the DWLOC bins laid out from calibration mean `mean` down from `top` (T,
// the largest DWLOC possible): T to M in 100 equal steps, then 1 % narrower bins, bins 1475
// and 1476 at 0.
PopulationAccumulators DwlocBins(float mean, float top);

// One person-day (or iteration) of DWLOC `v` and sample weight `w`: sums, smallest DWLOC,
// bin and totals (every person-day of a DWLOC run is accumulated).
void AddDwlocDay(PopulationAccumulators& acc, float v, double w);

// A deterministic single run of database kind 2 with both distributions and headers on, the
// given toxicity endpoints (the code is computed from them) and the given populations.
ReportContext TestContext(float noel, float arfd, bool pad_flag,
                          std::vector<ReportPopulation> populations);

// The same run as a DWLOC run (empty toxicity code) with the given aRfD and PAD flag.
ReportContext DwlocContext(float arfd, bool pad_flag, std::vector<ReportPopulation> populations);

ReportPopulation Standard(const std::string& name, int number, float pad = 0);
ReportPopulation Custom(const std::string& name, int number, float pad = 0);

// Compares `text` with golden file tests/data/reports/`name`; with ACUTE_UPDATE_GOLDEN=1 the
// file is written from `text` first.
void ExpectGolden(const std::string& name, const std::string& text);

}  // namespace acute::testing
