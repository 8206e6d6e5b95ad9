#include "forms/show_last.h"

#include "common/file_names.h"
#include "common/work_file_names.h"
#include "common/work_set_check.h"

namespace acute {

const std::vector<LastReportFile>& LastReportFiles() {
  static const std::vector<LastReportFile> files{
      {"last-report", kAcuteReportFileName, "Show last Acute Analysis",
       "There is no Acute analysis in the current directory to display.", ReportKind::Acute},
      {"last-plot", kAcutePlotFileName, "Show Last Plot File",
       "There is no last plot file in the current directory to display.", ReportKind::Plot},
      {"last-cec", kCecReportFileName, "Show Last CEC File",
       "There is no CEC file in the current directory to display.", ReportKind::Cec},
      {"last-dwloc", kDwlocReportFileName, "Show last DWLOC Analysis",
       "There is no DWLOC analysis in the current directory to display.", ReportKind::Dwloc},
      {"last-dwloc-plot", kDwlocPlotFileName, "Show Last DWLOC Plot File",
       "There is no last DWLOC plot file in the current directory to display.",
       ReportKind::DwlocPlot},
      {"qa", kQaListingFileName, "Show DWLOC QA listing",
       "There is no DWLOC QA listing in the current directory to display.", ReportKind::Dwloc},
  };
  return files;
}

std::optional<std::filesystem::path> FindLastReport(const std::filesystem::path& folder,
                                                    const LastReportFile& last, UserPort& port) {
  auto path = FindFile(folder / last.file);
  if (!path) {
    Tell(port, last.title, last.missing);
    return std::nullopt;
  }
  const WorkSetState state = ReadWorkSetState(folder);
  if (!state.manifest && state.refusal.empty()) {
    Tell(port, kWorkFilesTitle, NoListNotice(folder), Icon::Information);
    return path;
  }
  const std::string fault = FileFault(state, last.file, *path);
  if (!fault.empty()) {
    Tell(port, last.title, fault, Icon::Exclamation);
    return std::nullopt;
  }
  return path;
}

}  // namespace acute
