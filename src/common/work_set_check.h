#pragma once
// What a reader of work files checks before it uses them: the folder's list is whole (no
// commit pending), each file it reads is the one its run listed, and the files it combines
// come from one run. A folder without a list (made by an older version) is read as before.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/work_manifest.h"

namespace acute {

struct WorkSetState {
  std::filesystem::path folder;
  std::optional<WorkManifest> manifest;  // none: an older folder without a list
  std::string refusal;                   // not empty: the folder's files cannot be used now
};

// The state of `folder`. A commit that a killed run left pending is completed (or rolled
// back) first when no run holds the folder; while one does, the folder is refused.
WorkSetState ReadWorkSetState(const std::filesystem::path& folder);

// Empty when `content` is the work file `name` as the list gives it (or the folder has no
// list); otherwise what is wrong and what to do.
std::string MemberFault(const WorkSetState& state, const std::string& name,
                        std::string_view content);

// The same for a file read from `path` (empty also when the file is not there: its reader
// says so).
std::string FileFault(const WorkSetState& state, const std::string& name,
                      const std::filesystem::path& path);

// Empty when the listed files `names` were all written by one run; otherwise the refusal,
// naming the file out of step.
std::string SameRunFault(const WorkSetState& state, const std::vector<std::string>& names);

// The run that wrote the listed file `name`, or null.
const WorkRun* RunOf(const WorkSetState& state, const std::string& name);

// The notice for a folder without a list.
std::string NoListNotice(const std::filesystem::path& folder);
inline constexpr const char* kWorkFilesTitle = "Work files";

}  // namespace acute
