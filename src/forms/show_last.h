#pragma once
// The main form's Show Last buttons: which work file each one shows, and the message when
// the data folder has none.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "reports/report_display.h"

namespace acute {

struct LastReportFile {
  std::string key;   // the command line's name for it
  std::string file;  // the work file in the data folder
  std::string title;
  std::string missing;
  ReportKind kind;  // how the report display treats it
};

// Last acute report, acute plot file, DWLOC report, DWLOC plot file and DWLOC QA listing.
const std::vector<LastReportFile>& LastReportFiles();

// The work file of `last` in `folder`; when it is missing, its message is shown and
// std::nullopt returned.
std::optional<std::filesystem::path> FindLastReport(const std::filesystem::path& folder,
                                                    const LastReportFile& last, UserPort& port);

}  // namespace acute
