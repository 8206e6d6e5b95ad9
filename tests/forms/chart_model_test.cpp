// The chart of a run read back from its plot file, and its SVG form.
#include "forms/chart_model.h"

#include <gtest/gtest.h>

#include "common/scripted_port.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/test_support.h"
#include "forms/main_form.h"

namespace acute {
namespace {

TEST(ChartModelTest, CurvesOfARunWithTheirDoses) {
  testing::ScratchFolder dir;
  const auto m = sample::WriteSampleData(dir / "data", {2, 300, 3});
  ScriptedPort port;
  const DataSession session = OpenDataSession(m.folder, port);
  MainForm form;
  form.residue = ReadResidueFile(m.residue_folder / m.plain_residue, session.support, port);
  form.arfd = "0.01";
  form.standard.assign(session.support.StandardPopulationCount(), false);
  form.standard[0] = form.standard[6] = true;  // 6 has a PAD of its own, 1 has none
  form.pad = true;
  form.standard_pad.assign(40, 0.0f);
  form.standard_pad[7] = 0.002f;
  const auto outcome = LaunchAnalysis(form, session, port, "12/06/2026", "10:00:00");
  ASSERT_TRUE(outcome && outcome->completed) << port.LastMessage();

  const auto chart = ReadChartData(outcome->last_plot, false, 0.01);
  ASSERT_TRUE(chart);
  ASSERT_EQ(chart->curves.size(), 2u);
  EXPECT_EQ(chart->curves[0].name, session.support.PopulationNames[1]);
  EXPECT_TRUE(testing::Near(chart->curves[0].reference, 0.01, 1e-6));
  EXPECT_TRUE(testing::Near(chart->curves[1].reference, 0.002, 1e-6));
  for (const ChartCurve& c : chart->curves) {
    ASSERT_GT(c.x.size(), 10u) << c.name;
    EXPECT_TRUE(std::is_sorted(c.x.begin(), c.x.end()));
    EXPECT_TRUE(std::is_sorted(c.y.begin(), c.y.end()));
    EXPECT_TRUE(testing::Near(c.y.back(), 100.0, 1e-6));
    EXPECT_GT(c.x.front(), 0.0);
  }

  const std::string svg = ChartSvg(*chart);
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  std::size_t lines = 0, dashed = 0;
  for (std::size_t p = 0; (p = svg.find("<polyline", p)) != std::string::npos; ++p) ++lines;
  for (std::size_t p = 0; (p = svg.find("stroke-dasharray", p)) != std::string::npos; ++p) ++dashed;
  EXPECT_EQ(lines, 2u);
  EXPECT_EQ(dashed, 2u);
  EXPECT_EQ(svg.find("nan"), std::string::npos);

  // A DWLOC run: the percent of person-days at or above a level falls as the level rises.
  form.dwloc_mode = true;
  form.pad = false;
  const auto dwloc = LaunchAnalysis(form, session, port, "12/06/2026", "10:00:00");
  ASSERT_TRUE(dwloc && dwloc->completed) << port.LastMessage();
  const auto water = ReadChartData(dwloc->last_plot, true, 0.01);
  ASSERT_TRUE(water);
  ASSERT_EQ(water->curves.size(), 2u);
  const ChartCurve& c = water->curves[0];
  ASSERT_GT(c.x.size(), 10u);
  EXPECT_TRUE(std::is_sorted(c.x.rbegin(), c.x.rend()));
  EXPECT_TRUE(std::is_sorted(c.y.begin(), c.y.end()));
  EXPECT_EQ(ChartSvg(*water).find("stroke-dasharray"), std::string::npos);
}

TEST(ChartModelTest, AFileWithoutPopulationsGivesNoChart) {
  testing::ScratchFolder dir;
  testing::WriteText(dir / "plot.tmp", "nothing here\r\n");
  EXPECT_FALSE(ReadChartData(dir / "plot.tmp", false, 0));
  EXPECT_FALSE(ReadChartData(dir / "missing.tmp", false, 0));
}

}  // namespace
}  // namespace acute
