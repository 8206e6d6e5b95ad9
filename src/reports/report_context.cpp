#include "reports/report_context.h"

#include <cctype>

#include "common/file_names.h"

namespace acute {
namespace {

bool IsLetter(std::string_view text, char upper) {
  std::string t = TrimBlanks(text);
  return t.size() == 1 && std::toupper(static_cast<unsigned char>(t[0])) == upper;
}

}  // namespace

bool ReportContext::Exceeding() const {
  return IsLetter(orientation, 'D');
}
bool ReportContext::NumberPages() const {
  return IsLetter(page_number_switch, 'Y');
}

std::string ToxicityCode(float noel, float arfd, bool pad_flag, bool per_kg, bool dwloc) {
  if (!per_kg || dwloc) return "";
  if (pad_flag) return noel > 0 ? "NP" : "P";
  if (noel > 0) return arfd > 0 ? "NR" : "N";
  return arfd > 0 ? "R" : "";
}

std::vector<std::string> RegionNames(std::int16_t database_kind) {
  if (database_kind != 0) return {};
  return {"NorthEast", "NorthCentral", "South", "West"};
}

std::vector<ReportPopulation> BuildPopulationList(const std::vector<std::string>& standard_names,
                                                  const AnalysisSettings& settings) {
  const bool pad_on = settings.pad_flag;
  std::vector<ReportPopulation> list;
  for (std::size_t i = 0; i < settings.standard_selected.size(); ++i) {
    if (!settings.standard_selected[i]) continue;
    ReportPopulation p;
    const std::size_t number = i + 1;
    p.name = i < standard_names.size() ? standard_names[i] : "";
    p.report_name = p.name;
    p.number = static_cast<int>(number);
    if (pad_on) p.pad = settings.PadOf(p.number);
    list.push_back(p);
  }
  int c = 0;
  for (const CustomPopulation& custom : settings.custom) {
    ReportPopulation p;
    p.name = custom.name;
    p.number = ++c;
    p.report_name = "Custom demographics " + std::to_string(c) + ": " + custom.name;
    p.custom = true;
    p.pad = pad_on ? custom.pad : 0;
    p.crit = custom.crit;
    list.push_back(p);
  }
  return list;
}

std::array<std::string, 3> SplitRunComment(std::string_view comment_line) {
  std::array<std::string, 3> lines;
  if (comment_line.empty() || comment_line == "\"\"") return lines;
  lines[0] = std::string(comment_line.substr(0, 65));
  if (comment_line.size() > 65) {
    std::string_view rest = comment_line.substr(65);
    lines[1] = std::string(rest.substr(0, 79));
    if (rest.size() > 79) lines[2] = std::string(rest.substr(79));
  }
  return lines;
}

}  // namespace acute
