#pragma once
// The type of a residue distribution line. Residue files and the pass file carry it as a
// number; in memory it is this type, which holds any number read (an unknown one included,
// which a run refuses as an illegal type).
#include <cstdint>

namespace acute {

enum class DistributionType : std::int16_t {
  None = 0,    // no distribution line at this index
  Point = -1,  // one residue, parameter 1
  Uniform = 1,
  Pareto = 2,
  Triangular = 3,
  Normal = 4,
  Lognormal = 5,
  Empirical = 6,  // the values of a residue distribution file
  // One residue on a residue file line, as Point; no run draws from it (an illegal type).
  SingleResidue = 7,
};

inline constexpr DistributionType DistributionTypeOf(std::int16_t number) {
  return static_cast<DistributionType>(number);
}

inline constexpr std::int16_t TypeNumber(DistributionType type) {
  return static_cast<std::int16_t>(type);
}

// Uniform, Pareto, triangular, normal or lognormal: a formula of parameters 1 to 3.
inline constexpr bool IsParametric(DistributionType type) {
  return TypeNumber(type) >= 1 && TypeNumber(type) <= 5;
}

// The parameters a residue file line of the type carries.
inline constexpr int ParameterCount(DistributionType type) {
  if (type == DistributionType::Point || type == DistributionType::SingleResidue) return 1;
  if (type == DistributionType::Uniform) return 2;
  return IsParametric(type) ? 3 : 0;
}

}  // namespace acute
