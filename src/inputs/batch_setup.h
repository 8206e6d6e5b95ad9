#pragma once
// Opening a batch file: the batch file's checks, then every entry's residue file read and
// kept (its endpoints and distribution lines are the entry's copies for the run).
#include <filesystem>
#include <optional>
#include <vector>

#include "common/user_port.h"
#include "inputs/batch_file.h"
#include "inputs/residue_data.h"
#include "inputs/support_data.h"

namespace acute {

struct OpenBatch {
  BatchFile file;
  std::vector<ResidueData> entries;   // one per entry, in batch order
  std::vector<std::int16_t> numbers;  // each entry's number in the batch file (from 1)
};

// The batch restricted to the entries of the given numbers (from 1), in batch order; each
// keeps its number, so that it writes the files it writes in the whole batch. Numbers
// outside the batch are ignored.
OpenBatch SelectEntries(const OpenBatch& batch, const std::vector<int>& numbers);

// The residue file of entry i (from 0): the batch folder and the stored name, found without
// regard to case.
std::filesystem::path BatchResiduePath(const BatchFile& batch, std::size_t i);

// Reads the batch file (with the existence check) and every residue file it names. A
// refusal of either has shown its message; nothing is returned then.
std::optional<OpenBatch> batchsetup(const std::filesystem::path& path, const SupportData& support,
                                    UserPort& port);

}  // namespace acute
