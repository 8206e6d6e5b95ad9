#include "common/number_picture.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace acute {
namespace {

struct PictureShape {
  std::string prefix;  // literal text before the first placeholder
  std::string suffix;  // literal text after the last placeholder
  bool has_point = false;
  bool grouping = false;
  int decimals = 0;
};

bool IsPlaceholder(char c) {
  return c == '#' || c == '0' || c == '.' || c == ',';
}

PictureShape ParsePicture(std::string_view picture) {
  PictureShape shape;
  std::size_t first = 0;
  while (first < picture.size() && !IsPlaceholder(picture[first])) ++first;
  std::size_t last = picture.size();
  while (last > first && !IsPlaceholder(picture[last - 1])) --last;
  shape.prefix = std::string(picture.substr(0, first));
  shape.suffix = std::string(picture.substr(last));
  bool after_point = false;
  for (std::size_t i = first; i < last; ++i) {
    char c = picture[i];
    if (c == '.') {
      shape.has_point = after_point = true;
    } else if (c == ',') {
      shape.grouping = shape.grouping || !after_point;
    } else if (after_point && (c == '#' || c == '0')) {
      ++shape.decimals;
    }
  }
  return shape;
}

// Exact decimal digits of |v|: integer part and at least `decimals` + 1 fraction digits,
// correct up to the digit after the last kept one.
void ExactDigits(double v, int decimals, std::string& int_part, std::string& frac_part) {
  std::vector<char> buf(1600);
  int precision = decimals + 24;
  std::snprintf(buf.data(), buf.size(), "%.*f", precision, std::fabs(v));
  std::string text(buf.data());
  std::size_t point = text.find('.');
  std::string tail = text.substr(point + 2 + decimals);
  if (tail.find_first_not_of('9') == std::string::npos) {  // a carry may have reached us
    std::snprintf(buf.data(), buf.size(), "%.*f", 1100, std::fabs(v));
    text = buf.data();
    point = text.find('.');
  }
  int_part = text.substr(0, point);
  frac_part = text.substr(point + 1);
}

// Rounds half away from zero to `decimals` fraction digits.
void RoundDigits(std::string& int_part, std::string& frac_part, int decimals) {
  if (static_cast<int>(frac_part.size()) <= decimals) {
    frac_part.append(decimals - frac_part.size(), '0');
    return;
  }
  bool up = frac_part[decimals] >= '5';
  frac_part.resize(decimals);
  if (!up) return;
  std::string all = int_part + frac_part;
  int i = static_cast<int>(all.size()) - 1;
  while (i >= 0 && all[i] == '9') all[i--] = '0';
  if (i < 0)
    all.insert(all.begin(), '1');
  else
    ++all[i];
  int_part = all.substr(0, all.size() - decimals);
  frac_part = all.substr(all.size() - decimals);
}

std::string Group(const std::string& digits) {
  std::string out;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace

std::string FormatPicture(double value, std::string_view picture) {
  PictureShape shape = ParsePicture(picture);
  if (!std::isfinite(value))
    return shape.prefix + (std::isnan(value) ? "NaN" : "Inf") + shape.suffix;
  std::string int_part, frac_part;
  ExactDigits(value, shape.decimals, int_part, frac_part);
  RoundDigits(int_part, frac_part, shape.decimals);
  std::size_t nz = int_part.find_first_not_of('0');
  int_part = nz == std::string::npos ? "" : int_part.substr(nz);
  while (!frac_part.empty() && frac_part.back() == '0') frac_part.pop_back();
  bool zero = int_part.empty() && frac_part.empty();
  std::string body = shape.grouping ? Group(int_part) : int_part;
  if (shape.has_point) body += "." + frac_part;
  std::string sign = (value < 0 && !zero) ? "-" : "";
  return shape.prefix + sign + body + shape.suffix;
}

std::string AlignNumber(std::string_view picture, std::string_view text) {
  const std::size_t length = picture.size();
  const std::size_t p = picture.find('.');
  if (p == std::string_view::npos) {
    const std::string_view t = text.empty() ? std::string_view("0") : text;
    if (t.size() >= length) return std::string(t);
    std::string out(length - t.size(), ' ');
    out.append(t);
    return out;
  }
  const std::string_view t = text == "." ? std::string_view(".0") : text;
  // The template: blanks, then "0." at the picture's point (just "." at its start), then
  // zeros.
  std::string templ(length, '0');
  templ[p] = '.';
  for (std::size_t i = 0; i + 1 < p; ++i) templ[i] = ' ';
  // A text without a point is laid in just after the picture's point; a text that would
  // run past the picture's end is cut there (the result is as wide as the picture).
  const std::size_t q = t.find('.');
  if (q != std::string_view::npos && q > p) return std::string(t);  // wider than the picture
  const std::size_t start = q == std::string_view::npos ? p + 1 : p - q;
  for (std::size_t i = 0; i < t.size() && start + i < templ.size(); ++i) templ[start + i] = t[i];
  return templ;
}

}  // namespace acute
