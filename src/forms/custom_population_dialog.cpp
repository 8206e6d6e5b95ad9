#include "forms/custom_population_dialog.h"

#include <cmath>

#include "common/file_names.h"
#include "common/str.h"
#include "forms/field_checks.h"
#include "forms/refusal.h"

namespace acute {
namespace {

// The title of a message box shown without one: the program's own name.
constexpr const char* kDefaultTitle = "Tarn-VELD Acute";

template <std::size_t N>
bool AnyChecked(const std::array<bool, N>& group) {
  for (bool b : group)
    if (b) return true;
  return false;
}

template <std::size_t N>
bool AllSinglesChecked(const std::array<bool, N>& group) {
  for (std::size_t i = 1; i < N; ++i)
    if (!group[i]) return false;
  return true;
}

template <std::size_t N>
void WriteLine(std::array<std::int16_t, 5>& line, const std::array<bool, N>& group) {
  line.fill(0);
  for (std::size_t i = 0; i < N; ++i) line[i] = group[i] ? 1 : 0;
}

template <std::size_t N>
void ShowLine(std::array<bool, N>& group, const std::array<std::int16_t, 5>& line) {
  for (std::size_t i = 0; i < N; ++i) group[i] = line[i] != 0;
  if (group[0]) group.fill(true);
}

// Rounded to the nearest whole number, halves away from zero.
std::int16_t Whole(double v) {
  return static_cast<std::int16_t>(std::lround(v));
}

}  // namespace

const std::string& CustomPopulationDialog::StandingNote() {
  static const std::string note =
      "Note: At least one box in each frame must be checked to complete this screen (except for "
      "males only, do not check any box in the Pregnant/Nursing Status frame, and for ages above "
      "3 years you do not need to check Nursing Status).";
  return note;
}

CustomPopulationDialog::CustomPopulationDialog(int database_kind) {
  seasons.fill(true);
  regions.fill(true);
  if (database_kind != 0) {
    nhanes_note_visible = true;
    seasons_enabled = regions_enabled = false;
  }
}

void CustomPopulationDialog::Show(const CustomPopulation& p) {
  ShowLine(seasons, p.crit[0]);
  ShowLine(regions, p.crit[1]);
  ShowLine(races, p.crit[2]);
  ShowLine(infants, p.crit[4]);
  const auto& sex = p.crit[3];
  male = sex[0] != 0;
  female_all = sex[1] != 0;
  not_pregnant_not_nursing = female_all || sex[2] != 0;
  pregnant = female_all || sex[3] != 0;
  nursing = female_all || sex[4] != 0;
  female = female_all || not_pregnant_not_nursing || pregnant || nursing;
  const auto& age = p.crit[5];
  ClickAgeAll(age[0] != 0);
  if (!age_all) {
    unit_low = age[1] != 0 ? Unit::Months : Unit::Years;
    age_low = std::to_string(age[1] != 0 ? age[1] : age[2]);
    unit_high = age[3] != 0 ? Unit::Months : Unit::Years;
    age_high = std::to_string(age[3] != 0 ? age[3] : age[4]);
  }
  pad_text = p.pad > 0 ? TrimStr(p.pad) : "";
}

void CustomPopulationDialog::ClickFemale(bool checked) {
  female = checked;
  if (checked) return;
  female_all = not_pregnant_not_nursing = pregnant = nursing = false;
}

void CustomPopulationDialog::ClickFemaleAll(bool checked) {
  female_all = checked;
  if (checked) female = not_pregnant_not_nursing = pregnant = nursing = true;
}

void CustomPopulationDialog::ClickStatus(int index, bool checked) {
  bool* box = index == 0 ? &not_pregnant_not_nursing : index == 1 ? &pregnant : &nursing;
  *box = checked;
  if (checked)
    female = true;
  else
    female_all = false;
}

void CustomPopulationDialog::ClickAgeAll(bool checked) {
  age_all = checked;
  ages_enabled = !checked;
  if (checked) {
    age_low.clear();
    age_high.clear();
  } else {
    unit_low = unit_high = Unit::Years;
  }
}

void CustomPopulationDialog::SetAgeText(bool high, const std::string& text) {
  std::string& box = high ? age_high : age_low;
  box = TrimBlanks(text).empty() || FieldNumber(text) ? text : "";
}

bool CustomPopulationDialog::CheckAges(CustomPopulation& p, UserPort& port) const {
  auto& line = p.crit[5];
  line.fill(0);
  if (age_all) {
    line[0] = 1;
    return true;
  }
  const auto low = FieldNumber(age_low);
  const auto high = FieldNumber(age_high);
  if (!low || !high)
    return Refuse(port, kDefaultTitle, "Both low age and high age must be specified.");
  if (unit_low == Unit::None)
    return Refuse(port, kWarning, "You must choose months or years for low age.");
  if (unit_high == Unit::None)
    return Refuse(port, kWarning, "You must choose months or years for high age.");
  if ((unit_low == Unit::Years && unit_high == Unit::Months) ||
      (unit_low == unit_high && *low > *high))
    return Refuse(port, kWarning,
                  "'From age' must be lower than 'to age'. Check months/years options");
  const auto out_of = [](Unit u, double v, Unit wanted, double top) {
    return u == wanted && !(v >= 0 && v <= top);
  };
  if (out_of(unit_low, *low, Unit::Months, 11) || out_of(unit_high, *high, Unit::Months, 11))
    return Refuse(port, kWarning, "Ages in months must be between 0 and 11.");
  if (out_of(unit_low, *low, Unit::Years, 99) || out_of(unit_high, *high, Unit::Years, 99))
    return Refuse(port, kWarning, "Ages in years must be between 0 and 99.");
  line[unit_low == Unit::Months ? 1 : 2] = Whole(*low);
  line[unit_high == Unit::Months ? 3 : 4] = Whole(*high);
  if (*low == 0 && unit_high == Unit::Years && Whole(*high) == 99) line[0] = 1;
  return true;
}

std::optional<CustomPopulation> CustomPopulationDialog::Check(UserPort& port) const {
  CustomPopulation p;
  if (!male && !female) {
    Refuse(port, kWarning, "You must designate sex before subpopulation definition is complete.");
    return std::nullopt;
  }
  const bool any_status = not_pregnant_not_nursing || pregnant || nursing;
  if (any_status && !female) {
    Refuse(port, kDefaultTitle,
           "You cannot check a pregnant/nursing status category without first checking "
           "'females' in the 'Sex' category");
    return std::nullopt;
  }
  const bool all_status = not_pregnant_not_nursing && pregnant && nursing;
  p.crit[3] = {static_cast<std::int16_t>(male), static_cast<std::int16_t>(female_all || all_status),
               static_cast<std::int16_t>(not_pregnant_not_nursing),
               static_cast<std::int16_t>(pregnant), static_cast<std::int16_t>(nursing)};
  if (female && !any_status) {
    Refuse(port, kWarning,
           "Checking female in under category 'Sex' requires that you check at least one box in "
           "the 'Pregnant/Nursing' category.");
    return std::nullopt;
  }
  if (!CheckAges(p, port)) return std::nullopt;
  WriteLine(p.crit[0], seasons);
  if (AllSinglesChecked(seasons)) p.crit[0][0] = 1;
  if (!AnyChecked(seasons)) {
    Refuse(port, kWarning,
           "You must check at least one season category before completing this form.");
    return std::nullopt;
  }
  WriteLine(p.crit[2], races);
  if (!AnyChecked(races)) {
    Refuse(port, kWarning,
           "You must check at least one race category before completing this form.");
    return std::nullopt;
  }
  WriteLine(p.crit[4], infants);
  // "All Ages" takes in the children of 3 years or less too, so it needs a nursing choice.
  const auto low = FieldNumber(age_low).value_or(0);
  const bool young = age_all || unit_low == Unit::Months || low <= 3;
  if (young && !AnyChecked(infants)) {
    Refuse(port, kWarning,
           "You must check at least one 'nursing status' category before completing this form.");
    return std::nullopt;
  }
  WriteLine(p.crit[1], regions);
  if (!AnyChecked(regions)) {
    Refuse(port, kWarning, "You must check at least one region before completing this form.");
    return std::nullopt;
  }
  if (AllSinglesChecked(regions)) p.crit[1][0] = 1;
  const auto pad = FieldNumber(pad_text);
  p.pad = pad && *pad > 0 ? static_cast<float>(*pad) : 0.0f;
  return p;
}

bool CustomPopulationDialog::Complete(MainForm::Custom& target, UserPort& port) const {
  auto checked = Check(port);
  if (!checked) return false;
  checked->name = target.population.name;
  target.population = *checked;
  target.defined = true;
  return true;
}

void CustomPopulationDialog::ShowHelp(UserPort& port) {
  Tell(port, "Help for Demographics",
       "Infants are ages 0 months to 11 months.\nSetting high age to 99 years includes survey "
       "participants with ages greater than 99.",
       Icon::Information);
}

}  // namespace acute
