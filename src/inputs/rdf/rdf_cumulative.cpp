#include "inputs/rdf/rdf_cumulative.h"

#include <algorithm>

#include "common/file_names.h"
#include "inputs/rdf/rdf_file.h"
#include "inputs/rdf/rdf_messages.h"

namespace acute {
namespace {

// The RDLs in use: those with a distribution line.
std::vector<int> RdlsInUse(const ResidueData& residue) {
  std::vector<int> used;
  const int highest = std::min<int>(residue.MaxRdlIndex, static_cast<int>(residue.Rdl.size()) - 1);
  for (int r = 1; r <= highest; ++r)
    if (residue.Rdl[static_cast<std::size_t>(r)].type != DistributionType::None) used.push_back(r);
  return used;
}

bool AllCumulative(const ResidueData& residue, const std::vector<int>& used,
                   const RdfTables& tables) {
  if (residue.AllLinesPointToRdl != 1 || used.empty()) return false;
  return std::all_of(used.begin(), used.end(),
                     [&](int r) { return tables.RdfChemCount[static_cast<std::size_t>(r)] > 0; });
}

void AllocateCumulative(int highest, RdfTables& t) {
  const auto rdls = static_cast<std::size_t>(highest) + 1;
  t.CumChemCount = 0;
  t.CumChemName.assign(kMaxRdfChemicals + 1, "");
  t.RdfChemColumn.assign(rdls, std::vector<std::int16_t>(kMaxRdfChemicals + 1, 0));
  t.CumChemPresent.assign(kMaxRdfChemicals + 1, std::vector<std::int16_t>(rdls, 0));
}

// The cumulative number of a chemical name (matched in upper case), appended when new.
int CumulativeChemical(const std::string& chemical, const std::string& residue_file, RdfTables& t) {
  const std::string wanted = ToUpper(chemical);
  for (int m = 1; m <= t.CumChemCount; ++m)
    if (ToUpper(t.CumChemName[static_cast<std::size_t>(m)]) == wanted) return m;
  if (t.CumChemCount == kMaxRdfChemicals)
    throw RdfError(rdf_message::TooManyCumulativeChemicals(residue_file));
  ++t.CumChemCount;
  t.CumChemName[static_cast<std::size_t>(t.CumChemCount)] = chemical;
  return t.CumChemCount;
}

}  // namespace

long ForEachCumulativeRow(const std::filesystem::path& file, const std::string& name,
                          int header_lines, int chemicals,
                          const std::function<void(const CumulativeRow&)>& visit) {
  const RdfContents contents(file, name);
  long rows = 0;
  const auto first =
      std::min(static_cast<std::size_t>(std::max(header_lines, 0)), contents.lines.size());
  ForEachRdfDataLine(contents.lines, first, [&](int line, std::string_view text) {
    visit(ParseCumulativeRow(text, name, line, chemicals));
    ++rows;
  });
  return rows;
}

bool RowTotalMatches(const CumulativeRow& row) {
  double sum = 0;
  for (float r : row.residues) sum += r;
  const double a = static_cast<double>(row.total) * 0.9999;
  const double b = static_cast<double>(row.total) * 1.0001;
  return sum >= std::min(a, b) && sum <= std::max(a, b);
}

void BuildCumulativeTables(const ResidueData& residue, RdfTables& t) {
  const std::vector<int> used = RdlsInUse(residue);
  if (!AllCumulative(residue, used, t)) return;
  AllocateCumulative(residue.MaxRdlIndex, t);
  for (int r : used) {
    const auto ri = static_cast<std::size_t>(r);
    for (int k = 1; k <= t.RdfChemCount[ri]; ++k) {
      const auto m = static_cast<std::size_t>(CumulativeChemical(
          t.RdfChemName[ri][static_cast<std::size_t>(k)], residue.ResFileName, t));
      t.RdfChemColumn[ri][m] = static_cast<std::int16_t>(k);
      t.CumChemPresent[m][ri] = 1;
    }
  }
  t.all_cumulative = true;
}

void CheckCumulativeRdfs(const std::vector<RdfSource>& sources, RdfProgress& progress,
                         const RdfTables& tables) {
  for (const RdfSource& source : sources) {
    const auto r = static_cast<std::size_t>(source.rdl);
    const int chemicals = tables.RdfChemCount[r];
    if (chemicals == 0) continue;
    progress.StartPass(source.name, "Third pass");
    long row = 0;
    ForEachCumulativeRow(
        source.path, source.name, tables.RdfHeaderLines[r], chemicals,
        [&](const CumulativeRow& values) {
          progress.AtLine(values.line);
          ++row;
          if (!RowTotalMatches(values))
            throw RdfError(rdf_message::RowTotalWrong(source.name, row, chemicals));
        });
  }
}

}  // namespace acute
