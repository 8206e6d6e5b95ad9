// The report specifications file's text. Writing and reading the file, its defaults and a
// write that fails are tested through the report specifications dialog.
#include "reports/report_specs.h"

#include <gtest/gtest.h>

namespace acute {
namespace {

TEST(ReportSpecsFile, PrintZonesAndRoundTrip) {
  ReportSpecs specs;
  specs.per_capita = 0;
  specs.min_percent = 0.05f;
  specs.choice = {0, 4, 5};
  const std::string text = ReportSpecsText(specs);
  EXPECT_EQ(text,
            " 1             0             1 \r\n"
            " 0.05 \r\n"
            " 0             4             5 \r\n");
  const auto back = ParseReportSpecs(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->per_capita, 0);
  EXPECT_EQ(back->min_percent, 0.05f);
  EXPECT_EQ(back->choice, specs.choice);
}

TEST(ReportSpecsFile, RefusesMissingOrUnusableValues) {
  EXPECT_FALSE(ParseReportSpecs(" 1 , 1 , 1\r\n 0\r\n 1 3\r\n"));  // a choice missing
  EXPECT_FALSE(ParseReportSpecs(" 1 , 1 , x\r\n 0\r\n 1 3 6\r\n"));
  EXPECT_FALSE(ParseReportSpecs("1,1,1\n0\n3,1,6\n"));  // not ascending
  EXPECT_FALSE(ParseReportSpecs("1,1,1\n0\n1,3,7\n"));  // no such percentile
  EXPECT_FALSE(ParseReportSpecs("1,1,1\nnan\n1,3,6\n"));
  EXPECT_FALSE(ParseReportSpecs("1,1,1\n-0.1\n1,3,6\n"));  // a minimum outside 0 to 50 %
  EXPECT_FALSE(ParseReportSpecs("1,1,1\n3e38\n1,3,6\n"));
  EXPECT_TRUE(ParseReportSpecs("1,1,1\n0.5\n1,3,6\n"));
  EXPECT_TRUE(ParseReportSpecs("1,1,0\n0\n1,3,6\n"));  // LF line ends are read too
}

}  // namespace
}  // namespace acute
