#include "common/work_manifest.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>
#include <sstream>

namespace acute {
namespace {

constexpr const char* kHeader = "acute work-file set 1";
constexpr const char* kEnd = "end";

bool IsToken(std::string_view s) {
  return !s.empty() && std::none_of(s.begin(), s.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '=';
  });
}

bool IsHash(std::string_view s) {
  return s.size() == 16 && std::all_of(s.begin(), s.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

// A line's blank-separated words; the last word takes the rest of the line when `rest` is
// the number of words before it.
std::vector<std::string> Words(const std::string& line, std::size_t rest) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < line.size()) {
    if (words.size() == rest) {
      words.push_back(line.substr(at));
      break;
    }
    const std::size_t blank = line.find(' ', at);
    words.push_back(line.substr(at, blank - at));
    if (blank == std::string::npos) break;
    at = blank + 1;
  }
  return words;
}

bool ParseRun(const std::string& line, WorkManifest& m) {
  const auto words = Words(line, std::string::npos);
  if (words.size() < 2 || !IsToken(words[1]) || m.Run(words[1])) return false;
  WorkRun run;
  run.id = words[1];
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::size_t eq = words[i].find('=');
    if (eq == std::string::npos || !IsToken(words[i].substr(0, eq))) return false;
    run.settings.emplace_back(words[i].substr(0, eq), words[i].substr(eq + 1));
  }
  m.runs.push_back(std::move(run));
  return true;
}

bool ParseInput(const std::string& line, WorkManifest& m) {
  const auto words = Words(line, 4);
  if (words.size() != 5 || !IsToken(words[2]) || !IsHash(words[3]) || words[4].empty())
    return false;
  auto run = std::find_if(m.runs.begin(), m.runs.end(),
                          [&](const WorkRun& r) { return r.id == words[1]; });
  if (run == m.runs.end()) return false;
  run->inputs.push_back({words[2], words[3], words[4]});
  return true;
}

bool ParseFile(const std::string& line, WorkManifest& m) {
  const auto words = Words(line, std::string::npos);
  if (words.size() != 5 || !IsToken(words[1]) || !m.Run(words[2]) || !IsHash(words[4]) ||
      m.File(words[1]))
    return false;
  WorkFileEntry e{words[1], words[2], 0, words[4]};
  const std::string& size = words[3];
  if (size.empty() || size.size() > 18 ||
      !std::all_of(size.begin(), size.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  e.size = std::stoull(size);
  m.files.push_back(std::move(e));
  return true;
}

}  // namespace

void WorkRun::Set(const std::string& key, const std::string& value) {
  for (auto& [k, v] : settings)
    if (k == key) {
      v = value;
      return;
    }
  settings.emplace_back(key, value);
}

std::string WorkRun::Setting(const std::string& key) const {
  for (const auto& [k, v] : settings)
    if (k == key) return v;
  return "";
}

const WorkFileEntry* WorkManifest::File(std::string_view name) const {
  for (const WorkFileEntry& e : files)
    if (e.name == name) return &e;
  return nullptr;
}

const WorkRun* WorkManifest::Run(std::string_view id) const {
  for (const WorkRun& r : runs)
    if (r.id == id) return &r;
  return nullptr;
}

void WorkManifest::Replace(const WorkRun& run, const std::vector<WorkFileEntry>& written) {
  for (const WorkFileEntry& w : written) {
    auto same = std::find_if(files.begin(), files.end(),
                             [&](const WorkFileEntry& e) { return e.name == w.name; });
    if (same != files.end())
      *same = w;
    else
      files.push_back(w);
  }
  std::erase_if(runs, [&](const WorkRun& r) { return r.id == run.id; });
  runs.push_back(run);
  std::erase_if(runs, [&](const WorkRun& r) {
    return std::none_of(files.begin(), files.end(),
                        [&](const WorkFileEntry& e) { return e.run == r.id; });
  });
}

std::string ManifestText(const WorkManifest& m) {
  std::ostringstream out;
  out << kHeader << "\n";
  for (const WorkRun& r : m.runs) {
    out << "run " << r.id;
    for (const auto& [k, v] : r.settings) out << " " << k << "=" << v;
    out << "\n";
    for (const WorkRunInput& in : r.inputs)
      out << "input " << r.id << " " << in.role << " " << in.hash << " " << in.path << "\n";
  }
  for (const WorkFileEntry& e : m.files)
    out << "file " << e.name << " " << e.run << " " << e.size << " " << e.hash << "\n";
  out << kEnd << "\n";
  return out.str();
}

std::optional<WorkManifest> ParseManifest(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return std::nullopt;
  WorkManifest m;
  while (std::getline(in, line)) {
    if (line == kEnd)
      return in.peek() == std::char_traits<char>::eof() ? std::optional(m) : std::nullopt;
    bool ok = false;
    if (line.rfind("run ", 0) == 0) ok = ParseRun(line, m);
    if (line.rfind("input ", 0) == 0) ok = ParseInput(line, m);
    if (line.rfind("file ", 0) == 0) ok = ParseFile(line, m);
    if (!ok) return std::nullopt;
  }
  return std::nullopt;  // no end line: not whole
}

std::string NewRunId() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
  gmtime_r(&now, &utc);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%S", &utc);
  std::random_device device;
  char tail[16];
  std::snprintf(tail, sizeof tail, "%08x", device());
  return std::string(stamp) + "-" + std::to_string(::getpid()) + "-" + tail;
}

}  // namespace acute
