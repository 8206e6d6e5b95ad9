#include "common/work_set_check.h"

#include <system_error>

#include "common/content_hash.h"
#include "common/work_files.h"
#include "common/work_set.h"

namespace acute {
namespace {

namespace fs = std::filesystem;

const std::string kAgain = " Run the analysis again to make a whole set of work files.";

std::string InFolder(const WorkSetState& s, const std::string& name) {
  return "The work file " + name + " in " + s.folder.string();
}

}  // namespace

WorkSetState ReadWorkSetState(const fs::path& folder) {
  WorkSetState state;
  state.folder = folder;
  std::error_code ec;
  if (fs::exists(folder / kPendingCommitFileName, ec)) {
    auto attempt = FolderLock::TryAcquire(folder);
    if (!attempt.lock || !RecoverWorkFolder(folder)) {
      state.refusal = "The work files in " + folder.string() +
                      " are incomplete: an analysis is saving them, or ended while saving "
                      "them. Wait for a running analysis to end, or run the analysis again.";
      return state;
    }
  }
  state.manifest = ReadManifest(folder);
  if (!state.manifest && fs::exists(folder / kManifestFileName, ec))
    state.refusal = "The list of work files " + (folder / kManifestFileName).string() +
                    " is damaged, so the work files in the folder cannot be trusted." + kAgain;
  return state;
}

namespace {

// What is wrong with a file of size and hash `digest` (none: unreadable) given as `name`.
std::string EntryFault(const WorkSetState& s, const std::string& name,
                       const std::optional<FileDigest>& digest) {
  if (!s.refusal.empty()) return s.refusal;
  if (!s.manifest) return "";
  const WorkFileEntry* e = s.manifest->File(name);
  if (e == nullptr)
    return InFolder(s, name) +
           " is not in the folder's list of work files: no run of this version wrote it." + kAgain;
  if (!digest || e->size != digest->size || e->hash != digest->hash)
    return InFolder(s, name) +
           " is not the file its run wrote (its size or contents differ): it was changed, or "
           "a run ended before it had replaced the whole set." +
           kAgain;
  return "";
}

}  // namespace

std::string MemberFault(const WorkSetState& s, const std::string& name, std::string_view content) {
  if (!s.manifest) return s.refusal;
  return EntryFault(s, name, FileDigest{content.size(), HashOf(content)});
}

std::string FileFault(const WorkSetState& s, const std::string& name, const fs::path& path) {
  std::error_code ec;
  if (!s.manifest || !fs::exists(path, ec)) return s.refusal;
  return EntryFault(s, name, DigestOfFile(path));
}

std::string SameRunFault(const WorkSetState& s, const std::vector<std::string>& names) {
  if (!s.refusal.empty()) return s.refusal;
  if (!s.manifest || names.empty()) return "";
  const WorkFileEntry* first = s.manifest->File(names[0]);
  for (const std::string& name : names) {
    const WorkFileEntry* e = s.manifest->File(name);
    if (e == nullptr)
      return InFolder(s, name) + " is missing from the folder's list of work files." + kAgain;
    if (first != nullptr && e->run != first->run)
      return InFolder(s, name) + " was written by another run than " + names[0] +
             ": the files do not belong together." + kAgain;
  }
  return "";
}

const WorkRun* RunOf(const WorkSetState& s, const std::string& name) {
  if (!s.manifest) return nullptr;
  const WorkFileEntry* e = s.manifest->File(name);
  return e == nullptr ? nullptr : s.manifest->Run(e->run);
}

std::string NoListNotice(const fs::path& folder) {
  return "The work files in " + folder.string() +
         " carry no list of the run that wrote them (an older version of the program made "
         "them); they are read as they stand.";
}

}  // namespace acute
