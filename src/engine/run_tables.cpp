#include "engine/run_tables.h"

#include <algorithm>

namespace acute {
namespace {

void ExpandCommodity(ResidueTables& t, const MasterLists& m, int c) {
  if (t.ResDefRes[c] <= 0) return;
  if (m.RacFfCount[c] == 0) {  // a residue that cannot be eaten
    t.ResDefRes[c] = 0;
    return;
  }
  if (t.ResFormCount[c] != 0) return;
  const int first = m.RacFirstFf[c];
  for (int f = first; f < first + m.RacFfCount[c]; ++f) {
    t.FfRes[f] = t.ResDefRes[c];
    t.FfAdj1[f] = t.ResAdj1[c];
    t.FfAdj2[f] = t.ResAdj2[c];
    if (t.monte_carlo)
      for (int i = 1; i <= t.chemical_count; ++i) {
        t.FfRdlPtr[t.At(f, i)] = t.ResRdlPtr[t.At(c, i)];
        t.FfRdlRatio[t.At(f, i)] = t.ResRdlRatio[t.At(c, i)];
      }
  }
  t.ResFormCount[c] = m.RacFfCount[c];
}

// A water commodity given a commodity residue carries none in a drinking-water run.
void ClearWaterCommodity(ResidueTables& t, const MasterLists& m, int c) {
  if (c > m.RacCount() || t.ResDefRes[c] == 0) return;
  t.ResDefRes[c] = 0;
  const int first = m.RacFirstFf[c];
  for (int f = first; f < first + m.RacFfCount[c]; ++f) {
    t.FfRes[f] = 0;
    t.FfAdj1[f] = 1;
    t.FfAdj2[f] = 1;
    if (t.monte_carlo)
      for (int i = 1; i <= t.chemical_count; ++i) {
        t.FfRdlPtr[t.At(f, i)] = 0;
        t.FfRdlRatio[t.At(f, i)] = 0;
      }
  }
  t.ResFormCount[c] = 0;
}

void BuildCumulativeRatios(RunTables& r, const MasterLists& m) {
  const ResidueTables& t = r.res;
  const std::size_t forms = static_cast<std::size_t>(m.FoodFormCount()) + 1;
  r.cum_ratio_total.assign(forms, 0.0f);
  if (!t.monte_carlo) return;
  MonteCarloTables& mc = r.mc;
  mc.chemicals = t.chemical_count;
  mc.cum_ratio.assign(forms * static_cast<std::size_t>(mc.chemicals + 1), 0.0f);
  for (int c = 1; c <= m.RacCount(); ++c) {
    if (t.ResDefRes[c] <= 0 || m.RacFfCount[c] <= 0) continue;
    for (int f = m.RacFirstFf[c]; f < m.RacFirstFf[c] + m.RacFfCount[c]; ++f) {
      float sum = 0;
      for (int i = 1; i <= t.chemical_count; ++i) {
        sum += t.FfRdlRatio[t.At(f, i)];
        mc.cum_ratio[static_cast<std::size_t>(f) * (mc.chemicals + 1) + i] = sum;
      }
      r.cum_ratio_total[f] = sum;
    }
  }
}

float MeanResidue(const RunTables& r, int f, const std::vector<float>& rdl_mean) {
  const ResidueTables& t = r.res;
  float mean = 0;
  float s = 0;
  for (int i = 1; i <= t.chemical_count; ++i) {
    const int ptr = t.FfRdlPtr[t.At(f, i)];
    const float m = ptr >= 1 && ptr < static_cast<int>(rdl_mean.size()) ? rdl_mean[ptr] : 0.0f;
    if (m == 0) continue;
    mean += m * t.FfRdlRatio[t.At(f, i)];
    s += t.FfRdlRatio[t.At(f, i)];
  }
  return (s > 0 && s < 1) ? mean / s : mean;
}

void FlagWater(RunTables& r, const MasterLists& m, int c, bool every_form) {
  if (c > m.RacCount() || m.RacFfCount[c] == 0) return;
  const int first = m.RacFirstFf[c];
  const int last = every_form ? first + m.RacFfCount[c] - 1 : first;
  for (int f = first; f <= last; ++f) r.mc.FfWaterFlag[f] = 1;
}

bool NumberWaterGroups(RunTables& r, const MasterLists& m) {
  MonteCarloTables& mc = r.mc;
  const ResidueTables& t = r.res;
  mc.WaterGroupRdl.assign(kMaxWaterGroups + 1, 0);
  const int start = std::max(1, static_cast<int>(m.RacFirstFf[kDirectWaterAllSources]));
  for (int f = start; f <= m.FoodFormCount(); ++f) {
    const int ptr = t.FfRdlPtr[t.At(f, 1)];
    if (mc.FfWaterFlag[f] != 1 || ptr == 0) continue;
    int g = 1;
    while (g <= mc.WaterGroupCount && mc.WaterGroupRdl[g] != ptr) ++g;
    if (g > mc.WaterGroupCount) {
      if (mc.WaterGroupCount == kMaxWaterGroups) return false;
      mc.WaterGroupRdl[++mc.WaterGroupCount] = static_cast<std::int16_t>(ptr);
    }
    mc.FfWaterGroup[f] = static_cast<std::int16_t>(g);
  }
  return true;
}

bool IsDirectWater(int c) {
  return c == kDirectWaterAllSources || (c >= kFirstTapOrBottled && c <= kLastTapOrBottled);
}

void BuildFactors(RunTables& r, const MasterLists& m, bool second_adjustment) {
  const ResidueTables& t = r.res;
  r.factor.assign(static_cast<std::size_t>(m.FoodFormCount()) + 1, 0.0f);
  for (int c = 1; c <= m.RacCount(); ++c) {
    if (t.ResFormCount[c] == 0) continue;
    if (IsDirectWater(c)) r.water_in_residue_file = true;
    for (int f = m.RacFirstFf[c]; f < m.RacFirstFf[c] + m.RacFfCount[c]; ++f) {
      if (t.FfRes[f] <= 0 && r.cum_ratio_total[f] <= 0) continue;
      float factor = t.FfAdj1[f] / 1000.0f;
      if (second_adjustment) factor *= t.FfAdj2[f];
      if (r.cum_ratio_total[f] == 0) factor *= t.FfRes[f];
      r.factor[f] = factor;
    }
  }
}

}  // namespace

bool AddMonteCarloTables(RunTables& r, const MasterLists& m, const std::vector<float>& rdl_mean,
                         bool dwloc) {
  MonteCarloTables& mc = r.mc;
  const std::size_t forms = static_cast<std::size_t>(m.FoodFormCount()) + 1;
  mc.FfMeanResidue.assign(forms, 0.0f);
  mc.FfWaterFlag.assign(forms, 0);
  mc.FfWaterGroup.assign(forms, 0);
  mc.WaterGroupCount = 0;
  if (!r.res.monte_carlo || r.res.chemical_count < 1) return true;
  for (int f = 1; f <= m.FoodFormCount(); ++f)
    if (r.cum_ratio_total[f] != 0) mc.FfMeanResidue[f] = MeanResidue(r, f, rdl_mean);
  FlagWater(r, m, kDirectWaterAllSources, false);
  FlagWater(r, m, kIndirectWater, true);
  for (int c = kFirstTapOrBottled; c <= kLastIndirectBySource; ++c) FlagWater(r, m, c, false);
  bool any = false;
  for (int f = 1; f <= m.FoodFormCount(); ++f)
    any = any || (mc.FfWaterFlag[f] == 1 && r.res.FfRdlPtr[r.res.At(f, 1)] != 0);
  if (dwloc || !any) return true;
  return NumberWaterGroups(r, m);
}

RunTables BuildRunTables(ResidueTables tables, const MasterLists& master, bool dwloc,
                         bool second_adjustment) {
  RunTables r;
  r.res = std::move(tables);
  if (dwloc && master.RacCount() >= kDirectWaterAllSources)
    r.res.ResDefRes[kDirectWaterAllSources] = 0;
  for (int c = 1; c <= master.RacCount(); ++c) ExpandCommodity(r.res, master, c);
  if (dwloc) {
    ClearWaterCommodity(r.res, master, kIndirectWater);
    for (int c = kFirstIndirectBySource; c <= kLastIndirectBySource; ++c)
      ClearWaterCommodity(r.res, master, c);
  }
  BuildCumulativeRatios(r, master);
  BuildFactors(r, master, second_adjustment);
  return r;
}

}  // namespace acute
