#include "sample_data/text_format.h"

#include <array>
#include <charconv>
#include <stdexcept>
#include <system_error>

#include "common/binary_records.h"
#include "common/print_writer.h"

namespace acute::sample {

std::string Quoted(std::string_view s) {
  std::string out(1, '"');
  out.append(s).push_back('"');
  return out;
}

std::string NumberText(float x) {
  std::array<char, 64> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed);
  return std::string(buf.data(), res.ptr);
}

std::string DecimalText(long units, int decimals) {
  std::string digits = std::to_string(units < 0 ? -units : units);
  const auto places = static_cast<std::size_t>(decimals > 0 ? decimals : 0);
  if (places > 0 && digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  std::string out(units < 0 ? "-" : "");
  out.append(digits, 0, digits.size() - places);
  if (places > 0) out.append(1, '.').append(digits, digits.size() - places, places);
  return out;
}

std::string Joined(const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ",";
    out += values[i];
  }
  return out;
}

void SaveText(const std::filesystem::path& path, const PrintWriter& text) {
  if (!WriteFileAtomically(path, text.Contents()))
    throw std::runtime_error("sample data: cannot write the file " + path.string());
}

void SaveBytes(const std::filesystem::path& path, const ByteWriter& bytes) {
  if (!bytes.Save(path))
    throw std::runtime_error("sample data: cannot write the file " + path.string());
}

void MakeFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder, ec))
    throw std::runtime_error("sample data: cannot create the folder " + folder.string() +
                             (ec ? ": " + ec.message() : ""));
}

}  // namespace acute::sample
