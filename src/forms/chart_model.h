#pragma once
// The chart of a run, toolkit-free, from the run's figures or read back from its plot file
// (after a restart, or for a saved plot file): for every population
// the exceedance curve (the percent of all its person-days above an exposure, days without
// exposure included; for DWLOC the percent at or below a level), the dose it is compared
// with and the percent of person-days above that dose, its 95th, 99th and 99.9th
// percentiles; a title with the chemical, the residue file and the run's date; and an SVG
// rendering of the same chart. Both axes are logarithmic, the percent axis from 50% down
// to 0.01%, where the tail is.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "reports/report_figures.h"

namespace acute {

struct ChartCurve {
  std::string name;
  std::vector<double> x;  // exposure (DWLOC: drinking-water level), above 0, in bin order
  std::vector<double> y;  // percent of person-days at or below x (DWLOC: at or above x)
  double reference = 0;   // the aPAD of the population, else the run's aRfD; 0 when none

  // The percent of person-days in the tail at x: above x (DWLOC: below x), interpolated on
  // the log of x between the bin bounds.
  double TailAt(double at) const;
  // The points of the exceedance curve: the tail percent at each bin bound.
  std::vector<double> Tail() const;
  // The exposure whose tail holds `percent` of the person-days (the 100 - percent
  // percentile); 0 when the curve never reaches it.
  double Percentile(double percent) const;
  // The exposure at the i-th marked tail (kMarkedTails): the run's own percentile when the
  // curve comes from its figures, else read off the curve; 0 when there is none.
  double Marked(std::size_t i) const;
  bool dwloc = false;
  std::vector<double> marks;  // from the run's figures: the exposure at each marked tail
  // The run's uncertainty at the tail percents on the percent axis, top down: the interval of
  // the per-capita percentile over the bootstrap rounds (see chart_bands.h); empty without.
  std::vector<double> band_tail, band_low, band_high;
};

// The tail percents the markers show: the 95th, 99th and 99.9th percentiles.
inline constexpr double kMarkedTails[] = {5, 1, 0.1};
// The percent axis, from its top to its bottom.
inline constexpr double kTailTop = 50;
inline constexpr double kTailBottom = 0.01;

struct ChartData {
  bool dwloc = false;
  double arfd = 0;    // the run's aRfD
  std::string title;  // the chemical, the residue file and the date of the run
  std::string x_title;
  std::string y_title;
  std::string note;        // what the percents are of
  std::string band_label;  // the level and rounds of the curves' bands; empty without bands
  std::vector<ChartCurve> curves;

  // The legend of a reference line: "aRfD = 0.01: 0.35% of person-days above" (the percent
  // of the first population compared with it).
  std::string ReferenceLabel(double dose) const;
};

// Reads a plot file ("plot.tmp" or "DWPlot.tmp", or a saved .PLT/.DWP). `arfd` is the run's
// aRfD, the reference of populations that the file gives no PAD for. std::nullopt when the
// file cannot be read or holds no population.
std::optional<ChartData> ReadChartData(const std::filesystem::path& plot_file, bool dwloc,
                                       double arfd);

// The chart of a report's figures (of a batch, the last entry's, as its plot file holds):
// the curves of its plot file at full precision, marked at the report's percentiles.
ChartData ChartDataOf(const ReportFigures& figures);

// The chart as an SVG document of `width` x `height` pixels: a log exposure axis, a log
// percent axis, one line per population and its reference dose as a dashed vertical line;
// a curve's band shaded beneath it in the curve's colour, its level in the legend.
std::string ChartSvg(const ChartData& chart, int width = 900, int height = 600);

}  // namespace acute
