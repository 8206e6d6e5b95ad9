#include "engine/run_tables.h"

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
  r.cum_ratio_total.assign(static_cast<std::size_t>(m.FoodFormCount()) + 1, 0.0f);
  if (!t.monte_carlo) return;
  for (int c = 1; c <= m.RacCount(); ++c) {
    if (t.ResDefRes[c] <= 0 || m.RacFfCount[c] <= 0) continue;
    for (int f = m.RacFirstFf[c]; f < m.RacFirstFf[c] + m.RacFfCount[c]; ++f) {
      float sum = 0;
      for (int i = 1; i <= t.chemical_count; ++i) sum += t.FfRdlRatio[t.At(f, i)];
      r.cum_ratio_total[f] = sum;
    }
  }
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
