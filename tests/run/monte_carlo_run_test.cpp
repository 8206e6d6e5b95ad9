// Monte Carlo analyses end to end: reproducible with a fixed seed, and equal to the
// deterministic run when every distribution is a fixed value.
#include <gtest/gtest.h>

#include <fstream>

#include "common/scripted_port.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/test_support.h"
#include "ui/main_form.h"

namespace acute {
namespace {

class MonteCarloRun : public ::testing::Test {
 protected:
  void SetUp() override {
    manifest_ = sample::WriteSampleData(dir_ / "data", {2, 400, 3});
    ScriptedPort quiet;
    session_ = OpenDataSession(manifest_.folder, quiet);
  }
  MainForm Form(const std::string& residue, const std::string& seed, bool mt) {
    ScriptedPort quiet;
    MainForm form;
    form.residue = ReadResidueFile(manifest_.residue_folder / residue, session_.support, quiet);
    form.TakeEndpointsFromResidueFile();
    form.standard.assign(session_.support.StandardPopulationCount(), false);
    form.standard[0] = form.standard[1] = true;
    form.monte_carlo = true;
    form.iterations = "20";
    form.seed = seed;
    form.mersenne_twister = mt;
    return form;
  }
  std::string Run(const MainForm& form) {
    ScriptedPort port;
    auto outcome = LaunchAnalysis(form, session_, port, "12/06/2026", "10:00:00");
    EXPECT_TRUE(outcome && outcome->completed) << port.LastMessage();
    return testing::ReadText(manifest_.folder / "acute.tmp");
  }
  testing::ScratchFolder dir_;
  sample::SampleManifest manifest_;
  DataSession session_;
};

TEST_F(MonteCarloRun, FixedSeedsRepeatAndDifferentSeedsDiffer) {
  for (bool mt : {true, false}) {
    const std::string first = Run(Form("SAMPLEMC.R10", "11", mt));
    EXPECT_EQ(Run(Form("SAMPLEMC.R10", "11", mt)), first);
    EXPECT_NE(Run(Form("SAMPLEMC.R10", "12", mt)), first);
    EXPECT_NE(first.find("MC iterations = 20; MC list in residue file; MC seed = 11"),
              std::string::npos);
    EXPECT_NE(first.find(mt ? "RNG = Mersenne Twister" : "RNG = MS VB"), std::string::npos);
  }
}

// A Monte Carlo residue file whose distributions are all fixed values gives the percentiles
// of the plain file with the same residues.
TEST_F(MonteCarloRun, FixedValueDistributionsGiveTheDeterministicFigures) {
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
  MainForm deterministic = Form("FIXED.R10", "1", true);
  deterministic.monte_carlo = false;
  const std::string det = Run(deterministic);
  const std::string mcr = Run(Form("FIXEDMC.R10", "1", true));
  auto summary_values = [](const std::string& report) {
    const std::size_t at = report.find(":U.S. Population\r\n");
    return report.substr(at, report.find("\r\n\r\n", at) - at);
  };
  EXPECT_EQ(summary_values(mcr), summary_values(det));
  EXPECT_NE(det.find("0.0"), std::string::npos);
}

}  // namespace
}  // namespace acute
