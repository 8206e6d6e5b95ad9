#include "cec/cec_picture.h"

#include <charconv>
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
  if (d < 0 || d > 7 || picture.size() > 24 || !(single || whole)) return Picture(value, picture);
  const double scaled = std::round(std::fabs(value) * kPowers[d]);  // exact: see the header
  if (!(scaled < 9e15)) return Picture(value, picture);
  // The digits, at least d + 1 of them: the whole part, then d decimals.
  char digits[32];
  char* end =
      std::to_chars(digits + 8, digits + sizeof digits, static_cast<std::int64_t>(scaled)).ptr;
  char* begin = digits + 8;
  while (end - begin <= d) *--begin = '0';
  std::string_view int_part(begin, static_cast<std::size_t>(end - begin - d));
  std::string_view frac_part(end - d, static_cast<std::size_t>(d));
  while (!int_part.empty() && int_part.front() == '0') int_part.remove_prefix(1);
  while (!frac_part.empty() && frac_part.back() == '0') frac_part.remove_suffix(1);
  const bool zero = int_part.empty() && frac_part.empty();
  // The text as Picture formats it, then laid into the picture as AlignNumber does.
  char text[40];
  std::size_t n = 0;
  if (value < 0 && !zero) text[n++] = '-';
  for (char c : int_part) text[n++] = c;
  if (has_point) {
    text[n++] = '.';
    for (char c : frac_part) text[n++] = c;
  }
  return AlignNumber(picture, std::string_view(text, n));
}

}  // namespace acute
