#include "reports/endpoints.h"

#include <cmath>

namespace acute {

std::int32_t PercentileMoe(float noel, double exposure) {
  if (!(exposure > 0)) return kMoeCap;
  const double moe = static_cast<double>(noel) / exposure;
  if (moe > kMoeCap) return kMoeCap;
  return static_cast<std::int32_t>(std::floor(moe));
}

float PercentOfDose(double exposure, float dose) {
  if (dose == 0) return 0;
  return static_cast<float>(exposure / dose * 100);
}

}  // namespace acute
