#include "cec/cec_report_layout.h"

#include "cec/cec_picture.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/print_writer.h"
#include "common/str.h"

namespace acute {
namespace {

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> out;
  for (std::size_t at = 0;;) {
    const std::size_t comma = line.find(',', at);
    out.push_back(
        TrimBlanks(line.substr(at, comma == std::string_view::npos ? comma : comma - at)));
    if (comma == std::string_view::npos) return out;
    at = comma + 1;
  }
}

double NumberIn(const std::vector<std::string>& f, std::size_t i) {
  double v = 0;
  return i < f.size() && ParseNumber(f[i], v) ? v : 0;
}

std::string Units(bool per_kg) {
  return per_kg ? "(mg/kg body-wt/day)" : "(mg/day)";
}

std::string PairLabel(const CecReportRequest& q, const CecPair& p) {
  return "\"" + PairName(q, p) + "\"";
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
  auto at = [&](int plain, int wide) {
    w.Tab(comma ? wide : plain);
    w.Text(c);
  };
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
  const bool comma = q.cec.excel;
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
  w.Text(Str(static_cast<std::int64_t>(NumberIn(f, 3))));  // the day, as Str prints it
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
  if (r.section->basis == CecBasis::Percentiles) {
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

void WriteSectionHead(PrintWriter& w, const RankedSection& r, const CecReportRequest& q,
                      bool per_kg, bool cumulative) {
  const bool comma = q.cec.excel;
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
}

}  // namespace

std::string PairName(const CecReportRequest& q, const CecPair& p) {
  const auto& names = q.names.name;
  const std::string rac =
      p.food >= 0 && p.food < static_cast<int>(names.size()) ? names[p.food] : "";
  return rac + "-" + q.labels.Describe(p.form);
}

std::string RankedHeadText(int cumulative, const RankedSection& r, const CecReportRequest& q) {
  PrintWriter w;
  const CecSection& s = *r.section;
  w.Line(Str(static_cast<std::int32_t>(s.number)) + "  " + s.name);
  w.Line(Str(r.represented));
  w.Line(Str(BasisNumber(s.basis)));
  if (s.basis == CecBasis::Percentiles) {
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
  return w.Contents();
}

std::string RankedRecordsText(int cumulative, const RankedSection& r, const CecReportRequest& q,
                              std::int64_t first, std::int64_t last) {
  PrintWriter w;
  for (std::int64_t i = first; i < last; ++i) {
    const CecFileRecord* rec = r.ranked[static_cast<std::size_t>(i)];
    w.Text(rec->line1).Text(", ").Text(TrimStr(rec->e)).Text(",  ");
    w.Text(CecPicture(static_cast<double>(rec->sample_weight), "#####")).EndLine();
    for (const CecLineValues& f : rec->foods) {
      const std::vector<CecChemicalPart> parts = cumulative == 1 && q.cumulative
                                                     ? ChemicalParts(f, *q.cumulative)
                                                     : std::vector<CecChemicalPart>{};
      w.Text(TrimStr(static_cast<std::int32_t>(f.food))).Text(",");
      w.Text(Str(static_cast<std::int32_t>(f.form))).Text(",").Text(Str(f.amount)).Text(",");
      w.Text(Str(f.residue)).Text(",").Text(Str(f.factor1)).Text(",").Text(Str(f.factor2));
      w.Text(",").Text(Str(f.contribution_mg)).Text(",").Text(Str(f.percent));
      if (cumulative == 1) {
        w.Text(",").Text(
            Str(static_cast<std::int32_t>(parts.empty() ? f.chemicals : -f.chemicals)));
        w.Text(",").Text(Str(f.record));
      }
      w.EndLine();
      for (const CecChemicalPart& part : parts)
        w.Line(Str(static_cast<std::int32_t>(part.chemical)) + "," + Str(part.residue) + "," +
               Str(part.contribution_mg) + "," + Str(part.percent));
    }
    w.EndLine();
  }
  return w.Contents();
}

std::string ReportHeadText(const RankedSection& r, const CecReportRequest& q, bool per_kg,
                           bool cumulative) {
  PrintWriter w;
  WriteSectionHead(w, r, q, per_kg, cumulative);
  return w.Contents();
}

std::string ReportRecordsText(const RankedSection& r, const CecReportRequest& q,
                              const std::vector<std::uint8_t>& households, bool cumulative,
                              std::int64_t first, std::int64_t last) {
  PrintWriter w;
  for (std::int64_t i = first; i < last; ++i)
    WriteRecordLines(w, *r.ranked[static_cast<std::size_t>(i)], q, households, cumulative);
  return w.Contents();
}

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

}  // namespace acute
