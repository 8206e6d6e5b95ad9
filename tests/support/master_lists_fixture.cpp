#include "support/master_lists_fixture.h"

namespace acute::testing {

MasterLists SmallMasterLists(const std::vector<std::pair<int, int>>& commodity_forms) {
  MasterLists m;
  m.RacCode.assign(560, "x");
  m.RacFfCount.assign(560, 0);
  m.RacFirstFf.assign(560, 0);
  int next = 1;
  for (const auto& [c, forms] : commodity_forms) {
    m.RacFfCount[c] = static_cast<std::int16_t>(forms);
    m.RacFirstFf[c] = static_cast<std::int16_t>(next);
    next += forms;
  }
  m.FfCode.assign(static_cast<std::size_t>(next), 0);
  m.FfRac.assign(static_cast<std::size_t>(next), 0);
  return m;
}

}  // namespace acute::testing
