#include "cli/printed_report.h"

#include <regex>
#include <sstream>

namespace acute::testing {
namespace {

constexpr int kTableRows = 8;

std::string Trimmed(const std::string& line) {
  const std::size_t first = line.find_first_not_of(" \f");
  return first == std::string::npos ? "" : line.substr(first);
}

bool StartsWith(const std::string& s, std::string_view prefix) {
  return s.rfind(prefix, 0) == 0;
}

bool IsTableHeading(const std::string& line) {
  const bool percentile = line.find("Percentile") != std::string::npos;
  return (percentile &&
          (line.find("Exposure") != std::string::npos || line.find("ppm") != std::string::npos)) ||
         StartsWith(line, "Perc.");
}

// The key of a labelled line of a population block, or "".
std::string LabelOf(const std::string& t) {
  if (StartsWith(t, "Standard Deviation")) return "sd";
  if (StartsWith(t, "Standard Error of mean")) return "se";
  if (StartsWith(t, "Margin of Exposure")) return "moe";
  if (StartsWith(t, "Percent of Person-Days") || StartsWith(t, "Percent of Individuals"))
    return "share";
  if (StartsWith(t, "Percent of a")) return "percent";
  return "";
}

// The line after its label (the footnote mark of the margin line dropped).
std::string AfterLabel(const std::string& t, const std::string& key) {
  if (key == "share") return t.substr(t.find('='));
  std::string rest = t.substr(key == "sd"    ? std::string("Standard Deviation").size()
                              : key == "se"  ? std::string("Standard Error of mean").size()
                              : key == "moe" ? std::string("Margin of Exposure").size()
                                             : std::string("Percent of aRfD").size());
  if (const std::size_t mark = rest.find("2/"); key == "moe" && mark != std::string::npos)
    rest.erase(mark, 2);
  return rest;
}

}  // namespace

Numbers NumbersIn(std::string_view line) {
  static const std::regex number(R"(>?[0-9][0-9,]*(\.[0-9]+)?|>?\.[0-9]+|n/a)");
  Numbers found;
  const std::string text(line);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it)
    found.push_back(it->str());
  return found;
}

PrintedReport ReadPrintedReport(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  PrintedReport report;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string t = Trimmed(lines[i]);
    if (StartsWith(t, "Summary calculations--")) report.summary.emplace_back();
    if (StartsWith(lines[i], ":") && report.populations.empty() && i + 1 < lines.size())
      report.summary.back().push_back(NumbersIn(lines[++i]));
    if (StartsWith(t, "Mean") || t == "No exposure for this subpopulation") {
      report.populations.emplace_back();
      report.populations.back().no_exposure = !StartsWith(t, "Mean");
      if (StartsWith(t, "Mean")) report.populations.back().lines["mean"] = NumbersIn(t.substr(4));
      continue;
    }
    if (report.populations.empty()) continue;
    PrintedPopulation& p = report.populations.back();
    if (const std::string key = LabelOf(t); !key.empty()) {
      p.lines[key] = NumbersIn(AfterLabel(t, key));
    } else if (IsTableHeading(lines[i])) {
      Numbers table;
      for (int row = 0; row < kTableRows && i + 2 + row < lines.size(); ++row)
        for (const std::string& n : NumbersIn(lines[i + 2 + static_cast<std::size_t>(row)]))
          table.push_back(n);
      p.tables.push_back(table);
      i += 1 + kTableRows;
    }
  }
  return report;
}

}  // namespace acute::testing
