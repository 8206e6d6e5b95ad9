#pragma once
// SHA-256 of a run of bytes, written as 64 lowercase hex digits: the results file names the
// residue file it was made from by this digest, which anyone can check with sha256sum.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace acute {

// Bytes given in parts hash as if they were one run of bytes.
class Sha256 {
 public:
  Sha256();
  void Add(std::string_view bytes);
  // The digest of the bytes added so far; the object is spent afterwards.
  std::string Hex();

 private:
  void Block(const unsigned char* block);

  std::array<std::uint32_t, 8> state_;
  std::array<unsigned char, 64> pending_{};
  std::size_t pending_size_ = 0;
  std::uint64_t size_ = 0;
};

std::string Sha256Of(std::string_view bytes);

// The digest of a file's bytes, read in blocks; std::nullopt when it cannot be read.
std::optional<std::string> Sha256OfFile(const std::filesystem::path& path);

}  // namespace acute
