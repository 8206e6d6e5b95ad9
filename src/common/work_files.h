#pragma once
// Writing files so that a failure never leaves a half-written or mixed set behind: unique
// temporary names beside the final file, a set of files replaced together, and the lock
// that keeps two runs out of one folder of work files.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/work_file_names.h"

namespace acute {

// Creates an empty file with a name of its own beside `final_path` (the final name, this
// process's id and a random part, ".part"); no other writer, in this or another process,
// gets the same name. std::nullopt when the folder cannot take it.
std::optional<std::filesystem::path> CreateTempBeside(const std::filesystem::path& final_path);

// Copies `from` to `to` through a temporary name, so that `to` is either its old self or a
// whole copy. False on failure.
bool CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

// Files that are written under temporary names and take their final names together at
// Commit, so that a run that fails part-way leaves every earlier file of the set whole.
// Files not committed are removed when the set goes.
class WorkFileSet {
 public:
  WorkFileSet() = default;
  WorkFileSet(const WorkFileSet&) = delete;
  WorkFileSet& operator=(const WorkFileSet&) = delete;
  WorkFileSet(WorkFileSet&& other) noexcept;
  WorkFileSet& operator=(WorkFileSet&& other) noexcept;
  ~WorkFileSet();

  // A temporary file for `final_path`, for a writer that streams into it. Empty when it
  // cannot be created.
  std::filesystem::path TempFor(const std::filesystem::path& final_path);
  // Writes `text` for `final_path`. False when it cannot be written whole.
  bool Stage(const std::filesystem::path& final_path, std::string_view text);
  // The same for a text held in parts, written one after the other.
  bool Stage(const std::filesystem::path& final_path, const std::vector<std::string>& parts);
  // Gives every staged file its final name. On failure returns the final name that could
  // not be replaced (files renamed before it keep their new contents).
  std::optional<std::filesystem::path> Commit();

 private:
  void Discard();
  bool StageParts(const std::filesystem::path& final_path, std::span<const std::string_view> parts);

  std::vector<std::pair<std::filesystem::path, std::filesystem::path>> staged_;  // temp, final
};

// An exclusive lock on a folder of work files, held while the object lives. The operating
// system drops it when the process ends, so a crashed run never blocks the next one.
class FolderLock {
 public:
  struct Attempt;
  // Takes the lock unless another run (in this or another process) holds the folder.
  static Attempt TryAcquire(const std::filesystem::path& folder);
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  FolderLock(FolderLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FolderLock& operator=(FolderLock&& other) noexcept;
  ~FolderLock();

 private:
  explicit FolderLock(int fd) : fd_(fd) {}
  int fd_ = -1;
};

struct FolderLock::Attempt {
  std::optional<FolderLock> lock;
  bool busy = false;  // another run holds it (otherwise the lock file could not be opened)
};

}  // namespace acute
