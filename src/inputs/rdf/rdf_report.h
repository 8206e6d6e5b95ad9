#pragma once
// The RDF summary report: the counts of every residue distribution file of a Monte Carlo
// residue file and, when every file is cumulative, the chemicals they hold.
#include <string>

#include "common/work_file_names.h"
#include "inputs/rdf/rdf_tables.h"
#include "inputs/residue_data.h"

namespace acute {

struct RdfSummary {
  std::string text;
  // Set when a row without chemicals was listed (the main form then keeps the cumulative
  // option off).
  bool rdf_without_chemicals = false;
};

// `tables` must be those that reading the distribution files of `residue` filled.
RdfSummary RdfSummaryText(const ResidueData& residue, const RdfTables& tables);

}  // namespace acute
