#include "inputs/rdf/rdf_scratch.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <fstream>

namespace acute {

bool WriteRdfScratchFile(const std::filesystem::path& file, const std::vector<float>& values) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  constexpr std::size_t kChunk = 1 << 16;  // values per write
  std::vector<char> bytes;
  bytes.reserve(kChunk * 4);
  for (std::size_t at = 0; at < values.size(); at += kChunk) {
    bytes.clear();
    const std::size_t end = std::min(values.size(), at + kChunk);
    for (std::size_t i = at; i < end; ++i) {
      const auto u = std::bit_cast<std::uint32_t>(values[i]);
      for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<char>((u >> (8 * b)) & 0xFF));
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  out.close();
  return static_cast<bool>(out);
}

}  // namespace acute
