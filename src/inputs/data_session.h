#pragma once
// The data folder as a program session sees it after its start-up checks.
#include <filesystem>

#include "common/user_port.h"
#include "inputs/support_data.h"

namespace acute {

struct DataSession {
  std::filesystem::path folder;
  SupportData support;
  SetupData setup;
  // Where the work files of a run go ("tarnpass.tmp", "acute.tmp", the distribution scratch
  // files, ...); empty: the data folder.
  std::filesystem::path work_folder;

  std::filesystem::path WorkFolder() const { return work_folder.empty() ? folder : work_folder; }
};

// Locates the data folder from `start` (asking when it lacks the support list), reads the
// support list and the set-up file. Throws ProgramEnds after its message on failure.
DataSession OpenDataSession(const std::filesystem::path& start, UserPort& port);

}  // namespace acute
