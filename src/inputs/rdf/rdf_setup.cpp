// SetUpRdfs: every distribution file of a Monte Carlo residue file read into the per-RDL
// tables and the scratch file.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <system_error>

#include "inputs/rdf/rdf_cumulative.h"
#include "inputs/rdf/rdf_file.h"
#include "inputs/rdf/rdf_messages.h"
#include "inputs/rdf/rdf_scratch.h"
#include "inputs/rdf/rdf_sources.h"
#include "inputs/rdf/rdf_tables.h"

namespace acute {
namespace {

void ReadAll(const ResidueData& residue, const std::filesystem::path& scratch_file, bool dwloc,
             UserPort& port, RdfTables& tables) {
  const std::vector<RdfSource> sources = LocateRdfs(residue);
  RdfProgress progress(port, dwloc);
  std::int64_t records = 0;
  for (const RdfSource& source : sources) records += CountRdfFile(source, progress, tables);
  if (records > kMaxRdfValues) throw RdfError(rdf_message::TooManyRecords(residue.ResFileName));
  tables.values.reserve(static_cast<std::size_t>(records));
  for (const RdfSource& source : sources) LoadRdfValues(source, progress, tables);
  if (!WriteRdfScratchFile(scratch_file, tables.values))
    throw RdfError(rdf_message::CantWriteScratch(scratch_file.string()));
  BuildCumulativeTables(residue, tables);
  CheckCumulativeRdfs(sources, progress, tables);
}

}  // namespace

RdfTables AllocatedRdfTables(int highest) {
  const auto n = static_cast<std::size_t>(std::max(highest, 0)) + 1;
  RdfTables t;
  t.RdfTotalZ.assign(n, 0);
  t.RdfTotalNZ.assign(n, 0);
  t.RdfTotalLod.assign(n, 0);
  t.RdfLodRes.assign(n, 0.0f);
  t.RdfTotalFreq.assign(n, 0);
  t.RdfFirstRecord.assign(n, 0);
  t.RdfFirstValue.assign(n, 0.0f);
  t.RdfValueCount.assign(n, 0);
  t.RdfCountWithLod.assign(n, 0);
  t.RdfTotalCount.assign(n, 0);
  t.RdfCheckRecord.assign(n, 0);
  t.RdfHeaderLines.assign(n, 0);
  t.RdfChemCount.assign(n, 0);
  t.RdfChemName.assign(n, std::vector<std::string>(kMaxRdfChemicals + 1));
  t.RdfPath.assign(n, {});
  return t;
}

RdfSetUp SetUpRdfs(const ResidueData& residue, const std::filesystem::path& scratch_file,
                   bool dwloc, UserPort& port, RdfTables& tables) {
  tables = AllocatedRdfTables(residue.MaxRdlIndex);
  std::error_code ignored;
  std::filesystem::remove(scratch_file, ignored);
  RdfSetUp outcome = RdfSetUp::Unusable;
  try {
    ReadAll(residue, scratch_file, dwloc, port, tables);
    return RdfSetUp::Ok;
  } catch (const RdfError& e) {
    port.Show(e.message());
  } catch (const RdfCancelled&) {
    outcome = RdfSetUp::Cancelled;
  } catch (const std::bad_alloc&) {
    tables.values = {};
    port.Show(rdf_message::OutOfMemory(residue.ResFileName));
  }
  std::filesystem::remove(scratch_file, ignored);
  return outcome;
}

}  // namespace acute
