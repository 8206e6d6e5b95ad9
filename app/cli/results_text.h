#pragma once
// A results file on the terminal: per population a few summary lines and its percentile
// levels in fixed columns, figures to six significant digits.
#include <cstddef>
#include <string>

#include "run/results_tables.h"

namespace acute::cli {

// The text of population `population` (from 0, in report order) of `tables`.
std::string PopulationText(const ResultsTables& tables, std::size_t population);

}  // namespace acute::cli
