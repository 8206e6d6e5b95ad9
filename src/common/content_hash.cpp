#include "common/content_hash.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace acute {
namespace {

constexpr std::uint64_t kMultiplier = 0xFF51AFD7ED558CCDull;

std::uint64_t Avalanche(std::uint64_t x) {
  x ^= x >> 33;
  x *= kMultiplier;
  x ^= x >> 33;
  x *= 0xC4CEB9FE1A85EC53ull;
  x ^= x >> 33;
  return x;
}

}  // namespace

void ContentHash::Mix(std::uint64_t word) {
  state_ ^= Avalanche(word + 0x632BE59BD9B4E019ull);
  state_ = (state_ << 27 | state_ >> 37) * 0x9FB21C651E98DF25ull + 0x52DCE729ull;
}

void ContentHash::AddByte(char c) {
  pending_ |= static_cast<std::uint64_t>(static_cast<unsigned char>(c)) << (8 * pending_bytes_);
  if (++pending_bytes_ == 8) {
    Mix(pending_);
    pending_ = 0;
    pending_bytes_ = 0;
  }
}

void ContentHash::Add(std::string_view bytes) {
  size_ += bytes.size();
  std::size_t i = 0;
  while (i < bytes.size() && pending_bytes_ != 0) AddByte(bytes[i++]);
  for (; i + 8 <= bytes.size(); i += 8) {
    // Whole words in the byte order of the file (little-endian, as AddByte builds them).
    std::uint64_t word = 0;
    for (int b = 7; b >= 0; --b)
      word = word << 8 | static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(b)]);
    Mix(word);
  }
  while (i < bytes.size()) AddByte(bytes[i++]);
}

std::string ContentHash::Hex() const {
  std::uint64_t state = state_;
  state ^= Avalanche(pending_ ^ (static_cast<std::uint64_t>(pending_bytes_) << 56));
  state = Avalanche(state ^ size_);
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(state));
  return buf;
}

std::string HashOf(std::string_view bytes) {
  ContentHash h;
  h.Add(bytes);
  return h.Hex();
}

std::optional<FileDigest> DigestOfFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  ContentHash h;
  std::vector<char> block(1 << 20);
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    h.Add({block.data(), static_cast<std::size_t>(in.gcount())});
  }
  if (in.bad()) return std::nullopt;
  return FileDigest{h.Size(), h.Hex()};
}

}  // namespace acute
