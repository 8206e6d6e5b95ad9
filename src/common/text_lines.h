#pragma once
// A text read line by line without copying it: each line is a view into the text, without
// its LF or CR LF. A last line without a line end is a line; the end of the text is not.
#include <string_view>

namespace acute {

class TextLines {
 public:
  explicit TextLines(std::string_view text) : text_(text) {}

  bool AtEnd() const { return at_ >= text_.size(); }

  // The next line; empty at the end of the text.
  std::string_view Next() {
    if (AtEnd()) return {};
    std::size_t end = text_.find('\n', at_);
    if (end == std::string_view::npos) end = text_.size();
    std::size_t stop = end;
    if (stop > at_ && text_[stop - 1] == '\r') --stop;
    const std::string_view line = text_.substr(at_, stop - at_);
    at_ = end + 1;
    return line;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace acute
