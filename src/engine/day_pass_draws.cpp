#include "engine/day_pass_draws.h"

#include <algorithm>
#include <span>

#include "engine/residue_columns.h"
#include "engine/residue_sampler.h"

namespace acute {
namespace {
constexpr std::uint32_t kNone = 0xFFFFFFFF;
}

DayPassDraws::DayPassDraws(const RunTables& tables, const DistributionTables& distributions,
                           bool hold_residues)
    : tables_(tables),
      distributions_(distributions),
      hold_(hold_residues),
      chemicals_(tables.res.chemical_count),
      held_slot_(tables.cum_ratio_total.size(), kNone),
      group_slot_(static_cast<std::size_t>(kMaxWaterGroups) + 1, kNone) {}

std::uint32_t DayPassDraws::Plan(const RelevantEntry* entries, std::uint32_t count) {
  positions_.clear();
  entries_.assign(count, EntryUse{});
  const ResidueTables& t = tables_.res;
  const bool groups = !tables_.mc.FfWaterGroup.empty();
  for (std::uint32_t i = 0; i < count; ++i) {
    const int f = entries[i].food_form;
    if (tables_.cum_ratio_total[f] == 0) continue;
    const auto form = static_cast<std::int16_t>(f);
    if (chemicals_ > 1) positions_.push_back({0, form, true, false});
    EntryUse& use = entries_[i];
    const int g = groups ? tables_.mc.FfWaterGroup[f] : 0;
    if (hold_ && held_slot_[f] != kNone) {
      use = {EntryResidue::Held, held_slot_[f]};
      continue;
    }
    if (g > 0 && group_slot_[g] != kNone) {
      use = {EntryResidue::Shared, group_slot_[g]};
      continue;
    }
    use = {EntryResidue::Drawn, static_cast<std::uint32_t>(positions_.size())};
    positions_.push_back({t.FfRdlPtr[t.At(f, 1)], form, false, chemicals_ > 1});
    if (g > 0) group_slot_[g] = use.slot;
    if (hold_) held_slot_[f] = use.slot;
  }
  // Clear the look-ups for the next day pass.
  for (std::uint32_t i = 0; i < count; ++i) {
    const int f = entries[i].food_form;
    held_slot_[f] = kNone;
    if (groups) group_slot_[tables_.mc.FfWaterGroup[f]] = kNone;
  }
  return DrawsPerIteration();
}

int DayPassDraws::ChooseRdl(int f, float u) const {
  const ResidueTables& t = tables_.res;
  for (int k = 1; k <= chemicals_; ++k)
    if (u < tables_.mc.CumRatio(k, f)) return t.FfRdlPtr[t.At(f, k)];
  throw ChemicalSelectionError();
}

// A draw whose distribution is that of the chemical chosen at the position before it.
void DayPassDraws::DrawChosen(std::size_t p, int iterations, bool records) {
  const std::size_t d = positions_.size();
  const int f = positions_[p].food_form;
  for (int k = 0; k < iterations; ++k) {
    const std::size_t at = static_cast<std::size_t>(k) * d + p;
    const int rdl = ChooseRdl(f, uniform_[at - 1]);
    std::int32_t record = 0;
    residue_[at] = residue_columns::Kept(distributions_.Draw(rdl, uniform_[at], record));
    if (records) record_[at] = record;
  }
}

void DayPassDraws::Draw(UniformSource& uniforms, int iterations, bool records) {
  const std::size_t d = positions_.size();
  const std::size_t n = d * static_cast<std::size_t>(iterations);
  if (uniform_.size() < n) {
    uniform_.resize(n);
    residue_.resize(n);
  }
  if (records && record_.size() < n) record_.resize(n);
  if (records) std::fill_n(record_.begin(), n, 0);
  uniforms.Fill(std::span(uniform_.data(), n));
  for (std::size_t p = 0; p < d; ++p) {
    const Position& at = positions_[p];
    if (at.choice) {
      // Checked here, so that a choice that finds no chemical fails as drawn one by one
      // (its residue may be held and never drawn).
      for (int k = 0; k < iterations; ++k)
        ChooseRdl(at.food_form, uniform_[static_cast<std::size_t>(k) * d + p]);
    } else if (at.chosen) {
      DrawChosen(p, iterations, records);
    } else {
      residue_columns::Evaluate(distributions_, at.rdl, uniform_.data() + p, residue_.data() + p,
                                records ? record_.data() + p : nullptr, d, iterations);
    }
  }
}

float DayPassDraws::Residue(int k, std::uint32_t i) const {
  const float r = residue_[Row(k) + Slot(i)];
  // A held residue is kept as -1 for a drawn zero and given back as 0.
  return Kind(i) == EntryResidue::Held && r == 0 ? 0.0f : r;
}

}  // namespace acute
