#pragma once
// Small helpers for the files of the sample folder: list-directed values (quoted strings,
// plain decimal numbers joined by commas), and saving that throws on failure.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace acute {
class ByteWriter;
class PrintWriter;
}  // namespace acute

namespace acute::sample {

std::string Quoted(std::string_view s);
// The shortest plain decimal text (no exponent) that reads back as x.
std::string NumberText(float x);
// `units` / 10^decimals written exactly, e.g. (168, 4) -> "0.0168".
std::string DecimalText(long units, int decimals);
// Values joined by commas: one list-directed record.
std::string Joined(const std::vector<std::string>& values);

// Each throws std::runtime_error naming the file or folder on failure.
void SaveText(const std::filesystem::path& path, const PrintWriter& text);
void SaveBytes(const std::filesystem::path& path, const ByteWriter& bytes);
void MakeFolder(const std::filesystem::path& folder);

}  // namespace acute::sample
