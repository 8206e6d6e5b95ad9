#include "common/str.h"

#include <array>
#include <charconv>
#include <cmath>

namespace acute {
namespace {

template <typename T>
std::string ShortestText(T x) {
  if (std::isnan(x)) return "NaN";
  std::array<char, 400> buf{};  // fixed form of the largest double
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed);
  std::string s(buf.data(), res.ptr);
  if (s == "-0") s = "0";
  return (s[0] == '-') ? s : " " + s;
}

}  // namespace

std::string Str(float x) {
  return ShortestText(x);
}
std::string Str(double x) {
  return ShortestText(x);
}
std::string Str(std::int64_t x) {
  std::string s = std::to_string(x);
  if (x >= 0) s.insert(s.begin(), ' ');
  return s;
}

}  // namespace acute
