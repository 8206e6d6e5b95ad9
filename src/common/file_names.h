#pragma once
// File-name rules shared by the readers: folder tests that accept "/" as well as "\",
// case-insensitive look-up of a name in its folder, and folder strings with a trailing
// separator.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace acute {

// True when the name holds a folder part ("/", "\" or a drive colon).
bool HasFolder(std::string_view name);

// The path of an existing file: `path` itself, or a case-insensitive match of its last
// part in the same folder; std::nullopt when there is none.
std::optional<std::filesystem::path> FindFile(const std::filesystem::path& path);

// `name` resolved against `folder` unless it is absolute.
std::filesystem::path Resolve(const std::filesystem::path& folder, const std::string& name);

// A folder string ending with the separator.
std::string WithSeparator(std::string folder);

// Everything up to and including the last "/" or "\" (or drive colon); "" when none.
std::string FolderPart(std::string_view path);
// Everything after the last "/", "\" or ":".
std::string NamePart(std::string_view path);

std::string ToUpper(std::string s);
std::string TrimBlanks(std::string_view s);

// The position of the first control character (below 32: a line end, a tab, an escape) of
// `text`, CR and LF not counted when `line_ends_allowed`; npos when there is none.
std::size_t FindControlCharacter(std::string_view text, bool line_ends_allowed);
// Turns every control character of `text` but CR and LF into a blank; true when there was
// one.
bool BlankControlCharacters(std::string& text);

}  // namespace acute
