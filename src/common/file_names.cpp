#include "common/file_names.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace acute {

bool HasFolder(std::string_view name) {
  return name.find_first_of("/\\:") != std::string_view::npos;
}

std::string ToUpper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string TrimBlanks(std::string_view s) {
  std::size_t a = s.find_first_not_of(" \t\r\n");
  if (a == std::string_view::npos) return "";
  std::size_t b = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(a, b - a + 1));
}

namespace {

bool IsControl(char c, bool line_ends_allowed) {
  return static_cast<unsigned char>(c) < 32 && !(line_ends_allowed && (c == '\r' || c == '\n'));
}

}  // namespace

std::size_t FindControlCharacter(std::string_view text, bool line_ends_allowed) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (IsControl(text[i], line_ends_allowed)) return i;
  return std::string_view::npos;
}

bool BlankControlCharacters(std::string& text) {
  bool blanked = false;
  for (char& c : text) {
    if (!IsControl(c, true)) continue;
    c = ' ';
    blanked = true;
  }
  return blanked;
}

std::optional<std::filesystem::path> FindFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec)) return path;
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  const std::string wanted = ToUpper(path.filename().string());
  if (wanted.empty()) return std::nullopt;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (ToUpper(it->path().filename().string()) == wanted && it->is_regular_file(ec))
      return it->path();
  }
  return std::nullopt;
}

std::filesystem::path Resolve(const std::filesystem::path& folder, const std::string& name) {
  std::string n = name;
  std::replace(n.begin(), n.end(), '\\', '/');
  std::filesystem::path p(n);
  return p.is_absolute() ? p : folder / p;
}

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder;
}

std::string FolderPart(std::string_view path) {
  std::size_t k = path.find_last_of("/\\:");
  return k == std::string_view::npos ? "" : std::string(path.substr(0, k + 1));
}

std::string NamePart(std::string_view path) {
  std::size_t k = path.find_last_of("/\\:");
  return k == std::string_view::npos ? std::string(path) : std::string(path.substr(k + 1));
}

}  // namespace acute
