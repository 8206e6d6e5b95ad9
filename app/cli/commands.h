#pragma once
// The subcommands of the `acute` program. Each returns the process exit status.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "console_port.h"

namespace acute::cli {

struct GlobalOptions {
  std::string data_folder = ".";
  std::optional<bool> answer;  // --yes / --no
};

struct SampleDataOptions {
  std::string folder;
  int kind = 2;
  int persons = 0;
  std::uint32_t seed = 1;
};

int RunSampleData(const SampleDataOptions& options);
int RunCheckResidue(const GlobalOptions& global, const std::string& file);
int RunResidueSummary(const GlobalOptions& global);

// The data folder of the session, or a clear error when it cannot be found without a
// terminal to ask on. Throws ProgramEnds.
std::filesystem::path StartFolder(const GlobalOptions& global);

}  // namespace acute::cli
