// The record file of a critical exposure contribution analysis on a hand-made survey.
#include <gtest/gtest.h>

#include "cec/cec_fixture.h"
#include "cec/cec_window.h"
#include "engine/cec_capture.h"
#include "support/test_support.h"

namespace acute {
namespace {

using CecRecords = testing::CecFixture;

MainForm::Custom CustomPopulation(const std::string& name, int sex_item) {
  MainForm::Custom c;
  c.population.name = name;
  c.population.crit = {{{1, 0, 0, 0, 0},
                        {1, 0, 0, 0, 0},
                        {1, 0, 0, 0, 0},
                        {static_cast<std::int16_t>(sex_item == 0 ? 1 : 0), 0, 0, 0, 0},
                        {1, 0, 0, 0, 0},
                        {1, 0, 0, 0, 0}}};
  if (sex_item != 0) c.population.crit[3][sex_item] = 1;
  c.defined = true;
  return c;
}

TEST_F(CecRecords, DeterministicRunGivesOneRecordPerQualifyingPersonDay) {
  form_.cec_basis = 1;
  form_.cec_low = "0.005";
  form_.cec_high = "0";          // open upwards
  form_.cec_min_percent = "25";  // the commodity 2 line of 102's day 2 is 25 %
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  const std::vector<std::string> lines = Lines("cec1.tmp");
  const std::vector<std::string> header = {
      " 0",
      "",
      "Tarn-VELD Acute Critical Exposure Contribution Analysis (Ver. 1.0.0, 21-07-a)",
      "Test survey",
      "Residue file = " + (dir_ / "residues/TEST.R10").string(),
      "Date and time of analysis: 12/06/2026 10:00:00",
      "Daily totals for food and foodform consumption used.",
      "Adjustment factor #2 not used.",
      "Minimum exposure contribution = 25%",
      "Exposures divided by body weight",
      "",
      "Subpopulations:",
      "   1  U.S. Population",
      "9999",
      ""};
  ASSERT_GT(lines.size(), header.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + header.size()), header);
  // 0.01 = 100 g x 1 ppm / 10 kg / 1000; 103's day 1 (0.0016) lies below the window; 102's
  // day 2: 300 g x 1 ppm / 20 kg = 15 ug/kg and 100 g x 2 ppm x 0.5 / 20 kg = 5 ug/kg of
  // 20 ug/kg.
  const std::vector<std::string> records = {
      " 1,   101,  101,   1,  M,  30Y,   10,   1,    1",
      " 0.01,  1000,  1,  1,  1",
      "      1,  11,   100.0,     1.000000,  1.00,  1.00,  0.01, 100.00",
      "",
      " 2,   102,  102,   1,  M,  30Y,   20,   1,    1",
      " 0.01,  2000,  1,  1,  1",
      "      1,  12,   200.0,     1.000000,  1.00,  1.00,  0.01, 100.00",
      "",
      " 3,   102,  102,   2,  M,  30Y,   20,   2,    1",
      " 0.02,  2000,  2,  1,  1",
      "      1,  13,   300.0,     1.000000,  1.00,  1.00,  0.015,  75.00",
      "      2,  11,   100.0,     2.000000,  0.50,  1.00,  0.005,  25.00",
      "",
      " 4,   103,  103,   2,  F,  4Y,   50,   1,    1",
      " 0.01,  1000,  1,  1,  1",
      "      1,  11,   500.0,     1.000000,  1.00,  1.00,  0.01, 100.00",
      "",
      "Total Number of CEC records =  4"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + header.size(), lines.end()), records);

  // Just above that line's percent it is left out, and the record's NF follows.
  form_.cec_min_percent = "25.01";
  ASSERT_TRUE(Launch());
  EXPECT_EQ(Lines("cec1.tmp")[header.size() + 8],
            " 3,   102,  102,   2,  M,  30Y,   20,   1,    1");
}

TEST_F(CecRecords, TwoDayAverageRecordsAreDayOneAndTheirPercentsAddUp) {
  form_.two_day_average = true;
  form_.cec_basis = 1;
  form_.cec_low = "0.005";
  form_.cec_high = "0";
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  const std::vector<std::string> lines = Lines("cec1.tmp");
  // 102: (200 + 300) g x 1 ppm + 100 g x 2 ppm x 0.5 = 0.6 mg over two days, / 20 kg; the
  // food lines' contributions are whole, their percents halved.
  auto at = std::find(lines.begin(), lines.end(), " 0.015000001,  2000,  3,  1,  1");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at - 1), " 2,   102,  102,   1,  M,  30Y,   20,   3,    1");
  EXPECT_EQ(*(at + 1), "      1,  12,   200.0,     1.000000,  1.00,  1.00,  0.01,  33.33");
  EXPECT_EQ(*(at + 2), "      1,  13,   300.0,     1.000000,  1.00,  1.00,  0.015,  50.00");
  EXPECT_EQ(*(at + 3), "      2,  11,   100.0,     2.000000,  0.50,  1.00,  0.005,  16.67");
  const std::string report = testing::ReadText(dir_ / "cec4.tmp");
  EXPECT_NE(report.find(" (nf = number of foods/ff reported for this 2-day avg exposure amount"),
            std::string::npos);
}

TEST_F(CecRecords, ARecordListsEveryPopulationOfItsPerson) {
  // 103's day 2 (0.01) lies in the window of the women only, yet lists all three.
  MainForm::Custom everyone = CustomPopulation("Everyone", 0);
  everyone.population.crit[3] = {1, 1, 0, 0, 0};  // men and every woman
  form_.custom = {CustomPopulation("Women", 2), everyone};
  form_.cec_basis = 0;
  form_.cec_low = "99";
  form_.cec_high = "100";
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  const std::vector<std::string> lines = Lines("cec1.tmp");
  auto at = std::find(lines.begin(), lines.end(), " 0.01,  1000,  1,  3,  1,  2,  3");
  ASSERT_NE(at, lines.end());
  EXPECT_NE((at - 1)->find("103,  103,   2,  F"), std::string::npos);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "   2  Custom demographics 1: Women"),
            lines.end());
}

TEST(CecDayBuffer, EqualTotalsOfADayPassAreOneRecord) {
  CecDayBuffer buffer;
  buffer.Start(7, 2);
  int made = 0;
  auto residues = [&] {
    ++made;
    return std::vector<CecEntryResidue>{{1.5f, 3}};
  };
  buffer.Add(0.25f, residues);
  buffer.Add(0.5f, residues);
  buffer.Add(0.25f, residues);
  std::vector<CecRawRecord> out;
  buffer.Flush(out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(made, 2);
  EXPECT_EQ(out[0].nx, 2);
  EXPECT_EQ(out[1].nx, 1);
  EXPECT_EQ(out[0].group, 7u);
  EXPECT_EQ(out[0].day, 2);
}

TEST(CecWindow, PreliminaryIterationsAndTheIterationCap) {
  EXPECT_EQ(PreliminaryIterations(false, 500), 1);
  for (const auto& [iterations, preliminary] :
       {std::pair{20, 20}, {21, 20}, {100, 28}, {101, 40}, {5000, 530}})
    EXPECT_EQ(PreliminaryIterations(true, iterations), preliminary) << iterations;
  CecSettings cec;
  cec.low = 99;
  cec.high = 100;
  // 100 person-days per iteration, 1 % of them in the window: 40000 / 1 iterations.
  EXPECT_EQ(IterationCap(cec, {100.0 * 28}, 28), 5000);
  EXPECT_EQ(IterationCap(cec, {100000.0 * 28, 0}, 28), 40);
  // A population so large that the formula gives 0 still records one iteration.
  EXPECT_EQ(IterationCap(cec, {1e9 * 28}, 28), 1);
  cec.basis = CecBasis::Amounts;
  EXPECT_EQ(IterationCap(cec, {1e9 * 28}, 28), 5000);
  EXPECT_EQ(ExpectedRecords(5301, 5000, 530), 50009);
}

}  // namespace
}  // namespace acute
