#pragma once
// Percentiles read off the binned cumulative distribution: the top bin in use, the
// cumulative percents and the percentile search with its straight-line interpolation.
#include <array>

#include "engine/accumulators.h"

namespace acute {

// Upper-tail percents of the percentile levels. Level i below kSearchedLevelCount stands for
// the (100 - U(i))th percentile, the last level for the maximum.
inline constexpr int kLevelCount = 16;
inline constexpr int kSearchedLevelCount = 15;
inline constexpr int kMaximumLevel = kLevelCount - 1;
inline constexpr std::array<float, kLevelCount> kUpperTail{90.0f, 80.0f, 70.0f, 60.0f, 50.0f, 40.0f,
                                                           30.0f, 20.0f, 10.0f, 5.0f,  2.5f,  1.0f,
                                                           0.5f,  0.25f, 0.1f,  0.0f};

using BinBounds = std::array<float, kBinCount>;
using BinValues = std::array<double, kBinCount>;

// Acute: the highest bin in use. Bin 1476 takes MaxX as its bound when MaxX passes the last
// calibrated bound; empty bins at the top are dropped (down to bin 0); the bound of the top
// bin is lowered to MaxX when it lies above it. `bound` is adjusted in place.
int AcuteTopBin(BinBounds& bound, const BinValues& bin_w, float max_x);

// Acute cumulative upper-tail percents over bins 0..top: the percent of the weight above
// Bound(k), clamped at 0. `outside` is weight counted in bin 0 besides the binned weight
// (the non-users per capita). A total of 0 gives all zeros.
BinValues DescendingCumulative(const BinValues& bin_w, int top, double outside, double total);

// DWLOC cumulative percents over every bin: the percent of the weight at or above Bound(k)
// (bounds descend). A total of 0 gives all zeros.
BinValues AscendingCumulative(const BinValues& bin_w, double total);

// The percentile search. `k` is the bin cursor: it starts at 0 once per distribution and is
// carried from one level to the next, higher one. Returns the exposure at upper-tail
// percent `u`, interpolated linearly in the bin where the search stops; a bin whose
// cumulative span is 0 puts the percentile on the bound.
double DescendingPercentile(const BinValues& cum, const BinBounds& bound, int top, float u, int& k);

// The DWLOC search over ascending cumulative percents (bounds descend with k): the DWLOC that
// 100 - `u` percent of the weight reaches or exceeds. Levels within bin 0 read Bound(0).
double AscendingPercentile(const BinValues& cum, const BinBounds& bound, float u, int& k);

}  // namespace acute
