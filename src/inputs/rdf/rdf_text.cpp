#include "inputs/rdf/rdf_text.h"

#include <cmath>
#include <limits>
#include <string>

#include "common/list_reader.h"

namespace acute {
namespace {

bool StartsWithDoc(std::string_view text, std::size_t at) {
  if (text.size() - at < 3) return false;
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  return upper(text[at]) == 'D' && upper(text[at + 1]) == 'O' && upper(text[at + 2]) == 'C';
}

}  // namespace

std::string_view TrimRdf(std::string_view text) {
  std::size_t a = text.find_first_not_of(" \t");
  if (a == std::string_view::npos) return {};
  std::size_t b = text.find_last_not_of(" \t");
  return text.substr(a, b - a + 1);
}

std::vector<RdfLine> SplitRdfLines(std::string_view content) {
  std::vector<RdfLine> lines;
  int number = 1;
  std::size_t start = 0;
  while (start <= content.size()) {
    std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = content.size();
    std::string_view text = TrimRdf(content.substr(start, end - start));
    if (text == "\x1a") text = {};  // an end-of-file mark of old editors
    if (!text.empty()) lines.push_back({number, text});
    if (end == content.size()) break;
    start =
        end +
        ((content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') ? 2 : 1);
    ++number;
  }
  return lines;
}

bool IsRdfCommentLine(std::string_view text) {
  return (!text.empty() && text[0] == '\'') || StartsWithDoc(text, 0);
}

std::string_view CutRdfComment(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\'' || StartsWithDoc(text, i)) return TrimRdf(text.substr(0, i));
  return TrimRdf(text);
}

bool HasHighCodes(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 128) return true;
  return false;
}

bool ParseRdfNumber(std::string_view field, double& value) {
  std::string text(TrimRdf(field));
  if (text.empty() || !ParseNumber(text, value)) return false;
  return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

}  // namespace acute
