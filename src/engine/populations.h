#pragma once
// Demographic attributes of a person-day and membership of standard and custom
// populations.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/analysis_settings.h"

namespace acute {

// The 14-entry attribute vector (index 1 to 14; slot 0 unused).
using Attributes = std::array<std::int16_t, 15>;

// The fields of a member and its day record that the attributes come from.
struct MemberFacts {
  std::int16_t age = 0;  // years; infants: months as 0 to -11
  char sex = ' ';
  char race = ' ';
  char hispanic = ' ';
  char female_status = ' ';
  char nursing = ' ';
  char region = ' ';
  std::int16_t month = 0;
  std::int16_t day = 0;
};

Attributes DeriveAttributes(const MemberFacts& facts, int database_kind);

// A standard population other than the whole population: an attribute and its value.
struct StandardRule {
  int attribute = 0;  // 0: everyone (population 1)
  int value = 0;
};

// The rules of the standard populations 1 to S of a database kind (slot 0 unused).
std::vector<StandardRule> StandardPopulationRules(int database_kind);

bool AdmitsStandard(const StandardRule& rule, const Attributes& a);
bool AdmitsCustom(const CustomPopulation& population, const Attributes& a);

// The selected populations of a run, in report order: the selected standard populations in
// table order, then the custom populations.
struct SelectedPopulation {
  bool custom = false;
  int standard_number = 0;  // 1..S for a standard population
  int custom_index = 0;     // 0-based index into AnalysisSettings::custom
};

std::vector<SelectedPopulation> SelectPopulations(const AnalysisSettings& settings);

// Membership of a person-day in the selected populations: bit p for report position p.
std::uint64_t Membership(const std::vector<SelectedPopulation>& selected,
                         const std::vector<StandardRule>& rules, const AnalysisSettings& settings,
                         const Attributes& a);

}  // namespace acute
