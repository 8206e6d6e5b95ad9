#include "cec/cec_report.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cec/cec_picture.h"
#include "cec/cec_ranking.h"
#include "cec/cec_work_files.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/number_picture.h"
#include "common/print_writer.h"
#include "common/str.h"

namespace acute {
namespace {

constexpr const char* kTitle = "Tarn-VELD Acute Module";

[[noreturn]] void Stop(UserPort& port, const std::string& title, const std::string& text,
                       Icon icon = Icon::Critical) {
  Tell(port, title, text, icon);
  throw RunEnds(text);
}

std::string ReadWorkFile(const std::filesystem::path& path, UserPort& port) {
  try {
    return ReadWholeFile(path);
  } catch (const std::exception&) {
    Stop(port, "CEC Error",
         "The CEC report cannot be recomputed. There is no data file on which to base this "
         "analysis.");
  }
}

void Write(const std::filesystem::path& path, const std::string& text, UserPort& port) {
  if (!WriteFileAtomically(path, text))
    Stop(port, kTitle, "Can't write file " + path.string() + ". The CEC report was not made.");
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream ss(line);
  std::string item;
  while (std::getline(ss, item, ',')) out.push_back(TrimBlanks(item));
  return out;
}

double NumberIn(const std::vector<std::string>& f, std::size_t i) {
  double v = 0;
  return i < f.size() && ParseNumber(f[i], v) ? v : 0;
}

std::string Units(bool per_kg) {
  return per_kg ? "(mg/kg body-wt/day)" : "(mg/day)";
}

void BoundaryWarnings(const CecSection& s, const CecWindow& w, UserPort& port) {
  if (s.basis != 0) return;
  const double inf = 1e300;
  const double high = w.has_high ? w.high : inf;
  const double phigh = s.preliminary.has_high ? s.preliminary.high : inf;
  const bool overlap = w.low <= phigh && high >= s.preliminary.low;
  const bool inside = w.low >= s.preliminary.low && high <= phigh;
  if (overlap && inside) return;
  const std::string start =
      "The CEC percentile boundaries that you entered here do not map well onto the "
      "preliminary estimate of low and high exposure amounts corresponding to these "
      "percentiles made in the first pass for population " +
      s.name;
  const std::string end =
      " In this case, it is advisable to rerun your initial analysis with a wider spread "
      "between low and high percentiles, then use the 'Redo Last CEC' button with your initial "
      "values to generate the CEC report for this interval.";
  const std::string middle =
      overlap ? ". Thus some exposure records falling within your boundaries may not be used in "
                "generating the CEC report."
              : ". Thus no exposure records falling within your boundaries were available to "
                "generate a CEC report.";
  Tell(port, "CEC analysis for " + s.name, start + middle + end, Icon::Exclamation);
}

CecWindow FinalWindow(const CecSettings& cec, const UsersDistribution& users) {
  return PopulationWindows(cec, {users}, false)[0];
}

std::string PairLabel(const CecReportRequest& q, const CecPair& p) {
  const auto& names = q.names.name;
  const std::string rac =
      p.food >= 0 && p.food < static_cast<int>(names.size()) ? names[p.food] : "";
  return "\"" + rac + "-" + q.labels.Describe(p.form) + "\"";
}

std::string CodeOf(const CecReportRequest& q, int food) {
  const auto& codes = q.names.code;
  return food >= 0 && food < static_cast<int>(codes.size()) ? codes[food] : std::to_string(food);
}

std::string ChemicalName(const CecReportRequest& q, int m) {
  if (!q.cumulative || m < 0 || m >= static_cast<int>(q.cumulative->names.size())) return "";
  return q.cumulative->names[m];
}

void WritePairChemicalLines(PrintWriter& w, const CecPair& p, const CecReportRequest& q) {
  std::int32_t n = 0;
  for (double v : p.chemical_sum) n += v != 0 ? 1 : 0;
  w.Line(Str(n) + "  Chemical components");
  for (std::size_t m = 0; m < p.chemical_sum.size(); ++m) {
    if (p.chemical_sum[m] == 0) continue;
    const int chemical = static_cast<int>(m) + 1;
    w.Line(Str(static_cast<std::int32_t>(chemical)) + ", \"" + ChemicalName(q, chemical) + "\"," +
           Str(ChemicalPercentOfPair(p, chemical)));
  }
}

void WriteDisaggregation(PrintWriter& w, const RankedSection& r, const CecReportRequest& q) {
  const std::vector<int> order = ChemicalsByShare(r);
  if (!(r.total > 0)) {
    w.Line("Chemical Disaggregation: No exposure." + Str(static_cast<std::int32_t>(0)));
    return;
  }
  w.Line("Chemical Disaggregation: Percent of total exposure in this interval by chemical: " +
         Str(static_cast<std::int32_t>(order.size())));
  for (int m : order) {
    w.Line(Str(static_cast<std::int32_t>(m)) + "," +
           Str(ChemicalPercentOfInterval(r, r.chemical_sum[m - 1], q.two_day)));
    std::int32_t n = 0;
    for (const CecPair& p : r.pairs) n += p.chemical_sum[m - 1] != 0 ? 1 : 0;
    w.Line("  Food/foodform components" + Str(n));
    for (const CecPair& p : r.pairs)
      if (p.chemical_sum[m - 1] != 0)
        w.Line(Str(static_cast<std::int32_t>(p.food)) + "," +
               Str(static_cast<std::int32_t>(p.form)) + "," +
               Str(ChemicalPercentOfInterval(r, p.chemical_sum[m - 1], q.two_day)));
  }
}

// Every food line of a cumulative run must name a record of the distribution files whose
// total is the line's residue (as printed, to six decimals).
void CheckResidueRecords(const std::vector<CecSection>& sections, const CumulativeResidues& c,
                         UserPort& port) {
  for (const CecSection& s : sections)
    for (const CecFileRecord& r : s.records)
      for (const CecLineValues& f : r.foods) {
        if (f.record == 0) continue;
        if (!c.Has(f.record))
          Stop(port, "Acute error",
               "Error in RDF file assignment. Please provide this file to Pelamor Sciences for "
               "diagnosis");
        const double total = c.totals[static_cast<std::size_t>(f.record - 1)];
        if (std::fabs(total - f.residue) > 5.1e-7 + 1e-6 * std::fabs(total))
          Stop(port, "Acute error",
               "Error in RAC assignment. Please provide this file to Pelamor Sciences for "
               "diagnosis");
      }
}

// The critical-food lines and records of "cec3.tmp".
std::string RankedText(int cumulative, const std::vector<RankedSection>& ranked,
                       const CecReportRequest& q) {
  PrintWriter w;
  w.Line(Str(static_cast<std::int32_t>(cumulative)));
  for (const RankedSection& r : ranked) {
    const CecSection& s = *r.section;
    w.Line(Str(static_cast<std::int32_t>(s.number)) + "  " + s.name);
    w.Line(Str(r.represented));
    w.Line(Str(s.basis));
    if (s.basis == 0) {
      w.Num(static_cast<float>(100 - q.cec.low)).Num(r.window.low).EndLine();
      w.Num(static_cast<float>(100 - q.cec.high)).Num(r.window.high).EndLine();
    } else {
      w.Num(q.cec.low).Num(q.cec.high).EndLine();
    }
    w.Line(Str(static_cast<std::int32_t>(r.pairs.size())));
    for (const CecPair& p : r.pairs) {
      w.Text(CecPicture(p.food, "###")).Text(",   ").Text(CecPicture(p.form, "###")).Text(",   ");
      w.Text(CecPicture(static_cast<double>(p.n), "#####")).Text(",   ");
      w.Text(CecPicture(p.percent, "###.##")).Text(",   ").Text(PairLabel(q, p)).EndLine();
      if (cumulative == 1) WritePairChemicalLines(w, p, q);
    }
    if (cumulative == 1) WriteDisaggregation(w, r, q);
    w.Num(static_cast<std::int64_t>(r.ranked.size())).Num(r.printed_represented).EndLine();
    for (const CecFileRecord* rec : r.ranked) {
      w.Line(rec->line1 + ", " + TrimStr(rec->e) + ",  " +
             CecPicture(static_cast<double>(rec->sample_weight), "#####"));
      for (const CecLineValues& f : rec->foods) {
        const std::vector<CecChemicalPart> parts = cumulative == 1 && q.cumulative
                                                       ? ChemicalParts(f, *q.cumulative)
                                                       : std::vector<CecChemicalPart>{};
        std::string text = TrimStr(static_cast<std::int32_t>(f.food)) + "," +
                           Str(static_cast<std::int32_t>(f.form)) + "," + Str(f.amount) + "," +
                           Str(f.residue) + "," + Str(f.factor1) + "," + Str(f.factor2) + "," +
                           Str(f.contribution_mg) + "," + Str(f.percent);
        if (cumulative == 1)
          text += "," + Str(static_cast<std::int32_t>(parts.empty() ? f.chemicals : -f.chemicals)) +
                  "," + Str(f.record);
        w.Line(text);
        for (const CecChemicalPart& part : parts)
          w.Line(Str(static_cast<std::int32_t>(part.chemical)) + "," + Str(part.residue) + "," +
                 Str(part.contribution_mg) + "," + Str(part.percent));
      }
      w.EndLine();
    }
  }
  return w.Contents();
}

void WriteHeadings(PrintWriter& w, bool comma, bool households) {
  if (comma) {
    w.Line(
        "Demographic data for each record:                                   Exposure "
        "contribution data by food/ff consumed (NF lines):");
    w.Line(std::string(households ? "  PID,  HH-SPNUM, Day," : "  PID,  SEQN,     Day,") +
           "Sex,  Age,   BW-kg,  Nf,  Nx,   Tot Expos,  Samplwt,  Food,   FF, Amt(g),   Residue , "
           "Adj#1, Adj#2,  Contributn, Percnt");
    w.Line(
        " -----, --------, ---,---,  ---,  ------,  --, ----, -----------, -------,--------, --, "
        "------, ----------, -----, -----,  ----------, ------");
    w.EndLine();
    return;
  }
  w.Line("Demographic data for each record:");
  w.Line(std::string(households ? "  PID   HH-SPNUM" : "  PID   SEQN    ") +
         "  Day Sex   Age    BW-kg   NF   NX    Tot Expos   Samplwt");
  w.Line(" -----  --------  --- ---   ---   ------   --  ----  -----------  -------");
  w.BlankLines(2);
  w.Line("      Exposure contribution data by food/ff consumed (NF lines):");
  w.Line("    Food      FF  Amt(g)    Residue   Adj#1  Adj#2   Contributn  Percnt");
  w.Line("  ----------  --- ------  ----------  -----  -----   ----------  ------");
  w.EndLine();
}

void WriteFood(PrintWriter& w, const CecLineValues& f, const CecReportRequest& q, bool comma) {
  const char* c = comma ? "," : "";
  const int shift = comma ? 71 : 0;
  auto at = [&](int plain, int wide) {
    w.Tab(comma ? wide : plain);
    w.Text(c);
  };
  (void)shift;
  at(3, 74);
  w.Text(CodeOf(q, f.food));
  at(15, 86);
  w.Text(CecPicture(f.form, "###"));
  at(19, 90);
  w.Text(CecPicture(f.amount, "####.#"));
  at(27, 98);
  w.Text(CecPicture(f.residue, "###.######"));
  at(39, 110);
  w.Text(CecPicture(f.factor1, "##.##"));
  at(46, 117);
  w.Text(CecPicture(f.factor2, "##.##"));
  at(53, 124);
  w.Text(CecPicture(f.contribution_mg, "###.#######"));
  at(66, 137);
  w.Text(CecPicture(f.percent, "###.##")).EndLine();
}

void WriteChemicalLine(PrintWriter& w, const CecChemicalPart& part, bool comma) {
  const std::string number = CecPicture(part.chemical, "##");
  if (comma) {
    w.Text(",,,,,,,,,,").Tab(82).Text(",  Chem #" + number);
    w.Tab(95).Text(",," + CecPicture(part.residue, "###.######"));
    w.Tab(120).Text(",,," + CecPicture(part.contribution_mg, "###.#######"));
    w.Tab(135).Text("," + CecPicture(part.percent, "###.##")).EndLine();
    return;
  }
  w.Tab(11)
      .Text("    Chem #")
      .Tab(21)
      .Text(number)
      .Tab(25)
      .Text(CecPicture(part.residue, "###.######"));
  w.Tab(51).Text(CecPicture(part.contribution_mg, "###.#######"));
  w.Tab(64).Text(CecPicture(part.percent, "###.##")).EndLine();
}

void WriteRecordLines(PrintWriter& w, const CecFileRecord& rec, const CecReportRequest& q,
                      const std::vector<std::uint8_t>& households, bool cumulative) {
  const bool comma = q.cec.excel == 1;
  const std::vector<std::string> f = Fields(rec.line1);
  if (f.size() < 9) throw CecFileError("cec2.tmp", "a short record line");
  const char* c = comma ? "," : "";
  w.Tab(2).Text(CecPicture(NumberIn(f, 1), "#####"));
  const int cols[9] = {9, 19, 24, 29, 35, 43, 48, 54, 67};
  const int wide[9] = {8, 18, 23, 28, 34, 42, 47, 53, 66};
  auto at = [&](int i) { w.Tab(comma ? wide[i] : cols[i]).Text(c); };
  at(0);
  w.Text(HouseholdText(q.database_kind, f[1], f[2], households, q.household_file));
  at(1);
  w.Text(f[3]);
  at(2);
  w.Text(f[4]);
  at(3);
  w.Text(f[5]);
  at(4);
  w.Text(CecPicture(NumberIn(f, 6), "###.##"));
  at(5);
  w.Text(CecPicture(NumberIn(f, 7), "##"));
  at(6);
  w.Text(CecPicture(NumberIn(f, 8), "####"));
  at(7);
  w.Text(CecPicture(rec.e, "###.#######"));
  at(8);
  w.Text(CecPicture(static_cast<double>(rec.sample_weight), "######"));
  bool first = true;
  for (const CecLineValues& v : rec.foods) {
    if (!comma) {
      if (first) w.EndLine();
    } else if (!first) {
      w.Text(",,,,,,,,,");
    }
    WriteFood(w, v, q, comma);
    if (q.cumulative && cumulative)
      for (const CecChemicalPart& part : ChemicalParts(v, *q.cumulative))
        WriteChemicalLine(w, part, comma);
    first = false;
  }
  if (first) w.EndLine();
  if (!comma) w.EndLine();
}

void WriteWindowLines(PrintWriter& w, const RankedSection& r, const CecReportRequest& q,
                      bool per_kg) {
  const std::string units = Units(per_kg);
  if (r.section->basis == 0) {
    w.Text("Low percentile for CEC records:" + Str(q.cec.low));
    w.Tab(40).Text("Exposure " + units + " = " + CecPicture(r.window.low, "####.######")).EndLine();
    w.Text("High percentile for CEC records:" + Str(q.cec.high));
    w.Tab(40)
        .Text("Exposure " + units + " = " + CecPicture(r.window.high, "####.######"))
        .EndLine();
    return;
  }
  w.Line("Low exposure amount for CEC records " + units + " = " +
         CecPicture(q.cec.low, "####.######"));
  if (q.cec.high == 0)
    w.Line("No high exposure amount for CEC records specified.");
  else
    w.Line("High exposure amount for CEC records " + units + " = " +
           CecPicture(q.cec.high, "####.######"));
}

void WriteSection(PrintWriter& w, const RankedSection& r, const CecReportRequest& q, bool per_kg,
                  const std::vector<std::uint8_t>& households, bool cumulative) {
  const bool comma = q.cec.excel == 1;
  w.Line(std::string(80, '='));
  w.Line(r.section->name);
  if (r.represented == 0) {
    w.Line("No CEC records for this population");
    w.EndLine();
    return;
  }
  WriteWindowLines(w, r, q, per_kg);
  w.Line("Number of actual records in this interval:" + Str(r.represented));
  w.EndLine();
  std::vector<std::string> labels;
  for (const CecPair& p : r.pairs) {
    std::string l = PairLabel(q, p);
    labels.push_back(l.substr(1, l.size() - 2));
  }
  const std::vector<std::string>* chemicals =
      cumulative && q.cumulative ? &q.cumulative->names : nullptr;
  WriteCriticalFoods(w, r, q.names, labels, q.threshold, comma, chemicals, q.two_day);
  w.EndLine();
  w.Line("Number of printed records =" + Str(r.printed));
  w.Line("Number of records represented =" + Str(r.printed_represented));
  w.Line(q.two_day ? " (nf = number of foods/ff reported for this 2-day avg exposure amount "
                     "(exceeding minimum contribution)"
                   : " (nf = number of foods/ff reported for this daily exposure amount "
                     "(exceeding minimum contribution)");
  w.Line(
      " (nx = number of times this exposure amount was computed for the same person on the "
      "same day.)");
  w.EndLine();
  WriteHeadings(w, comma, q.database_kind == 0);
  for (std::int64_t i = 0; i < r.printed; ++i)
    WriteRecordLines(w, *r.ranked[i], q, households, cumulative);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

std::string HouseholdText(int database_kind, const std::string& pid, const std::string& number,
                          const std::vector<std::uint8_t>& households,
                          const std::filesystem::path& household_file) {
  double v = 0;
  if (database_kind != 0) return CecPicture(ParseNumber(number, v) ? v : 0, "#####");
  const long record = ParseNumber(pid, v) ? static_cast<long>(v) : 0;
  const std::size_t at = static_cast<std::size_t>(record - 1) * 6;
  if (record < 1 || at + 6 > households.size())
    throw CecFileError(household_file.string(),
                       "it holds no household for person " + TrimBlanks(pid));
  const std::uint8_t* b = households.data() + at;
  const std::int32_t hh = static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                                    (static_cast<std::uint32_t>(b[3]) << 24));
  const auto person = static_cast<std::int16_t>(b[4] | (b[5] << 8));
  std::string p = std::to_string(person);
  if (person >= 0 && person < 10) p = "0" + p;
  return CecPicture(hh, "#####") + "-" + p;
}

void WriteCecSections(const CecReportRequest& q, const std::vector<CecWindow>& preliminary,
                      const std::vector<std::string>& population_names, const CecExpos& expos,
                      UserPort& port) {
  port.Progress(q.progress_caption, "Generating CEC report: step 1 of 4");
  try {
    const CecRecordFile file =
        ParseCecRecordFile(ReadWorkFile(q.folder / kCecRecordFileName, port));
    port.Progress(q.progress_caption, "Generating CEC report: step 2 of 4");
    std::vector<CecSection> sections;
    for (std::size_t p = 0; p < population_names.size(); ++p) {
      port.Progress(q.progress_caption, "Generating CEC report: step 2 of 4, population #" +
                                            Str(static_cast<std::int32_t>(p + 1)));
      sections.push_back(SectionOf(file, q.cec,
                                   p < preliminary.size() ? preliminary[p] : CecWindow{},
                                   static_cast<int>(p + 1), population_names[p]));
    }
    Write(q.folder / kCecSectionsFileName, SectionsText(file.cumulative, sections), port);
    Write(q.folder / kCecExposFileName, ExposText(expos), port);
  } catch (const CecFileError& e) {
    Stop(port, kTitle, e.what());
  }
}

void WriteCecReport(const CecReportRequest& q, UserPort& port) {
  const std::string& caption = q.progress_caption;
  try {
    const CecRecordFile file =
        ParseCecRecordFile(ReadWorkFile(q.folder / kCecRecordFileName, port), true);
    int cumulative = 0;
    const std::vector<CecSection> sections =
        ParseSections(ReadWorkFile(q.folder / kCecSectionsFileName, port), cumulative);
    const CecExpos expos = ParseExpos(ReadWorkFile(q.folder / kCecExposFileName, port));
    if (cumulative == 1 && !q.cumulative)
      Stop(port, kTitle,
           "The last run was a cumulative CEC analysis, but the per-chemical residues of its "
           "residue distribution files cannot be read. The CEC report was not made.");
    if (expos.users.size() != sections.size())
      throw CecFileError(kCecExposFileName, "its populations are not those of cec2.tmp");
    if (cumulative == 1) CheckResidueRecords(sections, *q.cumulative, port);
    port.Progress(caption, "Generating CEC report: Step 3 of 4, Sorting records");
    std::vector<RankedSection> ranked;
    for (std::size_t p = 0; p < sections.size(); ++p) {
      if (port.CancelRequested()) throw RunEnds("the analysis was cancelled");
      port.Progress(caption, "Generating CEC report: Step 3 of 4, Population #" +
                                 Str(static_cast<std::int32_t>(p + 1)) + "  Sorting...");
      const CecWindow window = FinalWindow(q.cec, expos.users[p]);
      BoundaryWarnings(sections[p], window, port);
      port.Progress(caption, "Generating CEC report: Step 3 of 4, Population #" +
                                 Str(static_cast<std::int32_t>(p + 1)) + " Summary Statistics");
      ranked.push_back(RankSection(sections[p], window, q.cec.max_records, q.two_day,
                                   cumulative == 1 ? &*q.cumulative : nullptr));
    }
    const std::string ranked_text = RankedText(cumulative, ranked, q);
    if (cumulative == 1) {
      port.Progress(caption, "Completing CEC report: step 3b of 4");
      Write(q.folder / kCecRankedCumulativeFileName, ranked_text, port);
    }
    Write(q.folder / kCecRankedFileName, ranked_text, port);
    port.Progress(caption, "Completing CEC report: step 4 of 4");
    std::vector<std::uint8_t> households;
    if (q.database_kind == 0) households = ReadBytes(q.household_file);
    PrintWriter w;
    if (q.cec.excel == 1) w.Tab(144).Text("xxx").EndLine();
    for (const std::string& l : file.header) w.Line(l);
    w.EndLine();
    for (std::size_t p = 0; p < ranked.size(); ++p) {
      if (port.CancelRequested()) throw RunEnds("the analysis was cancelled");
      port.Progress(caption, "Completing CEC report: step 4 of 4; population #" +
                                 Str(static_cast<std::int32_t>(p + 1)) + "  Sorting...");
      WriteSection(w, ranked[p], q, file.PerKg(), households, cumulative == 1);
    }
    Write(q.folder / kCecReportFileName, w.Contents(), port);
    if (!WriteFileAtomically(q.cec.file_name, w.Contents()))
      Stop(port, kTitle,
           "Can't write the CEC file " + q.cec.file_name + ". The CEC report is in the work file " +
               (q.folder / kCecReportFileName).string() + ".");
  } catch (const CecFileError& e) {
    Stop(port, kTitle, e.what());
  }
}

}  // namespace acute
