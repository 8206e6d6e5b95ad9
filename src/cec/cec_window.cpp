#include "cec/cec_window.h"

#include <algorithm>
#include <cmath>

namespace acute {

int PreliminaryIterations(bool monte_carlo, int n) {
  if (!monte_carlo) return 1;
  if (n <= 20) return n;
  if (n <= 100) return 20 + (n - 20) / 10;
  return 40 + (n - 100) / 10;
}

UsersDistribution UsersDistributionOf(const PopulationAccumulators& a) {
  UsersDistribution d;
  d.empty = !(a.sum_w > 0);
  d.total = a.sum_w;
  if (d.empty) return d;
  d.bound = a.bound;
  BinValues bin_w = a.bin_w;
  d.top = AcuteTopBin(d.bound, bin_w, a.max_x);
  d.cum = DescendingCumulative(bin_w, d.top, 0, a.sum_w);
  return d;
}

WindowExposures ExposuresAt(const UsersDistribution& d, float upper_low, float upper_high) {
  WindowExposures w;
  if (d.empty) return w;
  int k = 0;
  w.low = DescendingPercentile(d.cum, d.bound, d.top, upper_low, k);
  w.high = DescendingPercentile(d.cum, d.bound, d.top, upper_high, k);
  return w;
}

std::vector<CecWindow> PopulationWindows(const CecSettings& cec,
                                         const std::vector<UsersDistribution>& users, bool widen) {
  std::vector<CecWindow> windows;
  for (const UsersDistribution& d : users) {
    CecWindow w;
    if (!cec.OnPercentiles()) {
      w = {cec.low, cec.high, cec.high != 0};
    } else {
      const WindowExposures x = ExposuresAt(d, cec.HeldLow(), cec.HeldHigh());
      w.low = static_cast<float>(widen ? 0.9 * x.low : x.low);
      w.high = static_cast<float>(widen ? 1.1 * x.high : x.high);
      w.has_high = cec.HeldHigh() != 0;
    }
    windows.push_back(w);
  }
  return windows;
}

int IterationCap(const CecSettings& cec, const std::vector<double>& tallies, int m_prime) {
  double k = kMaxRecordIterations;
  if (cec.OnPercentiles()) {
    const double band = std::fabs((static_cast<double>(cec.HeldLow()) - cec.HeldHigh()) / 100);
    for (double w : tallies) {
      if (w == 0 || band == 0 || m_prime <= 0) continue;
      const double cap = std::floor(40000 / ((w / m_prime) * band));
      if (cap < k) k = cap;
    }
  }
  return std::max(1, static_cast<int>(k));
}

std::string CecSettingsFault(const CecSettings& cec) {
  if (!std::isfinite(cec.low) || !std::isfinite(cec.high) || !std::isfinite(cec.min_percent))
    return "a CEC bound or the minimum contribution is not a number";
  if (cec.max_records < 1 || cec.max_records > 40000)
    return "the number of printed CEC records is not between 1 and 40000";
  if (cec.min_percent < 0 || cec.min_percent > 100)
    return "the minimum contribution is not a percent";
  if (cec.OnPercentiles() && (cec.low < 0 || cec.high > 100 || cec.high <= cec.low))
    return "the CEC percentiles are not a window between 0 and 100";
  if (!cec.OnPercentiles() &&
      (cec.low < 0 || cec.high < 0 || (cec.high != 0 && cec.high <= cec.low)))
    return "the CEC exposure amounts are not a window";
  return "";
}

std::int64_t ExpectedRecords(std::int64_t count, int n, int m_prime) {
  if (m_prime <= 0) return 0;
  return static_cast<std::int64_t>(std::floor(static_cast<double>(count) * n / m_prime));
}

}  // namespace acute
