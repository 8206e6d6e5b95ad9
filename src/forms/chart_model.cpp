#include "forms/chart_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

// The text after `mark` in the header line that holds it, up to a run of two blanks.
std::string HeaderItem(const std::vector<std::string>& lines, const char* mark) {
  for (std::size_t i = 0; i < lines.size() && i < 20; ++i) {
    const std::size_t at = lines[i].find(mark);
    if (at == std::string::npos) continue;
    const std::string rest = lines[i].substr(at + std::char_traits<char>::length(mark));
    return TrimBlanks(rest.substr(0, rest.find("  ")));
  }
  return "";
}

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3g", v);
  return text;
}

// The title: the chemical, the residue file and the date of the run.
std::string TitleOf(bool dwloc, const std::string& chemical, const std::string& file,
                    const std::string& date) {
  std::string title = dwloc ? "DWLOC" : "Exposure";
  if (!chemical.empty()) title += " to " + chemical;
  if (!file.empty()) title += ", residue file " + file;
  if (!date.empty()) title += ", run of " + date;
  return title;
}

// The title as the plot file's header has its parts.
std::string TitleOf(const std::vector<std::string>& lines, bool dwloc) {
  return TitleOf(dwloc, HeaderItem(lines, " PLOT FILE for "), HeaderItem(lines, "Residue file: "),
                 HeaderItem(lines, "Analysis Date: ").substr(0, 10));
}

// A chart without curves: its axis titles and note.
ChartData EmptyChart(bool dwloc, double arfd) {
  ChartData chart;
  chart.dwloc = dwloc;
  chart.arfd = arfd;
  chart.x_title = dwloc ? "DWLOC (ppm)" : "Exposure";
  chart.y_title = dwloc ? "Percent of person-days below the DWLOC"
                        : "Percent of person-days above the exposure";
  chart.note =
      "Percents of all person-days of each population, days without exposure included; "
      "markers at the 95th, 99th and 99.9th percentiles.";
  return chart;
}

// The percentile level whose upper tail is `tail` percent.
int LevelOfTail(double tail) {
  for (int i = 0; i < kSearchedLevelCount; ++i)
    if (kUpperTail[static_cast<std::size_t>(i)] == static_cast<float>(tail)) return i;
  return -1;
}

// One population's curve as its plot file has it: the bins in use up to the top one, at the
// bound of each, the cumulative percent of all person-days (DWLOC: at or above the bound).
ChartCurve CurveOf(const ReportContext& ctx, const ReportPopulation& pop,
                   const PopulationResult& r) {
  ChartCurve curve;
  curve.dwloc = ctx.Kind() == AnalysisKind::Dwloc;
  curve.name = pop.report_name;
  const float arfd = ctx.settings.arfd;
  curve.reference = ctx.settings.pad_flag && pop.pad != 0 ? pop.pad : arfd;
  for (int k = 0; k <= r.top && k < kBinCount; ++k) {
    const auto b = static_cast<std::size_t>(k);
    if ((k > 0 && !(r.bin_w[b] > 0)) || !(r.bound[b] > 0)) continue;
    curve.x.push_back(r.bound[b]);
    curve.y.push_back(curve.dwloc ? r.cum_u[b] : 100 - r.cum_c[b]);
  }
  for (double tail : kMarkedTails)
    curve.marks.push_back(r.Exposure(Distribution::PerCapita, LevelOfTail(tail)));
  return curve;
}

// Linear interpolation of `to` at `at` between (a, ta) and (b, tb).
double Between(double at, double a, double b, double ta, double tb) {
  return a == b ? tb : ta + (tb - ta) * (at - a) / (b - a);
}

}  // namespace

std::vector<double> ChartCurve::Tail() const {
  std::vector<double> tail;
  for (double v : y) tail.push_back(std::max(0.0, 100.0 - v));
  return tail;
}

double ChartCurve::TailAt(double at) const {
  const std::vector<double> t = Tail();
  if (x.empty() || at <= 0) return 0;
  for (std::size_t k = 1; k < x.size(); ++k)
    if ((at - x[k - 1]) * (at - x[k]) <= 0)
      return Between(std::log10(at), std::log10(x[k - 1]), std::log10(x[k]), t[k - 1], t[k]);
  // Outside the bins: the tail of the nearer end.
  const bool before = dwloc ? at > x.front() : at < x.front();
  return before ? t.front() : t.back();
}

double ChartCurve::Percentile(double percent) const {
  const std::vector<double> t = Tail();
  for (std::size_t k = 1; k < x.size(); ++k)
    if ((t[k - 1] - percent) * (t[k] - percent) <= 0 && t[k - 1] != t[k])
      return std::pow(10.0,
                      Between(percent, t[k - 1], t[k], std::log10(x[k - 1]), std::log10(x[k])));
  return 0;
}

std::string ChartData::ReferenceLabel(double dose) const {
  const bool is_arfd = std::fabs(dose - arfd) <= 5e-7;     // the plot file keeps 6 decimals
  std::vector<std::pair<std::string, std::string>> tails;  // percent, population
  for (const ChartCurve& c : curves)
    if (std::fabs(c.reference - dose) <= 5e-7) tails.emplace_back(Number(c.TailAt(dose)), c.name);
  // One percent when the populations share it, else each with its population's name.
  const bool same = std::all_of(tails.begin(), tails.end(),
                                [&tails](const auto& t) { return t.first == tails[0].first; });
  std::string label = (is_arfd ? "aRfD = " : "aPAD = ") + Number(dose) + ":";
  for (std::size_t i = 0; i < tails.size() && !(same && i > 0); ++i)
    label += (i == 0 ? " " : ", ") + tails[i].first + "%" +
             (i == 0 ? std::string(" of person-days") + (dwloc ? " below" : " above") : "") +
             (same ? "" : " (" + tails[i].second + ")");
  return label;
}

double ChartCurve::Marked(std::size_t i) const {
  if (i < marks.size()) return marks[i];
  return i < std::size(kMarkedTails) ? Percentile(kMarkedTails[i]) : 0;
}

std::optional<ChartData> ReadChartData(const std::filesystem::path& plot_file, bool dwloc,
                                       double arfd) {
  const auto lines = Lines(plot_file);
  ChartData chart = EmptyChart(dwloc, arfd);
  chart.title = TitleOf(lines, dwloc);
  std::vector<double> pads;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (StartsWith(line, "PAD:")) pads = SideBySide(line);
    if (StartsWith(line, "Total person days") && i > 0) {
      ChartCurve curve;
      curve.dwloc = dwloc;
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

ChartData ChartDataOf(const ReportFigures& figures) {
  const ReportContext& ctx = figures.context;
  const bool dwloc = ctx.Kind() == AnalysisKind::Dwloc;
  ChartData chart = EmptyChart(dwloc, ctx.settings.arfd);
  chart.title = TitleOf(dwloc, TrimBlanks(ToUpper(ctx.chemical_name)),
                        NamePart(ctx.residue_file_path), ctx.analysis_date.substr(0, 10));
  for (std::size_t j = 0; j < figures.results.size() && j < ctx.populations.size(); ++j)
    chart.curves.push_back(CurveOf(ctx, ctx.populations[j], figures.results[j]));
  return chart;
}

namespace {

struct Frame {
  double left, top, right, bottom, lo, hi;  // plot area; log10 range of x
  double X(double x) const { return left + (std::log10(x) - lo) / (hi - lo) * (right - left); }
  // A tail percent on the log axis from kTailTop (top) to kTailBottom (bottom), clipped.
  double Y(double tail) const {
    const double t = std::clamp(tail, kTailBottom, kTailTop);
    const double lo = std::log10(kTailBottom), hi = std::log10(kTailTop);
    return bottom - (std::log10(t) - lo) / (hi - lo) * (bottom - top);
  }
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
    for (double x : c.band_low) lo = std::min(lo, x);
    for (double x : c.band_high) hi = std::max(hi, x);
    if (c.reference > 0 && !chart.dwloc)
      lo = std::min(lo, c.reference), hi = std::max(hi, c.reference);
  }
  if (lo > hi) lo = hi = 1;
  std::size_t longest = 0;
  for (const auto& c : chart.curves) longest = std::max(longest, c.name.size());
  longest = std::max(longest, chart.band_label.size());
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
  for (double y : {50.0, 10.0, 5.0, 1.0, 0.1, 0.01})
    s << "<line x1='" << f.left << "' y1='" << f.Y(y) << "' x2='" << f.right << "' y2='" << f.Y(y)
      << "' stroke='#ddd'/>\n<text x='" << f.left - 8 << "' y='" << f.Y(y) + 4
      << "' text-anchor='end'>" << y << "%</text>\n";
  s << "<text x='" << (f.left + f.right) / 2 << "' y='" << f.bottom + 42
    << "' text-anchor='middle'>" << Escape(chart.x_title) << " (log scale)</text>\n"
    << "<text transform='translate(24," << (f.top + f.bottom) / 2
    << ") rotate(-90)' text-anchor='middle'>" << Escape(chart.y_title) << " (log scale)</text>\n"
    << "<text x='" << f.left << "' y='" << f.bottom + 56 << "' font-size='10'>"
    << Escape(chart.note) << "</text>\n"
    << "<text x='" << (f.left + f.right) / 2 << "' y='28' text-anchor='middle' font-size='16'>"
    << Escape(chart.title) << "</text>\n";
}

// The colour "#rrggbb" mixed with white, `white` of it white.
std::string Tint(const char* colour, double white) {
  const unsigned long rgb = std::strtoul(colour + 1, nullptr, 16);
  std::string out = "#";
  for (int shift : {16, 8, 0}) {
    const double c = static_cast<double>((rgb >> shift) & 0xff);
    char part[3];
    std::snprintf(part, sizeof part, "%02x", static_cast<int>(std::lround(c + (255 - c) * white)));
    out += part;
  }
  return out;
}

// A curve's band: along its low bounds down the percent axis and back up its high bounds, a
// pale tint of the curve's colour (translucent where the viewer can, so that bands overlap).
void Band(std::ostringstream& s, const ChartCurve& c, const Frame& f, const char* colour) {
  if (c.band_tail.empty()) return;
  s << "<polygon fill='" << Tint(colour, 0.75) << "' fill-opacity='0.7' stroke='"
    << Tint(colour, 0.5) << "' points='";
  for (std::size_t k = 0; k < c.band_tail.size(); ++k)
    s << f.X(c.band_low[k]) << ',' << f.Y(c.band_tail[k]) << ' ';
  for (std::size_t k = c.band_tail.size(); k-- > 0;)
    s << f.X(c.band_high[k]) << ',' << f.Y(c.band_tail[k]) << ' ';
  s << "'/>\n";
}

}  // namespace

std::string ChartSvg(const ChartData& chart, int width, int height) {
  const Frame f = FrameOf(chart, width, height);
  std::ostringstream s;
  s << "<?xml version='1.0' encoding='UTF-8'?>\n<svg xmlns='http://www.w3.org/2000/svg' width='"
    << width << "' height='" << height << "' font-family='sans-serif' font-size='12'>\n"
    << "<rect width='100%' height='100%' fill='white'/>\n";
  Axes(s, chart, f);
  for (std::size_t j = 0; j < chart.curves.size(); ++j)  // under every curve
    Band(s, chart.curves[j], f, kColours[j % std::size(kColours)]);
  for (std::size_t j = 0; j < chart.curves.size(); ++j) {
    const ChartCurve& c = chart.curves[j];
    const char* colour = kColours[j % std::size(kColours)];
    const std::vector<double> tail = c.Tail();
    s << "<polyline fill='none' stroke='" << colour << "' stroke-width='1.5' points='";
    for (std::size_t k = 0; k < c.x.size(); ++k) s << f.X(c.x[k]) << ',' << f.Y(tail[k]) << ' ';
    s << "'/>\n";
    if (c.reference > 0 && !chart.dwloc)
      s << "<line x1='" << f.X(c.reference) << "' y1='" << f.top << "' x2='" << f.X(c.reference)
        << "' y2='" << f.bottom << "' stroke='" << colour << "' stroke-dasharray='6 4'/>\n";
    const double ly = f.top + 10 + 20.0 * static_cast<double>(j);
    s << "<line x1='" << f.right + 15 << "' y1='" << ly << "' x2='" << f.right + 35 << "' y2='"
      << ly << "' stroke='" << colour << "' stroke-width='2'/>\n<text x='" << f.right + 40
      << "' y='" << ly + 4 << "'>" << Escape(c.name) << "</text>\n";
  }
  if (!chart.band_label.empty()) {
    const double ly = f.top + 10 + 20.0 * static_cast<double>(chart.curves.size());
    s << "<rect x='" << f.right + 15 << "' y='" << ly - 6
      << "' width='20' height='12' fill='#dddddd' stroke='#aaaaaa'/>\n<text x='" << f.right + 40
      << "' y='" << ly + 4 << "'>" << Escape(chart.band_label) << "</text>\n";
  }
  s << "</svg>\n";
  return s.str();
}

}  // namespace acute
