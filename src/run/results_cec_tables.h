#pragma once
// The tables of the results file's CEC part. Only the results readers include this header.
#include <string>
#include <vector>

#include "run/results_json.h"
#include "run/results_tables.h"

namespace acute::results {

// cec_pairs, cec_foods and cec_records, and for a cumulative report cec_chemicals, from the
// "cec" object at `where`.
std::vector<ResultsTable> CecTables(const Json& cec, const std::string& where);

}  // namespace acute::results
