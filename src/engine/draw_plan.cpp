#include "engine/draw_plan.h"

#include <algorithm>

namespace acute {

std::uint32_t AppendDrawPlan(const RelevantEntry* entries, std::uint32_t count, const RunTables& t,
                             bool hold, std::vector<std::int16_t>& plan) {
  const std::size_t before = plan.size();
  const int chemicals = t.res.chemical_count;
  std::vector<int> held;
  std::vector<int> groups;
  for (std::uint32_t i = 0; i < count; ++i) {
    const int f = entries[i].food_form;
    if (t.cum_ratio_total[f] == 0) continue;
    if (chemicals > 1) plan.push_back(0);
    if (hold && std::find(held.begin(), held.end(), f) != held.end()) continue;
    const int g = t.mc.FfWaterGroup.empty() ? 0 : t.mc.FfWaterGroup[f];
    if (g > 0 && std::find(groups.begin(), groups.end(), g) != groups.end()) continue;
    plan.push_back(t.res.FfRdlPtr[t.res.At(f, 1)]);
    if (g > 0) groups.push_back(g);
    if (hold) held.push_back(f);
  }
  return static_cast<std::uint32_t>(plan.size() - before);
}

}  // namespace acute
