#pragma once
// The custom subpopulation dialog as a toolkit-free model: its boxes as plain values, their
// click interlocks, and "Definition Complete", which checks every choice in a fixed order
// and only then stores the definition, so a refused attempt leaves the earlier one whole.
#include <array>
#include <optional>
#include <string>

#include "common/user_port.h"
#include "forms/main_form.h"

namespace acute {

class CustomPopulationDialog {
 public:
  enum class Unit { None, Months, Years };
  // A group of an "all" box (index 0) and its single boxes (1..).
  template <std::size_t N>
  using Group = std::array<bool, N>;

  static constexpr const char* kNhanesNote =
      "Note: with NHANES there is no regional or seasonal information.";
  static const std::string& StandingNote();

  // Form load: an NHANES data set (kind other than 0) shows the note and disables the
  // Seasons and Regions frames. The boxes start on "all" seasons and regions.
  explicit CustomPopulationDialog(int database_kind);

  // Shows an existing definition (a population whose dialog opens again, or one given on
  // the command line).
  void Show(const CustomPopulation& population);

  Group<5> seasons{};  // all, spring, summer, fall, winter
  Group<5> regions{};  // all, regions 1 to 4
  Group<5> races{};    // all, Hispanic, NonHispanic White, NonHispanic Black, other
  Group<3> infants{};  // nursing and non-nursing, non-nursing, nursing
  bool male = false;
  bool female = false;
  bool female_all = false;
  bool not_pregnant_not_nursing = false;
  bool pregnant = false;
  bool nursing = false;  // "Lactating"
  bool age_all = false;
  std::string age_low;
  std::string age_high;
  Unit unit_low = Unit::None;
  Unit unit_high = Unit::None;
  bool ages_enabled = true;
  std::string pad_text;

  bool nhanes_note_visible = false;
  bool seasons_enabled = true;
  bool regions_enabled = true;

  // Click on box `index` of a group, leaving it `checked`.
  void ClickSeason(int index, bool checked) { Click(seasons, index, checked); }
  void ClickRegion(int index, bool checked) { Click(regions, index, checked); }
  void ClickRace(int index, bool checked) { Click(races, index, checked); }
  void ClickInfants(int index, bool checked) { Click(infants, index, checked); }
  void ClickFemale(bool checked);
  void ClickFemaleAll(bool checked);
  // The three status boxes: 0 not pregnant/not nursing, 1 pregnant, 2 lactating.
  void ClickStatus(int index, bool checked);
  void ClickAgeAll(bool checked);
  // A change of an age box's text: a text that is not a number empties the box.
  void SetAgeText(bool high, const std::string& text);

  // "Definition Complete": the checks in order; the first refusal shows its message and
  // returns std::nullopt. Otherwise the criterion table and the aPAD.
  std::optional<CustomPopulation> Check(UserPort& port) const;
  // The checks, then the definition stored in `target` (name kept) and marked defined.
  // True when the dialog closes; a refusal leaves `target` as it was.
  bool Complete(MainForm::Custom& target, UserPort& port) const;

  // "Help".
  static void ShowHelp(UserPort& port);

 private:
  template <std::size_t N>
  static void Click(Group<N>& group, int index, bool checked) {
    if (index < 0 || index >= static_cast<int>(N)) return;
    group[static_cast<std::size_t>(index)] = checked;
    if (index == 0 && checked) group.fill(true);
    if (index > 0) group[0] = false;
  }

  bool CheckAges(CustomPopulation& p, UserPort& port) const;
};

}  // namespace acute
