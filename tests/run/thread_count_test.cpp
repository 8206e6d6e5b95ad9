// Any number of threads gives the same run: Monte Carlo reports with both generators, held
// residues, drinking-water groups and two chemicals, the files of a critical exposure
// analysis, and a deterministic run.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/scripted_port.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/test_support.h"
#include "ui/main_form.h"

namespace acute {
namespace {

constexpr int kThreadCounts[] = {1, 2, 3, 7};

class ThreadCount : public ::testing::Test {
 protected:
  void SetUp() override {
    manifest_ = sample::WriteSampleData(dir_ / "data", {2, 400, 3});
    ScriptedPort quiet;
    session_ = OpenDataSession(manifest_.folder, quiet);
  }
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

TEST_F(ThreadCount, MonteCarloReportsAreTheSameForAnyNumberOfThreads) {
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

TEST_F(ThreadCount, CecFilesAndDeterministicRunsAreTheSameForAnyNumberOfThreads) {
  MainForm cec = Form("SAMPLEMC.R10");
  cec.mersenne_twister = true;
  cec.save_cec = true;
  cec.cec_name = "mc";
  cec.cec_min_percent = "5";
  cec.cec_records = "50";
  cec.cec_low = "95";
  cec.cec_high = "100";
  ExpectSameForAnyThreads(cec, "cec", "CEC files");

  MainForm deterministic = Form("SAMPLE.R10");
  deterministic.monte_carlo = false;
  deterministic.iterations = deterministic.seed = "";
  ExpectSameForAnyThreads(deterministic, "acute.tmp", "deterministic");
  deterministic.dwloc_mode = true;
  ExpectSameForAnyThreads(deterministic, "dwloc.tmp", "deterministic DWLOC");
}

}  // namespace
}  // namespace acute
