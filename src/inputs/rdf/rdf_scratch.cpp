#include "inputs/rdf/rdf_scratch.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace acute {

bool WriteRdfScratchFile(const std::filesystem::path& file, const std::vector<float>& values) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  constexpr std::size_t kChunk = 1 << 16;  // values per write
  std::vector<char> bytes(kChunk * 4);
  for (std::size_t at = 0; at < values.size(); at += kChunk) {
    const std::size_t n = std::min(values.size() - at, kChunk);
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(bytes.data(), values.data() + at, n * 4);
    } else {
      for (std::size_t i = 0; i < n; ++i) {
        const auto u = std::bit_cast<std::uint32_t>(values[at + i]);
        for (int b = 0; b < 4; ++b) bytes[i * 4 + b] = static_cast<char>((u >> (8 * b)) & 0xFF);
      }
    }
    out.write(bytes.data(), static_cast<std::streamsize>(n * 4));
  }
  out.close();
  return static_cast<bool>(out);
}

}  // namespace acute
