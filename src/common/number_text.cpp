#include "common/number_text.h"

#include <charconv>
#include <cmath>

namespace acute {

std::string NumberText(double value) {
  // Without an exponent over the range of the figures; the shortest form outside it.
  const double size = std::fabs(value);
  const bool plain = size == 0 || (size >= 1e-7 && size < 1e15);
  char text[64];
  const auto end =
      plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr
            : std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace acute
