// Run-wide report values: the toxicity code, the population list, the number texts of the
// endpoints and the report specifications file's text (its dialog tests writing and reading
// the file, its defaults and a write that fails).
#include "reports/report_context.h"

#include <gtest/gtest.h>

#include "reports/report_numbers.h"
#include "reports/report_specs.h"

namespace acute {
namespace {

// The codes of the endpoints in use are pinned by the golden reports, which take them from
// ToxicityCode; these are the cases that no golden report reaches.
TEST(ToxicityCode, CasesNoGoldenReportReaches) {
  EXPECT_EQ(ToxicityCode(0, 0, false, true, false), "");
  EXPECT_EQ(ToxicityCode(10, 1, false, false, false), "");  // per person
}

TEST(PopulationList, SelectedStandardThenCustomInReportOrder) {
  AnalysisSettings s;
  s.pad_flag = true;
  s.standard_selected = {true, false, true};
  s.standard_pad = StandardPads(3);
  s.standard_pad.Set(1, 0.1f);
  s.standard_pad.Set(2, 0.2f);
  s.standard_pad.Set(3, 0.3f);
  CustomPopulation toddlers;
  toddlers.name = "Toddlers";
  toddlers.pad = 0.05f;
  toddlers.crit[5] = {0, 0, 1, 0, 2};
  s.custom = {toddlers};
  const auto list = BuildPopulationList({"Total", "Spring", "Summer"}, s);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].report_name, "Total");
  EXPECT_EQ(list[1].number, 3);
  EXPECT_EQ(list[1].pad, 0.3f);
  EXPECT_TRUE(list[2].custom);
  EXPECT_EQ(list[2].report_name, "Custom demographics 1: Toddlers");
  EXPECT_EQ(list[2].crit[5][4], 2);
  EXPECT_EQ(list[2].pad, 0.05f);

  s.pad_flag = false;  // PADs count only with the PAD flag
  const auto without = BuildPopulationList({"Total", "Spring", "Summer"}, s);
  EXPECT_EQ(without[1].pad, 0);
  EXPECT_EQ(without[2].pad, 0);
}

TEST(ReportContext, SetUpLettersInEitherCase) {
  ReportContext ctx;
  ctx.orientation = " d";
  ctx.page_number_switch = "y ";
  EXPECT_TRUE(ctx.Exceeding());
  EXPECT_TRUE(ctx.NumberPages());
  ctx.orientation = "Down";
  ctx.page_number_switch = "";
  EXPECT_FALSE(ctx.Exceeding());
  EXPECT_FALSE(ctx.NumberPages());
}

TEST(EndpointTexts, CapsOfMarginsAndPercents) {
  EXPECT_EQ(MeanMoeText(1000000), " 1,000,000");  // the mean's margin: only above the cap
  EXPECT_EQ(MeanMoeText(1000000.6), ">1,000,000");
  EXPECT_EQ(TableMoeText(kMoeCap), ">1,000,000");  // the table's margin: from the cap
  EXPECT_EQ(TableMoeText(999999), "  999,999");
  EXPECT_EQ(PercentText(9999.99f), "9999.99");
  EXPECT_EQ(PercentText(10000), ">10,000");
  EXPECT_EQ(ExposureText(0.5), "   0.500000");
}

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
  EXPECT_FALSE(back->exact);  // a three-line file: no exact percentile tables

  // The exact percentile tables are a fourth line, read back; 0 reads as off.
  specs.exact = true;
  EXPECT_EQ(ReportSpecsText(specs), text + " 1 \r\n");
  EXPECT_TRUE(ParseReportSpecs(ReportSpecsText(specs))->exact);
  EXPECT_FALSE(ParseReportSpecs(text + " 0 \r\n")->exact);
  EXPECT_FALSE(ParseReportSpecs(text + " 2 \r\n"));
  EXPECT_FALSE(ParseReportSpecs(text + " x \r\n"));
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
