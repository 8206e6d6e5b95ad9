#include "engine/exact_search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace acute {
namespace {

// A share of the pilot's weight kept on either side of a level besides its sampling error.
constexpr double kPilotMargin = 0.0001;
// Standard errors of the pilot's cumulative share kept on either side of a level.
constexpr double kPilotErrors = 4;

constexpr int kDwlocZeroBin = kBinCount - 1;

// The weight counted at 0 besides the bins (the non-user person-days per capita) and the
// total of a basis.
struct BasisWeights {
  double outside = 0;
  double total = 0;
};

BasisWeights WeightsOf(const PopulationAccumulators& a, ExactBasis basis, bool dwloc) {
  if (dwloc || basis == ExactBasis::Users) return {0, a.sum_w};
  return {std::max(0.0, a.tot_w - a.sum_w), a.tot_w};
}

bool HasUsers(const PopulationAccumulators& a) {
  return a.sum_w > 0;
}

// The bases a run finds: DWLOC runs have one distribution.
std::vector<ExactBasis> BasesOf(bool dwloc) {
  if (dwloc) return {ExactBasis::Users};
  return {ExactBasis::Users, ExactBasis::PerCapita};
}

// Where a level is reached: the bin, the cumulative weight of the bins before it (the
// non-users included per capita) and the weight to reach.
struct Crossing {
  int bin = 0;
  double before = 0;
  double target = 0;
};

Crossing CrossingOf(const PopulationAccumulators& a, ExactBasis basis, bool dwloc, double share) {
  const BasisWeights w = WeightsOf(a, basis, dwloc);
  Crossing c{0, 0, share * w.total};
  double cumulative = w.outside;
  int last = 0;
  for (int k = 0; k < kBinCount; ++k) {
    if (a.bin_w[k] > 0) last = k;
    const double before = cumulative;
    cumulative += a.bin_w[k];
    if (cumulative >= c.target) return {k, k == 0 ? 0 : before, c.target};
  }
  // Rounding left the sum of the bins short of the target: the level is the top value.
  c.bin = last;
  return c;
}

// True when the value at a crossing of this bin needs no values: a DWLOC of 0.
bool NeedsNoValues(int bin, bool dwloc) {
  return dwloc && bin == kDwlocZeroBin;
}

void FlagNear(const PopulationAccumulators& pilot, std::size_t p, ExactBasis basis, bool dwloc,
              double share, ExactGatherPlan& plan) {
  const BasisWeights w = WeightsOf(pilot, basis, dwloc);
  const double n = basis == ExactBasis::Users ? pilot.n : pilot.tot_n;
  const double margin =
      kPilotMargin + kPilotErrors * std::sqrt(share * (1 - share) / std::max(n, 1.0));
  const double low = (share - margin) * w.total;
  const double high = (share + margin) * w.total;
  double cumulative = w.outside;
  for (int k = 0; k < kBinCount; ++k) {
    const double before = k == 0 ? 0 : cumulative;
    cumulative += pilot.bin_w[k];
    if (before > high) break;
    if (cumulative >= low && !NeedsNoValues(k, dwloc)) plan.Keep(p, k);
  }
}

// Values as unsigned keys in the order of the walk: ascending for acute values, descending for
// DWLOC values.
std::uint32_t WalkKey(float x, bool dwloc) {
  std::uint32_t b = std::bit_cast<std::uint32_t>(x);
  b = (b & 0x80000000u) != 0 ? ~b : (b | 0x80000000u);
  return dwloc ? ~b : b;
}

float ValueOfKey(std::uint32_t key, bool dwloc) {
  if (dwloc) key = ~key;
  return std::bit_cast<float>((key & 0x80000000u) != 0 ? (key & 0x7FFFFFFFu) : ~key);
}

// The values of a 16-bit half of a key.
constexpr std::uint32_t kDigits = 1u << 16;

// The value at a crossing: the first value, in walk order, at which the cumulative weight
// from the weight before the bin reaches the target. The kept values of the bin are read in
// place twice: their weights summed by the upper 16 bits of their keys, then, within the
// upper half where the target is reached, by the lower 16 bits.
float ValueAt(const std::vector<ExactGather*>& gathers, std::size_t p, const Crossing& c,
              bool dwloc, const ConsumptionData& data) {
  if (NeedsNoValues(c.bin, dwloc)) return 0;
  auto each = [&](auto&& f) {
    for (const ExactGather* g : gathers)
      g->ForEach(p, c.bin, [&](std::uint32_t group, float x) {
        f(data.groups[group].sample_weight, WalkKey(x, dwloc));
      });
  };
  std::vector<double> weight(kDigits);
  bool any = false;
  std::uint32_t last = 0;
  each([&](double w, std::uint32_t key) {
    weight[key >> 16] += w;
    any = true;
    last = std::max(last, key);
  });
  double cumulative = c.before;
  std::uint32_t high = 0;
  while (high < kDigits && !(cumulative + weight[high] >= c.target)) cumulative += weight[high++];
  if (high == kDigits) {
    // Acute bin 0 keeps the values below 0: past them the level falls on the zeros.
    if (!dwloc && c.bin == 0) return 0;
    if (!any) throw std::logic_error("a crossing bin of the exact percentiles was not kept");
    // Rounding left the bin's values short of its weight: the level is its last value.
    return ValueOfKey(last, dwloc);
  }
  std::fill(weight.begin(), weight.end(), 0.0);
  std::uint32_t last_in_half = 0;
  each([&](double w, std::uint32_t key) {
    if (key >> 16 != high) return;
    weight[key & 0xFFFFu] += w;
    last_in_half = std::max(last_in_half, key);
  });
  for (std::uint32_t low = 0; low < kDigits; ++low) {
    cumulative += weight[low];
    if (cumulative >= c.target) return ValueOfKey(high << 16 | low, dwloc);
  }
  return ValueOfKey(last_in_half, dwloc);
}

bool Kept(const std::vector<ExactGather*>& gathers, std::size_t p, int bin) {
  return std::any_of(gathers.begin(), gathers.end(),
                     [&](const ExactGather* g) { return g->plan.Keeps(p, bin); });
}

// The exact percentiles of population p.
ExactPercentiles FindFor(const PopulationAccumulators& a, std::size_t p, const ExactLevels& levels,
                         const ConsumptionData& data, const std::vector<ExactGather*>& gathers) {
  const std::size_t count = levels.shares.size();
  ExactPercentiles out{std::vector<std::optional<float>>(count),
                       std::vector<std::optional<float>>(count)};
  if (!HasUsers(a)) return out;
  for (ExactBasis basis : BasesOf(levels.dwloc))
    for (std::size_t i = 0; i < count; ++i) {
      const Crossing c = CrossingOf(a, basis, levels.dwloc, levels.shares[i]);
      if (!NeedsNoValues(c.bin, levels.dwloc) && !Kept(gathers, p, c.bin))
        throw std::logic_error("a crossing bin of the exact percentiles was not kept");
      const float value = ValueAt(gathers, p, c, levels.dwloc, data);
      (basis == ExactBasis::Users ? out.users : out.capita)[i] = value;
    }
  if (levels.dwloc) out.capita = out.users;
  return out;
}

}  // namespace

int CrossingBin(const PopulationAccumulators& a, ExactBasis basis, bool dwloc, double share) {
  return CrossingOf(a, basis, dwloc, share).bin;
}

void FlagPilotBins(const PopulationAccumulators& pilot, std::size_t p, const ExactLevels& levels,
                   ExactGatherPlan& plan) {
  // Acute bin 0 keeps only the values below 0, which are rare: it is always kept.
  if (!levels.dwloc) plan.Keep(p, 0);
  if (!HasUsers(pilot)) return;
  for (ExactBasis basis : BasesOf(levels.dwloc))
    for (double share : levels.shares) FlagNear(pilot, p, basis, levels.dwloc, share, plan);
}

ExactGatherPlan MissingBins(const std::vector<PopulationAccumulators>& main,
                            const ExactLevels& levels, const ExactGatherPlan& kept, bool& missing) {
  ExactGatherPlan plan = ExactGatherPlan::Empty(main.size());
  missing = false;
  for (std::size_t p = 0; p < main.size(); ++p) {
    if (!HasUsers(main[p])) continue;
    for (ExactBasis basis : BasesOf(levels.dwloc))
      for (double share : levels.shares) {
        const int bin = CrossingBin(main[p], basis, levels.dwloc, share);
        if (NeedsNoValues(bin, levels.dwloc) || kept.Keeps(p, bin)) continue;
        plan.Keep(p, bin);
        missing = true;
      }
  }
  return plan;
}

std::vector<ExactPercentiles> FindExactPercentiles(const std::vector<PopulationAccumulators>& main,
                                                   const ExactLevels& levels,
                                                   const ConsumptionData& data,
                                                   std::vector<ExactGather*> gathers) {
  std::vector<ExactPercentiles> out;
  for (std::size_t p = 0; p < main.size(); ++p) {
    out.push_back(FindFor(main[p], p, levels, data, gathers));
    for (ExactGather* g : gathers)
      for (ExactChunk& c : g->chunks) c.Free(p);
  }
  return out;
}

}  // namespace acute
