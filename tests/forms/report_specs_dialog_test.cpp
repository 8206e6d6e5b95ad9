// The report specifications dialog: loading, the click rules and the checks of Save/Exit.
#include "forms/report_specs_dialog.h"

#include <gtest/gtest.h>

#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

class ReportSpecsDialogTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return dir_ / kReportSpecsFileName; }
  testing::ScratchFolder dir_;
  ScriptedPort port_;
  ReportSpecsDialog dialog_;
};

TEST_F(ReportSpecsDialogTest, LoadShowsDefaultsOrTheFile) {
  dialog_.Load(File(), port_);
  EXPECT_TRUE(dialog_.users && dialog_.per_capita && dialog_.header_all);
  EXPECT_FALSE(dialog_.spec_min_perc);
  EXPECT_FALSE(dialog_.min_perc_visible);
  EXPECT_EQ(dialog_.sum_perc, (std::array<bool, 7>{false, true, false, true, false, false, true}));

  testing::WriteText(File(), " 0 , 1 , 0\r\n 0.05\r\n 0  2  4\r\n");
  dialog_.Load(File(), port_);
  EXPECT_FALSE(dialog_.users);
  EXPECT_FALSE(dialog_.header_all);
  EXPECT_TRUE(dialog_.spec_min_perc && dialog_.min_perc_visible);
  EXPECT_EQ(dialog_.min_perc_text, "5");
  EXPECT_EQ(dialog_.sum_perc, (std::array<bool, 7>{true, false, true, false, true, false, false}));
  EXPECT_TRUE(port_.Messages().empty());

  testing::WriteText(File(), "1,1\n");
  dialog_.Load(File(), port_);
  EXPECT_EQ(port_.LastMessage(), "Acute Report Specifications: Error reading file AcutSpec.txt");
  EXPECT_TRUE(dialog_.users);  // the defaults stay
}

TEST_F(ReportSpecsDialogTest, FourthPercentileIsRefused) {
  dialog_.ClickSumPerc(0, port_);  // a fourth box
  EXPECT_FALSE(dialog_.sum_perc[0]);
  ASSERT_EQ(port_.Messages().size(), 1u);
  EXPECT_EQ(port_.LastMessage(),
            "Specify Summary Percentiles: You cannot check more than 3 percentiles");
  dialog_.ClickSumPerc(1, port_);  // clearing one
  dialog_.ClickSumPerc(0, port_);
  EXPECT_TRUE(dialog_.sum_perc[0]);
  EXPECT_FALSE(dialog_.sum_perc[1]);
  EXPECT_EQ(port_.Messages().size(), 1u);
}

TEST_F(ReportSpecsDialogTest, SaveChecksInOrder) {
  dialog_.users = dialog_.per_capita = false;
  dialog_.SetSpecMinPerc(true);
  EXPECT_FALSE(dialog_.Save(File(), port_));
  EXPECT_EQ(port_.LastMessage(),
            "Acute Report Formatting: Either User Distribution or Per Capita Distribution must "
            "be checked.");
  EXPECT_EQ(port_.Messages().back().icon, Icon::Information);

  dialog_.per_capita = true;
  EXPECT_FALSE(dialog_.Save(File(), port_));  // text "0"
  EXPECT_EQ(port_.LastMessage(),
            "CEC Report: Minimum Percent Contribution for CEC reports must be greater than 0.");
  dialog_.min_perc_text = "50.01";
  EXPECT_FALSE(dialog_.Save(File(), port_));
  EXPECT_EQ(port_.LastMessage(),
            "CEC Report: Minimum Percent Contribution for CEC reports cannot be greater than 50%.");

  dialog_.min_perc_text = "50";
  dialog_.ClickSumPerc(6, port_);
  EXPECT_FALSE(dialog_.Save(File(), port_));
  EXPECT_EQ(port_.LastMessage(),
            "Acute Report Formatting: You must specify exactly 3 exposure percentiles for the "
            "Acute summary reports.");
  EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(ReportSpecsDialogTest, SaveWritesTheChoices) {
  dialog_.users = false;
  dialog_.SetSpecMinPerc(true);
  EXPECT_TRUE(dialog_.min_perc_visible);
  dialog_.min_perc_text = "50";
  EXPECT_TRUE(dialog_.Save(File(), port_));
  EXPECT_TRUE(port_.Messages().empty());
  const auto specs = ReadReportSpecsFile(File());
  ASSERT_TRUE(specs);
  EXPECT_EQ(specs->users, 0);
  EXPECT_EQ(specs->min_percent, 0.5f);
  EXPECT_EQ(specs->choice, (std::array<std::int16_t, 3>{1, 3, 6}));

  dialog_.SetSpecMinPerc(false);  // unchecked: every contributing food
  EXPECT_FALSE(dialog_.min_perc_visible);
  EXPECT_EQ(dialog_.min_perc_text, "0");
  EXPECT_TRUE(dialog_.Save(File(), port_));
  EXPECT_EQ(ReadReportSpecsFile(File())->min_percent, 0);
  EXPECT_FALSE(ReadReportSpecsFile(File())->exact);

  dialog_.exact = true;  // the exact percentile tables, shown again on the next load
  EXPECT_TRUE(dialog_.Save(File(), port_));
  ReportSpecsDialog again;
  again.Load(File(), port_);
  EXPECT_TRUE(again.exact);

  EXPECT_FALSE(dialog_.Save(dir_ / "missing" / kReportSpecsFileName, port_));
  EXPECT_EQ(port_.LastMessage(),
            "Acute Report Specifications: Error writing Report Specs to File AcutSpec.txt");
}

}  // namespace
}  // namespace acute
