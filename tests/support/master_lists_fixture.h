#pragma once
// Small in-memory master lists for engine tests.
#include <utility>
#include <vector>

#include "inputs/master_lists.h"

namespace acute::testing {

// 559 commodity slots; the given commodities get the given numbers of food forms, numbered
// contiguously from 1 in the order given.
MasterLists SmallMasterLists(const std::vector<std::pair<int, int>>& commodity_forms);

}  // namespace acute::testing
