// show: the main form's Show Last buttons on the command line.
#include <iostream>

#include "commands.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "inputs/data_session.h"
#include "ui/show_last.h"

namespace acute::cli {

int RunShow(const GlobalOptions& global, const std::string& what) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  for (const LastReportFile& last : LastReportFiles()) {
    if (what != last.key) continue;
    const auto path = FindLastReport(session.folder, last, port);
    if (!path) return 1;
    std::cout << ReadWholeFile(*path);
    return 0;
  }
  return 2;
}

}  // namespace acute::cli
