#include "engine/exact_search.h"

#include <algorithm>
#include <array>
#include <cmath>
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

// The value where the walk over a crossing bin's values (sorted ascending) reaches the
// target: upward for acute values, downward for DWLOC values.
float Walk(const std::vector<KeptValue>& values, const Crossing& c, bool dwloc,
           const ConsumptionData& data) {
  if (NeedsNoValues(c.bin, dwloc)) return 0;
  double cumulative = c.before;
  auto reaches = [&](const KeptValue& v) {
    cumulative += data.groups[v.group].sample_weight;
    return cumulative >= c.target;
  };
  if (dwloc) {
    for (auto v = values.rbegin(); v != values.rend(); ++v)
      if (reaches(*v)) return v->x;
  } else {
    for (const KeptValue& v : values)
      if (reaches(v)) return v.x;
  }
  // Acute bin 0 keeps the values below 0: past them the level falls on the zeros.
  if (!dwloc && c.bin == 0) return 0;
  if (values.empty())
    throw std::logic_error("a crossing bin of the exact percentiles was not kept");
  // Rounding left the bin's values short of its weight: the level is its last value.
  return dwloc ? values.front().x : values.back().x;
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
  // The crossings, and the values of their bins.
  std::array<std::vector<Crossing>, 2> crossings;
  std::array<int, kBinCount> slot_of;
  slot_of.fill(-1);
  std::vector<std::vector<KeptValue>> slots;
  for (ExactBasis basis : BasesOf(levels.dwloc))
    for (double share : levels.shares) {
      const Crossing c = CrossingOf(a, basis, levels.dwloc, share);
      crossings[static_cast<int>(basis)].push_back(c);
      if (slot_of[c.bin] >= 0 || NeedsNoValues(c.bin, levels.dwloc)) continue;
      if (!Kept(gathers, p, c.bin))
        throw std::logic_error("a crossing bin of the exact percentiles was not kept");
      slot_of[c.bin] = static_cast<int>(slots.size());
      slots.emplace_back();
    }
  for (int bin = 0; bin < kBinCount; ++bin) {
    if (slot_of[bin] < 0) continue;
    for (ExactGather* g : gathers) {
      std::vector<KeptValue> kept = g->Take(p, bin);
      auto& values = slots[static_cast<std::size_t>(slot_of[bin])];
      values.insert(values.end(), kept.begin(), kept.end());
    }
  }
  for (auto& values : slots)
    std::sort(values.begin(), values.end(), [](const KeptValue& l, const KeptValue& r) {
      return l.x < r.x || (l.x == r.x && l.group < r.group);
    });
  static const std::vector<KeptValue> kNone;
  auto value_at = [&](const Crossing& c) {
    const int s = slot_of[c.bin];
    return Walk(s >= 0 ? slots[s] : kNone, c, levels.dwloc, data);
  };
  for (std::size_t i = 0; i < count; ++i) {
    out.users[i] = value_at(crossings[0][i]);
    out.capita[i] = levels.dwloc ? out.users[i] : value_at(crossings[1][i]);
  }
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
