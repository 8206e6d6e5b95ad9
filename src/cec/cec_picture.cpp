#include "cec/cec_picture.h"

#include <cmath>
#include <cstdint>

#include "common/number_picture.h"

namespace acute {
namespace {

constexpr double kPowers[8] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7};

// The decimals of a picture made of "#" and at most one ".", or -1 for any other picture.
int Decimals(std::string_view picture, bool& has_point) {
  has_point = false;
  int decimals = 0;
  for (char c : picture) {
    if (c == '.') {
      if (has_point) return -1;
      has_point = true;
    } else if (c != '#') {
      return -1;
    } else if (has_point) {
      ++decimals;
    }
  }
  return decimals;
}

}  // namespace

std::string CecPicture(double value, std::string_view picture) {
  bool has_point = false;
  const int d = Decimals(picture, has_point);
  const bool single =
      std::isfinite(value) && static_cast<double>(static_cast<float>(value)) == value;
  const bool whole = std::isfinite(value) && std::fabs(value) < 9e15 && std::floor(value) == value;
  if (d < 0 || d > 7 || !(single || whole)) return Picture(value, picture);
  const double scaled = std::round(std::fabs(value) * kPowers[d]);  // exact: see the header
  if (!(scaled < 9e15)) return Picture(value, picture);
  std::string digits = std::to_string(static_cast<std::int64_t>(scaled));
  if (static_cast<int>(digits.size()) <= d) digits.insert(0, d + 1 - digits.size(), '0');
  std::string int_part = digits.substr(0, digits.size() - d);
  std::string frac_part = digits.substr(digits.size() - d);
  const std::size_t nz = int_part.find_first_not_of('0');
  int_part = nz == std::string::npos ? "" : int_part.substr(nz);
  while (!frac_part.empty() && frac_part.back() == '0') frac_part.pop_back();
  const bool zero = int_part.empty() && frac_part.empty();
  std::string text = value < 0 && !zero ? "-" : "";
  text += int_part;
  if (has_point) text += "." + frac_part;
  return AlignNumber(picture, text);
}

}  // namespace acute
