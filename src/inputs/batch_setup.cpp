#include "inputs/batch_setup.h"

#include <algorithm>

#include "common/file_names.h"
#include "inputs/residue_reader.h"

namespace acute {

std::filesystem::path BatchResiduePath(const BatchFile& batch, std::size_t i) {
  const std::filesystem::path named =
      std::filesystem::path(batch.BatchFolder) / batch.BatchResFile[i];
  return FindFile(named).value_or(named);
}

std::optional<OpenBatch> batchsetup(const std::filesystem::path& path, const SupportData& support,
                                    UserPort& port) {
  auto file = ReadBatchFile(path, support.ResidueExtension(), true, port);
  if (!file) return std::nullopt;
  OpenBatch batch{*file, {}, {}};
  for (std::size_t i = 0; i < file->BatchResFile.size(); ++i) {
    auto residue = ReadResidueFile(BatchResiduePath(*file, i), support, port);
    if (!residue) return std::nullopt;
    batch.entries.push_back(std::move(*residue));
    batch.numbers.push_back(static_cast<std::int16_t>(i + 1));
  }
  return batch;
}

OpenBatch SelectEntries(const OpenBatch& batch, const std::vector<int>& numbers) {
  OpenBatch out{batch.file, {}, {}};
  out.file.BatchResFile.clear();
  out.file.BatchRptFile.clear();
  for (std::size_t i = 0; i < batch.entries.size(); ++i) {
    if (std::find(numbers.begin(), numbers.end(), batch.numbers[i]) == numbers.end()) continue;
    out.file.BatchResFile.push_back(batch.file.BatchResFile[i]);
    out.file.BatchRptFile.push_back(batch.file.BatchRptFile[i]);
    out.entries.push_back(batch.entries[i]);
    out.numbers.push_back(batch.numbers[i]);
  }
  return out;
}

}  // namespace acute
