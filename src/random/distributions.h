#pragma once
// The parametric residue distributions, each by inversion of its distribution function:
// one uniform number in, one residue out. Arguments and results are 32-bit floats. The
// formulas are inline so that a loop of draws carries no call per draw.
#include <cmath>

#include "common/distribution_type.h"
#include "common/input_limits.h"

namespace acute {

namespace distribution_detail {
inline float Bounded(float x, float bound) {
  return (bound != 0 && x > bound) ? bound : x;
}
inline float NotNegative(float x) {
  return x < 0 ? 0.0f : x;
}
}  // namespace distribution_detail

inline float UniformVariate(float u, float minimum, float maximum) {
  // The difference in double, the sum rounded to single once.
  const float x = static_cast<float>(minimum + (static_cast<double>(maximum) - minimum) * u);
  return distribution_detail::NotNegative(x);
}

// Without an upper bound, a small shape sends the far tail beyond the float range (a shape
// of 0.001 gives infinity from u = 0.5 on). No residue exceeds the pure substance, so an
// unbounded draw stops there; every draw of a real distribution is far below it.
inline float ParetoVariate(float u, float shape, float scale, float bound) {
  using namespace distribution_detail;
  if (u >= 1) return 0;
  const float x = static_cast<float>(scale / std::pow(1.0 - u, 1.0 / shape));
  return Bounded(NotNegative(x), bound != 0 ? bound : kMaxResidue);
}

inline float TriangularVariate(float u, float minimum, float mode, float maximum) {
  if (maximum == minimum) return maximum;
  const double range = static_cast<double>(maximum) - minimum;  // differences in double
  const float c = static_cast<float>((static_cast<double>(mode) - minimum) / range);
  const float t =
      u <= c ? static_cast<float>(std::sqrt(static_cast<double>(c) * u))
             : static_cast<float>(1.0 - std::sqrt(1.0 - c - u + static_cast<double>(c) * u));
  const float x = static_cast<float>(minimum + static_cast<double>(t) * range);
  return distribution_detail::NotNegative(x);
}

inline float NormalVariate(float u, float mean, float sd, float bound) {
  if (u == 0) u = 1e-7f;
  if (u == 1) u = 0.99999988079071044921875f;
  const float p = u <= 0.5f ? u : static_cast<float>(1.0 - u);
  const float y = static_cast<float>(-std::log(2.0 * p));
  float z = 0;
  if (y != 0) {
    const double yd = y;
    const double y2 = yd * yd;
    const double y3 = y2 * yd;
    const double denominator = 2 * y3 + 56 * y2 + 192 * yd + 131;
    if (denominator != 0)
      z = static_cast<float>(std::sqrt((4 * y3 * yd + 100 * y3 + 205 * y2) / denominator));
  }
  if (u <= 0.5f) z = -z;
  const float x = static_cast<float>(mean + static_cast<double>(sd) * z);
  return distribution_detail::Bounded(x, bound);
}

// The log-scale parameters of a lognormal distribution of arithmetic mean and sd.
struct LognormalShape {
  float mu = 0;
  float sigma = 0;
};
LognormalShape LognormalParameters(float mean, float sd);

// The lognormal variate from parameters computed once (same result as LognormalVariate).
inline float LognormalFromShape(float u, float mean, LognormalShape shape, float bound) {
  using namespace distribution_detail;
  if (!(mean > 0)) return 0;
  const float x =
      static_cast<float>(std::exp(static_cast<double>(NormalVariate(u, shape.mu, shape.sigma, 0))));
  return Bounded(NotNegative(x), bound);
}

inline float LognormalVariate(float u, float mean, float sd, float bound) {
  if (!(mean > 0)) return 0;
  return LognormalFromShape(u, mean, LognormalParameters(mean, sd), bound);
}

// A residue from a parametric distribution with parameters p1 to p3.
inline float ParametricVariate(DistributionType type, float u, float p1, float p2, float p3) {
  switch (type) {
    case DistributionType::Uniform:
      return UniformVariate(u, p1, p2);
    case DistributionType::Pareto:
      return ParetoVariate(u, p1, p2, p3);
    case DistributionType::Triangular:
      return TriangularVariate(u, p1, p2, p3);
    case DistributionType::Normal:
      return NormalVariate(u, p1, p2, p3);
    case DistributionType::Lognormal:
      return LognormalVariate(u, p1, p2, p3);
    default:
      return 0;
  }
}

// The mean residue of a parametric distribution: a uniform one at probability 0.5, the
// others the average of the function at 0.05, 0.15, ..., 0.95.
float ParametricMean(DistributionType type, float p1, float p2, float p3);

}  // namespace acute
