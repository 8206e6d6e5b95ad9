#pragma once
// The list of a work folder's set (".acute-set"): every work file present, with the run that
// wrote it, its size and hash, and what each of those runs was: the settings the pass file
// does not carry, the seed it used and the hashes of the files it read.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/work_file_names.h"

namespace acute {

struct WorkRunInput {
  std::string role;  // "residue" or "rdf"
  std::string hash;
  std::string path;
};

struct WorkRun {
  std::string id;
  std::vector<std::pair<std::string, std::string>> settings;  // key, value (no blanks)
  std::vector<WorkRunInput> inputs;

  void Set(const std::string& key, const std::string& value);
  void Set(const std::string& key, bool value) { Set(key, std::string(value ? "1" : "0")); }
  // The value of `key`, empty when the run has none.
  std::string Setting(const std::string& key) const;
};

struct WorkFileEntry {
  std::string name;  // the file's name in the work folder
  std::string run;   // the id of the run that wrote it
  std::uint64_t size = 0;
  std::string hash;
};

struct WorkManifest {
  std::vector<WorkRun> runs;
  std::vector<WorkFileEntry> files;

  const WorkFileEntry* File(std::string_view name) const;
  const WorkRun* Run(std::string_view id) const;
  // The files `run` wrote take the place of the entries of the same names; the other
  // entries stay, and a run no entry names any more is dropped.
  void Replace(const WorkRun& run, const std::vector<WorkFileEntry>& written);
};

std::string ManifestText(const WorkManifest& manifest);
// std::nullopt when the text is not a whole list.
std::optional<WorkManifest> ParseManifest(std::string_view text);

// A new run id: time, process and a random part.
std::string NewRunId();

}  // namespace acute
