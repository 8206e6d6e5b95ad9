#pragma once
// What a pass over the survey keeps for the exact percentiles: the values that fall in a few
// flagged bins of each population, each with its survey group (whose sample weight is its
// weight). The weight below a flagged bin comes from the bins themselves, so only the bins
// where a percentile level is reached need their values.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/accumulators.h"

namespace acute {

// One value kept: the person-day value and its survey group.
struct KeptValue {
  float x = 0;
  std::uint32_t group = 0;
};

// The values of one flagged bin of a chunk, in the order they were added, in blocks that are
// never moved: 16 values in the first, twice as many in each next one up to 1,024, so that a
// short list stays small and a long one wastes at most part of one block.
class KeptList {
 public:
  void Add(KeptValue v) {
    if (used_ == capacity_) Grow();
    blocks_.back()[used_++] = v;
    ++size_;
  }
  std::size_t size() const { return size_; }
  // Appends the values to `out` in order and frees the blocks.
  void MoveTo(std::vector<KeptValue>& out);

 private:
  void Grow();
  std::vector<std::unique_ptr<KeptValue[]>> blocks_;
  std::uint32_t used_ = 0;  // of the last block
  std::uint32_t capacity_ = 0;
  std::size_t size_ = 0;
};

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
    if (const std::uint16_t s = plan_->slot[p][bin]; s != 0) lists_[p][s - 1u].Add({x, group_});
  }
  // An acute value at or below 0 (bin 0): kept when below 0, or when every value is kept.
  void AddAtOrBelowZero(std::size_t p, float x) {
    if (x < 0 || plan_->every_value) Add(p, 0, x);
  }
  KeptList& List(std::size_t p, int bin) { return lists_[p][plan_->slot[p][bin] - 1u]; }
  // Frees what population p kept.
  void Free(std::size_t p) { lists_[p].clear(); }

 private:
  const ExactGatherPlan* plan_ = nullptr;
  std::uint32_t group_ = 0;
  std::vector<std::vector<KeptList>> lists_;
};

// A gathering pass: its plan, and what its chunks kept (filled by the pass, in chunk order).
struct ExactGather {
  ExactGatherPlan plan;
  std::vector<ExactChunk> chunks;

  // The values kept from bin `bin` of population p, chunk after chunk (their lists are
  // freed); none when the bin was not kept.
  std::vector<KeptValue> Take(std::size_t p, int bin);
};

}  // namespace acute
