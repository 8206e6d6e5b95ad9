#pragma once
// A 64-bit hash of a file's bytes, written as 16 hex digits: it tells whether a work file is
// the one its run listed. Not a cryptographic hash; it guards against mix-ups and damage.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace acute {

// Hashes bytes given in parts, as if they were one run of bytes.
class ContentHash {
 public:
  void Add(std::string_view bytes);
  std::uint64_t Size() const { return size_; }
  // The 16 hex digits of the bytes added so far.
  std::string Hex() const;

 private:
  void Mix(std::uint64_t word);
  void AddByte(char c);
  std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
  std::uint64_t size_ = 0;
  std::uint64_t pending_ = 0;  // bytes not yet making a whole word
  int pending_bytes_ = 0;
};

std::string HashOf(std::string_view bytes);

// Size and hash of a file, read in blocks; std::nullopt when it cannot be read.
struct FileDigest {
  std::uint64_t size = 0;
  std::string hash;
};
std::optional<FileDigest> DigestOfFile(const std::filesystem::path& path);

}  // namespace acute
