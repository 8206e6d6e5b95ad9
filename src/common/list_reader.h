#pragma once
// Free-format list input: the way every text input of the system is read, value by value.
// Fields end at commas or line ends; a string may stand in double quotes (then it may hold
// commas); a number field also ends at the blanks after it; whole lines can be read
// unchanged. Lines may end in CR LF, LF or CR.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace acute {

// A value that cannot be read: the text ends inside a record, or a number field holds text
// that is not a number, or a number does not fit its integer type.
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
  float ReadSingle() { return static_cast<float>(ReadDouble()); }
  std::int16_t ReadInt16();
  std::int32_t ReadInt32();
  // The rest of the current line, unchanged (quotes included); moves to the next line.
  std::string ReadLine();

  // Physical line number (from 1) of the next character to be read.
  int line() const { return line_; }

 private:
  bool AtLineEnd() const;
  void ConsumeLineEnd();
  void SkipBlanks();
  void SkipToField();
  void FinishField(bool number_field);
  std::string ReadNumberText();
  [[noreturn]] void Fail(const std::string& what) const;

  std::string text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// Reads a whole file into memory; throws std::runtime_error when it cannot be opened.
std::string ReadWholeFile(const std::filesystem::path& path);

// Converts a text to a number as the list reader does; false when it is not a number.
bool ParseNumber(const std::string& text, double& value);

}  // namespace acute
