#include "common/binary_records.h"

#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>

#include "common/print_writer.h"

namespace acute {

ByteReader ByteReader::FromFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  return ByteReader(std::move(bytes));
}

const std::uint8_t* ByteReader::Take(std::size_t n) {
  if (n > bytes_.size() || pos_ > bytes_.size() - n)
    throw ShortRecordError("the file ends inside a record");
  const std::uint8_t* p = bytes_.data() + pos_;
  pos_ += n;
  return p;
}

void ByteReader::Skip(std::size_t n) {
  Take(n);
}

std::int16_t ByteReader::I2() {
  const std::uint8_t* p = Take(2);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

std::int32_t ByteReader::I4() {
  const std::uint8_t* p = Take(4);
  std::uint32_t u = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                    (static_cast<std::uint32_t>(p[2]) << 16) |
                    (static_cast<std::uint32_t>(p[3]) << 24);
  return static_cast<std::int32_t>(u);
}

float ByteReader::R4() {
  const std::uint8_t* p = Take(4);
  std::uint32_t u = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                    (static_cast<std::uint32_t>(p[2]) << 16) |
                    (static_cast<std::uint32_t>(p[3]) << 24);
  return std::bit_cast<float>(u);
}

char ByteReader::Char() {
  return static_cast<char>(*Take(1));
}

std::string ByteReader::Text(std::size_t width) {
  const std::uint8_t* p = Take(width);
  return std::string(reinterpret_cast<const char*>(p), width);
}

void ByteWriter::I2(std::int16_t v) {
  auto u = static_cast<std::uint16_t>(v);
  bytes_.push_back(static_cast<std::uint8_t>(u & 0xFF));
  bytes_.push_back(static_cast<std::uint8_t>(u >> 8));
}

void ByteWriter::I4(std::int32_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF));
}

void ByteWriter::R4(float v) {
  I4(static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(v)));
}

void ByteWriter::Text(std::string_view s, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i)
    bytes_.push_back(static_cast<std::uint8_t>(i < s.size() ? s[i] : ' '));
}

bool ByteWriter::Save(const std::filesystem::path& path) const {
  return WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(bytes_.data()), bytes_.size()));
}

}  // namespace acute
