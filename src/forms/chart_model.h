#pragma once
// The chart of a run, toolkit-free: the cumulative distribution of every population read
// back from the run's plot file (exposure, or DWLOC, against the percent of person-days),
// the dose each population is compared with, and an SVG rendering of the same chart.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace acute {

struct ChartCurve {
  std::string name;
  std::vector<double> x;  // exposure (DWLOC: drinking-water level), above 0, in bin order
  std::vector<double> y;  // percent of person-days at or below x (DWLOC: at or above x)
  double reference = 0;   // the aPAD of the population, else the run's aRfD; 0 when none
};

struct ChartData {
  bool dwloc = false;
  double arfd = 0;  // the run's aRfD
  std::string title;
  std::string x_title;
  std::string y_title;
  std::vector<ChartCurve> curves;
};

// Reads a plot file ("plot.tmp" or "DWPlot.tmp", or a saved .PLT/.DWP). `arfd` is the run's
// aRfD, the reference of populations that the file gives no PAD for. std::nullopt when the
// file cannot be read or holds no population.
std::optional<ChartData> ReadChartData(const std::filesystem::path& plot_file, bool dwloc,
                                       double arfd);

// The chart as an SVG document of `width` x `height` pixels: a log exposure axis, a percent
// axis, one line per population and its reference dose as a dashed vertical line.
std::string ChartSvg(const ChartData& chart, int width = 900, int height = 600);

}  // namespace acute
