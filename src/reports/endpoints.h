#pragma once
// The toxicity endpoints a report shows: which of MOE, % aRfD and % aPAD the toxicity code
// carries, and the margin of exposure and percent of dose of one exposure.
#include <cstdint>
#include <string_view>

namespace acute {

inline constexpr std::int32_t kMoeCap = 1000000;
inline constexpr float kPercentCap = 10000;

inline bool HasMoe(std::string_view code) {
  return code == "N" || code == "NR" || code == "NP";
}
inline bool HasRfdPercent(std::string_view code) {
  return code == "R" || code == "NR";
}
inline bool HasPadPercent(std::string_view code) {
  return code == "P" || code == "NP";
}
inline bool HasPercent(std::string_view code) {
  return HasRfdPercent(code) || HasPadPercent(code);
}
inline bool IsDoubleCode(std::string_view code) {
  return code == "NR" || code == "NP";
}

// The dose a percent is taken of: the population's PAD with the "P" codes when it is not 0,
// else the aRfD (also for a "P" population without a PAD).
inline float DoseFor(std::string_view code, float arfd, float pad) {
  return HasPadPercent(code) && pad != 0 ? pad : arfd;
}

// Margin of exposure at one percentile: Int(NOEL / exposure), capped at 1,000,000 (also for
// an exposure of 0 or less).
std::int32_t PercentileMoe(float noel, double exposure);

// Percent of dose; 0 when there is no dose to compare with.
float PercentOfDose(double exposure, float dose);

// "Percent of aRfD" or "Percent of aPAD", and the "% aRfD" / "% aPAD" column name.
inline std::string_view DoseName(std::string_view code) {
  return HasPadPercent(code) ? "aPAD" : "aRfD";
}

}  // namespace acute
