#include "cec/cec_ranking.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "common/file_names.h"
#include "common/list_reader.h"

namespace acute {

std::vector<CecChemicalPart> ChemicalParts(const CecLineValues& line, const CumulativeResidues& c) {
  std::vector<CecChemicalPart> parts;
  if (!c.Has(line.record)) return parts;
  const float residue = c.totals[static_cast<std::size_t>(line.record - 1)];
  if (residue == 0) return parts;
  const auto& slot = c.slots[static_cast<std::size_t>(line.record - 1)];
  for (int m = 1; m <= c.count && m <= kCumulativeSlots; ++m) {
    const float rk = slot[m - 1];
    if (rk == 0) continue;
    CecChemicalPart part;
    part.chemical = m;
    part.residue = rk;
    part.contribution_mg = line.contribution_mg * rk / residue;
    part.percent = line.percent * rk / residue;
    parts.push_back(part);
  }
  return parts;
}

float ChemicalPercentOfPair(const CecPair& pair, int chemical) {
  const auto i = static_cast<std::size_t>(chemical - 1);
  if (pair.sum == 0 || i >= pair.chemical_sum.size()) return 0;
  return static_cast<float>(pair.chemical_sum[i] / pair.sum * 100);
}

float ChemicalPercentOfInterval(const RankedSection& r, double sum, bool two_day) {
  if (!(r.total > 0)) return 0;
  double percent = sum / r.total * 100;
  if (two_day) percent /= 2;
  return static_cast<float>(percent);
}

RankedSection RankSection(const CecSection& section, const CecWindow& window,
                          std::int32_t printed_records, bool two_day,
                          const CumulativeResidues* cumulative) {
  const std::size_t chemicals = cumulative ? static_cast<std::size_t>(cumulative->count) : 0;
  RankedSection r;
  r.section = &section;
  r.window = window;
  for (const CecFileRecord* rec : section.records)
    if (window.Holds(rec->e)) r.ranked.push_back(rec);
  std::stable_sort(r.ranked.begin(), r.ranked.end(),
                   [](const CecFileRecord* a, const CecFileRecord* b) { return a->e > b->e; });
  std::map<std::pair<int, int>, std::size_t> index;
  for (const CecFileRecord* rec : r.ranked) {
    const std::int32_t nx = rec->Nx();
    r.represented += nx;
    r.total += static_cast<double>(rec->e) * nx;
    for (const CecLineValues& f : rec->foods) {
      auto [it, added] = index.try_emplace({f.food, f.form}, r.pairs.size());
      if (added)
        r.pairs.push_back(CecPair{f.food, f.form, 0, 0, 0, std::vector<double>(chemicals)});
      CecPair& pair = r.pairs[it->second];
      pair.n += nx;
      pair.sum += static_cast<double>(f.contribution_mg) * nx;
      if (cumulative == nullptr) continue;
      for (const CecChemicalPart& part : ChemicalParts(f, *cumulative))
        pair.chemical_sum[part.chemical - 1] += static_cast<double>(part.contribution_mg) * nx;
    }
  }
  r.chemical_sum.assign(chemicals, 0);
  for (const CecPair& pair : r.pairs)
    for (std::size_t m = 0; m < chemicals; ++m) r.chemical_sum[m] += pair.chemical_sum[m];
  for (CecPair& pair : r.pairs) {
    double percent = r.total > 0 ? pair.sum / r.total * 100 : 0;
    if (two_day) percent /= 2;
    pair.percent = static_cast<float>(percent);
  }
  std::sort(r.pairs.begin(), r.pairs.end(), [](const CecPair& a, const CecPair& b) {
    if (a.percent != b.percent) return a.percent > b.percent;
    if (a.food != b.food) return a.food < b.food;
    return a.form < b.form;
  });
  r.printed = std::min<std::int64_t>(static_cast<std::int64_t>(r.ranked.size()),
                                     std::max<std::int32_t>(printed_records, 0));
  for (std::int64_t i = 0; i < r.printed; ++i) r.printed_represented += r.ranked[i]->Nx();
  return r;
}

}  // namespace acute
