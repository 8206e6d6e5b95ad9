#pragma once
// One distribution file: the first pass (header, data line forms, counts and their checks)
// and the second pass (its values appended to the scratch values).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "inputs/rdf/rdf_progress.h"
#include "inputs/rdf/rdf_sources.h"
#include "inputs/rdf/rdf_tables.h"
#include "inputs/rdf/rdf_text.h"

namespace acute {

// The file's contents as non-empty lines; throws RdfError when it cannot be read.
struct RdfContents {
  RdfContents(const std::filesystem::path& path, const std::string& name);
  RdfContents(const RdfContents&) = delete;
  RdfContents& operator=(const RdfContents&) = delete;

  std::string text;
  std::vector<RdfLine> lines;  // views into `text`
};

// Visits every data line from `first` on: its physical number and its text without a
// comment. Comment lines among the data are passed over.
template <typename Visit>
void ForEachRdfDataLine(const std::vector<RdfLine>& lines, std::size_t first, Visit&& visit) {
  for (std::size_t i = first; i < lines.size(); ++i) {
    if (IsRdfCommentLine(lines[i].text)) continue;
    visit(lines[i].number, CutRdfComment(lines[i].text));
  }
}

// The first pass over the file of `source`: its header, the form of every data line and
// the counts, checked and stored in the tables of its RDL. Returns the number of records
// its values will take. Throws RdfError or RdfCancelled.
std::int64_t CountRdfFile(const RdfSource& source, RdfProgress& progress, RdfTables& tables);

// The second pass: the file read again past its header lines and its values appended to
// `tables.values`, with the RDL's record numbers and counts. Throws RdfError or
// RdfCancelled.
void LoadRdfValues(const RdfSource& source, RdfProgress& progress, RdfTables& tables);

}  // namespace acute
