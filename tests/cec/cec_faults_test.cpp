// What the CEC analysis does where a fixed table or an unchecked look-up would have failed:
// records with many food lines, many critical pairs, ties, households outside the
// demographic file, and requests that a DWLOC run cannot honour.
#include <gtest/gtest.h>

#include "cec/cec_fixture.h"
#include "cec/cec_ranking.h"
#include "cec/cec_report.h"
#include "cec/cec_report_layout.h"
#include "common/errors.h"
#include "engine/pass_file.h"
#include "reports/report_specs.h"
#include "support/scripted_port.h"
#include "support/survey_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

using CecFaults = testing::CecFixture;

TEST_F(CecFaults, ARecordKeepsEveryFoodLineAboveTheMinimum) {
  testing::FixturePerson many;
  many.number = 201;
  many.body_weight = 10;
  for (int i = 0; i < 45; ++i) many.day1.push_back({static_cast<std::int16_t>(1 + i % 3), 1});
  testing::WriteSurvey(dir_ / "survey", {many});
  form_.cec_basis = 1;
  form_.cec_low = "0";
  form_.cec_high = "0";
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  const auto lines = Lines("cec1.tmp");
  auto at = std::find_if(lines.begin(), lines.end(),
                         [](const std::string& l) { return l.rfind(" 1,   201,", 0) == 0; });
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*at, " 1,   201,  201,   1,  M,  30Y,   10,   45,    1");
  EXPECT_EQ((at + 47)->size(), 0u);        // 45 food lines, then the empty line
  EXPECT_EQ((at + 46)->find("    "), 0u);  // the 45th food line
  EXPECT_TRUE(testing::ReadText(dir_ / "cec4.tmp")
                  .find("Number of actual records in this "
                        "interval: 1") != std::string::npos);
}

// One section of `records` copies of a record with `pairs` food lines.
CecSections SectionOfPairs(int pairs, float e, int records = 1) {
  CecSections all;
  CecSection s;
  s.number = 1;
  s.name = "Everyone";
  CecFileRecord r;
  r.line1 = " 1,   1,  1,   1,  M,  30Y,   70,   1,    1";
  r.e = e;
  for (int i = 0; i < pairs; ++i) {
    r.food_lines.push_back("    " + std::to_string(1 + i / 100) + ", " + std::to_string(i % 100) +
                           ",   1.0,     1.000000,  1.00,  1.00,  0.001,   1.00");
    r.foods.push_back(ParseFoodLine(r.food_lines.back()));
  }
  for (int i = 0; i < records; ++i) {
    all.records.push_back(r);
    s.records.push_back(&all.records.back());
  }
  all.list.push_back(s);
  return all;
}

TEST(CecRanking, NoLimitOnPairsAndTiesInFoodThenFormOrder) {
  const CecSections s = SectionOfPairs(1200, 1.2f);
  const RankedSection r = RankSection(s.list[0], {0, 0, false}, 10, false);
  ASSERT_EQ(r.pairs.size(), 1200u);
  // Equal percents: food index, then food form, order.
  EXPECT_EQ(r.pairs[0].food, 1);
  EXPECT_EQ(r.pairs[0].form, 0);
  EXPECT_EQ(r.pairs[1].form, 1);
  EXPECT_EQ(r.pairs[100].food, 2);
  EXPECT_NEAR(r.pairs[0].percent, 0.001 / 1.2 * 100, 1e-6);
}

TEST(CecRanking, EqualTotalsKeepRecordOrder) {
  CecSections s = SectionOfPairs(1, 0.5f, 3);
  s.records[1].e = 0.7f;
  const RankedSection r = RankSection(s.list[0], {0, 0, false}, 10, false);
  ASSERT_EQ(r.ranked.size(), 3u);
  EXPECT_EQ(r.ranked[0], &s.records[1]);
  EXPECT_EQ(r.ranked[1], &s.records[0]);
  EXPECT_EQ(r.ranked[2], &s.records[2]);
}

TEST(CecHouseholds, ReadByPersonAndRefusedOutsideTheFile) {
  // Person 2: household 31415, person 7.
  std::vector<std::uint8_t> bytes = {1, 0, 0, 0, 1, 0, 0xB7, 0x7A, 0, 0, 7, 0};
  EXPECT_EQ(HouseholdText(0, "2", "2", bytes, "HHDEMO.DAT"), "31415-07");
  EXPECT_EQ(HouseholdText(2, "2", "4711", bytes, "HHDEMO.DAT"), " 4711");
  try {
    HouseholdText(0, "3", "3", bytes, "/data/HHDEMO.DAT");
    FAIL() << "a person outside the file was read";
  } catch (const CecFileError& e) {
    EXPECT_NE(std::string(e.what()).find("/data/HHDEMO.DAT"), std::string::npos);
  }
}

TEST_F(CecFaults, ReportUnitsFollowTheRun) {
  form_.per_kg = false;
  form_.noel = form_.arfd = "";
  form_.cec_basis = 1;
  form_.cec_low = "0.05";
  form_.cec_high = "0";
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  const auto report = Lines("cec4.tmp");
  EXPECT_NE(std::find(report.begin(), report.end(),
                      "Low exposure amount for CEC records (mg/day) =    0.050000"),
            report.end());
}

TEST_F(CecFaults, ADwlocRunAsksAndRunsWithoutCec) {
  form_.dwloc_mode = true;
  form_.arfd = "0.02";
  port_.answers = {Answer::Cancel};
  EXPECT_FALSE(Launch());
  EXPECT_EQ(port_.Messages().back().title, "DWLOC analysis");
  port_ = ScriptedPort{};
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  EXPECT_EQ(port_.LastMessage().find("CEC file saved"), std::string::npos);
}

TEST_F(CecFaults, TheEngineRefusesCecInADwlocPassFile) {
  form_.cec_basis = 0;
  AnalysisSettings s = SettingsFromForm(form_, session_);
  s.dwloc = true;
  s.arfd = 0.02f;
  ASSERT_TRUE(WritePassFile(session_.folder / kPassFileName, s, {2, 3}));
  EngineRequest request{session_, FormSettingsFromForm(form_), DefaultReportSpecs(), "", ""};
  EngineOutcome outcome = RunEngine(request, port_);
  EXPECT_FALSE(outcome.completed);
  EXPECT_EQ(port_.LastMessage(),
            "Tarn-VELD Acute Module: CEC file will not be generated in DWLOC mode. Use Acute "
            "analysis mode to generate CEC file for this chemical.");
}

TEST_F(CecFaults, APassFileWithAnUnusableCecBlockIsRefused) {
  form_.cec_basis = 0;
  AnalysisSettings s = SettingsFromForm(form_, session_);
  std::string text = PassFileText(s, {2, 3});
  const std::string window = " 99            100 ";
  const std::size_t at = text.rfind(window);
  ASSERT_NE(at, std::string::npos) << text;
  text.replace(at, window.size(), " nan           100 ");
  testing::WriteText(session_.folder / kPassFileName, text);
  EngineRequest request{session_, FormSettingsFromForm(form_), DefaultReportSpecs(), "", ""};
  // The pass file reader refuses a number that is not finite before the CEC checks see it.
  EXPECT_THROW(RunEngine(request, port_), ProgramEnds);
  EXPECT_NE(port_.LastMessage().find("The pass file tarnpass.tmp cannot be read at line"),
            std::string::npos)
      << port_.LastMessage();
}

}  // namespace
}  // namespace acute
