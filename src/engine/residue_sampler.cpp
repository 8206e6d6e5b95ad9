#include "engine/residue_sampler.h"

namespace acute {

ResidueSampler::ResidueSampler(const RunTables& tables, const DistributionTables& distributions,
                               UniformSource& uniforms, bool hold_residues)
    : tables_(tables),
      distributions_(distributions),
      uniforms_(uniforms),
      hold_(hold_residues),
      chemicals_(tables.res.chemical_count),
      held_(tables.cum_ratio_total.size(), 0.0f),
      group_residue_(static_cast<std::size_t>(kMaxWaterGroups) + 1, 0.0f),
      group_drawn_(static_cast<std::size_t>(kMaxWaterGroups) + 1, 0),
      held_record_(tables.cum_ratio_total.size(), 0),
      group_record_(static_cast<std::size_t>(kMaxWaterGroups) + 1, 0) {}

void ResidueSampler::StartIteration() {
  for (int f : held_forms_) held_[f] = 0;
  held_forms_.clear();
  for (int g = 1; g <= tables_.mc.WaterGroupCount; ++g) group_drawn_[g] = 0;
}

int ResidueSampler::ChooseRdl(int f) {
  const ResidueTables& t = tables_.res;
  if (chemicals_ == 1) return t.FfRdlPtr[t.At(f, 1)];
  const float u = uniforms_.Next();
  for (int k = 1; k <= chemicals_; ++k)
    if (u < tables_.mc.CumRatio(k, f)) return t.FfRdlPtr[t.At(f, k)];
  throw ChemicalSelectionError();
}

float ResidueSampler::Residue(int f) {
  const int rdl = ChooseRdl(f);
  if (hold_ && held_[f] != 0) {
    last_record_ = held_record_[f];
    return held_[f] == -1 ? 0.0f : held_[f];
  }
  const int group = tables_.mc.FfWaterGroup.empty() ? 0 : tables_.mc.FfWaterGroup[f];
  if (group > 0 && group_drawn_[group]) {
    last_record_ = group_record_[group];
    return group_residue_[group];
  }
  float r = distributions_.Draw(rdl, uniforms_.Next(), last_record_);
  if (r < 0) r = 0;
  if (group > 0) {
    group_drawn_[group] = 1;
    group_residue_[group] = r;
    group_record_[group] = last_record_;
  }
  if (hold_) {
    held_[f] = r == 0 ? -1.0f : r;
    held_record_[f] = last_record_;
    held_forms_.push_back(f);
  }
  return r;
}

}  // namespace acute
