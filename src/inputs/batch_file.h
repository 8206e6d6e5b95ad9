#pragma once
// Batch files: free comment lines, a line with START, the number of entries and, for each
// entry, a residue file name and a report base name. The reader checks every entry and
// refuses the whole file with its message on the first fault.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"

namespace acute {

struct BatchFile {
  std::string BatchFileName;  // the path of the batch file
  std::string BatchFolder;    // its folder, with the separator; "" when the path has none
  std::string comment;        // the free lines before START, joined by CR LF
  std::vector<std::string> BatchResFile;  // residue file names, upper case (entries from 0)
  std::vector<std::string> BatchRptFile;  // report base names, as read

  std::int16_t BatchCount() const { return static_cast<std::int16_t>(BatchResFile.size()); }
};

// Reads and checks a batch file. `residue_extension` is "R98" or "R10"; with
// `check_existence` every residue file must lie in the batch file's folder. On a refusal
// the message has been shown and nothing is returned.
std::optional<BatchFile> ReadBatchFile(const std::filesystem::path& path,
                                       const std::string& residue_extension, bool check_existence,
                                       UserPort& port);

// The same checks on the text of a batch file; `path` names it in messages and gives the
// folder of its residue files.
std::optional<BatchFile> ParseBatchFile(const std::string& text, const std::string& path,
                                        const std::string& residue_extension, bool check_existence,
                                        UserPort& port);

}  // namespace acute
