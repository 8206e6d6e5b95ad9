#include "inputs/rdf/rdf_report.h"

#include "common/file_names.h"
#include "common/print_writer.h"

namespace acute {
namespace {

template <typename T>
T At(const std::vector<T>& v, int k) {
  return k >= 0 && k < static_cast<int>(v.size()) ? v[static_cast<std::size_t>(k)] : T{};
}

void Headings(PrintWriter& w, bool cumulative) {
  w.Text(" RDF      File        N residues   N residues  N LODs     LOD      N Zeros");
  if (cumulative) w.Text("  N Chems");
  w.EndLine();
  w.Line("  #       Name         w freq's    w/o freq's            Value            ");
  w.Text(" ----  ------------   ----------   ----------  ------  ----------  -------");
  if (cumulative) w.Text("  -------");
  w.EndLine();
}

void ChemicalList(PrintWriter& w, const ResidueData& r, const RdfTables& t) {
  w.BlankLines(2);
  w.Line(
      "Summary of chemicals included in one or more of these RDF files (for cumulative "
      "analysis):");
  w.Line("Index Name");
  for (int m = 1; m <= t.CumChemCount; ++m) {
    w.Num(static_cast<std::int16_t>(m)).Tab(7).Text(At(t.CumChemName, m)).Text(" in RDF #");
    const auto& present = At(t.CumChemPresent, m);
    for (int k = 1; k <= r.MaxRdlIndex; ++k)
      if (At(present, k) != 0) w.Num(static_cast<std::int16_t>(k));
    w.EndLine();
  }
}

}  // namespace

RdfSummary RdfSummaryText(const ResidueData& r, const RdfTables& t) {
  RdfSummary out;
  PrintWriter w;
  const bool cumulative = t.all_cumulative;
  w.EndLine();
  w.Line("   Summary of Residue Distribution Files (RDF) listed in " + r.ResFileName);
  w.EndLine();
  Headings(w, cumulative);
  for (int k = 1; k <= r.MaxRdlIndex && k < static_cast<int>(r.Rdl.size()); ++k) {
    const RdlLine& line = r.Rdl[k];
    if (line.type == DistributionType::None || line.rdf_file.empty()) continue;
    w.Tab(2).Num(static_cast<std::int16_t>(k)).Tab(8).Text(NamePart(line.rdf_file));
    w.Tab(25).Num(At(t.RdfTotalFreq, k)).Tab(36).Num(At(t.RdfTotalNZ, k));
    w.Tab(48).Num(At(t.RdfTotalLod, k)).Tab(56).Num(At(t.RdfLodRes, k));
    w.Tab(70).Num(At(t.RdfTotalZ, k));
    if (cumulative) w.Tab(80).Num(At(t.RdfChemCount, k));
    if (At(t.RdfChemCount, k) == 0) out.rdf_without_chemicals = true;
    w.EndLine();
  }
  if (cumulative) {
    ChemicalList(w, r, t);
    if (out.rdf_without_chemicals) {
      w.EndLine();
      w.Line("Not able to perform cumulative analysis because not all RDF files have the ");
      w.Line("keyword 'NCHEMICALS' in them.");
      w.EndLine();
    }
  }
  out.text = w.Contents();
  return out;
}

}  // namespace acute
