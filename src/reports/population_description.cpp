#include "reports/population_description.h"

#include <array>

namespace acute {
namespace {

using CritLine = std::array<std::int16_t, 5>;

// The texts of the items that are not 0, from item `first`, joined without gaps.
template <std::size_t N>
std::string Items(const CritLine& line, int first, const std::array<const char*, N>& texts) {
  std::string s;
  for (std::size_t i = 0; i < N; ++i)
    if (line[first + i] != 0) s += texts[i];
  return s;
}

void WriteSeasons(PrintWriter& out, const CritLine& line) {
  if (line[0] == 1) {
    out.Line("All Seasons");
    return;
  }
  out.Line(" Season(s): " + Items<4>(line, 1, {"Spring/", "Summer/", "Fall/", "Winter."}));
}

void WriteRegions(PrintWriter& out, const CritLine& line, const std::vector<std::string>& names) {
  if (line[0] == 1) {
    out.Line("All Regions");
    return;
  }
  std::string list;
  for (std::size_t r = 0; r < names.size() && r + 1 < line.size(); ++r) {
    if (line[r + 1] == 0) continue;
    if (!list.empty()) list += "/";
    list += names[r];
  }
  out.Line("Region(s): " + list);
}

void WriteSex(PrintWriter& out, const CritLine& line) {
  out.Line("Sex: " + Items<5>(line, 0, {"M/", "F-all/", "F-NPNN/", "F-Preg/", "F-Nursing."}));
}

// Leaves the line open after a list of races.
void WriteRace(PrintWriter& out, const CritLine& line) {
  if (line[0] == 1) {
    out.Line("All Races");
    return;
  }
  out.Text("Race(s): " + Items<4>(line, 1, {"Hispanic/", "NH White/", "NH Black/", "Other. "}));
  out.Text("  ");
}

void WriteNursing(PrintWriter& out, const CritLine& line) {
  if (line[0] == 1) {
    out.Line("Nursing and Non-Nursing (Ages <= 3)");
    return;
  }
  out.Line("Nursing Status (Ages <=3): " + Items<2>(line, 1, {"Non-Nursing/", "Nursing."}));
}

bool LowInYears(const CritLine& age) {
  return age[2] != 0;
}
bool HighInYears(const CritLine& age) {
  return age[4] != 0;
}

void WriteAges(PrintWriter& out, const CritLine& age) {
  if (age[0] == 1) {
    out.Line("All Ages");
    return;
  }
  if (!LowInYears(age)) {
    out.Text("Age-Low:").Num(age[1]).Text("m  High:");
    if (HighInYears(age))
      out.Num(age[4]).Text("yrs");
    else
      out.Num(age[3]).Text("m");
  } else if (HighInYears(age)) {
    out.Text("Age-Low:").Num(age[2]).Text("yrs   High:").Num(age[4]).Text("yrs");
  }
  out.EndLine();
}

}  // namespace

void WritePopulationDescription(PrintWriter& out, const ReportPopulation& pop,
                                std::int16_t database_kind,
                                const std::vector<std::string>& region_names) {
  if (!pop.custom) return;
  const auto& crit = pop.crit;
  out.EndLine();
  out.Line(pop.report_name);
  if (database_kind == 0) {
    WriteSeasons(out, crit[0]);
    WriteRegions(out, crit[1], region_names);
  }
  WriteSex(out, crit[3]);
  WriteRace(out, crit[2]);
  const bool low_young = !LowInYears(crit[5]) || crit[5][2] <= 3;
  if (low_young) WriteNursing(out, crit[4]);
  WriteAges(out, crit[5]);
  out.Line(std::string(pop.report_name.size(), '-'));
}

}  // namespace acute
