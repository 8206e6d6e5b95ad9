#pragma once
// Str(x): the number-to-text rule of report and work-file lines. The shortest decimal text
// that reads back as the same value at the value's own precision, a "0" kept before a
// leading decimal point, and a blank in front when the value is not negative.
#include <cstdint>
#include <string>

namespace acute {

std::string Str(float x);
std::string Str(double x);
std::string Str(std::int64_t x);
inline std::string Str(std::int32_t x) {
  return Str(static_cast<std::int64_t>(x));
}
inline std::string Str(std::int16_t x) {
  return Str(static_cast<std::int64_t>(x));
}

// The same text without the sign blank (Trim(Str(x))).
template <typename T>
std::string TrimStr(T x) {
  std::string s = Str(x);
  return s.empty() || s[0] != ' ' ? s : s.substr(1);
}

}  // namespace acute
