#include "run/results_json.h"

#include <charconv>
#include <cstdlib>

namespace acute::results {
namespace {

bool IsUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t follow = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : 3;
    if ((c >= 0x80 && (c & 0xF8) == 0xF8) || (c & 0xC0) == 0x80 || s.size() - i - 1 < follow)
      return false;
    for (std::size_t k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += follow + 1;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view s) {
  std::string out;
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

Json Entered(float value) {
  if (!std::isfinite(value)) return nullptr;
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  *end = '\0';
  return std::strtod(text, nullptr);
}

Json Text(std::string_view text) {
  return IsUtf8(text) ? std::string(text) : Latin1ToUtf8(text);
}

std::string Dump(const Json& value, int indent) {
  return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

std::string MemberText(std::string_view key, const Json& value, int indent) {
  const std::string pad(static_cast<std::size_t>(indent), ' ');
  const std::string laid = Dump(value, 2);
  std::string text = pad + Json(std::string(key)).dump() + ": ";
  for (char c : laid) {
    text += c;
    if (c == '\n') text += pad;  // strings never hold a raw line end
  }
  return text;
}

}  // namespace acute::results
