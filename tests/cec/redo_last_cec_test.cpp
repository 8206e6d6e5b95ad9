// Redo Last CEC: its checks against the last run's work files, and the report it rebuilds.
#include <gtest/gtest.h>

#include "cec/cec_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

class RedoLastCecTest : public testing::CecFixture {
 protected:
  void SetUp() override {
    testing::CecFixture::SetUp();
    form_.custom = {};
    form_.cec_basis = 0;
    form_.cec_low = "95";
    form_.cec_high = "100";
  }
  std::optional<EngineOutcome> Redo() {
    port_ = ScriptedPort{};
    return RedoLastCec(form_, session_, port_);
  }
};

TEST_F(RedoLastCecTest, ANarrowerWindowGivesTheReportOfAFreshRun) {
  form_.cec_low = "50";
  ASSERT_TRUE(Launch()->completed) << port_.LastMessage();
  form_.cec_low = "90";
  form_.cec_name = "redo";
  auto redo = Redo();
  ASSERT_TRUE(redo && redo->completed) << port_.LastMessage();
  EXPECT_EQ(port_.LastMessage(), "CEC Regeneration: CEC Regenerated and saved as " +
                                     (dir_ / "residues/redo.CEC").string());
  const std::string redone = testing::ReadText(dir_ / "residues/redo.CEC");
  form_.cec_name = "fresh";
  ASSERT_TRUE(Launch()->completed);
  EXPECT_EQ(testing::ReadText(dir_ / "residues/fresh.CEC"), redone);
  EXPECT_NE(redone.find("Low percentile for CEC records: 90"), std::string::npos);
}

TEST_F(RedoLastCecTest, ChecksAgainstTheLastRun) {
  ASSERT_TRUE(Launch()->completed);
  form_.cec_min_percent = "0.5";  // enough for a run, not for a repeat
  EXPECT_FALSE(Redo());
  EXPECT_EQ(port_.LastMessage(),
            "Warning: When generating a CEC file, you must specify a minimum exposure contribution "
            "for individual ingredient and foodform combination of between 1 and 50%.");
  form_.cec_min_percent = "1";
  form_.cec_low = "94";
  EXPECT_FALSE(Redo());
  EXPECT_EQ(port_.LastMessage(),
            "CEC specification error: To recompute the CEC analysis without rerunning the "
            "underlying analysis you must set the low and high CEC percentiles within the CEC "
            "percentile boundaries of the original analysis (Low = 95; High = 100)");
  form_.cec_basis = 1;
  form_.cec_low = "0.001";
  form_.cec_high = "0";
  EXPECT_FALSE(Redo());
  EXPECT_EQ(port_.Messages().back().title, "Checking CEC Parameters");
}

TEST_F(RedoLastCecTest, WorksFromTheWorkFilesAloneAndStopsWithoutThem) {
  ASSERT_TRUE(Launch()->completed);
  // A later program start: nothing but the data folder's work files is left.
  MainForm later;
  later.save_cec = true;
  later.cec_name = "later";
  later.cec_min_percent = "1";
  later.cec_low = "99";
  later.cec_high = "100";
  port_ = ScriptedPort{};
  auto redo = RedoLastCec(later, session_, port_);
  ASSERT_TRUE(redo && redo->completed) << port_.LastMessage();
  EXPECT_TRUE(std::filesystem::exists(dir_ / "residues/later.CEC"));
  std::filesystem::remove(dir_ / "expos.tmp");
  later.cec_name = "again";
  port_ = ScriptedPort{};
  redo = RedoLastCec(later, session_, port_);
  ASSERT_TRUE(redo);
  EXPECT_FALSE(redo->completed);
  EXPECT_EQ(port_.LastMessage(),
            "Repeat CEC: Can't repeat CEC analysis; file 'expos.tmp' has been deleted since last "
            "run.");
  std::filesystem::remove(dir_ / "cec2.tmp");
  EXPECT_FALSE(RedoLastCec(later, session_, port_));
  EXPECT_EQ(port_.Messages().back().title, "CEC Error");
}

TEST_F(RedoLastCecTest, TakesTheRunsSettingsFromTheFolderListAndRefusesAMixedSet) {
  form_.two_day_average = true;
  form_.cec_name = "twoday";
  ASSERT_TRUE(Launch()->completed) << port_.LastMessage();
  const std::string fresh = testing::ReadText(dir_ / "residues/twoday.CEC");
  // A repeat that is not told of the two-day average still makes the run's report.
  form_.two_day_average = false;
  form_.cec_name = "redo";
  auto redo = Redo();
  ASSERT_TRUE(redo && redo->completed) << port_.LastMessage();
  const std::string redone = testing::ReadText(dir_ / "residues/redo.CEC");
  const auto body = [](const std::string& report) {
    return report.substr(report.find("Subpopulations:"));
  };
  EXPECT_EQ(body(redone), body(fresh));
  // cec1.tmp of another run beside this run's cec2.tmp: as a kill between two saves left it.
  const std::string records = testing::ReadText(dir_ / "cec1.tmp");
  form_.cec_name = "later";
  ASSERT_TRUE(Launch()->completed);
  testing::WriteText(dir_ / "cec1.tmp", records);
  form_.cec_name = "mixed";
  redo = Redo();
  ASSERT_TRUE(redo);
  EXPECT_FALSE(redo->completed);
  EXPECT_EQ(port_.Messages().back().title, "CEC Error");
  EXPECT_NE(port_.LastMessage().find("The work file cec1.tmp in " + dir_.path().string() +
                                     " is not the file its run wrote"),
            std::string::npos)
      << port_.LastMessage();
  EXPECT_FALSE(std::filesystem::exists(dir_ / "residues/mixed.CEC"));
  // The residue file changed since the run: its records no longer describe it.
  ASSERT_TRUE(Launch()->completed);
  const auto residue = dir_ / "residues/TEST.R10";
  testing::WriteText(residue, testing::ReadText(residue) + "\r\n");
  redo = Redo();
  ASSERT_TRUE(redo);
  EXPECT_FALSE(redo->completed);
  EXPECT_EQ(port_.LastMessage(), "Repeat CEC: The residue file " + residue.string() +
                                     " has changed since the last CEC run read it, so its work "
                                     "files no longer describe it. Run the analysis again to make "
                                     "a new CEC report.");
}

}  // namespace
}  // namespace acute
