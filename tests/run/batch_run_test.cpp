// Batch runs of the sample folder: one run per entry with its own reports and distribution
// scratch file, the same figures as single runs, entry subsets that write exactly what the
// whole batch writes, per-entry endpoints and the batch checks of the run start.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/pass_file.h"
#include "forms/batch_open.h"
#include "forms/main_form.h"
#include "forms/run_checks.h"
#include "inputs/batch_setup.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "reports/report_specs.h"
#include "run/session.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::ReadText;

// A report without the lines that differ between runs by design: the date line, the batch
// run's file and run comment lines, and blank lines (page filler follows the header length).
std::string Figures(const std::filesystem::path& report) {
  std::istringstream in(ReadText(report));
  std::string line, out;
  bool comment = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Run Comment:", 0) == 0)
      comment = true;  // and its continuation line
    else if (comment) {
      comment = false;
      continue;
    }
    if (line.find_first_not_of(' ') == std::string::npos || line.rfind("Analysis Date", 0) == 0 ||
        line.rfind("File Comment:", 0) == 0 || line.rfind("Run Comment:", 0) == 0)
      continue;
    out += line + "\n";
  }
  return out;
}

class BatchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    m_ = sample::WriteSampleData(dir_ / "data", {2, 200, 5});
    session_ = OpenDataSession(m_.folder, port_);
    form_.standard.assign(session_.support.StandardPopulationCount(), false);
    form_.standard[0] = form_.standard[1] = true;
    form_.monte_carlo = true;
    form_.iterations = "4";
    form_.seed = "11";
    form_.mersenne_twister = true;
  }
  std::optional<EngineOutcome> RunBatch(const std::vector<int>& entries = {}) {
    form_.batch.reset();
    form_.batch = Session(session_).ReadBatchFile(m_.residue_folder / m_.batch_file, port_);
    EXPECT_TRUE(form_.batch) << port_.LastMessage();
    form_.comment = form_.batch->file.comment;
    if (!entries.empty()) form_.batch = SelectEntries(*form_.batch, entries);
    return LaunchAnalysis(form_, session_, port_, "12/06/2026", "10:00:00");
  }
  std::filesystem::path Out(const std::string& name) const { return m_.residue_folder / name; }

  testing::ScratchFolder dir_;
  sample::SampleManifest m_;
  ScriptedPort port_;
  DataSession session_;
  MainForm form_;
};

TEST_F(BatchRun, EveryEntryGetsTheReportsOfASingleRun) {
  auto outcome = RunBatch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  EXPECT_EQ(port_.LastMessage(),
            "Tarn-VELD Acute Module: Batch analysis completed. All reports have been saved to the "
            "output file names designated in the current batch file, in the same directory or "
            "folder as the batch file.");
  bool status_shown = false;
  for (const PortEvent& e : port_.events)
    status_shown = status_shown || e.text == "Batch run: Residue File 2 of 3  SAMPLEMC.R10";
  EXPECT_TRUE(status_shown);
  // Monte Carlo entries read their distribution files into their own scratch files.
  EXPECT_FALSE(std::filesystem::exists(m_.folder / "rdfl1.TMP"));  // plain file
  EXPECT_TRUE(std::filesystem::exists(m_.folder / "rdfl2.TMP"));
  EXPECT_TRUE(std::filesystem::exists(m_.folder / "rdfl3.TMP"));

  // The outcome carries each entry's figures, in entry order.
  const std::vector<ReportFigures> entries = outcome->reports;
  ASSERT_EQ(entries.size(), 3u);
  const std::vector<std::string> bases{"SAMPLE", "SAMPLEMC", "TWOCHEM"};
  for (std::size_t i = 0; i < bases.size(); ++i) {
    const std::string& base = bases[i];
    EXPECT_EQ(std::filesystem::path(entries[i].context.residue_file_path).filename(),
              base + ".R10");
    MainForm single = form_;
    single.batch.reset();
    single.residue = ReadResidueFile(Out(base + ".R10"), session_.support, port_);
    single.TakeEndpointsFromResidueFile();
    single.monte_carlo = single.residue->OffersMonteCarlo();
    single.save_report = single.save_plot = true;
    single.report_name = single.plot_name = "single";
    auto run = LaunchAnalysis(single, session_, port_, "12/06/2026", "10:00:00");
    ASSERT_TRUE(run && run->completed) << port_.LastMessage();
    EXPECT_TRUE(Figures(Out(base + ".AC10")) == Figures(Out("single.AC10"))) << base;
    EXPECT_TRUE(Figures(Out(base + ".PLT")) == Figures(Out("single.PLT"))) << base;
    ASSERT_EQ(run->reports.size(), 1u);
    ASSERT_EQ(entries[i].results.size(), run->reports[0].results.size());
    for (std::size_t j = 0; j < entries[i].results.size(); ++j)
      EXPECT_EQ(entries[i].results[j].exp_capita, run->reports[0].results[j].exp_capita) << base;
  }
}

TEST_F(BatchRun, ResidueFilesAreFoundWhateverTheirCase) {
  std::filesystem::rename(Out("SAMPLE.R10"), Out("sample.r10"));
  auto outcome = RunBatch({1});
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  EXPECT_NE(ReadText(Out("SAMPLE.AC10")).find("Residue file: sample.r10 "), std::string::npos);
}

TEST_F(BatchRun, AnEntryRunAloneWritesWhatTheWholeBatchWrites) {
  ASSERT_TRUE(RunBatch());
  const std::string whole_report = ReadText(Out("TWOCHEM.AC10"));
  const std::string whole_plot = ReadText(Out("TWOCHEM.PLT"));
  std::filesystem::remove(Out("TWOCHEM.AC10"));
  std::filesystem::remove(Out("SAMPLE.AC10"));
  auto outcome = RunBatch({3});
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  EXPECT_TRUE(ReadText(Out("TWOCHEM.AC10")) == whole_report);  // same date and time given
  EXPECT_TRUE(ReadText(Out("TWOCHEM.PLT")) == whole_plot);
  EXPECT_FALSE(std::filesystem::exists(Out("SAMPLE.AC10")));
}

TEST_F(BatchRun, EachEntryKeepsItsOwnEndpoints) {
  // Entry 1 loses its aRfD: its report shows the NOEL only, the others keep both.
  std::string text = ReadText(Out("SAMPLE.R10"));
  const std::size_t line3 = text.find('\n', text.find('\n') + 1) + 1;
  text.replace(line3, text.find(',', line3) - line3, "0");
  testing::WriteText(Out("SAMPLE.R10"), text);
  ASSERT_TRUE(RunBatch());
  EXPECT_EQ(ReadText(Out("SAMPLE.AC10")).find("Acute Reference Dose"), std::string::npos);
  EXPECT_NE(ReadText(Out("SAMPLEMC.AC10")).find("Acute Reference Dose"), std::string::npos);

  // A DWLOC batch needs every entry's aRfD.
  form_.dwloc_mode = true;
  auto refused = RunBatch();
  EXPECT_FALSE(refused.has_value());
  EXPECT_EQ(port_.LastMessage(),
            "Warning: Can't proceed because the following residue files do not have the acute "
            "aRfD value needed for DWLOC analysis:\r\nSAMPLE.R10");
}

TEST_F(BatchRun, CecSettingsInABatchAreRefusedNotIgnored) {
  form_.batch = batchsetup(m_.residue_folder / m_.batch_file, session_.support, port_);
  form_.monte_carlo = false;
  auto settings = PrepareBatchRun(form_, session_, port_);
  ASSERT_TRUE(settings.has_value()) << port_.LastMessage();
  settings->cec_flag = true;
  settings->cec.max_records = 100;
  settings->cec.file_name = "run.CEC";
  const PassFileLayout layout{2, session_.support.StandardPopulationCount()};
  ASSERT_TRUE(WritePassFile(session_.WorkFolder() / kPassFileName, *settings, layout));
  EngineRequest request{session_, FormSettings{}, DefaultReportSpecs(), "12/06/2026", "10:00"};
  EXPECT_FALSE(RunEngine(request, port_).completed);
  EXPECT_EQ(port_.LastMessage(), std::string("Tarn-VELD Acute Module: ") + kNoCecInBatchRuns);
  EXPECT_FALSE(std::filesystem::exists(Out("SAMPLE.AC10")));
}

TEST_F(BatchRun, WorkFilesGoToTheWorkFolder) {
  session_.work_folder = dir_ / "work";
  std::filesystem::create_directories(session_.work_folder);
  testing::WriteText(m_.folder / "acute.tmp", "previous run");
  auto outcome = RunBatch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  for (const char* name : {"tarnpass.tmp", "acute.tmp", "plot.tmp", "rdfl2.TMP", "rdfl3.TMP"}) {
    EXPECT_TRUE(std::filesystem::exists(session_.work_folder / name)) << name;
    if (std::string(name) != "acute.tmp") {
      EXPECT_FALSE(std::filesystem::exists(m_.folder / name)) << name;
    }
  }
  EXPECT_EQ(ReadText(m_.folder / "acute.tmp"), "previous run");
  EXPECT_EQ(outcome->last_report, session_.work_folder / "acute.tmp");
}

}  // namespace
}  // namespace acute
