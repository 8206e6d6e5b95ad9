#pragma once
// Reading residue files: the load view (with every check and message) and the analysis
// view (values indexed by commodity number and master food-form number).
#include <filesystem>
#include <optional>

#include "common/user_port.h"
#include "inputs/master_lists.h"
#include "inputs/residue_data.h"
#include "inputs/residue_tables.h"
#include "inputs/support_data.h"

namespace acute {

// Reads and checks a residue file. On a refusal the message has been shown and nothing is
// returned: no partly filled data is ever handed out.
std::optional<ResidueData> ReadResidueFile(const std::filesystem::path& file,
                                           const SupportData& support, UserPort& port);

// Reads a residue file into the residue tables of an analysis (indexed by commodity number
// and master food-form number). `data` receives the file's header values; with
// `monte_carlo` the distribution pointers and ratios are kept. Throws RunEnds after a
// message when the file can no longer be read.
void ReadResidueForAnalysis(const std::filesystem::path& file, const SupportData& support,
                            const MasterLists& master, bool monte_carlo, UserPort& port,
                            ResidueData& data, ResidueTables& tables);

}  // namespace acute
