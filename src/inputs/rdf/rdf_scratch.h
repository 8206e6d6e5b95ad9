#pragma once
// The scratch file of distribution values: 4-byte little-endian float records numbered
// from 1 (record r holds values[r - 1]).
#include <filesystem>
#include <vector>

namespace acute {

// Writes every value, replacing the file; false when it cannot be written.
bool WriteRdfScratchFile(const std::filesystem::path& file, const std::vector<float>& values);

}  // namespace acute
