#pragma once
// Exposure bins and the weighted sums of one population.
#include <array>
#include <cstdint>

namespace acute {

inline constexpr int kBinCount = 1477;  // bins 0 .. 1476

struct PopulationAccumulators {
  std::array<float, kBinCount> bound{};   // upper bound of each bin
  std::array<double, kBinCount> bin_w{};  // sum of sample weights per bin
  float m = 0;                            // calibration mean
  double log_m = 0;                       // its natural logarithm
  float largest_dwloc = 0;                // DWLOC runs: T, the top of the bins
  double sum_wx = 0;
  double sum_wx2 = 0;
  double sum_w = 0;
  double n = 0;
  double tot_w = 0;
  double tot_n = 0;
  float max_x = 0;
  float min_v = 10000;
  float max_bw = 0;

  // Clears the sums and bin weights (the bounds and the calibration mean stay).
  void ClearSums() {
    bin_w.fill(0);
    sum_wx = sum_wx2 = sum_w = n = tot_w = tot_n = 0;
    max_x = 0;
    min_v = 10000;
  }
};

}  // namespace acute
