#pragma once
// The exposure bins of a population: laid out around the calibration mean, and the bin a
// value falls in, computed directly.
#include <cmath>

#include "engine/accumulators.h"

namespace acute {

// 1 / ln(1.01): the logarithmic bins are each 1 % wider than the one below.
inline const double kInverseLogStep = 1.0 / 0.009950330853168092;

// The calibration mean from the sums of the calibration pass (0 becomes 0.000001, and so
// does a mean below 0, which negative distribution parameters could once give).
float CalibrationMean(double sum_wx, double sum_w);

// 100 equal bins up to the mean, then bins 1 % wider each, bin 1476 above the last bound.
void LayOutAcuteBins(PopulationAccumulators& a);

// The acute bin of an exposure x for calibration mean m > 0: bin 0 for x at or below 0,
// never outside 0 to 1476.
int AcuteBin(float x, float m);

// The same for x > 0 from the natural logarithms of x and m (the logarithm of a value is
// taken once for all the populations it is added to, and only when x / m is 1 or more;
// below, log_x is not read). Inline: it runs for every value accumulated.
inline int AcuteBinFromLogs(float x, double log_x, float m, double log_m) {
  if (!(x > 0)) return 0;
  if (x / m < 1) {
    const double k = std::floor(100.0 * x / m) + 1;
    return k > 100 ? 100 : (k < 1 ? 1 : static_cast<int>(k));
  }
  // Compared before the conversion, so that an infinite value lands in the top bin.
  const double k = std::floor((log_x - log_m) * kInverseLogStep) + 101;
  if (!(k <= 1475)) return 1476;
  return k < 101 ? 101 : static_cast<int>(k);
}

// The DWLOC bins, descending: from T (the largest DWLOC possible) down to the calibration
// mean in 100 equal steps, then each bin 1 % narrower, bins 1475 and 1476 at 0.
void LayOutDwlocBins(PopulationAccumulators& a, float largest);

// The DWLOC bin of a value v for calibration mean m > 0 and largest DWLOC t: bin 1476 for v
// at or below 0, never outside 0 to 1476.
int DwlocBin(float v, float m, float t);

}  // namespace acute
