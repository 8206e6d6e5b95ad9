#pragma once
// The line rules of residue distribution files: non-empty trimmed lines with their physical
// line numbers, comment lines and trailing comments, and number fields.
#include <string>
#include <string_view>
#include <vector>

namespace acute {

// One non-empty line, trimmed; `number` is its physical line number from 1.
struct RdfLine {
  int number = 0;
  std::string_view text;
};

// The non-empty lines of `content` (CR LF, LF or CR line ends); the views point into it.
std::vector<RdfLine> SplitRdfLines(std::string_view content);

// A line that begins with "'" or "DOC" (any case).
bool IsRdfCommentLine(std::string_view text);

// The text before the first "'" or "DOC" (any case), trimmed.
std::string_view CutRdfComment(std::string_view text);

// True when the text holds a byte of code 128 or more.
bool HasHighCodes(std::string_view text);

// A residue or count field: a plain decimal number that is finite as a 32-bit float. An
// empty field is not a number.
bool ParseRdfNumber(std::string_view field, double& value);

// Blanks and tabs removed at both ends.
std::string_view TrimRdf(std::string_view text);

}  // namespace acute
