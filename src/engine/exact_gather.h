#pragma once
// What a pass over the survey keeps for the exact percentiles: the values that fall in a few
// flagged bins of each population, with their survey group (whose sample weight is their
// weight). The weight below a flagged bin comes from the bins themselves, so only the bins
// where a percentile level is reached need their values.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/accumulators.h"

namespace acute {

// The values of one flagged bin of a chunk, in the order they were added: the values in
// blocks that are never moved (16 values in the first, twice as many in each next one up to
// 2,048, so that a short list stays small and a long one wastes at most part of one block),
// and the survey group of each run of values (a group's iterations come one after another).
class KeptList {
 public:
  void Add(std::uint32_t group, float x) {
    if (runs_.empty() || runs_.back().group != group) runs_.push_back({group, 0});
    ++runs_.back().count;
    if (used_ == capacity_) Grow();
    blocks_.back()[used_++] = x;
  }
  // Calls f(group, x) for every value in order.
  template <typename F>
  void ForEach(F&& f) const;

 private:
  struct Run {
    std::uint32_t group = 0;
    std::uint32_t count = 0;
  };
  void Grow();
  std::vector<std::unique_ptr<float[]>> blocks_;
  std::uint32_t used_ = 0;  // of the last block
  std::uint32_t capacity_ = 0;
  std::vector<Run> runs_;
};

// Block i of a list holds 16 x 2^i values, at most 2,048.
inline std::uint32_t KeptBlockCapacity(std::size_t i) {
  return i >= 7 ? 2048u : 16u << i;
}

template <typename F>
void KeptList::ForEach(F&& f) const {
  std::size_t block = 0;
  std::uint32_t at = 0;
  for (const Run& run : runs_)
    for (std::uint32_t k = 0; k < run.count; ++k) {
      if (at == KeptBlockCapacity(block)) {
        ++block;
        at = 0;
      }
      f(run.group, blocks_[block][at++]);
    }
}

// Which bins of each population (report order) a pass keeps: slot[p][bin] is 0 for a bin
// not kept, else 1 + the bin's place among the kept bins. In acute runs bin 0 keeps only the
// values below 0 (its other values are all 0); `every_value` keeps every value of a kept bin,
// zeros too.
struct ExactGatherPlan {
  std::vector<std::vector<std::uint16_t>> slot;
  std::vector<std::uint16_t> slots;  // kept bins per population
  bool every_value = false;

  // A plan for `populations` populations that keeps nothing yet.
  static ExactGatherPlan Empty(std::size_t populations);
  // Keeps bin `bin` of population p too.
  void Keep(std::size_t p, int bin);
  bool Keeps(std::size_t p, int bin) const { return slot[p][bin] != 0; }
};

// What one chunk of a pass keeps, per population and kept bin.
class ExactChunk {
 public:
  ExactChunk() = default;
  explicit ExactChunk(const ExactGatherPlan& plan);

  // The survey group whose values come next.
  void StartGroup(std::uint32_t group) { group_ = group; }
  // A value added to bin `bin` of population p.
  void Add(std::size_t p, int bin, float x) {
    if (const std::uint16_t s = plan_->slot[p][bin]; s != 0) lists_[p][s - 1u].Add(group_, x);
  }
  // An acute value at or below 0 (bin 0): kept when below 0, or when every value is kept.
  void AddAtOrBelowZero(std::size_t p, float x) {
    if (x < 0 || plan_->every_value) Add(p, 0, x);
  }
  const KeptList& List(std::size_t p, int bin) const { return lists_[p][plan_->slot[p][bin] - 1u]; }
  // Frees what population p kept.
  void Free(std::size_t p) { std::vector<KeptList>().swap(lists_[p]); }

 private:
  const ExactGatherPlan* plan_ = nullptr;
  std::uint32_t group_ = 0;
  std::vector<std::vector<KeptList>> lists_;
};

// A gathering pass: its plan, and what its chunks kept (filled by the pass, in chunk order).
struct ExactGather {
  ExactGatherPlan plan;
  std::vector<ExactChunk> chunks;

  // Calls f(group, x) for every value kept from bin `bin` of population p, chunk after
  // chunk; nothing when the bin was not kept.
  template <typename F>
  void ForEach(std::size_t p, int bin, F&& f) const {
    if (!plan.Keeps(p, bin)) return;
    for (const ExactChunk& c : chunks) c.List(p, bin).ForEach(f);
  }
};

}  // namespace acute
