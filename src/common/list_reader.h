#pragma once
// Free-format list input: the way every text input of the system is read, value by value.
// Fields end at commas or line ends; a string may stand in double quotes (then it may hold
// commas); a number field also ends at the blanks after it; whole lines can be read
// unchanged. Lines may end in CR LF, LF or CR; a UTF-8 byte-order mark at the start of the
// text (as some editors save it) is skipped. A number is finite: "nan" and "inf" are not
// numbers, and an integer field takes only whole numbers that fit its type.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace acute {

// A value that cannot be read: the text ends inside a record, or a number field holds text
// that is not a finite number, or a number does not fit its type.
class ListReadError : public std::runtime_error {
 public:
  ListReadError(const std::string& what, int line) : std::runtime_error(what), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

class ListReader {
 public:
  explicit ListReader(std::string content);

  // True when nothing but blanks and line ends remains.
  bool AtEnd() const;

  std::string ReadString();
  double ReadDouble();
  float ReadSingle();
  std::int16_t ReadInt16();
  std::int32_t ReadInt32();
  // The rest of the current line, unchanged (quotes included); moves to the next line.
  std::string ReadLine();

  // Texts written by QuotedText: a quoted text may hold commas, line ends and doubled
  // double quotes (each read as one); an unquoted one is read as ReadString reads it.
  std::string ReadText();
  // The same for a whole-line field: a line that begins with a double quote holds a quoted
  // text (anything after its closing quote is dropped); any other line is taken whole.
  std::string ReadTextLine();

  // Throws ListReadError with `what` at the line of the value read last.
  [[noreturn]] void Refuse(const std::string& what) const { throw ListReadError(what, last_line_); }

  // Physical line number (from 1) of the next character to be read.
  int line() const { return line_; }

 private:
  void ConsumeLineEnd();
  void SkipBlanks();
  void SkipToField();
  void FinishField(bool number_field);
  std::string ReadNumberText();
  double ReadNumber(std::string& text);
  std::string ReadQuoted();
  void DropToDelimiter();
  template <typename T>
  T ReadInteger();
  [[noreturn]] void Fail(const std::string& what) const;

  std::string text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int last_line_ = 1;  // where the value read last began
};

// A single-precision value of a field that holds 0 to `high` (a residue, a factor, a dose);
// any other value is refused at its line: "a negative <what> (-1)", "a <what> above <high>".
float ReadAmount(ListReader& in, const std::string& what, float high);
// The refusal ReadAmount gives for `v`, or "" when `v` lies from 0 to `high`.
std::string AmountProblem(float v, const std::string& what, float high);

// Reads a whole file into memory; throws std::runtime_error when it cannot be opened.
std::string ReadWholeFile(const std::filesystem::path& path);

// What keeps `path` from being read as a small file, to be put after the file's name: ""
// for a regular file of at most `max_bytes`, else "does not exist", "is a folder, not a
// file", "is not a regular file (...)" or "is larger than ...". Nothing is opened, so a
// pipe or a device is never read.
std::string SmallFileProblem(const std::filesystem::path& path, std::uintmax_t max_bytes);
// Reads a file that SmallFileProblem accepts; otherwise throws std::runtime_error with the
// problem (or "cannot be opened").
std::string ReadSmallFile(const std::filesystem::path& path, std::uintmax_t max_bytes);

// Converts a text to a number as the list reader does; false when it is not a finite
// number (blanks around it are allowed; an empty text is 0).
bool ParseNumber(const std::string& text, double& value);

// A text as a field that ReadText or ReadTextLine reads back whole: between double quotes,
// each double quote inside doubled, when it holds a comma, a double quote, a line end or
// blanks at either end; unchanged otherwise.
std::string QuotedText(const std::string& text);
// The same for a whole-line field: quoted only when it holds a line end or its first
// non-blank character is a double quote.
std::string QuotedLine(const std::string& text);

}  // namespace acute
