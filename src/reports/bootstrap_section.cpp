#include "reports/bootstrap_section.h"

#include "common/number_picture.h"
#include "common/print_writer.h"
#include "reports/endpoints.h"
#include "reports/page_frame.h"

namespace acute {
namespace {

constexpr std::size_t kLabelWidth = 34;

std::string SourcesText(const BootstrapSettings& s) {
  if (s.survey && s.residues) return "survey persons and empirical residue distribution files";
  if (s.survey) return "survey persons";
  return s.residues ? "empirical residue distribution files" : "nothing";
}

std::string Cell(const std::optional<double>& value, FigureKind kind) {
  if (!value) return "       n/a";
  const double v = *value;
  switch (kind) {
    case FigureKind::Moe:
      return v >= kMoeCap ? "  >1000000" : "  " + Picture(v, "########");
    case FigureKind::DosePercent:
      return v >= kPercentCap ? "    >10000" : "   " + Picture(v, "####.##");
    case FigureKind::Share:
      return "    " + Picture(v, "###.##");
    case FigureKind::Exposure:
      break;
  }
  return Picture(v, "###.######");
}

std::string Label(const BootstrapFigure& f, const std::string& code) {
  const std::string dose = "% " + std::string(DoseName(code));
  if (f.kind == FigureKind::Share) return "User-days, % of person-days";
  if (f.kind == FigureKind::Moe) return "  MOE";
  if (f.kind == FigureKind::DosePercent) return "  " + dose;
  const std::string who = f.distribution == Distribution::Users ? "Users " : "Per capita ";
  if (f.level < 0) return who + "mean exposure";
  return who + LevelName(f.level) + "th percentile" + (f.exact ? " (exact)" : "");
}

bool Shown(const BootstrapFigure& f, const BootstrapSection& s) {
  const SectionLayout& l = s.layout;
  if (f.kind == FigureKind::Moe && !HasMoe(l.toxicity_code)) return false;
  if (f.kind == FigureKind::DosePercent && !HasPercent(l.toxicity_code)) return false;
  if (f.distribution == Distribution::Users) return l.users;
  if (f.distribution == Distribution::PerCapita) return l.per_capita;
  return true;
}

void WriteSettings(PrintWriter& out, const BootstrapSection& s) {
  const BootstrapSettings& b = s.settings;
  const IntervalRanks ranks = RanksOf(b.rounds, b.level_tenths);
  out.Line("Uncertainty analysis (bootstrap, " + std::to_string(b.rounds) + " rounds)");
  out.EndLine();
  out.Line("Resampled in each round: " + SourcesText(b));
  out.Line("Bootstrap seed = " + std::to_string(b.seed) +
           "; MC iterations per round = " + std::to_string(b.iterations));
  const IntervalNames names = IntervalNamesOf(b.level_tenths);
  out.Line("Interval: " + names.low + "th to " + names.high +
           "th percentile of the round values (ranks " + std::to_string(ranks.low) + ", " +
           std::to_string(ranks.median) + " and " + std::to_string(ranks.high) + " of " +
           std::to_string(b.rounds) + ", ascending)");
}

void WriteColumnTitles(PrintWriter& out, const BootstrapSettings& b) {
  const IntervalNames names = IntervalNamesOf(b.level_tenths);
  const auto title = [](std::string text) {
    text = " " + text;
    return std::string(text.size() < 11 ? 11 - text.size() : 0, ' ') + text;
  };
  out.Line(std::string(kLabelWidth, ' ') + title("Main run") + title(names.low + "th") +
           title("Median") + title(names.high + "th"));
  out.Line(std::string(kLabelWidth, ' ') + "  ---------  ---------  ---------  ---------");
}

void WritePopulation(PrintWriter& out, const BootstrapSection& s, std::size_t j,
                     const std::vector<BootstrapFigure>& figures) {
  out.EndLine();
  out.Line(":" + s.layout.population_names[j]);
  WriteColumnTitles(out, s.settings);
  for (std::size_t f = 0; f < figures.size(); ++f) {
    if (!Shown(figures[f], s)) continue;
    std::string label = Label(figures[f], s.layout.toxicity_code);
    label.resize(kLabelWidth, ' ');
    const FigureInterval& v = s.intervals[j][f];
    const FigureKind kind = figures[f].kind;
    out.Line(label + " " + Cell(v.main, kind) + " " + Cell(v.low, kind) + " " +
             Cell(v.median, kind) + " " + Cell(v.high, kind));
  }
}

void WriteBody(PrintWriter& out, const BootstrapSection& section) {
  WriteSettings(out, section);
  const std::vector<BootstrapFigure> figures = BootstrapFigureList(section.exact);
  for (std::size_t j = 0; j < section.layout.population_names.size(); ++j)
    WritePopulation(out, section, j, figures);
  out.EndLine();
}

}  // namespace

std::string BootstrapSectionBody(const BootstrapSection& section) {
  PrintWriter out;
  WriteBody(out, section);
  return out.Contents();
}

std::string BootstrapSectionPages(const ReportContext& ctx, const BootstrapSection& section) {
  PrintWriter out;
  std::int16_t line_count = 1;  // the summary's footer closed its page
  std::int16_t page_number = -1;
  WriteHeader(out, ctx, 0, line_count, ReportKind(ctx));
  const long mark = out.Lines();
  out.EndLine();
  WriteBody(out, section);
  AddLinesSince(line_count, out, mark);
  WriteFooter(out, ctx, false, page_number, line_count, false);
  return out.Contents();
}

}  // namespace acute
