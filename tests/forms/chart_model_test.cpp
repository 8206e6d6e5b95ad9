// The chart of a run read back from its plot file, and its SVG form.
#include "forms/chart_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

std::string Percent(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3g", v);
  return text;
}

// The chart of a run's figures is the chart of its plot file at full precision, marked at
// the report's own per-capita percentiles.
void ExpectChartOfPlotFile(const ReportFigures& figures, const ChartData& file) {
  const ChartData chart = ChartDataOf(figures);
  EXPECT_EQ(chart.title, file.title);
  EXPECT_EQ(chart.dwloc, file.dwloc);
  EXPECT_EQ(chart.x_title, file.x_title);
  EXPECT_EQ(chart.note, file.note);
  ASSERT_EQ(chart.curves.size(), file.curves.size());
  for (std::size_t j = 0; j < chart.curves.size(); ++j) {
    const ChartCurve &c = chart.curves[j], &f = file.curves[j];
    EXPECT_EQ(c.name, f.name);
    EXPECT_NEAR(c.reference, f.reference, 5e-7);
    ASSERT_EQ(c.x.size(), f.x.size()) << c.name;
    for (std::size_t k = 0; k < c.x.size(); ++k) {
      EXPECT_NEAR(c.x[k], f.x[k], 5e-9 + 5e-8 * f.x[k]) << c.name << " bin " << k;
      EXPECT_NEAR(c.y[k], f.y[k], 5e-4) << c.name << " bin " << k;
    }
    const PopulationResult& r = figures.results[j];
    EXPECT_EQ(c.Marked(0), r.Exposure(Distribution::PerCapita, 9));
    EXPECT_EQ(c.Marked(1), r.Exposure(Distribution::PerCapita, 11));
    EXPECT_EQ(c.Marked(2), r.Exposure(Distribution::PerCapita, 14));
    EXPECT_EQ(f.Marked(1), f.Percentile(1));  // without figures: read off the curve
  }
}

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
  form.standard_pad.Set(7, 0.002f);
  const auto outcome = LaunchAnalysis(form, session, port, "12/06/2026", "10:00:00");
  ASSERT_TRUE(outcome && outcome->completed) << port.LastMessage();

  const auto chart = ReadChartData(outcome->last_plot, false, 0.01);
  ASSERT_TRUE(chart);
  ASSERT_EQ(chart->curves.size(), 2u);
  ASSERT_EQ(outcome->reports.size(), 1u);
  ExpectChartOfPlotFile(outcome->reports[0], *chart);
  EXPECT_EQ(chart->curves[0].name, session.support.PopulationNames[1]);
  EXPECT_TRUE(testing::Near(chart->curves[0].reference, 0.01, 1e-6));
  EXPECT_TRUE(testing::Near(chart->curves[1].reference, 0.002, 1e-6));
  EXPECT_EQ(chart->title.rfind("Exposure to ", 0), 0u) << chart->title;
  EXPECT_NE(chart->title.find(", residue file " + m.plain_residue + ", run of 12/06/2026"),
            std::string::npos)
      << chart->title;
  for (const ChartCurve& c : chart->curves) {
    // The tail: the percent of person-days above an exposure, falling as it rises; its
    // percentiles are where it holds 5, 1 and 0.1 percent.
    const std::vector<double> tail = c.Tail();
    EXPECT_TRUE(std::is_sorted(tail.rbegin(), tail.rend()));
    EXPECT_NEAR(c.TailAt(c.x[3]), tail[3], 1e-9);
    const double p99 = c.Percentile(1), p95 = c.Percentile(5), p999 = c.Percentile(0.1);
    EXPECT_TRUE(p95 > 0 && p95 <= p99 && p99 <= p999) << c.name;
    EXPECT_NEAR(c.TailAt(p99), 1.0, 1e-6) << c.name;
    const double between = std::sqrt(c.x[5] * c.x[6]);  // interpolated on the log of x
    EXPECT_NEAR(c.TailAt(between), (tail[5] + tail[6]) / 2, 1e-9);
  }
  EXPECT_EQ(chart->ReferenceLabel(0.01),
            "aRfD = 0.01: " + Percent(chart->curves[0].TailAt(0.01)) + "% of person-days above");
  ChartData shared = *chart;  // populations that share a dose but not its tail are named
  shared.curves[1].reference = 0.01;
  shared.curves[1].y.assign(shared.curves[1].y.size(), 99.5);
  EXPECT_EQ(shared.ReferenceLabel(0.01), "aRfD = 0.01: " + Percent(chart->curves[0].TailAt(0.01)) +
                                             "% of person-days above (" + chart->curves[0].name +
                                             "), 0.5% (" + chart->curves[1].name + ")");
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
  ExpectChartOfPlotFile(dwloc->reports.at(0), *water);
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
