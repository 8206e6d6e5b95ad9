#pragma once
// The line writer of every report and work file: line-printer semantics. Items are joined
// without gaps, Tab(n) moves to column n (to column n of the next line when the line is
// already past it), Zone() moves to the next 14-column print zone, a printed number is
// Str(x) followed by one blank, and lines end in CR LF.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace acute {

class PrintWriter {
 public:
  PrintWriter& Text(std::string_view s);
  PrintWriter& Num(float x);
  PrintWriter& Num(double x);
  PrintWriter& Num(std::int64_t x);
  PrintWriter& Num(std::int32_t x) { return Num(static_cast<std::int64_t>(x)); }
  PrintWriter& Num(std::int16_t x) { return Num(static_cast<std::int64_t>(x)); }
  PrintWriter& Tab(int column);
  PrintWriter& Zone();
  PrintWriter& EndLine();
  PrintWriter& Line(std::string_view s) { return Text(s).EndLine(); }
  PrintWriter& BlankLines(int n);

  // 1-based column where the next character goes.
  int Column() const { return static_cast<int>(out_.size() - line_start_) + 1; }
  // Number of complete lines written.
  long Lines() const { return lines_; }
  const std::string& Contents() const { return out_; }
  void Clear();

 private:
  std::string out_;
  std::size_t line_start_ = 0;
  long lines_ = 0;
};

// Writes `contents` to `path` through a temporary file in the same folder, so that a
// failure never leaves a half-written file under the final name. False on failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents);
// The same for contents held in parts, written one after the other.
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::string>& parts);

}  // namespace acute
