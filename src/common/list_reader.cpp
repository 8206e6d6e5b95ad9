#include "common/list_reader.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "common/str.h"

namespace acute {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

std::string Trim(const std::string& s) {
  std::size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  std::size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

}  // namespace

bool ParseNumber(const std::string& raw, double& value) {
  std::string text = Trim(raw);
  if (text.empty()) {
    value = 0;
    return true;
  }
  std::size_t start = (text[0] == '+') ? 1 : 0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  auto res = std::from_chars(first, last, value);
  return res.ec == std::errc() && res.ptr == last && std::isfinite(value);
}

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

std::string QuotedText(const std::string& text) {
  // An empty text is quoted too: written bare it would leave no field to read back.
  const bool plain = !text.empty() && text.find_first_of(",\"\r\n") == std::string::npos &&
                     !IsBlank(text.front()) && !IsBlank(text.back());
  return plain ? text : Quoted(text);
}

std::string QuotedLine(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  const bool plain = text.find_first_of("\r\n") == std::string::npos &&
                     (first == std::string::npos || text[first] != '"');
  return plain ? text : Quoted(text);
}

ListReader::ListReader(std::string content) : text_(std::move(content)) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (std::string_view(text_).starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
}

bool ListReader::AtEnd() const {
  for (std::size_t i = pos_; i < text_.size(); ++i)
    if (!IsBlank(text_[i]) && !IsLineEnd(text_[i]) && text_[i] != '\x1a') return false;
  return true;
}

void ListReader::ConsumeLineEnd() {
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == '\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  } else if (text_[pos_] == '\n') {
    ++pos_;
  }
  ++line_;
}

void ListReader::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

void ListReader::SkipToField() {
  for (;;) {
    SkipBlanks();
    if (pos_ < text_.size() && IsLineEnd(text_[pos_])) {
      ConsumeLineEnd();
      continue;
    }
    break;
  }
  if (AtEnd()) Fail("the file ends inside a record");
}

void ListReader::FinishField(bool number_field) {
  SkipBlanks();
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == ',') {
    ++pos_;
  } else if (IsLineEnd(text_[pos_])) {
    ConsumeLineEnd();
  } else if (number_field) {
    // A number ended by blanks: the next field starts here.
  }
}

[[noreturn]] void ListReader::Fail(const std::string& what) const {
  throw ListReadError(what, line_);
}

std::string ListReader::ReadString() {
  SkipToField();
  last_line_ = line_;
  std::string value;
  if (text_[pos_] == '"') {
    std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string::npos) Fail("a quoted text is not closed");
    value = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    DropToDelimiter();
  } else {
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    value = Trim(text_.substr(start, pos_ - start));
  }
  FinishField(false);
  return value;
}

// Anything up to the delimiter after a closing quote is dropped.
void ListReader::DropToDelimiter() {
  while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
}

// From the opening quote at pos_ to the closing one; a doubled quote stands for one.
std::string ListReader::ReadQuoted() {
  std::string value;
  std::size_t i = pos_ + 1;
  for (;;) {
    if (i >= text_.size()) Fail("a quoted text is not closed");
    const char c = text_[i];
    if (c == '"') {
      if (i + 1 < text_.size() && text_[i + 1] == '"') {
        value += '"';
        i += 2;
        continue;
      }
      break;
    }
    const bool crlf = c == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n';
    if (IsLineEnd(c) && !crlf) ++line_;
    value += c;
    ++i;
  }
  pos_ = i + 1;
  return value;
}

std::string ListReader::ReadText() {
  SkipToField();
  if (text_[pos_] != '"') return ReadString();
  last_line_ = line_;
  std::string value = ReadQuoted();
  DropToDelimiter();
  FinishField(false);
  return value;
}

std::string ListReader::ReadTextLine() {
  if (pos_ >= text_.size()) Fail("the file ends inside a record");
  std::size_t first = pos_;
  while (first < text_.size() && IsBlank(text_[first])) ++first;
  if (first >= text_.size() || text_[first] != '"') return ReadLine();
  last_line_ = line_;
  pos_ = first;
  std::string value = ReadQuoted();
  while (pos_ < text_.size() && !IsLineEnd(text_[pos_])) ++pos_;
  ConsumeLineEnd();
  return value;
}

std::string ListReader::ReadNumberText() {
  SkipToField();
  last_line_ = line_;
  if (text_[pos_] == '"') return ReadString();
  std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]) &&
         !IsBlank(text_[pos_]))
    ++pos_;
  std::string value = text_.substr(start, pos_ - start);
  FinishField(true);
  return value;
}

double ListReader::ReadNumber(std::string& text) {
  text = ReadNumberText();
  double value = 0;
  if (!ParseNumber(text, value)) Refuse("\"" + text + "\" is not a number");
  return value;
}

double ListReader::ReadDouble() {
  std::string text;
  return ReadNumber(text);
}

float ListReader::ReadSingle() {
  std::string text;
  const double value = ReadNumber(text);
  if (std::fabs(value) > std::numeric_limits<float>::max())
    Refuse("\"" + text + "\" does not fit a single-precision number");
  return static_cast<float>(value);
}

template <typename T>
T ListReader::ReadInteger() {
  std::string text;
  const double value = ReadNumber(text);
  if (value != std::floor(value)) Refuse("\"" + text + "\" is not a whole number");
  if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
    Refuse("\"" + text + "\" does not fit its integer type (" +
           std::to_string(std::numeric_limits<T>::min()) + " to " +
           std::to_string(std::numeric_limits<T>::max()) + ")");
  return static_cast<T>(value);
}

std::int16_t ListReader::ReadInt16() {
  return ReadInteger<std::int16_t>();
}

std::int32_t ListReader::ReadInt32() {
  return ReadInteger<std::int32_t>();
}

std::string ListReader::ReadLine() {
  if (pos_ >= text_.size()) Fail("the file ends inside a record");
  last_line_ = line_;
  std::size_t start = pos_;
  while (pos_ < text_.size() && !IsLineEnd(text_[pos_])) ++pos_;
  std::string value = text_.substr(start, pos_ - start);
  ConsumeLineEnd();
  return value;
}

std::string AmountProblem(float v, const std::string& what, float high) {
  if (v < 0) return "a negative " + what + " (" + TrimStr(v) + ")";
  const bool vowel = !what.empty() && std::string_view("aeiou").find(what[0]) != std::string::npos;
  if (v > high)
    return (vowel ? "an " : "a ") + what + " above " + std::to_string(std::llround(high));
  return "";
}

float ReadAmount(ListReader& in, const std::string& what, float high) {
  const float v = in.ReadSingle();
  const std::string problem = AmountProblem(v, what, high);
  if (!problem.empty()) in.Refuse(problem);
  return v;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  // One read of the size the file has now, then whatever it gained meanwhile.
  std::string text;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0 && in) {
    text.resize(static_cast<std::size_t>(size));
    in.read(text.data(), size);
    text.resize(static_cast<std::size_t>(in.gcount()));
  }
  in.clear();
  std::ostringstream rest;
  if (in.peek() != std::char_traits<char>::eof()) {
    rest << in.rdbuf();
    text += rest.str();
  }
  return text;
}

namespace {

std::string SizeText(std::uintmax_t bytes) {
  constexpr std::uintmax_t kMegabyte = 1 << 20;
  return bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB"
                                : std::to_string(bytes) + " bytes";
}

}  // namespace

std::string SmallFileProblem(const std::filesystem::path& path, std::uintmax_t max_bytes) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return "does not exist";
  if (ec) return "cannot be examined (" + ec.message() + ")";
  if (std::filesystem::is_directory(status)) return "is a folder, not a file";
  if (!std::filesystem::is_regular_file(status))
    return "is not a regular file (it is a device, a pipe or a socket)";
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return "cannot be examined (" + ec.message() + ")";
  if (size > max_bytes) return "is larger than " + SizeText(max_bytes);
  return "";
}

std::string ReadSmallFile(const std::filesystem::path& path, std::uintmax_t max_bytes) {
  const std::string problem = SmallFileProblem(path, max_bytes);
  if (!problem.empty()) throw std::runtime_error(problem);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot be opened");
  // Read in blocks up to one byte past the limit: a file that grows while it is read is
  // refused, and a small file costs no more than its size.
  std::string text;
  char block[1 << 16];
  while (in && text.size() <= max_bytes) {
    in.read(block, sizeof block);
    text.append(block, static_cast<std::size_t>(in.gcount()));
  }
  if (text.size() > max_bytes) throw std::runtime_error("is larger than " + SizeText(max_bytes));
  return text;
}

}  // namespace acute
