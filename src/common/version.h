#pragma once
// The program version printed in report headers and window titles.
namespace acute {
inline constexpr const char* kProgramVersion = "1.0.0";
}  // namespace acute
