#pragma once
// What a pass over the survey keeps for the exact percentiles: the values that fall in a few
// flagged bins of each population, each with its survey group (whose sample weight is its
// weight). The weight below a flagged bin comes from the bins themselves, so only the bins
// where a percentile level is reached need their values.
#include <cstdint>
#include <vector>

#include "engine/accumulators.h"

namespace acute {

// One value kept: the person-day value, its survey group and the bin it was added to.
struct KeptValue {
  float x = 0;
  std::uint32_t group = 0;
  std::uint16_t bin = 0;
};

// Which bins of each population (report order) a pass keeps. In acute runs bin 0 keeps only
// the values below 0 (its other values are all 0); `every_value` keeps every value of every
// bin, zeros too.
struct ExactGatherPlan {
  std::vector<std::vector<std::uint8_t>> keep;  // [population][bin]: 1 = keep
  bool every_value = false;

  // A plan for `populations` populations that keeps nothing yet.
  static ExactGatherPlan Empty(std::size_t populations);
  bool Keeps(std::size_t population, int bin) const { return keep[population][bin] != 0; }
};

// What one chunk of a pass keeps, per population, in the order the values were added.
class ExactChunk {
 public:
  ExactChunk() = default;
  explicit ExactChunk(const ExactGatherPlan& plan) : plan_(&plan), values_(plan.keep.size()) {}

  // The survey group whose values come next.
  void StartGroup(std::uint32_t group) { group_ = group; }
  // A value added to bin `bin` of population p.
  void Add(std::size_t p, int bin, float x) {
    if (plan_->every_value || plan_->Keeps(p, bin))
      values_[p].push_back({x, group_, static_cast<std::uint16_t>(bin)});
  }
  // An acute value at or below 0 (bin 0): kept when below 0, or when every value is kept.
  void AddAtOrBelowZero(std::size_t p, float x) {
    if (plan_->every_value || (x < 0 && plan_->Keeps(p, 0))) values_[p].push_back({x, group_, 0});
  }
  std::vector<KeptValue>& Values(std::size_t p) { return values_[p]; }

 private:
  const ExactGatherPlan* plan_ = nullptr;
  std::uint32_t group_ = 0;
  std::vector<std::vector<KeptValue>> values_;
};

// A gathering pass: its plan, and what its chunks kept (filled by the pass, in chunk order).
struct ExactGather {
  ExactGatherPlan plan;
  std::vector<ExactChunk> chunks;

  // Calls f(value) for every value kept for population p, chunk after chunk, freeing each
  // chunk's list once it is read.
  template <typename F>
  void Drain(std::size_t p, F&& f) {
    for (ExactChunk& c : chunks) {
      std::vector<KeptValue>& values = c.Values(p);
      for (const KeptValue& v : values) f(v);
      std::vector<KeptValue>().swap(values);
    }
  }
};

}  // namespace acute
