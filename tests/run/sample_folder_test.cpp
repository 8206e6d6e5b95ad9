// The sample data folder passes the start-up checks, every residue file in it loads, and a
// deterministic analysis runs on it, for both database kinds.
#include <gtest/gtest.h>

#include "common/scripted_port.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/test_support.h"
#include "ui/main_form.h"

namespace acute {
namespace {

TEST(SampleFolder, LoadsAndRunsForBothKinds) {
  for (int kind : {0, 2}) {
    testing::ScratchFolder dir;
    sample::SampleManifest m = sample::WriteSampleData(dir / "data", {kind, 300, 7});
    ScriptedPort port;
    DataSession session = OpenDataSession(m.folder, port);
    EXPECT_EQ(session.support.DatabaseKind, kind);
    for (const auto& name : {m.plain_residue, m.mc_residue, m.two_chemical_residue}) {
      auto data = ReadResidueFile(m.residue_folder / name, session.support, port);
      ASSERT_TRUE(data.has_value()) << name << ": " << port.LastMessage();
    }
    EXPECT_TRUE(port.Messages().empty());

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

}  // namespace
}  // namespace acute
