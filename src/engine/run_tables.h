#pragma once
// The residue tables of a run: the residue file's values expanded to the food forms of the
// master list, water residues cleared in a drinking-water run, and the per-food-form factor
// that folds residue, adjustment factors and unit conversion into one number.
#include <cstdint>
#include <vector>

#include "inputs/master_lists.h"
#include "inputs/residue_tables.h"

namespace acute {

inline constexpr int kDirectWaterAllSources = 532;
inline constexpr int kIndirectWater = 533;
inline constexpr int kFirstTapOrBottled = 549;
inline constexpr int kLastTapOrBottled = 552;
inline constexpr int kFirstIndirectBySource = 553;
inline constexpr int kLastIndirectBySource = 556;

// The Monte Carlo tables of the food forms.
struct MonteCarloTables {
  int chemicals = 0;
  std::vector<float> cum_ratio;  // FfCumRatio(i, f) at f * (chemicals + 1) + i
  std::vector<float> FfMeanResidue;
  std::vector<std::int16_t> FfWaterFlag;
  std::vector<std::int16_t> FfWaterGroup;
  std::vector<std::int16_t> WaterGroupRdl;  // 1 to WaterGroupCount (slot 0 unused)
  int WaterGroupCount = 0;

  float CumRatio(int i, int f) const {
    return cum_ratio[static_cast<std::size_t>(f) * (chemicals + 1) + i];
  }
};

inline constexpr int kMaxWaterGroups = 28;

struct RunTables {
  ResidueTables res;
  // Food-form factor F by master food-form number; 0 = the food form carries no residue.
  std::vector<float> factor;
  // Running sum of the chemical ratios at the last chemical, by food form; 0 = no
  // distribution (always 0 outside Monte Carlo).
  std::vector<float> cum_ratio_total;
  bool water_in_residue_file = false;
  MonteCarloTables mc;
};

// Expands the residue tables (commodity-wide residues to their food forms; water
// commodities cleared in a drinking-water run) and builds the food-form factors.
RunTables BuildRunTables(ResidueTables tables, const MasterLists& master, bool dwloc,
                         bool second_adjustment);

// The mean residue of every food form with distributions (`rdl_mean` by RDL index) and the
// drinking-water flags and groups. Returns false when the drinking-water food forms point
// to more than kMaxWaterGroups distinct distributions.
bool AddMonteCarloTables(RunTables& tables, const MasterLists& master,
                         const std::vector<float>& rdl_mean, bool dwloc);

}  // namespace acute
