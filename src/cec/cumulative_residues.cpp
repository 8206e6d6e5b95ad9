#include "cec/cumulative_residues.h"

#include <cstring>

#include "inputs/rdf/rdf_cumulative.h"
#include "inputs/rdf/rdf_file.h"
#include "inputs/rdf/rdf_messages.h"
#include "inputs/rdf/rdf_sources.h"
#include "inputs/rdf/rdf_tables.h"

namespace acute {
namespace {

CumulativeResidues Read(const ResidueData& residue, UserPort& port) {
  RdfTables tables = AllocatedRdfTables(residue.MaxRdlIndex);
  const std::vector<RdfSource> sources = LocateRdfs(residue);
  RdfProgress progress(port, false);
  for (const RdfSource& s : sources) CountRdfFile(s, progress, tables);
  for (const RdfSource& s : sources) LoadRdfValues(s, progress, tables);
  BuildCumulativeTables(residue, tables);
  if (!tables.all_cumulative)
    throw RdfError(Message{"Cumulative CEC",
                           "The residue distribution files of " + residue.ResFileName +
                               " do not all carry per-chemical residues; a cumulative CEC "
                               "report cannot be made.",
                           Icon::Information, Buttons::Ok});
  CumulativeResidues c;
  c.count = tables.CumChemCount;
  c.names.assign(tables.CumChemName.begin(), tables.CumChemName.begin() + c.count + 1);
  c.slots.assign(tables.values.size(), {});
  c.totals = tables.values;
  for (const RdfSource& s : sources) {
    const auto r = static_cast<std::size_t>(s.rdl);
    const int chemicals = tables.RdfChemCount[r];
    if (chemicals <= 0) continue;
    std::int64_t record = tables.RdfFirstRecord[r];
    progress.StartPass(s.name, "for Cumulative Analysis");
    ForEachCumulativeRow(
        s.path, s.name, tables.RdfHeaderLines[r], chemicals, [&](const CumulativeRow& row) {
          if (record >= 1 && static_cast<std::size_t>(record) <= c.slots.size()) {
            auto& slot = c.slots[static_cast<std::size_t>(record - 1)];
            for (int m = 1; m <= c.count; ++m) {
              const int col = tables.RdfChemColumn[r][m];
              slot[m - 1] = col >= 1 && col <= static_cast<int>(row.residues.size())
                                ? row.residues[col - 1]
                                : 0.0f;
            }
          }
          ++record;
        });
  }
  return c;
}

}  // namespace

int CumulativeResidues::ChemicalCount(std::int32_t record) const {
  if (!Has(record)) return 0;
  int n = 0;
  for (float v : slots[static_cast<std::size_t>(record - 1)]) n += v != 0 ? 1 : 0;
  return n;
}

std::optional<CumulativeResidues> LoadCumulativeResidues(const ResidueData& residue,
                                                         UserPort& port) {
  try {
    return Read(residue, port);
  } catch (const RdfError& e) {
    port.Show(e.message());
  } catch (const RdfCancelled&) {
  }
  return std::nullopt;
}

std::string CumulativeFileBytes(const CumulativeResidues& c) {
  std::string bytes(c.slots.size() * kCumulativeSlots * 4, '\0');
  for (std::size_t r = 0; r < c.slots.size(); ++r)
    for (int m = 0; m < kCumulativeSlots; ++m) {
      const float v = c.slots[r][m];
      std::uint32_t bits = 0;
      std::memcpy(&bits, &v, 4);
      for (int b = 0; b < 4; ++b)
        bytes[(r * kCumulativeSlots + m) * 4 + b] = static_cast<char>((bits >> (8 * b)) & 0xFF);
    }
  return bytes;
}

}  // namespace acute
