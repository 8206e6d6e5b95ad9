// Analyses of generated sample folders end to end: both database kinds load and run; a
// Monte Carlo run repeats with its seed and gives the deterministic figures when every
// distribution is a fixed value; and any number of threads gives the same run (Monte Carlo
// reports with both generators, held residues, drinking-water groups and two chemicals, the
// files of a critical exposure analysis, and deterministic runs).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

// Both database kinds run (every residue file of both loads: see the sample data tests).
TEST(SampleFolder, LoadsAndRunsForBothKinds) {
  for (int kind : {0, 2}) {
    testing::ScratchFolder dir;
    sample::SampleManifest m = sample::WriteSampleData(dir / "data", {kind, 300, 7});
    ScriptedPort port;
    DataSession session = OpenDataSession(m.folder, port);
    MainForm form;
    form.residue = ReadResidueFile(m.residue_folder / m.plain_residue, session.support, port);
    form.TakeEndpointsFromResidueFile();
    form.standard.assign(session.support.StandardPopulationCount(), true);
    form.eating_occasion = true;
    form.reversal = true;
    form.half_life = "6";
    auto outcome = LaunchAnalysis(form, session, port, "12/06/2026", "10:00:00");
    ASSERT_TRUE(outcome && outcome->completed) << port.LastMessage();
    EXPECT_GT(std::filesystem::file_size(outcome->last_report), 10000u);

    // DWLOC analyses of the Monte Carlo file, deterministic and Monte Carlo, with a plot file.
    MainForm dwloc;
    dwloc.residue = ReadResidueFile(m.residue_folder / m.mc_residue, session.support, port);
    dwloc.TakeEndpointsFromResidueFile();
    dwloc.standard.assign(session.support.StandardPopulationCount(), false);
    dwloc.standard[0] = true;
    dwloc.dwloc_mode = true;
    dwloc.save_plot = true;
    dwloc.plot_name = "water";
    for (bool mc : {false, true}) {
      dwloc.monte_carlo = mc;
      dwloc.iterations = "5";
      dwloc.seed = "3";
      auto run = LaunchAnalysis(dwloc, session, port, "12/06/2026", "10:00:00");
      ASSERT_TRUE(run && run->completed) << port.LastMessage();
      EXPECT_EQ(run->last_report.filename(), "dwloc.tmp");
      const std::string report = testing::ReadText(run->last_report);
      EXPECT_NE(report.find("DWLOC per Capita"), std::string::npos);
      EXPECT_EQ(report.find("Standard Error of mean") == std::string::npos, mc);
      EXPECT_TRUE(std::filesystem::exists(m.residue_folder / "water.DWP"));
    }
  }
}

constexpr int kThreadCounts[] = {1, 2, 3, 7};

class SampleRun : public ::testing::Test {
 protected:
  void SetUp() override {
    manifest_ = sample::WriteSampleData(dir_ / "data", {2, 400, 3});
    ScriptedPort quiet;
    session_ = OpenDataSession(manifest_.folder, quiet);
  }
  // A Monte Carlo run (seed 7, 15 iterations) of populations 1, 2 and 5.
  MainForm Form(const std::string& residue) {
    ScriptedPort quiet;
    MainForm form;
    form.residue = ReadResidueFile(manifest_.residue_folder / residue, session_.support, quiet);
    form.TakeEndpointsFromResidueFile();
    form.standard.assign(session_.support.StandardPopulationCount(), false);
    form.standard[0] = form.standard[1] = form.standard[4] = true;
    form.monte_carlo = true;
    form.iterations = "15";
    form.seed = "7";
    return form;
  }
  // The run's work files whose names start with `prefix`, by name.
  std::map<std::string, std::string> Run(MainForm form, int threads, const std::string& prefix) {
    form.threads = threads;
    ScriptedPort port;
    auto outcome = LaunchAnalysis(form, session_, port, "12/06/2026", "10:00:00");
    EXPECT_TRUE(outcome && outcome->completed) << port.LastMessage();
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(manifest_.folder)) {
      const std::string name = e.path().filename().string();
      if (name.rfind(prefix, 0) == 0) files[name] = testing::ReadText(e.path());
    }
    EXPECT_FALSE(files.empty()) << prefix;
    return files;
  }
  std::string Report(const MainForm& form) { return Run(form, 0, "acute.tmp")["acute.tmp"]; }
  // Every thread count gives the files of one thread.
  void ExpectSameForAnyThreads(const MainForm& form, const std::string& prefix,
                               const std::string& what) {
    const auto one = Run(form, 1, prefix);
    for (int threads : kThreadCounts)
      EXPECT_EQ(Run(form, threads, prefix), one) << what << ", " << threads << " threads";
  }

  testing::ScratchFolder dir_;
  sample::SampleManifest manifest_;
  DataSession session_;
};

TEST_F(SampleRun, MonteCarloReportsAreTheSameForAnyNumberOfThreads) {
  struct Case {
    std::string residue;
    bool hold;  // eating occasions with held residues
  };
  for (const Case& c :
       {Case{"SAMPLEMC.R10", false}, Case{"SAMPLEMC.R10", true}, Case{"TWOCHEM.R10", false}})
    for (bool mt : {true, false}) {
      MainForm form = Form(c.residue);
      form.mersenne_twister = mt;
      form.eating_occasion = form.hold_residues = c.hold;
      ExpectSameForAnyThreads(form, "acute.tmp",
                              c.residue + (c.hold ? " held" : "") + (mt ? " MT" : " VB"));
    }
}

TEST_F(SampleRun, CecFilesAndDeterministicRunsAreTheSameForAnyNumberOfThreads) {
  MainForm cec = Form("SAMPLEMC.R10");
  cec.mersenne_twister = true;
  cec.save_cec = true;
  cec.cec_name = "mc";
  cec.cec_min_percent = "5";
  cec.cec_low = "50";  // thousands of records: the report is made in several parts
  cec.cec_high = "100";
  ExpectSameForAnyThreads(cec, "cec", "CEC files");
  const std::string report = Run(cec, 2, "cec4.tmp")["cec4.tmp"];
  const std::size_t printed = report.find("Number of printed records =");
  ASSERT_NE(printed, std::string::npos);
  EXPECT_GT(std::stoi(report.substr(printed + 27, 8)), 4000);

  MainForm deterministic = Form("SAMPLE.R10");
  deterministic.monte_carlo = false;
  deterministic.iterations = deterministic.seed = "";
  ExpectSameForAnyThreads(deterministic, "acute.tmp", "deterministic");
  deterministic.dwloc_mode = true;
  ExpectSameForAnyThreads(deterministic, "dwloc.tmp", "deterministic DWLOC");
}

TEST_F(SampleRun, FixedSeedsRepeatAndDifferentSeedsDiffer) {
  for (bool mt : {true, false}) {
    MainForm form = Form("SAMPLEMC.R10");
    form.mersenne_twister = mt;
    form.seed = "11";
    const std::string first = Report(form);
    EXPECT_EQ(Report(form), first);
    form.seed = "12";
    EXPECT_NE(Report(form), first);
    EXPECT_NE(first.find("MC iterations = 15; MC list in residue file; MC seed = 11"),
              std::string::npos);
    EXPECT_NE(first.find(mt ? "RNG = Mersenne Twister" : "RNG = MS VB"), std::string::npos);
  }
}

// A Monte Carlo residue file whose distributions are all fixed values gives the percentiles
// of the plain file with the same residues.
TEST_F(SampleRun, FixedValueDistributionsGiveTheDeterministicFigures) {
  const std::string header =
      "\"Fixed\",0\r\n\"21-07-aMCNH2\"\r\n0.02,\"mg\"\r\n0,5,0\r\n"
      "\"12/01/2026\"\r\n";
  std::string mc = header + "2\r\n1,-1,0.5,0\r\n2,-1,0.25,0\r\n3\r\n1\r\n";
  std::string plain = header;
  plain.replace(plain.find("MC"), 2, "");
  plain += "3\r\n1\r\n";
  // Commodities eaten often in the sample survey (apples, bananas, milk, wheat flour, ...).
  int n = 0;
  for (int c : {1, 2, 3, 30, 100, 200, 300}) {
    const std::string rdl = n++ % 2 == 0 ? "1" : "2";
    const std::string residue = rdl == "1" ? "0.5" : "0.25";
    mc += std::to_string(c) + ",\"x\",\"01\",1," + rdl + ",1,1,1,0,\"x\",\"\"\r\n";
    plain += std::to_string(c) + ",\"x\",\"01\"," + residue + ",1,1,0,\"x\",\"\"\r\n";
  }
  testing::WriteText(manifest_.residue_folder / "FIXEDMC.R10", mc);
  testing::WriteText(manifest_.residue_folder / "FIXED.R10", plain);
  MainForm deterministic = Form("FIXED.R10");
  deterministic.monte_carlo = false;
  const std::string det = Report(deterministic);
  const std::string mcr = Report(Form("FIXEDMC.R10"));
  auto summary_values = [](const std::string& report) {
    const std::size_t at = report.find(":U.S. Population\r\n");
    return report.substr(at, report.find("\r\n\r\n", at) - at);
  };
  EXPECT_EQ(summary_values(mcr), summary_values(det));
  EXPECT_NE(det.find("0.0"), std::string::npos);
}

}  // namespace
}  // namespace acute
