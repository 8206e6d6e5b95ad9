#include "forms/results_numbers.h"

#include <charconv>
#include <cmath>

namespace acute {

double FloatValue(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  double out = 0;
  std::from_chars(text, end, out);
  return out;
}

double PercentileLabel(float label) {
  return std::round(static_cast<double>(label) * 100) / 100;
}

}  // namespace acute
