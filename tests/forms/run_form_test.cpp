// The form as a run takes it, on the sample data folder: no control the user cannot see
// refuses, changes or names a run; what needs an open file or an idle form is disabled
// without one; a refusal names the control the focus goes to; messages shown on a window.
#include <gtest/gtest.h>

#include "forms/main_form_model.h"
#include "forms/message_display.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

constexpr const char* kNoPopulation =
    "Warning: At least one standard population must be checked OR one custom population "
    "defined.";

class RunFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::ScratchFolder;
    sample_ = sample::WriteSampleData(*dir_ / "data", {2, 300, 3});
  }
  static void TearDownTestSuite() { delete dir_; }

  void SetUp() override {
    session_ = OpenDataSession(sample_.folder, port_);
    model_.SetStandardPopulations(session_.support.StandardPopulationCount());
    Open(sample_.plain_residue);
    model_.form.arfd = "0.01";
  }
  void Open(const std::string& residue) {
    model_.TakeResidueFile(
        *ReadResidueFile(sample_.residue_folder / residue, session_.support, port_));
  }
  // The messages of a run started from the form (no population is ticked, so a run that
  // passes the checks of its outputs stops at the population check).
  std::vector<std::string> Launch(bool dwloc = false) {
    port_.events.clear();
    model_.form.dwloc_mode = dwloc;
    LaunchAnalysis(model_.RunForm(), session_, port_, "12/06/2026", "10:00:00");
    std::vector<std::string> texts;
    for (const PortEvent& m : port_.Messages()) texts.push_back(m.title + ": " + m.text);
    return texts;
  }

  static testing::ScratchFolder* dir_;
  static sample::SampleManifest sample_;
  ScriptedPort port_;
  DataSession session_;
  MainFormModel model_;
};

testing::ScratchFolder* RunFormTest::dir_ = nullptr;
sample::SampleManifest RunFormTest::sample_;

TEST_F(RunFormTest, AHiddenPlotBoxNeverRefusesARun) {
  model_.SetSaveReport(true);
  model_.form.save_plot = true;  // ticked without a name
  EXPECT_EQ(Launch()[0],
            "Warning: If you want plot file to be saved, you must specify a valid name for this "
            "file.");
  model_.SetSaveReport(false);  // the plot box hides, and unticks
  EXPECT_FALSE(model_.Visibility().plot_box);
  EXPECT_FALSE(model_.form.save_plot);
  EXPECT_EQ(Launch(), std::vector<std::string>{kNoPopulation});
  model_.form.save_plot = true;  // however it came to be ticked, hidden it does not count
  EXPECT_EQ(Launch(), std::vector<std::string>{kNoPopulation});
  EXPECT_EQ(Launch(true), std::vector<std::string>{kNoPopulation}) << "in a DWLOC run too";
}

TEST_F(RunFormTest, AHiddenDwlocNameIsNeverNamed) {
  model_.SetSaveDwloc(true);
  model_.form.dwloc_name = "water.DWL";
  EXPECT_EQ(Launch()[0],
            "Warning: You have entered a name for the DWLOC report but you are running a regular "
            "Acute analysis.");
  model_.SetSaveDwloc(false);
  EXPECT_EQ(Launch(), std::vector<std::string>{kNoPopulation});
  // Likewise a hidden acute report name in a DWLOC run.
  model_.SetSaveReport(true);
  model_.form.report_name = "risk.AC10";
  model_.SetSaveReport(false);
  EXPECT_EQ(Launch(true), std::vector<std::string>{kNoPopulation});
}

TEST_F(RunFormTest, OtherHiddenBoxesDoNotReachTheRun) {
  model_.form.reversal = true;  // Residue Reversal shows only with Eating Occasion
  model_.form.half_life = "0";
  model_.form.pad = true;  // Use PAD hidden with the toxicology fields
  model_.SetBodyWeight(false);
  model_.form.hold_residues = true;
  MainForm run = model_.RunForm();
  EXPECT_FALSE(run.reversal || run.pad || run.hold_residues);
  model_.SetSaveCec(true);
  model_.SetSaveDwloc(true);
  model_.cec.save = true;  // the CEC frame is hidden by Save DWLOC Rpt
  EXPECT_FALSE(model_.RunForm().save_cec);
}

TEST_F(RunFormTest, WhatNeedsAnOpenFileOrAnIdleFormIsDisabledWithout) {
  model_.SetSaveCec(true);
  model_.AnalysisEnded(true, true);
  FormVisibility v = model_.Visibility();
  EXPECT_TRUE(v.cec_enabled && v.redo_cec && v.close && v.run && v.clear);
  EXPECT_TRUE(model_.MayRedoCec());
  model_.busy = true;  // during a run
  v = model_.Visibility();
  EXPECT_FALSE(v.run || v.clear || v.close || v.open_file || v.batch_editor);
  EXPECT_FALSE(model_.MayRedoCec());
  model_.busy = false;
  model_.CloseFile();
  v = model_.Visibility();
  EXPECT_FALSE(v.cec_enabled || v.close);
  EXPECT_FALSE(model_.MayRedoCec()) << "Redo rebuilds the open file's report";
  EXPECT_TRUE(v.run && v.open_file);  // the run start says what is missing
}

TEST_F(RunFormTest, ABatchCommentLeavesWithItsFile) {
  model_.CloseFile();
  ASSERT_TRUE(
      model_.OpenBatch(Session(session_), sample_.residue_folder / sample_.batch_file, port_))
      << port_.LastMessage();
  ASSERT_FALSE(model_.form.comment.empty());
  model_.CloseFile();
  EXPECT_EQ(model_.form.comment, "");
  Open(sample_.plain_residue);
  EXPECT_EQ(model_.form.comment, model_.form.residue->ResComment);
}

TEST_F(RunFormTest, ARefusalNamesTheControlTheFocusGoesTo) {
  const auto field_of_refusal = [this](bool dwloc = false) {
    Launch(dwloc);
    return MainFormModel::RefusalField(port_.Messages().back().text);
  };
  model_.SetSaveReport(true);
  EXPECT_EQ(field_of_refusal().field, Field::ReportName);
  model_.form.report_name = "risk";
  model_.form.save_plot = true;
  EXPECT_EQ(field_of_refusal().field, Field::PlotName);
  model_.SetSaveReport(false);
  model_.SetSaveCec(true);
  EXPECT_EQ(field_of_refusal().field, Field::CecName);
  model_.cec.name = "risk";
  model_.cec.printed_records = "0";
  EXPECT_EQ(field_of_refusal().field, Field::PrintedRecords);
  model_.cec.printed_records = "100";
  EXPECT_EQ(field_of_refusal().field, Field::MinContribution);
  model_.cec.min_contribution = "1";
  model_.SetPercentileBasis(false);
  model_.cec.low_amount = "x";
  model_.cec.high_amount = "1";
  EXPECT_EQ(field_of_refusal().field, Field::LowAmount);
  model_.cec.low_amount = "2";
  EXPECT_EQ(field_of_refusal().field, Field::HighAmount);
  model_.SetSaveCec(false);
  model_.form.arfd = model_.form.noel = "";
  EXPECT_EQ(field_of_refusal(true).field, Field::Arfd);
  EXPECT_EQ(field_of_refusal().field, Field::Noel);  // neither endpoint
  model_.form.arfd = "0.01";
  model_.form.pad = true;
  EXPECT_EQ(field_of_refusal().field, Field::UsePad);
  model_.form.pad = false;
  EXPECT_EQ(field_of_refusal().field, Field::StandardPopulations);
  model_.form.custom[2].population.name = "Toddlers";
  EXPECT_EQ(field_of_refusal().field, Field::CustomName);
  EXPECT_EQ(MainFormModel::RefusalField(port_.Messages().back().text).row, 2);
  model_.form.custom[2].population.name = "";
  model_.form.standard[0] = true;
  model_.SetEatingOccasion(true);
  model_.form.reversal = true;
  model_.form.half_life = "60";
  EXPECT_EQ(field_of_refusal().field, Field::HalfLife);
  Open(sample_.mc_residue);
  model_.SetMonteCarlo(true);
  EXPECT_EQ(field_of_refusal().field, Field::Iterations);
  model_.form.iterations = "10";
  EXPECT_EQ(field_of_refusal().field, Field::Seed);
}

TEST_F(RunFormTest, TheProgressWindowNamesTheRun) {
  Open(sample_.mc_residue);
  model_.SetMonteCarlo(true);
  model_.form.iterations = " 250";
  EXPECT_EQ(MainFormModel::RunHeading(model_.RunForm()),
            "Residue file: " + sample_.mc_residue + "\nMonte Carlo: 250 iterations per person-day");
}

TEST(MessageDisplayTest, CaptionsIconsAndDefaults) {
  const ShownMessage done = AsShown(Message{
      "Tarn-VELD Acute Module", "Analysis Completed. Click on 'Last Acute Rpt' to display."});
  EXPECT_EQ(done.message.text,
            "Analysis Completed. Click on 'Last Acute Rpt' (Show Last Acute Report) to display.");
  EXPECT_EQ(done.message.icon, Icon::Information);
  EXPECT_EQ(WithControlCaptions(done.message.text), done.message.text) << "added once";
  EXPECT_EQ(WithControlCaptions("Click on 'File/Edit Batch File' to bring up the editor."),
            "Click on 'File/Edit Batch File' (File, Create/Edit Batch Files) to bring up the "
            "editor.");
  const Message clear{"Confirmation", MainFormModel::kClearQuestion, Icon::Question,
                      Buttons::YesNo};
  EXPECT_TRUE(AsShown(clear).default_no);
  const ShownMessage more = AsShown(Message{"Acute Help", "More?", Icon::None, Buttons::YesNo});
  EXPECT_FALSE(more.default_no);
  EXPECT_EQ(more.message.icon, Icon::Question);
  EXPECT_EQ(AsShown(Message{"W", "x", Icon::Exclamation}).message.icon, Icon::Exclamation);
}

// Distribution files that cannot be used at the start of a Monte Carlo run: the form is told,
// so that it closes the residue file as File, Close does.
TEST(RunFormRdfs, UnusableDistributionFilesAreReportedToTheForm) {
  testing::ScratchFolder dir;
  const auto sample = sample::WriteSampleData(dir / "data", {2, 40, 3});
  ScriptedPort port;
  const DataSession session = OpenDataSession(sample.folder, port);
  MainForm form;
  form.residue = ReadResidueFile(sample.residue_folder / sample.mc_residue, session.support, port);
  ASSERT_TRUE(form.residue);
  form.TakeResidueFileFields();
  form.standard.assign(session.support.StandardPopulationCount(), false);
  form.standard[0] = true;
  form.monte_carlo = true;
  form.iterations = "2";
  form.seed = "1";
  bool unusable = true;
  ASSERT_TRUE(LaunchAnalysis(form, session, port, "", "", &unusable));
  EXPECT_FALSE(unusable);
  testing::WriteText(sample.residue_folder / "APPLES.RDF", "TOTALNZ=banana\r\n");
  EXPECT_EQ(LaunchAnalysis(form, session, port, "", "", &unusable), std::nullopt);
  EXPECT_TRUE(unusable) << port.LastMessage();
}

}  // namespace
}  // namespace acute
