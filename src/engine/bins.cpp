#include "engine/bins.h"

#include <cmath>

namespace acute {

float CalibrationMean(double sum_wx, double sum_w) {
  float m = sum_w > 0 ? static_cast<float>(sum_wx / sum_w) : 0.0f;
  return m > 0 ? m : 0.000001f;  // a mean at or below 0 is taken as a mean of 0
}

void LayOutAcuteBins(PopulationAccumulators& a) {
  const double m = a.m;
  a.log_m = std::log(m);
  a.bound[0] = 0;
  for (int k = 1; k <= 100; ++k) a.bound[k] = static_cast<float>(k * m / 100);
  for (int k = 101; k <= 1475; ++k) a.bound[k] = static_cast<float>(m * std::pow(1.01, k - 100));
  a.bound[1476] = a.bound[1475];
}

int AcuteBin(float x, float m) {
  if (!(x > 0)) return 0;
  return AcuteBinFromLogs(x, std::log(static_cast<double>(x)), m, std::log(static_cast<double>(m)));
}

void LayOutDwlocBins(PopulationAccumulators& a, float largest) {
  const double m = a.m;
  const double t = largest;
  a.log_m = std::log(m);
  a.largest_dwloc = largest;
  for (int k = 0; k <= 100; ++k) a.bound[k] = static_cast<float>(m + (t - m) * (100 - k) / 100);
  for (int k = 101; k <= 1474; ++k) a.bound[k] = static_cast<float>(m * std::pow(0.99, k - 100));
  a.bound[1475] = a.bound[1476] = 0;
}

int DwlocBin(float v, float m, float t) {
  if (!(v > 0)) return 1476;
  if (v > m) {
    // A span of 0 (or a value above the largest possible) lands in the top bin.
    if (!(t > m)) return 0;
    const double k = 100 - std::floor((static_cast<double>(v) - m) * 100 / (t - m));
    return k > 0 ? static_cast<int>(k) : 0;
  }
  const double k = std::floor(std::log(static_cast<double>(v) / m) / std::log(0.99)) + 101;
  if (!(k <= 1475)) return 1475;
  return k < 101 ? 101 : static_cast<int>(k);
}

}  // namespace acute
