#include "forms/chart_bands.h"

#include <algorithm>
#include <cmath>

#include "reports/percentiles.h"

namespace acute {
namespace {

// The index in the section's figures of the per-capita exposure at `level`; -1 when none.
int CapitaFigure(const std::vector<BootstrapFigure>& figures, int level) {
  const auto at = std::find_if(figures.begin(), figures.end(), [level](const BootstrapFigure& f) {
    return f.kind == FigureKind::Exposure && f.distribution == Distribution::PerCapita &&
           f.level == level && !f.exact;
  });
  return at == figures.end() ? -1 : static_cast<int>(at - figures.begin());
}

// The section's population of the j-th curve: the same place when the name is there, else
// the first of that name; -1 when none.
int PopulationOf(const BootstrapSection& section, const std::string& name, std::size_t j) {
  const auto& names = section.layout.population_names;
  if (j < names.size() && names[j] == name) return static_cast<int>(j);
  const auto at = std::find(names.begin(), names.end(), name);
  return at == names.end() ? -1 : static_cast<int>(at - names.begin());
}

}  // namespace

std::string BandLabel(const BootstrapSettings& settings) {
  return LevelText(settings.level_tenths) + "% interval, " + std::to_string(settings.rounds) +
         (settings.rounds == 1 ? " round" : " rounds");
}

void AddBootstrapBands(ChartData& chart, const BootstrapSection& section) {
  chart.band_label.clear();
  for (ChartCurve& curve : chart.curves) {
    curve.band_tail.clear();
    curve.band_low.clear();
    curve.band_high.clear();
  }
  if (chart.dwloc) return;
  const std::vector<BootstrapFigure> figures = BootstrapFigureList(section.exact);
  bool any = false;
  for (std::size_t j = 0; j < chart.curves.size(); ++j) {
    ChartCurve& curve = chart.curves[j];
    const int p = PopulationOf(section, curve.name, j);
    if (p < 0 || static_cast<std::size_t>(p) >= section.intervals.size()) continue;
    const auto& intervals = section.intervals[static_cast<std::size_t>(p)];
    for (int level = 0; level < kSearchedLevelCount; ++level) {
      // The tail as its decimal (0.1, not the float's 0.100000001).
      const double tail = std::round(kUpperTail[static_cast<std::size_t>(level)] * 1e4) / 1e4;
      const int figure = CapitaFigure(figures, level);
      if (tail > kTailTop || tail < kTailBottom || figure < 0) continue;
      if (static_cast<std::size_t>(figure) >= intervals.size()) continue;
      const FigureInterval& i = intervals[static_cast<std::size_t>(figure)];
      if (!i.low || !i.high || !(*i.low > 0) || !(*i.high > 0)) continue;
      curve.band_tail.push_back(tail);
      curve.band_low.push_back(*i.low);
      curve.band_high.push_back(*i.high);
    }
    any = any || !curve.band_tail.empty();
  }
  if (any) chart.band_label = BandLabel(section.settings);
}

}  // namespace acute
