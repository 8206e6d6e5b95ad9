// The bands of a chart after an uncertainty analysis: each population's per-capita percentile
// interval at the percent axis's levels, found by the population's name.
#include "forms/chart_bands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

TEST(ChartBandsTest, ARunWithBootstrapRoundsBandsEachCurveWithItsIntervals) {
  testing::ScratchFolder dir;
  const auto m = sample::WriteSampleData(dir / "data", {2, 300, 3});
  ScriptedPort port;
  const DataSession session = OpenDataSession(m.folder, port);
  MainForm form;
  form.residue = ReadResidueFile(m.residue_folder / m.plain_residue, session.support, port);
  form.arfd = "0.01";
  form.standard.assign(session.support.StandardPopulationCount(), false);
  form.standard[0] = form.standard[2] = true;
  form.bootstrap.rounds = "12";
  form.bootstrap.seed = "7";
  const auto outcome = LaunchAnalysis(form, session, port, "12/06/2026", "10:00:00");
  ASSERT_TRUE(outcome && outcome->completed && outcome->bootstrap) << port.LastMessage();
  ChartData chart = ChartDataOf(outcome->reports.at(0));
  EXPECT_EQ(ChartSvg(chart).find("<polygon"), std::string::npos);  // no band of its own
  AddBootstrapBands(chart, *outcome->bootstrap);
  EXPECT_EQ(chart.band_label, "95% interval, 12 rounds");
  const auto figures = BootstrapFigureList(outcome->bootstrap->exact);
  const auto p99 = std::find_if(figures.begin(), figures.end(),
                                [](const BootstrapFigure& f) { return f.key == "capita_p99"; });
  ASSERT_EQ(chart.curves.size(), 2u);
  for (std::size_t j = 0; j < chart.curves.size(); ++j) {
    const ChartCurve& c = chart.curves[j];
    ASSERT_EQ(c.band_low.size(), c.band_tail.size());
    ASSERT_EQ(c.band_high.size(), c.band_tail.size());
    EXPECT_TRUE(std::is_sorted(c.band_tail.rbegin(), c.band_tail.rend())) << "top down";
    for (std::size_t k = 0; k < c.band_tail.size(); ++k)
      EXPECT_TRUE(c.band_low[k] > 0 && c.band_low[k] <= c.band_high[k]) << c.name << " " << k;
    // The 99th percentile's band is its interval in the results file.
    const auto k = std::find(c.band_tail.begin(), c.band_tail.end(), 1.0) - c.band_tail.begin();
    ASSERT_LT(static_cast<std::size_t>(k), c.band_tail.size()) << c.name;
    const FigureInterval& i = outcome->bootstrap->intervals[j][p99 - figures.begin()];
    EXPECT_EQ(c.band_low[k], *i.low);
    EXPECT_EQ(c.band_high[k], *i.high);
  }
  const std::string svg = ChartSvg(chart);
  EXPECT_NE(svg.find("<polygon"), std::string::npos);
  EXPECT_NE(svg.find(">95% interval, 12 rounds<"), std::string::npos);
}

// A hand-made section: its populations in another order than the chart's, a level without
// its low bound, and a DWLOC chart.
TEST(ChartBandsTest, BandsFollowTheNamesAndLeaveOutWhatCannotBeDrawn) {
  BootstrapSection s;
  s.settings.rounds = 1;
  s.settings.level_tenths = 975;
  s.layout.population_names = {"Children", "All"};
  const auto figures = BootstrapFigureList(false);
  s.intervals.assign(2, std::vector<FigureInterval>(figures.size()));
  for (std::size_t i = 0; i < figures.size(); ++i) {
    s.intervals[0][i] = {1.0, 0.5, 1.0, 2.0};
    s.intervals[1][i] = {1.0, 1.0, 1.0, 4.0};
  }
  for (std::size_t i = 0; i < figures.size(); ++i)
    if (figures[i].key == "capita_p95") s.intervals[1][i].low.reset();
  ChartData chart;
  chart.curves.resize(2);
  chart.curves[0].name = "All";
  chart.curves[1].name = "Children";
  AddBootstrapBands(chart, s);
  EXPECT_EQ(chart.band_label, "97.5% interval, 1 round");
  const ChartCurve &all = chart.curves[0], &children = chart.curves[1];
  // 50% down to 0.1%: the levels on the axis; the maximum and the levels above 50% are not.
  EXPECT_EQ(children.band_tail,
            (std::vector<double>{50, 40, 30, 20, 10, 5, 2.5, 1, 0.5, 0.25, 0.1}));
  EXPECT_EQ(children.band_low.front(), 0.5);
  EXPECT_EQ(all.band_high.front(), 4.0);
  EXPECT_EQ(std::count(all.band_tail.begin(), all.band_tail.end(), 5.0), 0);
  EXPECT_EQ(all.band_tail.size(), children.band_tail.size() - 1);

  chart.dwloc = true;
  AddBootstrapBands(chart, s);
  EXPECT_TRUE(chart.curves[0].band_tail.empty() && chart.band_label.empty());
}

}  // namespace
}  // namespace acute
