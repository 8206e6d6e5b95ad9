#pragma once
// The batch report: the batch file's entries, residue file and report base name.
#include <string>

#include "inputs/batch_file.h"

namespace acute {

inline constexpr const char* kBatchReportWorkFile = "batch.tmp";

std::string BatchReportText(const BatchFile& batch);

}  // namespace acute
