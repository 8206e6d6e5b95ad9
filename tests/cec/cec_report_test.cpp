// The CEC report of a deterministic run on the hand-made survey: window lines in the run's
// units, critical foods worked out by hand, records highest first with ties in record
// order, the comma layout with the same numbers, and the copy to the named file.
#include <gtest/gtest.h>

#include <algorithm>

#include "cec/cec_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

using CecReport = testing::CecFixture;

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(CecReport, PlainLayoutOfAHandMadeRun) {
  form_.cec_basis = 1;
  form_.cec_low = "0.005";
  form_.cec_high = "0";
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  EXPECT_NE(port_.LastMessage().find("CEC file saved as file " +
                                     (dir_ / "residues/risk.CEC").string() + "\r\n"),
            std::string::npos);
  const std::vector<std::string> report = Lines("cec4.tmp");
  EXPECT_EQ(testing::ReadText(dir_ / "residues/risk.CEC"), testing::ReadText(dir_ / "cec4.tmp"));
  EXPECT_TRUE(Has(report, "Low exposure amount for CEC records (mg/kg body-wt/day) =    0.005000"));
  EXPECT_TRUE(Has(report, "No high exposure amount for CEC records specified."));
  EXPECT_TRUE(Has(report, "Number of actual records in this interval: 4"));
  // T = 0.02 + 3 x 0.01 = 0.05; food form 11 of commodity 1 gives 0.01 twice.
  EXPECT_TRUE(Has(report, "10000001      11        2    40.00%   Commodity 1-  "));
  EXPECT_TRUE(Has(report, "10000002      11        1    10.00%   Commodity 2-  "));
  EXPECT_TRUE(Has(report, "10000001         4    90.00%    Commodity 1"));
  // Highest total first; the three equal totals in record order (101, 102, 103).
  std::vector<std::string> pids;
  for (const std::string& l : report)
    if (l.find("M    30Y") != std::string::npos || l.find("F    4Y") != std::string::npos)
      pids.push_back(l.substr(1, 5));
  EXPECT_EQ(pids, (std::vector<std::string>{"  102", "  101", "  102", "  103"}));
  EXPECT_TRUE(
      Has(report, "   102    102      2   M    30Y    20.00   2      1    0.0200000    2000"));
  EXPECT_TRUE(
      Has(report, "  10000002     11  100.0    2.000000   0.50   1.00    0.0050000   25.00"));
}

TEST_F(CecReport, CommaLayoutCarriesTheSameNumbers) {
  form_.cec_basis = 1;
  form_.cec_low = "0.005";
  form_.cec_high = "0";
  form_.cec_excel = true;
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  EXPECT_TRUE(std::filesystem::exists(dir_ / "residues/risk.CSV"));
  const std::vector<std::string> report = Lines("cec4.tmp");
  EXPECT_EQ(report[0], std::string(143, ' ') + "xxx");
  EXPECT_TRUE(Has(report,
                  "   102 ,  102    , 2  ,M   ,30Y  , 20.00 , 2  ,   1 ,  0.0200000 ,  2000 ,"
                  "10000001   , 13, 300.0 ,  1.000000 , 1.00 , 1.00 ,  0.0150000 , 75.00"));
  EXPECT_TRUE(Has(report,
                  ",,,,,,,,,                                                                ,"
                  "10000002   , 11, 100.0 ,  2.000000 , 0.50 , 1.00 ,  0.0050000 , 25.00"));
  // Every value of the critical-food rows is followed by a comma, the last one too.
  EXPECT_TRUE(Has(report, "10000001,     11,       2,   40.00%,  Commodity 1-  ,"));
  EXPECT_TRUE(Has(report, "10000001,        4,   90.00%,   Commodity 1,"));
}

TEST_F(CecReport, ACopyThatCannotBeWrittenIsRefusedBeforeTheRun) {
  form_.cec_basis = 1;
  form_.cec_low = "0.005";
  form_.cec_high = "0";
  form_.cec_name = (dir_ / "no-such-folder/risk").string();
  EXPECT_EQ(Launch(), std::nullopt);
  EXPECT_EQ(port_.LastMessage().rfind(
                "Warning: Can't write file " + (dir_ / "no-such-folder/risk.CEC").string(), 0),
            0u)
      << port_.LastMessage();
  EXPECT_FALSE(std::filesystem::exists(dir_ / "cec4.tmp"));
}

}  // namespace
}  // namespace acute
