// The custom subpopulation dialog: interlocks, the checks of "Definition Complete" in their
// order, what is stored, and that a refused attempt stores nothing.
#include "forms/custom_population_dialog.h"

#include <gtest/gtest.h>

#include "support/scripted_port.h"

namespace acute {
namespace {

using Unit = CustomPopulationDialog::Unit;
using Line = std::array<std::int16_t, 5>;

// A dialog that passes every check: males and females of 4 to 10 years, every race.
CustomPopulationDialog Valid() {
  CustomPopulationDialog d(2);
  d.male = true;
  d.ClickFemaleAll(true);
  d.ClickRace(0, true);
  d.ClickAgeAll(false);
  d.SetAgeText(false, "4");
  d.SetAgeText(true, "10");
  return d;
}

TEST(CustomPopulationDialogTest, LoadAndInterlocks) {
  CustomPopulationDialog nhanes(2);
  EXPECT_TRUE(nhanes.nhanes_note_visible);
  EXPECT_FALSE(nhanes.seasons_enabled || nhanes.regions_enabled);
  EXPECT_TRUE(nhanes.seasons[0] && nhanes.regions[0]);  // a valid choice in disabled frames
  CustomPopulationDialog d(0);
  EXPECT_TRUE(d.seasons_enabled);
  d.ClickSeason(2, false);
  EXPECT_FALSE(d.seasons[0]);
  d.ClickRace(0, true);
  EXPECT_EQ(d.races, (std::array<bool, 5>{true, true, true, true, true}));
  d.ClickFemaleAll(true);
  EXPECT_TRUE(d.female && d.pregnant && d.nursing && d.not_pregnant_not_nursing);
  d.ClickStatus(1, false);
  EXPECT_FALSE(d.female_all);
  EXPECT_TRUE(d.female);
  d.ClickFemale(false);
  EXPECT_FALSE(d.nursing || d.not_pregnant_not_nursing);
  d.ClickStatus(2, true);
  EXPECT_TRUE(d.female);
  d.ClickAgeAll(true);
  EXPECT_FALSE(d.ages_enabled);
  d.ClickAgeAll(false);
  EXPECT_TRUE(d.ages_enabled);
  EXPECT_EQ(d.unit_low, Unit::Years);
  d.SetAgeText(false, "abc");
  EXPECT_EQ(d.age_low, "");
  d.SetAgeText(false, "12");
  EXPECT_EQ(d.age_low, "12");
}

TEST(CustomPopulationDialogTest, ChecksComeInTheirOrder) {
  ScriptedPort port;
  CustomPopulationDialog d(2);
  d.seasons.fill(false);
  d.regions.fill(false);
  d.ClickAgeAll(false);
  EXPECT_FALSE(d.Check(port));
  d.pregnant = true;  // a status box without "Female"
  d.male = true;
  EXPECT_FALSE(d.Check(port));
  d.pregnant = false;
  d.female = true;
  EXPECT_FALSE(d.Check(port));
  d.ClickFemale(false);
  EXPECT_FALSE(d.Check(port));  // ages blank
  d.SetAgeText(false, "1");
  d.SetAgeText(true, "2");
  d.unit_high = Unit::None;
  EXPECT_FALSE(d.Check(port));
  d.unit_high = Unit::Months;
  EXPECT_FALSE(d.Check(port));  // 1 year to 2 months
  d.unit_high = Unit::Years;
  d.SetAgeText(true, "120");
  EXPECT_FALSE(d.Check(port));
  d.SetAgeText(true, "2");
  EXPECT_FALSE(d.Check(port));  // seasons
  d.ClickSeason(0, true);
  EXPECT_FALSE(d.Check(port));  // races
  d.ClickRace(3, true);
  EXPECT_FALSE(d.Check(port));  // nursing status, ages to 3 years
  d.ClickInfants(2, true);
  EXPECT_FALSE(d.Check(port));  // regions
  d.ClickRegion(0, true);
  EXPECT_TRUE(d.Check(port));

  std::vector<std::string> texts;
  for (const auto& m : port.Messages()) texts.push_back(m.title + ": " + m.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "Warning: You must designate sex before subpopulation definition is "
                       "complete.",
                       "Tarn-VELD Acute: You cannot check a pregnant/nursing status category "
                       "without first checking 'females' in the 'Sex' category",
                       "Warning: Checking female in under category 'Sex' requires that you check "
                       "at least one box in the 'Pregnant/Nursing' category.",
                       "Tarn-VELD Acute: Both low age and high age must be specified.",
                       "Warning: You must choose months or years for high age.",
                       "Warning: 'From age' must be lower than 'to age'. Check months/years "
                       "options",
                       "Warning: Ages in years must be between 0 and 99.",
                       "Warning: You must check at least one season category before completing "
                       "this form.",
                       "Warning: You must check at least one race category before completing this "
                       "form.",
                       "Warning: You must check at least one 'nursing status' category before "
                       "completing this form.",
                       "Warning: You must check at least one region before completing this form.",
                   }));
}

TEST(CustomPopulationDialogTest, StoredLines) {
  ScriptedPort port;
  CustomPopulationDialog males(2);
  males.male = true;
  males.ClickRace(0, true);
  males.ClickAgeAll(false);
  males.unit_low = males.unit_high = Unit::Months;
  males.SetAgeText(false, "6");
  males.SetAgeText(true, "11");
  males.ClickInfants(0, true);
  const auto p = males.Check(port);
  ASSERT_TRUE(p) << port.LastMessage();
  EXPECT_EQ(p->crit[3], (Line{1, 0, 0, 0, 0}));
  EXPECT_EQ(p->crit[5], (Line{0, 6, 0, 11, 0}));
  EXPECT_EQ(p->crit[0], (Line{1, 1, 1, 1, 1}));
  EXPECT_EQ(p->crit[4], (Line{1, 1, 1, 0, 0}));

  CustomPopulationDialog older = Valid();  // 4 to 10 years: no nursing status needed
  const auto q = older.Check(port);
  ASSERT_TRUE(q) << port.LastMessage();
  EXPECT_EQ(q->crit[5], (Line{0, 0, 4, 0, 10}));
  EXPECT_EQ(q->crit[3], (Line{1, 1, 1, 1, 1}));
  older.SetAgeText(false, "0");
  older.SetAgeText(true, "99");
  older.ClickInfants(0, true);
  EXPECT_EQ(older.Check(port)->crit[5], (Line{1, 0, 0, 0, 99}));
  EXPECT_TRUE(port.Messages().empty());

  CustomPopulationDialog all_ages = Valid();  // all ages need a nursing status choice
  all_ages.ClickAgeAll(true);
  EXPECT_FALSE(all_ages.Check(port));
  EXPECT_EQ(port.LastMessage(),
            "Warning: You must check at least one 'nursing status' category before completing "
            "this form.");
  all_ages.ClickInfants(1, true);
  const auto a = all_ages.Check(port);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->crit[5], (Line{1, 0, 0, 0, 0}));
  EXPECT_EQ(a->crit[4], (Line{0, 1, 0, 0, 0}));
}

TEST(CustomPopulationDialogTest, APadIsStoredOnlyWhenAboveZero) {
  ScriptedPort port;
  CustomPopulationDialog d = Valid();
  for (const char* text : {"", "0", "-0.5", "nan", "inf", "x"}) {
    d.pad_text = text;
    EXPECT_EQ(d.Check(port)->pad, 0.0f) << text;
  }
  d.pad_text = "0.0025";
  EXPECT_EQ(d.Check(port)->pad, 0.0025f);
}

TEST(CustomPopulationDialogTest, RefusedAttemptLeavesTheEarlierDefinitionWhole) {
  ScriptedPort port;
  MainForm::Custom target;
  target.population.name = "Kids";
  CustomPopulationDialog d = Valid();
  d.pad_text = "0.01";
  ASSERT_TRUE(d.Complete(target, port));
  const MainForm::Custom before = target;
  EXPECT_TRUE(before.defined);
  EXPECT_EQ(before.population.name, "Kids");

  d.male = false;  // a new sex line and aPAD, then refused at the seasons
  d.ClickStatus(1, false);
  d.seasons.fill(false);
  d.pad_text = "9";
  EXPECT_FALSE(d.Complete(target, port));
  EXPECT_EQ(port.LastMessage(),
            "Warning: You must check at least one season category before completing this form.");
  EXPECT_TRUE(target.defined);
  EXPECT_EQ(target.population.crit, before.population.crit);
  EXPECT_EQ(target.population.pad, 0.01f);
}

TEST(CustomPopulationDialogTest, ShowsAStoredDefinitionAgain) {
  ScriptedPort port;
  CustomPopulation p;
  p.crit = {Line{1, 0, 0, 0, 0}, Line{1, 0, 0, 0, 0}, Line{0, 1, 0, 0, 0},
            Line{0, 0, 0, 1, 0}, Line{1, 0, 0, 0, 0}, Line{0, 3, 0, 0, 2}};
  p.pad = 0.5f;
  CustomPopulationDialog d(0);
  d.Show(p);
  EXPECT_TRUE(d.female && d.pregnant && !d.male);
  EXPECT_EQ(d.unit_low, Unit::Months);
  EXPECT_EQ(d.age_low, "3");
  EXPECT_EQ(d.unit_high, Unit::Years);
  EXPECT_EQ(d.pad_text, "0.5");
  const auto back = d.Check(port);
  ASSERT_TRUE(back) << port.LastMessage();
  EXPECT_EQ(back->crit[5], p.crit[5]);
  EXPECT_EQ(back->crit[3], p.crit[3]);
}

}  // namespace
}  // namespace acute
