// The consumption files: a body weight, an amount of food or a sample weight that cannot be
// one ends the run with the damaged-file message naming the file and the person.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "common/errors.h"
#include "engine/consumption_data.h"
#include "engine/exposure.h"
#include "support/scripted_port.h"
#include "support/survey_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::FixturePerson;

// Ten food forms in the master list.
const SurveyLayout kDailyTotals{2, false, 10};
const SurveyLayout kOccasions{2, true, 10};

ConsumptionFiles SurveyFiles(const testing::ScratchFolder& dir, bool occasions) {
  ConsumptionFiles files;
  files.folder = dir.path().string() + "/";
  const char list = occasions ? 'B' : 'A';
  for (const char* n : {"", "1", "2", "3", "4"})
    files.names.push_back(*n ? std::string(1, list) + n + ".DAT" : "");
  files.first = 1;
  files.last = 4;
  return files;
}

TEST(ConsumptionFiles, ImpossibleNumbersAreRefused) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<std::pair<std::function<void(FixturePerson&)>, std::string>> cases = {
      {[&](FixturePerson& p) { p.body_weight = nan; }, "a body weight that is not a number"},
      {[&](FixturePerson& p) { p.body_weight = -70; }, "a negative body weight (-70 kg)"},
      {[&](FixturePerson& p) { p.body_weight = 3e38f; }, "a body weight above 1000 kg"},
      {[&](FixturePerson& p) { p.body_weight = 0; }, "a body weight of 0"},
      {[&](FixturePerson& p) { p.day1[0].grams = nan; },
       "member 1 has an amount of food that is not a number"},
      {[&](FixturePerson& p) { p.day1[0].grams = inf; },
       "member 1 has an amount of food that is not a number"},
      {[&](FixturePerson& p) { p.day1[0].grams = -5; },
       "member 1 has a negative amount of food (-5 g)"},
      {[&](FixturePerson& p) { p.day1[0].grams = 1e30f; },
       "member 1 has an amount of food above 100000 g"},
      {[&](FixturePerson& p) { p.sample_weight = -1000; },
       "member 1 has a negative sample weight (-1000)"},
      {[&](FixturePerson& p) { p.day1[0].food_form = 11; },
       "member 1 has a food-form number (11) outside the master food-form list (1 to 10)"},
      {[&](FixturePerson& p) { p.day1[0].food_form = 0; },
       "member 1 has a food-form number (0) outside the master food-form list (1 to 10)"},
      {[&](FixturePerson& p) {
         p.day2 = {{-3, 10}};
       },
       "member 1 has a food-form number (-3) outside the master food-form list (1 to 10)"},
      {[&](FixturePerson& p) { p.day1[0].time = -5; }, "member 1 has a negative eating time (-5)"},
  };
  for (const auto& [change, part] : cases) {
    testing::ScratchFolder dir;
    FixturePerson person;
    person.number = 77;
    person.day1 = {{1, 100}};
    change(person);
    testing::WriteSurvey(dir.path(), {person});
    // The eating time is read from eating-occasion files only.
    const bool occasions = part.find("eating time") != std::string::npos;
    ScriptedPort port;
    EXPECT_THROW(ReadConsumptionData(SurveyFiles(dir, occasions),
                                     occasions ? kOccasions : kDailyTotals, port),
                 RunEnds)
        << part;
    ASSERT_FALSE(port.Messages().empty()) << part;
    EXPECT_EQ(port.Messages().back().title, "Damaged food consumption file");
    EXPECT_EQ(port.LastMessage(), "Damaged food consumption file: The food consumption file " +
                                      (dir / (occasions ? "B1.DAT" : "A1.DAT")).string() +
                                      " is damaged at person 77: " + part +
                                      ". The analysis cannot continue.");
  }
  testing::ScratchFolder dir;
  FixturePerson person;
  person.day1 = {{1, 100000}};
  person.sample_weight = 0;
  testing::WriteSurvey(dir.path(), {person});
  ScriptedPort port;
  EXPECT_EQ(ReadConsumptionData(SurveyFiles(dir, false), kDailyTotals, port).groups.size(), 1u);
}

// An eating time above 2400 stands for the previous entry's time (1 for a day's first
// entry); entries of food forms without residue still pass their time on.
TEST(ConsumptionFiles, TimesAbove2400TakeThePreviousEntrysTime) {
  testing::ScratchFolder dir;
  FixturePerson person;
  person.day1 = {{1, 10, 2500}, {1, 10, 1230}, {2, 10, 1815}, {1, 10, 9999}, {1, 10, 2400}};
  person.day2 = {{1, 10, 2401}};
  testing::WriteSurvey(dir.path(), {person});
  ScriptedPort port;
  const ConsumptionData data = ReadConsumptionData(SurveyFiles(dir, true), kOccasions, port);
  std::vector<float> factor(11, 0);
  factor[1] = 1;  // food form 2 carries no residue
  const SurveyPasses passes = CollectRelevantEntries(data, factor, false, nullptr);
  std::vector<double> hours;
  for (const RelevantEntry& e : passes.entries) hours.push_back(e.hour);
  EXPECT_EQ(hours, (std::vector<double>{DecimalHour(1), DecimalHour(1230), DecimalHour(1815),
                                        DecimalHour(2400), DecimalHour(1)}));
}

}  // namespace
}  // namespace acute
