#include "forms/chart_model.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "common/file_names.h"
#include "forms/field_checks.h"

namespace acute {
namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream ss(line);
  std::string f;
  while (std::getline(ss, f, ',')) out.push_back(TrimBlanks(f));
  return out;
}

std::vector<std::string> Lines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool StartsWith(const std::string& s, const char* prefix) {
  return s.rfind(prefix, 0) == 0;
}

// The values of a side-by-side line ("PAD:  , v1,v2,...").
std::vector<double> SideBySide(const std::string& line) {
  std::vector<double> values;
  const auto fields = Fields(line);
  for (std::size_t i = 1; i < fields.size(); ++i)
    if (const auto v = FieldNumber(fields[i])) values.push_back(*v);
  return values;
}

// The bin rows that follow "Bin Totals:" and its two heading lines.
void ReadBins(const std::vector<std::string>& lines, std::size_t& i, ChartCurve& curve) {
  for (i += 3; i < lines.size() && lines[i].find(',') != std::string::npos; ++i) {
    const auto f = Fields(lines[i]);
    if (f.size() < 4) continue;
    const auto x = FieldNumber(f[2]);
    const auto y = FieldNumber(f.back());
    if (!x || !y || *x <= 0) continue;
    curve.x.push_back(*x);
    curve.y.push_back(*y);
  }
}

}  // namespace

std::optional<ChartData> ReadChartData(const std::filesystem::path& plot_file, bool dwloc,
                                       double arfd) {
  const auto lines = Lines(plot_file);
  ChartData chart;
  chart.dwloc = dwloc;
  chart.arfd = arfd;
  chart.title = dwloc ? "DWLOC distribution" : "Cumulative exposure distribution";
  chart.x_title = dwloc ? "DWLOC (ppm)" : "Exposure";
  chart.y_title = dwloc ? "Percent of person-days at or above" : "Percent of person-days";
  std::vector<double> pads;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (StartsWith(line, "PAD:")) pads = SideBySide(line);
    if (StartsWith(line, "Total person days") && i > 0) {
      ChartCurve curve;
      curve.name = lines[i - 1];
      const std::size_t j = chart.curves.size();
      curve.reference = j < pads.size() ? pads[j] : arfd;
      while (i < lines.size() && lines[i] != "Bin Totals:") ++i;
      ReadBins(lines, i, curve);
      chart.curves.push_back(curve);
    }
  }
  if (chart.curves.empty()) return std::nullopt;
  return chart;
}

namespace {

struct Frame {
  double left, top, right, bottom, lo, hi;  // plot area; log10 range of x
  double X(double x) const { return left + (std::log10(x) - lo) / (hi - lo) * (right - left); }
  double Y(double y) const { return bottom - y / 100.0 * (bottom - top); }
};

const char* const kColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e",
                                "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf"};

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

Frame FrameOf(const ChartData& chart, int width, int height) {
  double lo = 1e30, hi = -1e30;
  for (const auto& c : chart.curves) {
    for (double x : c.x) lo = std::min(lo, x), hi = std::max(hi, x);
    if (c.reference > 0 && !chart.dwloc)
      lo = std::min(lo, c.reference), hi = std::max(hi, c.reference);
  }
  if (lo > hi) lo = hi = 1;
  std::size_t longest = 0;
  for (const auto& c : chart.curves) longest = std::max(longest, c.name.size());
  const double legend = std::min(width / 2.0, 60.0 + 7.0 * static_cast<double>(longest));
  return {80,
          50,
          width - legend,
          height - 60.0,
          std::floor(std::log10(lo)),
          std::max(std::ceil(std::log10(hi)), std::floor(std::log10(lo)) + 1)};
}

void Axes(std::ostringstream& s, const ChartData& chart, const Frame& f) {
  s << "<rect x='" << f.left << "' y='" << f.top << "' width='" << f.right - f.left << "' height='"
    << f.bottom - f.top << "' fill='none' stroke='#444'/>\n";
  for (int p = static_cast<int>(f.lo); p <= static_cast<int>(f.hi); ++p) {
    const double x = f.X(std::pow(10.0, p));
    s << "<line x1='" << x << "' y1='" << f.top << "' x2='" << x << "' y2='" << f.bottom
      << "' stroke='#ddd'/>\n<text x='" << x << "' y='" << f.bottom + 18
      << "' text-anchor='middle'>1e" << p << "</text>\n";
  }
  for (int y = 0; y <= 100; y += 20)
    s << "<line x1='" << f.left << "' y1='" << f.Y(y) << "' x2='" << f.right << "' y2='" << f.Y(y)
      << "' stroke='#ddd'/>\n<text x='" << f.left - 8 << "' y='" << f.Y(y) + 4
      << "' text-anchor='end'>" << y << "</text>\n";
  s << "<text x='" << (f.left + f.right) / 2 << "' y='" << f.bottom + 42
    << "' text-anchor='middle'>" << Escape(chart.x_title) << " (log scale)</text>\n"
    << "<text transform='translate(24," << (f.top + f.bottom) / 2
    << ") rotate(-90)' text-anchor='middle'>" << Escape(chart.y_title) << "</text>\n"
    << "<text x='" << (f.left + f.right) / 2 << "' y='28' text-anchor='middle' font-size='16'>"
    << Escape(chart.title) << "</text>\n";
}

}  // namespace

std::string ChartSvg(const ChartData& chart, int width, int height) {
  const Frame f = FrameOf(chart, width, height);
  std::ostringstream s;
  s << "<?xml version='1.0' encoding='UTF-8'?>\n<svg xmlns='http://www.w3.org/2000/svg' width='"
    << width << "' height='" << height << "' font-family='sans-serif' font-size='12'>\n"
    << "<rect width='100%' height='100%' fill='white'/>\n";
  Axes(s, chart, f);
  for (std::size_t j = 0; j < chart.curves.size(); ++j) {
    const ChartCurve& c = chart.curves[j];
    const char* colour = kColours[j % std::size(kColours)];
    s << "<polyline fill='none' stroke='" << colour << "' stroke-width='1.5' points='";
    for (std::size_t k = 0; k < c.x.size(); ++k) s << f.X(c.x[k]) << ',' << f.Y(c.y[k]) << ' ';
    s << "'/>\n";
    if (c.reference > 0 && !chart.dwloc)
      s << "<line x1='" << f.X(c.reference) << "' y1='" << f.top << "' x2='" << f.X(c.reference)
        << "' y2='" << f.bottom << "' stroke='" << colour << "' stroke-dasharray='6 4'/>\n";
    const double ly = f.top + 10 + 20.0 * static_cast<double>(j);
    s << "<line x1='" << f.right + 15 << "' y1='" << ly << "' x2='" << f.right + 35 << "' y2='"
      << ly << "' stroke='" << colour << "' stroke-width='2'/>\n<text x='" << f.right + 40
      << "' y='" << ly + 4 << "'>" << Escape(c.name) << "</text>\n";
  }
  s << "</svg>\n";
  return s.str();
}

}  // namespace acute
