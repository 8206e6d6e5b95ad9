#include "random/distributions.h"

#include <cmath>

namespace acute {
LognormalShape LognormalParameters(float mean, float sd) {
  const double m = mean;
  const double s = sd;
  LognormalShape shape;
  shape.mu = static_cast<float>(std::log(m * m / std::sqrt(m * m + s * s)));
  shape.sigma = static_cast<float>(std::sqrt(std::log((s / m) * (s / m) + 1)));
  return shape;
}

float ParametricMean(DistributionType type, float p1, float p2, float p3) {
  if (type == DistributionType::Uniform) return UniformVariate(0.5f, p1, p2);
  float sum = 0;
  for (int i = 0; i < 10; ++i) {
    const float p = static_cast<float>(i / 10.0 + 0.05);
    sum += ParametricVariate(type, p, p1, p2, p3);
  }
  return sum / 10;
}

}  // namespace acute
