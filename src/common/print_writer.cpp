#include "common/print_writer.h"

#include <fstream>
#include <system_error>

#include "common/str.h"
#include "common/work_files.h"

namespace acute {

PrintWriter& PrintWriter::Text(std::string_view s) {
  out_.append(s);
  return *this;
}

PrintWriter& PrintWriter::Num(float x) {
  return Text(Str(x)).Text(" ");
}
PrintWriter& PrintWriter::Num(double x) {
  return Text(Str(x)).Text(" ");
}
PrintWriter& PrintWriter::Num(std::int64_t x) {
  return Text(Str(x)).Text(" ");
}

PrintWriter& PrintWriter::Tab(int column) {
  if (column < 1) column = 1;
  if (Column() > column) EndLine();
  out_.append(static_cast<std::size_t>(column - Column()), ' ');
  return *this;
}

PrintWriter& PrintWriter::Zone() {
  int next = ((Column() - 1) / 14 + 1) * 14 + 1;
  out_.append(static_cast<std::size_t>(next - Column()), ' ');
  return *this;
}

PrintWriter& PrintWriter::EndLine() {
  out_.append("\r\n");
  line_start_ = out_.size();
  ++lines_;
  return *this;
}

PrintWriter& PrintWriter::BlankLines(int n) {
  for (int i = 0; i < n; ++i) EndLine();
  return *this;
}

void PrintWriter::Clear() {
  out_.clear();
  line_start_ = 0;
  lines_ = 0;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents) {
  WorkFileSet set;
  return set.Stage(path, contents) && !set.Commit();
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::string>& parts) {
  WorkFileSet set;
  return set.Stage(path, parts) && !set.Commit();
}

}  // namespace acute
