#pragma once
// The uncertainty analysis of a results file as a tidy table: a row per population and figure
// with the main run's value and the interval. Only the results readers include this header.
#include <string>

#include "run/results_json.h"
#include "run/results_tables.h"

namespace acute::results {

inline constexpr const char* kBootstrapTable = "bootstrap";

// The "bootstrap" member at `where` read as a table; a value of the wrong type throws
// FileFault naming its place.
ResultsTable BootstrapTable(const Json& bootstrap, const std::string& where);

}  // namespace acute::results
