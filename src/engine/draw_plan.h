#pragma once
// The uniform draws that one Monte Carlo iteration of a day pass takes. Which draws are
// taken depends on the data alone (held residues, shared drinking-water draws, the chemical
// choice), never on the values drawn, so the draws of a whole pass can be counted, and a
// stream can be advanced past them, before any is drawn.
#include <cstdint>
#include <vector>

#include "engine/exposure.h"
#include "engine/run_tables.h"

namespace acute {

// Appends, for each uniform draw of one iteration in order, the RDL index the draw is
// evaluated in, or 0 for the draw of a chemical choice (a food form with several chemicals
// is entered with the RDL of its first chemical: which one is drawn depends on the draw).
// Returns the number appended.
std::uint32_t AppendDrawPlan(const RelevantEntry* entries, std::uint32_t count,
                             const RunTables& tables, bool hold_residues,
                             std::vector<std::int16_t>& plan);

}  // namespace acute
