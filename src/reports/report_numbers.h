#pragma once
// The number texts shared by the acute report sections: exposures, margins of exposure and
// percents of dose in their pictures, with the caps printed as texts.
#include <cstdint>
#include <string>

#include "common/number_picture.h"
#include "reports/endpoints.h"

namespace acute {

inline std::string ExposureText(double value) {
  return Picture(value, "####.######");
}

// Percentile-table margin: ">1,000,000" from the cap up.
inline std::string TableMoeText(std::int32_t moe) {
  return moe >= kMoeCap ? ">1,000,000" : Picture(moe, "#,###,###");
}

// Percent of dose: ">10,000" from 10,000 up.
inline std::string PercentText(float pct) {
  return pct >= kPercentCap ? ">10,000" : Picture(pct, "####.##");
}

// Mean-based margin: only a margin above 1,000,000 prints as ">1,000,000".
inline std::string MeanMoeText(double moe) {
  return moe > kMoeCap ? ">1,000,000" : Picture(moe, "##,###,###");
}

}  // namespace acute
