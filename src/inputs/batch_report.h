#pragma once
// The batch report: the batch file's entries, residue file and report base name.
#include <string>

#include "common/work_file_names.h"
#include "inputs/batch_file.h"

namespace acute {

std::string BatchReportText(const BatchFile& batch);

}  // namespace acute
