#pragma once
// Residue distribution files: the per-RDL tables that reading them fills, and the set-up
// that reads every file a Monte Carlo residue file names into the scratch file
// "rdfacute.tmp".
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "common/work_file_names.h"
#include "inputs/residue_data.h"

namespace acute {

inline constexpr int kMaxRdfChemicals = 40;

// Per-RDL tables, indexed by RDL index 0 to the highest RDL index of the residue file
// (slot 0 unused), and the cumulative chemical tables.
struct RdfTables {
  std::vector<std::int32_t> RdfTotalZ;
  std::vector<std::int32_t> RdfTotalNZ;
  std::vector<std::int32_t> RdfTotalLod;
  std::vector<float> RdfLodRes;
  std::vector<std::int16_t> RdfTotalFreq;
  std::vector<std::int32_t> RdfFirstRecord;
  std::vector<float> RdfFirstValue;
  std::vector<std::int32_t> RdfValueCount;
  std::vector<std::int32_t> RdfCountWithLod;
  std::vector<std::int32_t> RdfTotalCount;
  // The record that holds RdfFirstValue (RdfFirstRecord), or 0 when the RDL wrote no value
  // (then RdfFirstRecord is already the next RDL's first record): the pass file's check
  // record.
  std::vector<std::int32_t> RdfCheckRecord;
  // Non-empty lines before the first data line (empty lines are never counted).
  std::vector<std::int16_t> RdfHeaderLines;
  std::vector<std::int16_t> RdfChemCount;
  std::vector<std::vector<std::string>> RdfChemName;  // [rdl][0..40]
  // The file read for the RDL (empty when it has none), for readers that come back to it.
  std::vector<std::filesystem::path> RdfPath;

  // Only when every RDL is cumulative: the distinct chemical names over all files.
  std::int16_t CumChemCount = 0;
  std::vector<std::string> CumChemName;                   // [0..40]
  std::vector<std::vector<std::int16_t>> RdfChemColumn;   // [rdl][0..40]
  std::vector<std::vector<std::int16_t>> CumChemPresent;  // [chemical 0..40][rdl]
  bool all_cumulative = false;

  // Every value written to the scratch file, in record order (record r at values[r - 1]).
  std::vector<float> values;
};

enum class RdfSetUp { Ok = 0, Unusable = 1, Cancelled = 2 };

// Reads every residue distribution file named by the residue file's type-6 RDL lines (a
// relative name is taken relative to the residue file's folder), checks them, and writes
// their values to `scratch_file` (an existing file is deleted first; after a failure or
// Cancel there is none). Every failure shows its message through `port` and returns
// Unusable; Cancel in the progress window returns Cancelled. `dwloc` only changes the
// progress caption. The rows of a cumulative file can be read again with
// ForEachCumulativeRow (inputs/rdf/rdf_cumulative.h).
RdfSetUp SetUpRdfs(const ResidueData& residue, const std::filesystem::path& scratch_file,
                   bool dwloc, UserPort& port, RdfTables& tables);

// Tables for RDL indexes 0 to `highest`, every entry zero or empty.
RdfTables AllocatedRdfTables(int highest);

}  // namespace acute
