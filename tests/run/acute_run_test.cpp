// A deterministic acute analysis from the main form's settings to the finished reports, on a
// hand-made data folder whose figures can be worked out by hand.
#include <algorithm>
#include <functional>

#include "common/binary_records.h"
#include "common/errors.h"
#include "engine/survey_pass.h"
#include "hand_made_run.h"

namespace acute {
namespace {

using testing::FixturePerson;

std::vector<FixturePerson> People() {
  FixturePerson a;  // day 1: 100 g / 10 kg -> 0.01; day 2 eats nothing with residue
  a.number = 101;
  a.body_weight = 10;
  a.sample_weight = 1000;
  a.day1 = {{1, 100}};
  FixturePerson b;  // day 1: 0.01; day 2: 300 g / 20 kg -> 0.015
  b.number = 102;
  b.body_weight = 20;
  b.sample_weight = 2000;
  b.day1 = {{2, 200}};
  b.day2 = {{3, 300}, {4, 50}};
  FixturePerson c;  // a woman of 30: day 1 no residue, day 2: 500 g / 50 kg -> 0.01
  c.number = 103;
  c.sex = '2';
  c.body_weight = 50;
  c.sample_weight = 1000;
  c.day1 = {{5, 80}};
  c.day2 = {{1, 500}};
  return {a, b, c};
}

// Person-days: 101 day 1, 102 days 1 and 2 and 103 day 2 eat commodity 1.
class AcuteRun : public testing::HandMadeRun {
 protected:
  void SetUp() override { Prepare(People()); }
};

TEST_F(AcuteRun, MeansOfAHandMadeSurvey) {
  form_.save_report = true;
  form_.report_name = "first";
  form_.save_plot = true;
  form_.plot_name = "first";
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  const std::string folder = (dir_ / "residues/").string();
  EXPECT_EQ(port_.LastMessage(),
            "Tarn-VELD Acute Module: Analysis Completed. Click on 'Last Acute Rpt' to display "
            "analysis.\r\nReport saved as file " +
                folder + "first.AC10\r\nAcute Plot file saved as " + folder + "first.PLT\r\n");
  const std::string report = testing::ReadText(dir_ / "acute.tmp");
  EXPECT_EQ(testing::ReadText(dir_ / "residues/first.AC10"), report);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "residues/first.PLT"));
  // Per capita 70 / 8000, per user 70 / 6000 (sample weight x mg/kg summed over user-days).
  EXPECT_NE(report.find("0.008750"), std::string::npos);
  EXPECT_NE(report.find("0.011667"), std::string::npos);
  EXPECT_NE(report.find("Percent of Person-Days that are User-Days =  75.00%"), std::string::npos);
  // The outcome carries the same figures.
  ASSERT_EQ(outcome->reports.size(), 1u);
  const ReportFigures& figures = outcome->reports[0];
  EXPECT_EQ(figures.Kind(), AnalysisKind::Acute);
  ASSERT_EQ(figures.results.size(), figures.context.populations.size());
  EXPECT_EQ(figures.context.populations[0].name, "U.S. Population");
  EXPECT_FLOAT_EQ(figures.results[0].capita_mean, 70.0f / 8000);
  EXPECT_FLOAT_EQ(figures.results[0].user_mean, 70.0f / 6000);
  EXPECT_FLOAT_EQ(figures.results[0].pct_users, 75);

  // The same inputs give the same report, byte for byte.
  ScriptedPort again;
  auto second = LaunchAnalysis(form_, session_, again, "12/06/2026", "10:00:00");
  ASSERT_TRUE(second && second->completed);
  EXPECT_EQ(testing::ReadText(dir_ / "acute.tmp"), report);
}

// The progress window follows the run's phases; the survey pass counts its persons in
// percents that end at 100.
TEST_F(AcuteRun, ProgressFollowsThePhasesAndCountsThePersons) {
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  std::vector<std::string> phases;
  std::vector<int> percents;
  for (const ProgressReport& r : port_.progress) {
    // The survey files are read under a caption of their own.
    const bool survey = r.caption == "Reading food consumption data";
    EXPECT_TRUE(survey || r.caption == "Acute Analysis Progress Report") << r.caption;
    if (phases.empty() || phases.back() != r.phase) phases.push_back(r.phase);
    if (r.phase == "Computing Exposure") percents.push_back(r.percent.value_or(-1));
  }
  EXPECT_EQ(phases, (std::vector<std::string>{"Setting up analysis", "Residue file: TEST.R10",
                                              "A1.DAT", "A2.DAT", "A3.DAT", "A4.DAT",
                                              "Calibrating Bins", "Computing Exposure",
                                              "Compiling all reports", "Run completed"}));
  ASSERT_FALSE(percents.empty());
  EXPECT_EQ(percents.front(), 0);
  EXPECT_EQ(percents.back(), 100);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
}

TEST_F(AcuteRun, AccumulatorsOfEachPopulation) {
  form_.standard = {true, false, false};
  MainForm::Custom women;
  women.population.name = "Women";
  women.population.crit = {{{1, 0, 0, 0, 0},
                            {1, 0, 0, 0, 0},
                            {1, 0, 0, 0, 0},
                            {0, 1, 0, 0, 0},
                            {1, 0, 0, 0, 0},
                            {1, 0, 0, 0, 0}}};
  women.defined = true;
  form_.custom = {women};
  EngineRequest request = Request();
  WorkSetWriter work(dir_.path(), WorkRun{});
  RunSetup run = SetUpRun(request, work, port_);
  MonteCarloSetup mc;
  PassSetup pass = PassSetupOf(run, mc);
  RunSurveyPass(PassKind::Main, pass, run.accumulators, port_);
  ASSERT_EQ(run.accumulators.size(), 2u);
  const auto& all = run.accumulators[0];
  EXPECT_DOUBLE_EQ(all.tot_w, 8000);
  EXPECT_DOUBLE_EQ(all.tot_n, 6);
  EXPECT_DOUBLE_EQ(all.sum_w, 6000);
  EXPECT_DOUBLE_EQ(all.n, 4);
  EXPECT_TRUE(testing::Near(all.sum_wx, 70, 1e-6));
  EXPECT_FLOAT_EQ(all.max_x, 0.015f);
  const auto& w = run.accumulators[1];
  EXPECT_DOUBLE_EQ(w.tot_w, 2000);
  EXPECT_DOUBLE_EQ(w.sum_w, 1000);
  EXPECT_TRUE(testing::Near(w.sum_wx, 10, 1e-6));

  // The two-day average: one pass per person, both days' entries, exposure halved.
  request.form.two_day_average = true;
  RunSetup avg = SetUpRun(request, work, port_);
  pass = PassSetupOf(avg, mc);
  RunSurveyPass(PassKind::Main, pass, avg.accumulators, port_);
  EXPECT_DOUBLE_EQ(avg.accumulators[0].tot_w, 4000);
  EXPECT_DOUBLE_EQ(avg.accumulators[0].sum_w, 4000);
  // A: 0.01/2, B: (0.01 + 0.015)/2, C: 0.01/2 -> 5 + 25 + 5 = 35.
  EXPECT_TRUE(testing::Near(avg.accumulators[0].sum_wx, 35, 1e-6));
}

TEST_F(AcuteRun, CancelEndsTheRunWithoutReports) {
  form_.save_report = true;
  form_.report_name = "cancelled";
  port_.cancel_at_call = 2;
  auto outcome = Launch();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_FALSE(outcome->completed);
  EXPECT_EQ(port_.LastMessage(), "Tarn-VELD Acute: Acute Analysis was not completed.");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "residues/cancelled.AC10"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "acute.tmp"));
}

// The damage message (its texts are pinned by the consumption file tests) comes before the
// end of the run.
TEST_F(AcuteRun, DamagedSurveyFilesNameFileAndPerson) {
  auto people = People();
  people[2].presence = 3;
  testing::WriteSurvey(dir_ / "survey", people);
  auto outcome = Launch();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_FALSE(outcome->completed);
  const auto messages = port_.Messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[messages.size() - 2].title, "Damaged food consumption file");
  EXPECT_NE(messages[messages.size() - 2].text.find("A1.DAT is damaged at person 103: a presence "
                                                    "flag of 3"),
            std::string::npos);

  auto bytes = testing::SurveyBytes(People(), false);
  bytes.resize(bytes.size() - 40);
  ByteWriter(bytes).Save(dir_ / "survey/A1.DAT");
  port_.events.clear();
  Launch();
  EXPECT_NE(port_.Messages()[0].text.find("the file ends inside a record"), std::string::npos);
}

TEST_F(AcuteRun, AReportThatCannotBeWrittenIsRefusedBeforeTheRunNamingIt) {
  ASSERT_TRUE(Launch()->completed);
  const std::string report = testing::ReadText(dir_ / "acute.tmp");
  const std::string plot = testing::ReadText(dir_ / "plot.tmp");
  form_.per_kg = false;  // a run whose report would differ
  form_.save_report = true;
  form_.report_name = (dir_ / "no-such-folder" / "first").string();
  port_.events.clear();
  EXPECT_EQ(Launch(), std::nullopt);
  EXPECT_EQ(port_.LastMessage(),
            "Warning: Can't write file " + (dir_ / "no-such-folder" / "first.AC10").string() +
                ": the folder " + (dir_ / "no-such-folder").string() +
                " does not exist. Choose another name, or create the folder first.");
  for (const auto& m : port_.events) EXPECT_NE(m.text.rfind("Calibrating", 0), 0u);  // not run
  // The last run's work files stay together and whole.
  EXPECT_EQ(testing::ReadText(dir_ / "acute.tmp"), report);
  EXPECT_EQ(testing::ReadText(dir_ / "plot.tmp"), plot);
}

TEST_F(AcuteRun, ASecondRunInTheSameFolderIsRefusedAtOnce) {
  auto running = FolderLock::TryAcquire(dir_.path());
  ASSERT_TRUE(running.lock);
  std::filesystem::remove(dir_ / "tarnpass.tmp");
  EXPECT_EQ(Launch(), std::nullopt);
  EXPECT_EQ(port_.LastMessage(),
            "Run Tarn Acute Analysis: Another analysis is running with the work files in " +
                dir_.path().string() +
                ". Start this analysis when that one has ended, or give it a work folder of its "
                "own.");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "tarnpass.tmp"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "acute.tmp"));
  running.lock.reset();
  EXPECT_TRUE(Launch()->completed);
}

TEST_F(AcuteRun, MissingConsumptionFileEndsTheProgram) {
  std::filesystem::remove(dir_ / "survey/A4.DAT");
  EXPECT_THROW(Launch(), ProgramEnds);
  EXPECT_EQ(port_.LastMessage(),
            "Can't continue without files: Can't find food consumption file " +
                (dir_ / "survey/A4.DAT").string() +
                "\r\nPlease check for food consumption files in the assigned path (" +
                (dir_ / "survey/").string() + ").");
}

TEST_F(AcuteRun, RunStartRefusalsWriteNothing) {
  struct Case {
    std::function<void(MainForm&)> change;
    std::string message;
  };
  const std::vector<Case> cases = {
      {[](MainForm& f) { f.residue.reset(); },
       "Warning: You must open a residue file or a batch file before you can start the analysis."},
      {[](MainForm& f) {
         f.standard = {false, false, false};
       },
       "Warning: At least one standard population must be checked OR one custom population "
       "defined."},
      {[](MainForm& f) { f.noel = f.arfd = "0"; },
       "Warning: At least one toxicology endpoint value must be greater than zero."},
      {[](MainForm& f) { f.save_report = true; },
       "Warning: If you want Acute report file to be saved, you must specify a valid file name "
       "(*.AC10)"},
      {[](MainForm& f) {
         f.eating_occasion = f.reversal = true;
         f.half_life = "49";
       },
       "Acute analysis data problem: Half Life cannot be set to zero or greater than 48 hrs."},
  };
  for (const auto& c : cases) {
    MainForm form = form_;
    c.change(form);
    ScriptedPort port;
    EXPECT_FALSE(LaunchAnalysis(form, session_, port).has_value()) << c.message;
    EXPECT_EQ(port.LastMessage(), c.message);
    EXPECT_FALSE(std::filesystem::exists(dir_ / kPassFileName));
  }
  std::filesystem::remove(dir_ / "AcutSpec.txt");
  EXPECT_FALSE(Launch().has_value());
  EXPECT_EQ(port_.Messages().back().title, "Run Tarn Acute Analysis");
}

TEST_F(AcuteRun, ExistingReportNeedsConsent) {
  form_.save_report = true;
  form_.report_name = "old.AC10";
  testing::WriteText(dir_ / "residues/old.AC10", "keep me");
  port_.answers = {Answer::No};
  EXPECT_FALSE(Launch().has_value());
  EXPECT_EQ(port_.LastMessage(), "Warning: Acute Report file " +
                                     (dir_ / "residues/old.AC10").string() +
                                     " already exists. Do you want to write over the old file?");
  EXPECT_EQ(testing::ReadText(dir_ / "residues/old.AC10"), "keep me");
  EXPECT_EQ(WithExtension("name.txt", ".AC10"), "name.AC10");
  EXPECT_EQ(WithExtension("name.ac10", ".AC10"), "name.ac10");
}

TEST_F(AcuteRun, WaterResiduesDropPersonDaysWithoutWaterData) {
  testing::WriteText(dir_ / "residues/TEST.R10",
                     std::string(testing::kHandMadeResidue) +
                         "532,\"86010000\",\"01\",0.1,1,1,0,\"Water\",\"\"\r\n");
  auto people = People();
  people[0].water_code[1] = -1;  // person 101 has no valid water record
  testing::WriteSurvey(dir_ / "survey", people);
  OpenResidue();
  WorkSetWriter work(dir_.path(), WorkRun{});
  RunSetup run = SetUpRun(Request(), work, port_);
  EXPECT_TRUE(run.tables.water_in_residue_file);
  EXPECT_EQ(run.membership[0], 0u);
  EXPECT_EQ(run.membership[1], 1u);
}

}  // namespace
}  // namespace acute
