// The CEC checks of the run start, in their order, with their titles and texts.
#include <gtest/gtest.h>

#include "cec/cec_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

using CecRunStart = testing::CecFixture;

TEST_F(CecRunStart, EachCheckRefusesWithItsText) {
  struct Case {
    std::function<void(MainForm&)> change;
    std::string message;
  };
  const std::vector<Case> cases = {
      {[](MainForm& f) { f.cec_name = " "; },
       "Warning: If you want to generate a CEC file, you must specify a valid file name (*.CEC)"},
      {[](MainForm& f) { f.cec_records = "0"; },
       "Checking CEC Parameters: Number of printed CEC records must be between 1 and 40000."},
      {[](MainForm& f) { f.cec_min_percent = "0.05"; },
       "Warning: When generating a CEC file, you must specify a minimum exposure contribution for "
       "individual ingredient and foodform combination of between 0.1 and 50%."},
      {[](MainForm& f) { f.cec_basis = -1; },
       "Checking CEC Parameters: You must specify the use of Percentile Amounts or Exposure "
       "Amounts for the CEC analysis"},
      {[](MainForm& f) {
         f.cec_basis = 1;
         f.cec_high = "lots";
       },
       "Checking CEC Parameters: High Exposure Amount must be all numeric."},
      {[](MainForm& f) {
         f.cec_basis = 1;
         f.cec_low = "x";
         f.cec_high = "1";
       },
       "Checking CEC Parameters: Low Exposure Amount must be all numeric."},
      {[](MainForm& f) {
         f.cec_basis = 1;
         f.cec_low = "0.02";
         f.cec_high = "0.01";
       },
       "Checking CEC Parameters: In CEC set up, high exposure amount cannot be less than or equal "
       "to low exposure amount."},
      {[](MainForm& f) {
         f.standard = {true, true, false};
         f.cec_basis = 1;
         f.cec_low = "0.01";
         f.cec_high = "0.02";
       },
       "Checking CEC Parameters: You cannot perform CEC analysis with exposure amount boundaries "
       "if more than subpopulation is being evaluated. Run with a single population or change CEC "
       "basis to 'Percentile Amounts'."},
      {[](MainForm& f) {
         f.cec_low = "99.9";
         f.cec_high = "99";
       },
       "Checking CEC Parameters: In CEC set up, high percentile cannot be less than or equal to "
       "low percentile."},
  };
  for (const Case& c : cases) {
    MainForm saved = form_;
    c.change(form_);
    port_ = ScriptedPort{};
    EXPECT_FALSE(Launch());
    EXPECT_EQ(port_.LastMessage(), c.message);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "tarnpass.tmp")) << c.message;
    form_ = saved;
  }
  // An existing CEC file is written over only after Yes; 0.5 % is a valid minimum for a run.
  testing::WriteText(dir_ / "residues/risk.CEC", "old");
  form_.cec_min_percent = "0.5";
  port_ = ScriptedPort{};
  port_.answers = {Answer::No};
  EXPECT_FALSE(Launch());
  EXPECT_EQ(port_.LastMessage(), "Warning: CEC file " + (dir_ / "residues/risk.CEC").string() +
                                     " already exists. Do you want to write over the old file?");
  port_ = ScriptedPort{};
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  EXPECT_NE(testing::ReadText(dir_ / "residues/risk.CEC"), "old");
}

}  // namespace
}  // namespace acute
