#include "engine/exact_gather.h"

namespace acute {

void KeptList::Grow() {
  capacity_ = KeptBlockCapacity(blocks_.size());
  blocks_.push_back(std::make_unique<float[]>(capacity_));
  used_ = 0;
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

}  // namespace acute
