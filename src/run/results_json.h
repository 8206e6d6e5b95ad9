#pragma once
// The pieces the results file is written from: JSON values in the order they are written, a
// figure that is null when it does not exist, and the text of one member of an object.
// Only the results writers include this header.
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace acute::results {

using Json = nlohmann::ordered_json;

// The results file's layout version; a reader checks it before anything else.
inline constexpr const char* kFormatVersion = "1";

// A computed figure at full precision; null when it is not a finite number.
inline Json Figure(double value) {
  return std::isfinite(value) ? Json(value) : Json(nullptr);
}
inline Json Figure(std::optional<double> value) {
  return value ? Figure(*value) : Json(nullptr);
}

// A value entered as a single-precision number (a NOEL, a window bound), in the shortest
// text that reads back as the same single; null when it is not finite.
Json Entered(float value);

// A text as the JSON writer takes it: bytes that are not UTF-8 (a name from an old file in a
// single-byte code page) are read as Latin-1.
Json Text(std::string_view text);

// The value's text; `indent` -1 for one line. Bytes a text could not take are replaced.
std::string Dump(const Json& value, int indent = -1);

// `"key": value` at `indent` spaces, the value laid out with two spaces per level.
std::string MemberText(std::string_view key, const Json& value, int indent = 2);

}  // namespace acute::results
