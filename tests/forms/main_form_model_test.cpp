// The main form model: visibility rules, field checks with the focus kept, custom rows and
// Clear Form, with their texts in order.
#include "forms/main_form_model.h"

#include <gtest/gtest.h>

#include <tuple>

#include "reports/report_display.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

class MainFormModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model_.SetStandardPopulations(24);
    ResidueData r;
    r.RdlCount = 2;
    r.ChemicalCount = 1;
    model_.form.residue = r;
  }
  MainFormModel model_;
  ScriptedPort port_;
};

TEST_F(MainFormModelTest, StartsWithTheHintUntilAFileIsOpen) {
  MainFormModel empty;
  EXPECT_TRUE(empty.Visibility().start_hint);
  EXPECT_FALSE(empty.Visibility().parameters);
  EXPECT_FALSE(empty.Visibility().monte_carlo_box);
  EXPECT_TRUE(model_.Visibility().parameters);
  EXPECT_TRUE(model_.Visibility().monte_carlo_box);
  EXPECT_EQ(MainFormModel::Caption("1.0", "21-07-a", "NHANES"),
            "Tarn-VELD Acute Analysis (1.0, 21-07-a) NHANES");
}

TEST_F(MainFormModelTest, EatingOccasionMonteCarloAndBodyWeightRules) {
  EXPECT_FALSE(model_.Visibility().reversal);
  model_.SetEatingOccasion(true);
  EXPECT_TRUE(model_.Visibility().reversal);
  EXPECT_FALSE(model_.Visibility().hold_residues);
  EXPECT_EQ(model_.SetMonteCarlo(true), Field::Iterations);  // the cursor goes there
  EXPECT_TRUE(model_.Visibility().hold_residues);
  EXPECT_TRUE(model_.Visibility().monte_carlo_fields);
  EXPECT_TRUE(model_.Visibility().toxicology);
  EXPECT_EQ(model_.UnitsLabel(), "mg/kg bw/day");
  model_.SetBodyWeight(false);
  EXPECT_FALSE(model_.Visibility().toxicology);
}

TEST_F(MainFormModelTest, ReportDwlocAndCecBoxesExcludeEachOther) {
  EXPECT_EQ(model_.PlotLabel(), "File Name ");
  model_.SetSaveCec(true);
  model_.SetSaveReport(true);
  model_.form.save_plot = true;
  EXPECT_TRUE(model_.Visibility().cec_settings);
  EXPECT_EQ(model_.PlotLabel(), "File Name (*.PLT)");
  model_.SetSaveDwloc(true);
  EXPECT_FALSE(model_.form.save_report);
  EXPECT_FALSE(model_.form.save_plot);  // the plot box shows again unticked
  EXPECT_FALSE(model_.cec.save);
  EXPECT_FALSE(model_.Visibility().cec_frame);
  EXPECT_TRUE(model_.Visibility().dwloc_name);
  EXPECT_TRUE(model_.Visibility().plot_box);
  EXPECT_EQ(model_.PlotLabel(), "File Name (*.DWP)");
}

TEST_F(MainFormModelTest, CumulativeIsEnabledOnlyWithEveryCondition) {
  model_.SetSaveCec(true);
  model_.SetMonteCarlo(true);
  model_.SetCumulative(true);
  EXPECT_FALSE(model_.cec.cumulative);
  model_.rdfs_cumulative = true;
  model_.SetCumulative(true);
  EXPECT_TRUE(model_.cec.cumulative);
  model_.SetMonteCarlo(false);
  EXPECT_FALSE(model_.cec.cumulative);
  EXPECT_FALSE(model_.Visibility().cumulative_enabled);
  // An RDF summary that met a file without chemicals keeps it off until a residue file opens.
  model_.SetMonteCarlo(true);
  model_.SetCumulative(true);
  model_.TakeRdfSummary(true, true);
  EXPECT_FALSE(model_.cec.cumulative);
  model_.TakeRdfSummary(true, false);
  EXPECT_FALSE(model_.Visibility().cumulative_enabled);
  model_.TakeResidueFile(*model_.form.residue);  // Monte Carlo starts off
  EXPECT_FALSE(model_.form.monte_carlo);
  model_.SetMonteCarlo(true);
  model_.TakeRdfSummary(true, false);
  EXPECT_TRUE(model_.Visibility().cumulative_enabled);
}

TEST_F(MainFormModelTest, RefusedFieldsKeepTheFocusAndAcceptedOnesAreRewritten) {
  model_.form.iterations = "6000";
  EXPECT_EQ(model_.Leave(Field::Iterations, port_), Field::Iterations);
  model_.form.arfd = "nan";
  EXPECT_EQ(model_.Leave(Field::Arfd, port_), Field::Arfd);
  model_.form.report_name = "risk";
  EXPECT_EQ(model_.Leave(Field::ReportName, port_), Field::None);
  EXPECT_EQ(model_.form.report_name, "risk.AC10");
  model_.form.plot_name = "p,lot";
  EXPECT_EQ(model_.Leave(Field::PlotName, port_), Field::PlotName);
  model_.form.comment = "two\r\nlines";
  EXPECT_EQ(model_.Leave(Field::Comment, port_), Field::None);
  model_.form.comment = "\x1b[2Jcleared";
  EXPECT_EQ(model_.Leave(Field::Comment, port_), Field::Comment);
  model_.cec.name = "risk";
  EXPECT_EQ(model_.Leave(Field::CecName, port_), Field::None);
  model_.SetExcel(true);
  EXPECT_EQ(model_.cec.name, "risk.CSV");
  EXPECT_EQ(model_.CecNameLabel(), "File Name (*.CSV)");
  model_.SetExcel(false);
  EXPECT_EQ(model_.cec.name, "risk.CEC");
  model_.cec.low_percentile = "99.5";
  EXPECT_EQ(model_.Leave(Field::LowPercentile, port_), Field::None);
  EXPECT_EQ(model_.cec.low_percentile, "99.5%");
  EXPECT_EQ(model_.cec.high_choices, (std::vector<std::string>{"99.9%", "100%"}));
  const auto m = port_.Messages();  // their texts: the field checks' test
  ASSERT_EQ(m.size(), 4u);
  EXPECT_EQ(m[2].title, "Illegal filename");
  EXPECT_EQ(m[3].title, "Run Comment");
}

TEST_F(MainFormModelTest, CustomRows) {
  EXPECT_FALSE(model_.ClickCustomIndex(0, port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: You can't define custom subpopulation until you enter a name into the "
            "subpopulation name field.");
  model_.SetCustomName(0, "Toddlers", port_);
  EXPECT_TRUE(model_.ClickCustomIndex(0, port_));
  EXPECT_EQ(model_.CustomDialogCaption(0), "Custom Subpopulation: (1) Toddlers");
  MainFormModel no_file;
  no_file.SetCustomName(1, "Kids", port_);
  EXPECT_FALSE(no_file.ClickCustomIndex(1, port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: Can't show custom population screen until a residue file is loaded.");

  model_.form.custom[0].defined = true;
  port_.answers = {Answer::No};
  EXPECT_EQ(model_.SetCustomName(0, " ", port_), Field::CustomName);
  EXPECT_EQ(model_.form.custom[0].population.name, "Toddlers");
  EXPECT_EQ(port_.LastMessage(),
            "Confirmation: If you leave the name of custom population 1 blank, this custom "
            "population will be deleted. Are you sure you want to delete this custom population?");
  EXPECT_EQ(model_.SetCustomName(0, "", port_), Field::None);  // Yes
  EXPECT_FALSE(model_.form.custom[0].defined);
}

TEST_F(MainFormModelTest, OpeningAFileNeedsTheLastOneClosed) {
  EXPECT_TRUE(MainFormModel().MayOpenResidueFile(port_));
  EXPECT_FALSE(model_.MayOpenResidueFile(port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: Can't open new residue file before you close the current residue file.");
  MainFormModel batch;
  batch.batch_open = true;
  EXPECT_FALSE(batch.MayOpenResidueFile(port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: Can't open new residue file before you close the current batch file.");
}

TEST_F(MainFormModelTest, ClearFormAsksAndDoesNothingWhileBusy) {
  model_.form.noel = "5";
  model_.form.standard[3] = true;
  model_.form.per_kg = false;
  model_.busy = true;
  EXPECT_FALSE(model_.Clear(port_));
  EXPECT_TRUE(port_.events.empty());
  model_.busy = false;
  port_.answers = {Answer::No};
  EXPECT_FALSE(model_.Clear(port_));
  EXPECT_EQ(model_.form.noel, "5");
  EXPECT_TRUE(model_.Clear(port_));
  EXPECT_EQ(model_.form.noel, "");
  EXPECT_FALSE(model_.form.standard[3]);
  EXPECT_TRUE(model_.form.per_kg);
  EXPECT_EQ(model_.cec.high_percentile, "100%");
  EXPECT_EQ(port_.Messages().size(), 2u);
}

TEST_F(MainFormModelTest, TheCecFrameReachesTheRunStartsFields) {
  model_.SetSaveCec(true);
  model_.cec.name = "risk";
  EXPECT_EQ(model_.Leave(Field::CecName, port_), Field::None);
  model_.cec.min_contribution = "0.5";
  model_.cec.low_percentile = "99.5%";
  EXPECT_EQ(model_.Leave(Field::LowPercentile, port_), Field::None);
  model_.cec.suppress = true;
  MainForm run = model_.RunForm();
  EXPECT_TRUE(run.save_cec);
  EXPECT_EQ(run.cec_name, "risk.CEC");
  EXPECT_EQ(run.cec_records, "40000");
  EXPECT_EQ(run.cec_min_percent, "0.5");
  EXPECT_EQ(run.cec_basis, 0);
  EXPECT_EQ(run.cec_low, "99.5");
  EXPECT_EQ(run.cec_high, "99.9");
  EXPECT_TRUE(run.cec_suppress);
  EXPECT_FALSE(run.cumulative_cec);

  model_.SetPercentileBasis(false);
  model_.cec.low_amount = "0.01";
  model_.cec.high_amount = "";
  run = model_.RunForm();
  EXPECT_EQ(run.cec_basis, 1);
  EXPECT_EQ(run.cec_low, "0.01");
  EXPECT_EQ(run.cec_high, "");  // the run start's check refuses it
  model_.SetSaveCec(false);
  EXPECT_FALSE(model_.RunForm().save_cec);
}

TEST_F(MainFormModelTest, AnEndedAnalysisOffersRedoAndADwlocRunClearsTheCecBox) {
  model_.SetSaveCec(true);
  model_.busy = true;
  model_.AnalysisEnded(false, false);  // refused by a check
  EXPECT_FALSE(model_.busy);
  EXPECT_FALSE(model_.Visibility().redo_cec);
  model_.AnalysisEnded(true, true);
  EXPECT_TRUE(model_.Visibility().redo_cec);
  model_.form.dwloc_mode = true;
  model_.AnalysisEnded(false, false);  // Cancel to the question keeps the box
  EXPECT_TRUE(model_.cec.save);
  model_.AnalysisEnded(true, true);
  EXPECT_FALSE(model_.cec.save);
}

TEST_F(MainFormModelTest, ABatchFileHidesWhatBatchRunsDoNotOffer) {
  MainFormModel batch;
  batch.SetStandardPopulations(24);
  OpenBatch open;
  open.file.BatchFileName = "/data/residues/" + std::string(60, 'b') + ".B10";
  open.file.BatchFolder = "/data/residues/";
  ResidueData plain, mc;
  mc.RdlCount = 1;
  mc.ChemicalCount = 1;
  open.entries = {plain};
  batch.form.batch = open;
  batch.form.save_report = true;
  FormVisibility v = batch.Visibility();
  EXPECT_TRUE(v.parameters && v.batch);
  EXPECT_FALSE(v.toxicology || v.report_box || v.report_name || v.plot_box || v.cec_frame);
  EXPECT_FALSE(v.monte_carlo_box);
  EXPECT_EQ(batch.ParametersCaption(), "Batch Analysis Parameters");
  EXPECT_EQ(batch.FileFrameCaption(), "Batch File:");
  const FileDetails d = batch.OpenFileDetails();
  EXPECT_EQ(d.name, "..." + std::string(43, 'b') + ".B10");
  EXPECT_EQ(d.folder, "/data/residues/");
  batch.form.batch->entries.push_back(mc);  // one Monte Carlo entry offers the box
  EXPECT_TRUE(batch.Visibility().monte_carlo_box);
  EXPECT_EQ(batch.SetCustomName(0, "Toddlers", port_), Field::None);
  EXPECT_TRUE(batch.ClickCustomIndex(0, port_));  // custom populations in a batch run too

  EXPECT_FALSE(batch.MayOpenBatchFile(port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: Can't open new batch file before you close the current batch file.");
  EXPECT_FALSE(model_.MayOpenBatchFile(port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: Can't open new batch file before you close the current residue file.");
  batch.CloseFile();
  EXPECT_TRUE(batch.Visibility().start_hint);
  EXPECT_EQ(batch.ParametersCaption(), "Analysis parameters");
}

// Bootstrap rounds follow an acute run of one residue file only; where the frame is disabled
// its rounds never reach the run, and a refusal of its fields puts the focus on them.
TEST_F(MainFormModelTest, TheUncertaintyFrameServesAnAcuteRunOfOneResidueFile) {
  EXPECT_FALSE(MainFormModel().Visibility().bootstrap_enabled);  // no file open
  model_.form.bootstrap.rounds = "200";
  EXPECT_TRUE(model_.Visibility().bootstrap_enabled);
  EXPECT_EQ(model_.RunForm().bootstrap.rounds, "200");
  model_.SetSaveDwloc(true);  // the form set up for a DWLOC run
  EXPECT_FALSE(model_.Visibility().bootstrap_enabled);
  EXPECT_EQ(model_.RunForm().bootstrap.rounds, "0");
  EXPECT_EQ(model_.form.bootstrap.rounds, "200") << "kept for when the frame is enabled again";
  model_.SetSaveDwloc(false);
  EXPECT_TRUE(model_.Visibility().bootstrap_enabled);

  MainFormModel batch;
  batch.form.batch = OpenBatch{};
  batch.form.batch->entries = {ResidueData{}};
  batch.form.bootstrap.rounds = "200";
  EXPECT_TRUE(batch.Visibility().parameters);
  EXPECT_FALSE(batch.Visibility().bootstrap_enabled);
  EXPECT_EQ(batch.RunForm().bootstrap.rounds, "0");

  for (const auto& [rounds, seed, field] :
       {std::tuple{"x", "", Field::BootstrapRounds}, {"10", "-1", Field::BootstrapSeed}}) {
    model_.form.bootstrap.rounds = rounds;
    model_.form.bootstrap.seed = seed;
    EXPECT_FALSE(CheckBootstrapFrame(model_.RunForm(), port_));
    EXPECT_EQ(MainFormModel::RefusalField(port_.Messages().back().text).field, field);
  }
  ASSERT_TRUE(model_.Clear(port_));
  EXPECT_EQ(model_.form.bootstrap.rounds, "0");
  EXPECT_EQ(model_.form.bootstrap.seed, "");
}

TEST_F(MainFormModelTest, OpeningAResidueFileShowsItAndTakesItsCommentUntilClose) {
  testing::ScratchFolder dir;
  const std::string name = std::string(60, 'r') + ".R10";
  testing::WriteText(dir / name, "text");
  ResidueData r;
  r.ResFileName = (dir / name).string();
  r.ResFolder = dir.path().string() + "/";
  r.ResFileDate = "01/02/2003";  // the date written inside the file is not the one shown
  r.ResComment = "Tolerance residues";
  r.ChemicalName = "Exampledione";
  MainFormModel model;
  model.TakeResidueFile(r);
  EXPECT_EQ(model.form.comment, "Tolerance residues");
  EXPECT_EQ(model.ParametersCaption(), "Acute Analysis Parameters");
  const FileDetails d = model.OpenFileDetails();
  EXPECT_EQ(d.name, "..." + std::string(43, 'r') + ".R10");
  EXPECT_EQ(d.date, FileStamp(dir / name));
  EXPECT_FALSE(model.Visibility().rdf_summary);  // no distribution lines to summarize
  r.RdlCount = 1;
  r.ChemicalCount = 1;
  model.CloseFile();
  EXPECT_EQ(model.form.comment, "");
  model.TakeResidueFile(r);
  EXPECT_TRUE(model.Visibility().rdf_summary);
}

}  // namespace
}  // namespace acute
