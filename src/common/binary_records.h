#pragma once
// Little-endian binary records: 16- and 32-bit signed integers, 32-bit floats, one-byte
// characters and blank-padded text fields, read and written independently of the host.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace acute {

// Reading past the end of the data: the file ends inside a record.
class ShortRecordError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  // Throws std::runtime_error when the file cannot be read.
  static ByteReader FromFile(const std::filesystem::path& path);

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  std::size_t Position() const { return pos_; }
  std::size_t Size() const { return bytes_.size(); }
  void Seek(std::size_t pos) { pos_ = pos; }
  void Skip(std::size_t n);

  std::int16_t I2();
  std::int32_t I4();
  float R4();
  char Char();
  std::string Text(std::size_t width);

 private:
  const std::uint8_t* Take(std::size_t n);
  std::vector<std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  ByteWriter() = default;
  explicit ByteWriter(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  void I2(std::int16_t v);
  void I4(std::int32_t v);
  void R4(float v);
  void Char(char c) { bytes_.push_back(static_cast<std::uint8_t>(c)); }
  // Text cut or padded with blanks to `width` bytes.
  void Text(std::string_view s, std::size_t width);
  void Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::size_t Size() const { return bytes_.size(); }
  // Written through a temporary file; false on failure.
  bool Save(const std::filesystem::path& path) const;

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace acute
