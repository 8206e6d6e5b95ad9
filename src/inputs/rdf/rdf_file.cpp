#include "inputs/rdf/rdf_file.h"

#include <limits>
#include <stdexcept>

#include "common/list_reader.h"
#include "inputs/rdf/rdf_data_line.h"
#include "inputs/rdf/rdf_header.h"
#include "inputs/rdf/rdf_messages.h"

namespace acute {
namespace {

// What the first pass finds.
struct RdfCount {
  RdfHeader header;
  std::int64_t singles = 0;  // values without frequency, or cumulative rows
  std::int64_t pairs = 0;
  std::int64_t records = 0;
};

RdfCount FirstPass(const RdfContents& file, const std::string& name, RdfProgress& progress) {
  RdfCount count;
  count.header = ReadRdfHeader(file.lines, name);
  const int chemicals = count.header.chem_count;
  ForEachRdfDataLine(file.lines, count.header.first_data, [&](int line, std::string_view text) {
    progress.AtLine(line);
    if (chemicals > 0) {
      ParseCumulativeRow(text, name, line, chemicals);
      ++count.singles;
      ++count.records;
      return;
    }
    PlainEntry entry = ParsePlainLine(text, name, line);
    ++(entry.pair ? count.pairs : count.singles);
    count.records += entry.frequency;
  });
  return count;
}

void CheckCounts(RdfCount& count, const std::string& name) {
  RdfHeader& h = count.header;
  if (h.nz_declared && h.total_nz != count.singles)
    throw RdfError(rdf_message::TotalNzMismatch(name, count.singles, h.total_nz));
  if (h.freq_declared && h.total_freq != count.pairs)
    throw RdfError(rdf_message::TotalFreqMismatch(name, count.pairs, h.total_freq));
  if (h.total_lod >= 1 && h.lod_res == 0) throw RdfError(rdf_message::LodResZero(name));
  if (count.pairs > std::numeric_limits<std::int16_t>::max())
    throw RdfError(rdf_message::TooManyPairs(name, count.pairs));
  if (count.records + h.total_lod + h.total_z > std::numeric_limits<std::int32_t>::max())
    throw RdfError(rdf_message::TooManySamples(name));
  h.total_nz = static_cast<std::int32_t>(count.singles);
  h.total_freq = static_cast<std::int16_t>(count.pairs);
}

void StoreHeader(const RdfHeader& h, const RdfSource& source, RdfTables& t) {
  const auto i = static_cast<std::size_t>(source.rdl);
  t.RdfTotalNZ[i] = h.total_nz;
  t.RdfTotalZ[i] = h.total_z;
  t.RdfTotalLod[i] = h.total_lod;
  t.RdfLodRes[i] = h.lod_res;
  t.RdfTotalFreq[i] = h.total_freq;
  t.RdfHeaderLines[i] = h.header_lines;
  t.RdfChemCount[i] = h.chem_count;
  t.RdfChemName[i] = h.chem_names;
  t.RdfPath[i] = source.path;
}

void StoreRecords(std::size_t r, std::size_t first, RdfTables& t) {
  const std::size_t records = t.values.size() - (first - 1);
  t.RdfFirstRecord[r] = static_cast<std::int32_t>(first);
  t.RdfValueCount[r] = static_cast<std::int32_t>(records);
  t.RdfFirstValue[r] = records > 0 ? t.values[first - 1] : 0.0f;
  t.RdfCheckRecord[r] = records > 0 ? t.RdfFirstRecord[r] : 0;
  t.RdfCountWithLod[r] = t.RdfValueCount[r] + t.RdfTotalLod[r];
  t.RdfTotalCount[r] = t.RdfCountWithLod[r] + t.RdfTotalZ[r];
}

}  // namespace

RdfContents::RdfContents(const std::filesystem::path& path, const std::string& name) {
  try {
    text = ReadWholeFile(path);
  } catch (const std::runtime_error&) {
    throw RdfError(rdf_message::CantRead(name));
  }
  lines = SplitRdfLines(text);
}

std::int64_t CountRdfFile(const RdfSource& source, RdfProgress& progress, RdfTables& tables) {
  const RdfContents file(source.path, source.name);
  progress.StartPass(source.name, "First pass");
  RdfCount count = FirstPass(file, source.name, progress);
  CheckCounts(count, source.name);
  StoreHeader(count.header, source, tables);
  return count.records;
}

void LoadRdfValues(const RdfSource& source, RdfProgress& progress, RdfTables& tables) {
  const RdfContents file(source.path, source.name);
  progress.StartPass(source.name, "Second pass");
  const auto r = static_cast<std::size_t>(source.rdl);
  const int chemicals = tables.RdfChemCount[r];
  const std::size_t first = tables.values.size() + 1;
  std::vector<float>& values = tables.values;
  ForEachRdfDataLine(
      file.lines, static_cast<std::size_t>(tables.RdfHeaderLines[r]),
      [&](int line, std::string_view text) {
        progress.AtLine(line);
        if (chemicals > 0) {
          values.push_back(ParseCumulativeRow(text, source.name, line, chemicals).total);
          return;
        }
        PlainEntry entry = ParsePlainLine(text, source.name, line);
        values.insert(values.end(), static_cast<std::size_t>(entry.frequency), entry.value);
      });
  StoreRecords(r, first, tables);
}

}  // namespace acute
