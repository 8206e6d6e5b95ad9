#pragma once
// A short text summary of a loaded residue file.
#include <string>
#include <vector>

#include "inputs/residue_data.h"

namespace acute {

std::vector<std::string> SummariseResidueFile(const ResidueData& data);

}  // namespace acute
