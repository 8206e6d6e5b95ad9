#include "reports/percentiles.h"

#include <algorithm>

namespace acute {

int AcuteTopBin(BinBounds& bound, const BinValues& bin_w, float max_x) {
  int top = kBinCount - 2;
  if (max_x > bound[kBinCount - 2]) {
    bound[kBinCount - 1] = max_x;
    top = kBinCount - 1;
  }
  while (top > 0 && !(bin_w[top] > 0)) --top;
  if (bound[top] > max_x) bound[top] = max_x;
  return top;
}

BinValues DescendingCumulative(const BinValues& bin_w, int top, double outside, double total) {
  BinValues cum{};
  if (total == 0) return cum;
  cum[0] = std::max(0.0, 100 - (outside + bin_w[0]) / total * 100);
  for (int k = 1; k <= top; ++k) cum[k] = std::max(0.0, cum[k - 1] - bin_w[k] / total * 100);
  return cum;
}

BinValues AscendingCumulative(const BinValues& bin_w, double total) {
  BinValues cum{};
  if (total == 0) return cum;
  cum[0] = bin_w[0] / total * 100;
  for (int k = 1; k < kBinCount; ++k) cum[k] = cum[k - 1] + bin_w[k] / total * 100;
  return cum;
}

namespace {

// Straight line from (c0, b0) to (c1, b1) at cumulative percent c; on b1 when c0 == c1.
double Interpolate(double c0, double c1, float b0, float b1, double c) {
  const double span = c0 - c1;
  if (span == 0) return b1;
  return b0 + (static_cast<double>(b1) - b0) * ((c0 - c) / span);
}

}  // namespace

double DescendingPercentile(const BinValues& cum, const BinBounds& bound, int top, float u,
                            int& k) {
  while (static_cast<float>(cum[k]) > u && k < top) ++k;
  if (k == 0) {
    const double span = 100 - cum[0];
    if (span == 0) return bound[0];
    return bound[0] * (100 - static_cast<double>(u)) / span;
  }
  return Interpolate(cum[k - 1], cum[k], bound[k - 1], bound[k], u);
}

double AscendingPercentile(const BinValues& cum, const BinBounds& bound, float u, int& k) {
  const float level = 100 - u;
  while (level > static_cast<float>(cum[k]) && k < kBinCount - 1) ++k;
  // Bin 0 holds the DWLOC of T itself, the largest possible: every level that bin 0
  // covers reads T. (A line from 0 up to T here would make the values rise down the table.)
  if (k == 0) return bound[0];
  return Interpolate(cum[k - 1], cum[k], bound[k - 1], bound[k], level);
}

}  // namespace acute
