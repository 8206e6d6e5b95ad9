#include "engine/populations.h"

#include <cstring>

namespace acute {
namespace {

int Digit(char c) {
  return (c >= '0' && c <= '9') ? c - '0' : 0;
}

std::int16_t Season(int m, int d) {
  if ((m == 3 && d > 20) || m == 4 || m == 5 || (m == 6 && d < 21)) return 1;
  if ((m == 6 && d > 20) || m == 7 || m == 8 || (m == 9 && d < 21)) return 2;
  if ((m == 9 && d > 20) || m == 10 || m == 11 || (m == 12 && d < 21)) return 3;
  return 4;
}

std::int16_t AgeSexGroup(const MemberFacts& f) {
  const bool female = f.sex == '2';
  if (f.age <= 0) return f.nursing == '1' ? 1 : 2;
  if (female && f.age > 12) {
    if (f.female_status == '1') return 3;
    if (f.female_status == '2' || f.female_status == '3') return 4;
    return f.age < 20 ? 8 : 10;
  }
  if (f.age < 7) return 5;
  if (f.age < 13) return 6;
  return f.age < 20 ? 7 : 9;
}

std::int16_t SpecialGroup(const MemberFacts& f) {
  if (f.sex == '2' && f.age >= 13 && f.age <= 50) return 3;
  if (f.age <= 0) return 2;
  if (f.age >= 55) return 1;
  return 0;
}

std::int16_t AgeClass(int age) {
  if (age >= 50) return 6;
  if (age >= 20) return 5;
  if (age >= 13) return 4;
  if (age >= 6) return 3;
  if (age >= 3) return 2;
  if (age >= 1) return 1;
  return 0;
}

std::int16_t Race(const MemberFacts& f, int kind) {
  if (kind == 0) {
    if (f.hispanic != '\0' && std::strchr("1234", f.hispanic)) return 1;
    return f.race == '1' ? 2 : f.race == '2' ? 3 : 4;
  }
  int r = Digit(f.race);
  return static_cast<std::int16_t>(r >= 1 && r <= 4 ? r : 0);
}

// Criterion lines 1 to 3: the item numbered by the attribute value (0: item 0), or item 0.
bool ItemAdmits(const std::array<std::int16_t, 5>& items, int value) {
  if (items[0] == 1) return true;
  return value >= 0 && value <= 4 && items[value] == 1;
}

bool SexAdmits(const std::array<std::int16_t, 5>& items, const Attributes& a) {
  if (a[5] == 1) return items[0] == 1;
  if (items[1] == 1) return true;
  const int status = a[6];
  if (status == 4) return items[2] == 1;
  if (status == 1) return items[3] == 1;
  if (status == 2 || status == 3) return items[4] == 1;
  return false;
}

bool NursingAdmits(const std::array<std::int16_t, 5>& items, const Attributes& a) {
  const bool child = a[4] <= 3;  // infants have age in years 0
  if (!child) return true;
  if (items[0] == 1) return true;
  return (a[6] == 6 && items[1] == 1) || (a[6] == 5 && items[2] == 1);
}

bool AgeAdmits(const std::array<std::int16_t, 5>& items, const Attributes& a) {
  if (items[0] == 1) return true;
  const bool low_years = items[2] != 0;
  const bool high_years = items[4] != 0;
  const bool infant = a[4] == 0;
  if (!low_years && !high_years) return infant && items[1] <= a[3] && a[3] <= items[3];
  if (!low_years && high_years) {
    const int months = infant ? a[3] : 12;
    return months >= items[1] && a[4] <= items[4];
  }
  if (low_years && high_years) return items[2] <= a[4] && a[4] <= items[4];
  return false;  // years to months: refused by the dialog
}

}  // namespace

Attributes DeriveAttributes(const MemberFacts& f, int kind) {
  Attributes a{};
  if (kind == 0) {
    a[1] = Season(f.month, f.day);
    a[2] = static_cast<std::int16_t>(Digit(f.region));
  }
  a[3] = static_cast<std::int16_t>(f.age <= 0 ? -f.age : 0);
  a[4] = static_cast<std::int16_t>(f.age > 0 ? f.age : 0);
  a[5] = static_cast<std::int16_t>(Digit(f.sex));
  const int status = Digit(f.female_status);
  if (status >= 1 && status <= 4) a[6] = static_cast<std::int16_t>(status);
  if (f.age <= 3) a[6] = f.nursing == '1' ? 5 : 6;
  a[7] = Race(f, kind);
  a[8] = AgeSexGroup(f);
  a[11] = a[2];
  a[12] = SpecialGroup(f);
  a[13] = AgeClass(f.age);
  a[14] = (f.sex == '2' && f.age >= 13 && f.age <= 49) ? 1 : 0;
  return a;
}

std::vector<StandardRule> StandardPopulationRules(int kind) {
  std::vector<StandardRule> r(1);
  r.push_back({0, 0});
  auto add = [&](int attribute, std::initializer_list<int> values) {
    for (int v : values) r.push_back({attribute, v});
  };
  if (kind == 0) {
    add(1, {1, 2, 3, 4});
    add(2, {1, 2, 3, 4});
    add(7, {1, 2, 3, 4});
    add(12, {2});
    add(8, {1, 2, 5, 6});
    add(8, {3, 4, 8, 10});
    add(12, {3});
    add(8, {7});
    add(8, {9});
    add(12, {1});
    add(13, {1, 2, 3, 4, 5, 6});
    add(14, {1});
  } else {
    add(7, {1, 2, 3, 4});
    add(8, {1, 2, 3, 5});
    add(8, {6, 7, 8, 9});
    add(8, {10});
    add(12, {1, 2, 3});
    add(13, {1});
    add(13, {2, 3, 4, 5});
    add(13, {6});
    add(14, {1});
  }
  return r;
}

bool AdmitsStandard(const StandardRule& rule, const Attributes& a) {
  return rule.attribute == 0 || a[rule.attribute] == rule.value;
}

bool AdmitsCustom(const CustomPopulation& p, const Attributes& a) {
  return ItemAdmits(p.crit[0], a[1]) && ItemAdmits(p.crit[1], a[11]) &&
         ItemAdmits(p.crit[2], a[7]) && SexAdmits(p.crit[3], a) && NursingAdmits(p.crit[4], a) &&
         AgeAdmits(p.crit[5], a);
}

std::vector<SelectedPopulation> SelectPopulations(const AnalysisSettings& s) {
  std::vector<SelectedPopulation> out;
  for (std::size_t i = 0; i < s.standard_selected.size(); ++i)
    if (s.standard_selected[i]) out.push_back({false, static_cast<int>(i) + 1, 0});
  for (std::size_t c = 0; c < s.custom.size(); ++c) out.push_back({true, 0, static_cast<int>(c)});
  return out;
}

std::uint64_t Membership(const std::vector<SelectedPopulation>& selected,
                         const std::vector<StandardRule>& rules, const AnalysisSettings& settings,
                         const Attributes& a) {
  std::uint64_t bits = 0;
  for (std::size_t p = 0; p < selected.size(); ++p) {
    const auto& sp = selected[p];
    bool in = sp.custom ? AdmitsCustom(settings.custom[sp.custom_index], a)
                        : (sp.standard_number < static_cast<int>(rules.size()) &&
                           AdmitsStandard(rules[sp.standard_number], a));
    if (in) bits |= std::uint64_t{1} << p;
  }
  return bits;
}

}  // namespace acute
