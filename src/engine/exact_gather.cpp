#include "engine/exact_gather.h"

namespace acute {
namespace {

// Block i holds 16 x 2^i values, at most 1,024.
std::uint32_t BlockCapacity(std::size_t i) {
  return i >= 6 ? 1024u : 16u << i;
}

}  // namespace

void KeptList::Grow() {
  capacity_ = BlockCapacity(blocks_.size());
  blocks_.push_back(std::make_unique<KeptValue[]>(capacity_));
  used_ = 0;
}

void KeptList::MoveTo(std::vector<KeptValue>& out) {
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    const std::uint32_t n = i + 1 == blocks_.size() ? used_ : BlockCapacity(i);
    out.insert(out.end(), blocks_[i].get(), blocks_[i].get() + n);
  }
  blocks_.clear();
  used_ = capacity_ = 0;
  size_ = 0;
}

ExactGatherPlan ExactGatherPlan::Empty(std::size_t populations) {
  ExactGatherPlan plan;
  plan.slot.assign(populations, std::vector<std::uint16_t>(kBinCount, 0));
  plan.slots.assign(populations, 0);
  return plan;
}

void ExactGatherPlan::Keep(std::size_t p, int bin) {
  if (slot[p][bin] == 0) slot[p][bin] = ++slots[p];
}

ExactChunk::ExactChunk(const ExactGatherPlan& plan) : plan_(&plan), lists_(plan.slot.size()) {
  for (std::size_t p = 0; p < lists_.size(); ++p) lists_[p].resize(plan.slots[p]);
}

std::vector<KeptValue> ExactGather::Take(std::size_t p, int bin) {
  std::vector<KeptValue> values;
  if (!plan.Keeps(p, bin)) return values;
  std::size_t count = 0;
  for (ExactChunk& c : chunks) count += c.List(p, bin).size();
  values.reserve(count);
  for (ExactChunk& c : chunks) c.List(p, bin).MoveTo(values);
  return values;
}

}  // namespace acute
