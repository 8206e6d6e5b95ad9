#pragma once
// The description of a custom population before its block: its report name and one line per
// criterion, so that a reader can tell which person-days were counted. Standard populations
// are described by their title line alone.
#include <string>
#include <vector>

#include "common/print_writer.h"
#include "reports/report_context.h"

namespace acute {

// Writes nothing for a standard population. `region_names` are the data set's regions in
// region order; seasons and regions are described only for database kind 0.
void WritePopulationDescription(PrintWriter& out, const ReportPopulation& pop,
                                std::int16_t database_kind,
                                const std::vector<std::string>& region_names);

}  // namespace acute
