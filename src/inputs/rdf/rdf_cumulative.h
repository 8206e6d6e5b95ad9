#pragma once
// Cumulative distribution files: their rows read again, the check of every row's total, and
// the chemical tables that match chemicals by name across files.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "inputs/rdf/rdf_data_line.h"
#include "inputs/rdf/rdf_progress.h"
#include "inputs/rdf/rdf_sources.h"
#include "inputs/rdf/rdf_tables.h"
#include "inputs/residue_data.h"

namespace acute {

// Reads the data rows of a cumulative file whose header has `header_lines` (non-empty)
// lines, in order; `name` names the file in messages. Returns the number of rows. Throws
// RdfError when the file cannot be read or a row is not of the expected form.
long ForEachCumulativeRow(const std::filesystem::path& file, const std::string& name,
                          int header_lines, int chemicals,
                          const std::function<void(const CumulativeRow&)>& visit);

// True when the residues of the row add up to its total within a factor 0.9999 to 1.0001.
bool RowTotalMatches(const CumulativeRow& row);

// When the residue file's lines all point to RDLs and every RDL in use has chemicals:
// fills CumChemCount, CumChemName, RdfChemColumn and CumChemPresent and sets
// all_cumulative. Throws RdfError when the files name more than 40 chemicals in all.
void BuildCumulativeTables(const ResidueData& residue, RdfTables& tables);

// The third pass: every row of every cumulative file must add up to its total. Throws
// RdfError or RdfCancelled.
void CheckCumulativeRdfs(const std::vector<RdfSource>& sources, RdfProgress& progress,
                         const RdfTables& tables);

}  // namespace acute
