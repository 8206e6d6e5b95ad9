// Run-wide report values: the toxicity code, the population list and the number texts of
// the endpoints.
#include "reports/report_context.h"

#include <gtest/gtest.h>

#include "reports/report_numbers.h"

namespace acute {
namespace {

TEST(ToxicityCode, FromEndpointsPadFlagAndRunKind) {
  EXPECT_EQ(ToxicityCode(10, 0, 0, 1, 0), "N");
  EXPECT_EQ(ToxicityCode(0, 1, 0, 1, 0), "R");
  EXPECT_EQ(ToxicityCode(0, 1, 1, 1, 0), "P");
  EXPECT_EQ(ToxicityCode(10, 1, 0, 1, 0), "NR");
  EXPECT_EQ(ToxicityCode(10, 1, 1, 1, 0), "NP");
  EXPECT_EQ(ToxicityCode(0, 0, 0, 1, 0), "");
  EXPECT_EQ(ToxicityCode(10, 1, 0, 0, 0), "");    // per person
  EXPECT_EQ(ToxicityCode(10, 1, 0, 1, 1), "");    // DWLOC
  EXPECT_EQ(ToxicityCode(10, 1, 2, 1, 0), "NR");  // only 1 turns the PAD flag on
}

TEST(PopulationList, SelectedStandardThenCustomInReportOrder) {
  AnalysisSettings s;
  s.pad_flag = 1;
  s.standard_selected = {1, 0, 1};
  s.standard_pad = {0, 0.1f, 0.2f, 0.3f};
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

  s.pad_flag = 0;  // PADs count only with the PAD flag
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

}  // namespace
}  // namespace acute
