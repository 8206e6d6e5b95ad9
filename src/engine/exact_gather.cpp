#include "engine/exact_gather.h"

namespace acute {

ExactGatherPlan ExactGatherPlan::Empty(std::size_t populations) {
  ExactGatherPlan plan;
  plan.keep.assign(populations, std::vector<std::uint8_t>(kBinCount, 0));
  return plan;
}

}  // namespace acute
