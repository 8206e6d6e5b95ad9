// The consumption files: a body weight, an amount of food or a sample weight that cannot be
// one ends the run with the damaged-file message naming the file and the person.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "common/errors.h"
#include "common/scripted_port.h"
#include "engine/consumption_data.h"
#include "support/survey_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::FixturePerson;

ConsumptionFiles SurveyFiles(const testing::ScratchFolder& dir) {
  ConsumptionFiles files;
  files.folder = dir.path().string() + "/";
  files.names = {"", "A1.DAT", "A2.DAT", "A3.DAT", "A4.DAT"};
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
  };
  for (const auto& [change, part] : cases) {
    testing::ScratchFolder dir;
    FixturePerson person;
    person.number = 77;
    person.day1 = {{1, 100}};
    change(person);
    testing::WriteSurvey(dir.path(), {person});
    ScriptedPort port;
    EXPECT_THROW(ReadConsumptionData(SurveyFiles(dir), false, 2, port), RunEnds) << part;
    ASSERT_FALSE(port.Messages().empty()) << part;
    EXPECT_EQ(port.Messages().back().title, "Damaged food consumption file");
    EXPECT_EQ(port.LastMessage(), "Damaged food consumption file: The food consumption file " +
                                      (dir / "A1.DAT").string() + " is damaged at person 77: " +
                                      part + ". The analysis cannot continue.");
  }
  testing::ScratchFolder dir;
  FixturePerson person;
  person.day1 = {{1, 100000}};
  person.sample_weight = 0;
  testing::WriteSurvey(dir.path(), {person});
  ScriptedPort port;
  EXPECT_EQ(ReadConsumptionData(SurveyFiles(dir), false, 2, port).groups.size(), 1u);
}

}  // namespace
}  // namespace acute
