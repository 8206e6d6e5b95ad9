#pragma once
// The window of a critical exposure contribution analysis: the iterations of its preliminary
// pass, each population's boundaries read off the users' distribution of a pass's bins, the
// number of iterations that may produce records and the expected count of records.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/accumulators.h"
#include "engine/analysis_settings.h"
#include "engine/cec_capture.h"
#include "reports/percentiles.h"

namespace acute {

// The iterations M' of the preliminary pass for N requested iterations (1 without Monte
// Carlo).
int PreliminaryIterations(bool monte_carlo, int n);

// The users' distribution of a population as the percentile search reads it.
struct UsersDistribution {
  int top = 0;
  BinBounds bound{};
  BinValues cum{};
  bool empty = true;  // no user-day
  double total = 0;   // the users' weight
};

UsersDistribution UsersDistributionOf(const PopulationAccumulators& a);

// The exposures at the low and the high upper-tail percents (low first, one bin cursor);
// 0 and 0 for a distribution without user-days.
struct WindowExposures {
  double low = 0;
  double high = 0;
};
WindowExposures ExposuresAt(const UsersDistribution& d, float upper_low, float upper_high);

// The window of each population. Percentile basis: the exposures at the settings' percents,
// widened (0.9 x low, 1.1 x high, rounded to single) when `widen`; no high boundary when
// the high percentile is 100. Exposure-amount basis: the amounts for every population (no
// high boundary when the high amount is 0).
std::vector<CecWindow> PopulationWindows(const CecSettings& cec,
                                         const std::vector<UsersDistribution>& users, bool widen);

// The iteration cap K on the percentile basis: 5000 lowered, for each population with a
// tally W (its TotN of the preliminary pass), to Int(40000 / ((W / M') x |(u_low - u_high) /
// 100|)); never below 1.
int IterationCap(const CecSettings& cec, const std::vector<double>& tallies, int m_prime);

// Int(C x N / M'), the records expected on the exposure-amount basis.
std::int64_t ExpectedRecords(std::int64_t count, int n, int m_prime);

// What makes a pass file's CEC block unusable (a value that is not a number, out of range, or
// a window upside down), or "" when it is usable. The main form never writes such a block;
// a pass file from elsewhere may hold one.
std::string CecSettingsFault(const CecSettings& cec);

inline constexpr std::int64_t kMaxExpectedRecords = 50000;
inline constexpr int kMaxRecordIterations = 5000;

}  // namespace acute
