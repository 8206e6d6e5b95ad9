#pragma once
// A run's work files as one set: staged under temporary names, flushed, and given their
// final names together with the folder's list (".acute-set") only when every one is
// written. A commit first writes what it is about to do (".acute-set.pending"); a run that
// is killed part-way leaves that note, and the next run in the folder completes the commit or
// rolls it back, so the folder never keeps a set that mixes two runs.
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/content_hash.h"
#include "common/work_file_names.h"
#include "common/work_manifest.h"

namespace acute {

// Called at each flush (a file or the folder) and each rename of a commit; tests watch the
// order with it.
struct CommitHooks {
  std::function<void(const std::filesystem::path&)> on_sync;
  std::function<void(const std::filesystem::path& from, const std::filesystem::path& to)> on_rename;
};

class WorkSetWriter {
 public:
  WorkSetWriter(std::filesystem::path folder, WorkRun run);
  WorkSetWriter(const WorkSetWriter&) = delete;
  WorkSetWriter& operator=(const WorkSetWriter&) = delete;
  ~WorkSetWriter();  // what was not committed is removed

  const std::filesystem::path& Folder() const { return folder_; }
  WorkRun& Run() { return run_; }
  void SetHooks(CommitHooks hooks) { hooks_ = std::move(hooks); }

  // The members are named by their paths in the folder (only the file name counts).
  // A temporary file for a member that a writer streams into; empty when it cannot be made.
  std::filesystem::path TempFor(const std::filesystem::path& member);
  // The temporary file of a staged member, empty when the member is not staged.
  std::filesystem::path Staged(const std::filesystem::path& member) const;
  bool Stage(const std::filesystem::path& member, std::string_view text);
  bool Stage(const std::filesystem::path& member, const std::vector<std::string>& parts);

  // Flushes the members and the folder, notes the commit, renames every member and writes
  // the new list. On failure the previous set is restored, the members are dropped and the
  // name of the file that could not be replaced is returned.
  std::optional<std::filesystem::path> Commit();

 private:
  struct Member {
    std::string name;
    std::filesystem::path temp;
    std::optional<FileDigest> digest;  // known when staged from memory
  };
  bool StageParts(const std::filesystem::path& member, const std::vector<std::string_view>& parts);
  void Discard();

  std::filesystem::path folder_;
  WorkRun run_;
  CommitHooks hooks_;
  std::vector<Member> members_;
  mutable std::mutex mutex_;
};

// The list of `folder`, or std::nullopt when it has none (or none that reads whole).
std::optional<WorkManifest> ReadManifest(const std::filesystem::path& folder);

// For the run that holds the folder's lock: completes or rolls back a commit that a killed
// run left, then removes the temporary files of runs that are gone. False when a pending
// commit could be neither completed nor rolled back.
bool RecoverWorkFolder(const std::filesystem::path& folder, const CommitHooks& hooks = {});

}  // namespace acute
