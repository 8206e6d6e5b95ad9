#include "inputs/rdl_parameters.h"

#include <cmath>

#include "common/input_limits.h"
#include "common/str.h"

namespace acute {
namespace {

std::string Negative(const char* what, float value) {
  return value < 0 ? std::string("a negative ") + what + " (" + TrimStr(value) + ")" : "";
}

// The first non-empty problem.
std::string First(std::initializer_list<std::string> problems) {
  for (const std::string& p : problems)
    if (!p.empty()) return p;
  return "";
}

std::string OutOfRange(float p1, float p2, float p3) {
  const float p[] = {p1, p2, p3};
  for (int k = 0; k < 3; ++k)
    if (!(std::fabs(p[k]) <= kMaxResidue))
      return "a parameter " + std::to_string(k + 1) + " beyond the largest residue value (" +
             std::to_string(std::lround(kMaxResidue)) + ")";
  return "";
}

}  // namespace

std::string RdlParameterProblem(DistributionType type, float p1, float p2, float p3) {
  using enum DistributionType;
  switch (type) {
    case Point:
    case SingleResidue:
      return First({OutOfRange(p1, 0, 0), Negative("residue", p1)});
    case Uniform:
    case Triangular: {
      const bool triangular = type == Triangular;
      return First(
          {OutOfRange(p1, p2, triangular ? p3 : 0), Negative("maximum", triangular ? p3 : p2)});
    }
    case Pareto:
      return First({OutOfRange(p1, p2, p3),
                    p1 > 0 ? "" : "a shape that is not above 0 (" + TrimStr(p1) + ")",
                    Negative("scale", p2), Negative("upper bound", p3)});
    case Normal:
    case Lognormal:
      return First({OutOfRange(p1, p2, p3), Negative("mean", p1),
                    Negative("standard deviation", p2), Negative("upper bound", p3)});
    default:
      return "";
  }
}

}  // namespace acute
