#pragma once
// The exposure bins of a population: laid out around the calibration mean, and the bin a
// value falls in, computed directly.
#include "engine/accumulators.h"

namespace acute {

// 1 / ln(1.01): the logarithmic bins are each 1 % wider than the one below.
inline const double kInverseLogStep = 1.0 / 0.009950330853168092;

// The calibration mean from the sums of the calibration pass (0 becomes 0.000001).
float CalibrationMean(double sum_wx, double sum_w);

// 100 equal bins up to the mean, then bins 1 % wider each, bin 1476 above the last bound.
void LayOutAcuteBins(PopulationAccumulators& a);

// The acute bin of an exposure x >= 0 for calibration mean m.
int AcuteBin(float x, float m);

}  // namespace acute
