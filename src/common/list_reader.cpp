#include "common/list_reader.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

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
  return res.ec == std::errc() && res.ptr == last;
}

ListReader::ListReader(std::string content) : text_(std::move(content)) {}

bool ListReader::AtEnd() const {
  for (std::size_t i = pos_; i < text_.size(); ++i)
    if (!IsBlank(text_[i]) && !IsLineEnd(text_[i]) && text_[i] != '\x1a') return false;
  return true;
}

bool ListReader::AtLineEnd() const {
  return pos_ >= text_.size() || IsLineEnd(text_[pos_]);
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
  std::string value;
  if (text_[pos_] == '"') {
    std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string::npos) Fail("a quoted text is not closed");
    value = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    // Anything up to the delimiter after the closing quote is dropped.
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
  } else {
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    value = Trim(text_.substr(start, pos_ - start));
  }
  FinishField(false);
  return value;
}

std::string ListReader::ReadNumberText() {
  SkipToField();
  std::string value;
  if (text_[pos_] == '"') {
    return ReadString();
  }
  std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]) &&
         !IsBlank(text_[pos_]))
    ++pos_;
  value = text_.substr(start, pos_ - start);
  FinishField(true);
  return value;
}

double ListReader::ReadDouble() {
  int at = line_;
  std::string text = ReadNumberText();
  double value = 0;
  if (!ParseNumber(text, value)) throw ListReadError("\"" + text + "\" is not a number", at);
  return value;
}

namespace {
template <typename T>
T ToInteger(double value, const std::string& what, int line) {
  double r = std::nearbyint(value);
  if (!(r >= std::numeric_limits<T>::min() && r <= std::numeric_limits<T>::max()))
    throw ListReadError(what + " does not fit its integer type", line);
  return static_cast<T>(r);
}
}  // namespace

std::int16_t ListReader::ReadInt16() {
  int at = line_;
  double v = ReadDouble();
  return ToInteger<std::int16_t>(v, "a count or index", at);
}

std::int32_t ListReader::ReadInt32() {
  int at = line_;
  double v = ReadDouble();
  return ToInteger<std::int32_t>(v, "a count or number", at);
}

std::string ListReader::ReadLine() {
  if (pos_ >= text_.size()) Fail("the file ends inside a record");
  std::size_t start = pos_;
  while (pos_ < text_.size() && !IsLineEnd(text_[pos_])) ++pos_;
  std::string value = text_.substr(start, pos_ - start);
  ConsumeLineEnd();
  return value;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace acute
