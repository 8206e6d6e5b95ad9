// show: the main form's Show Last buttons on the command line.
#include <iostream>

#include "commands.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "forms/show_last.h"

namespace acute::cli {

int RunShow(const GlobalOptions& global, const std::string& what, const std::string& save) {
  ConsolePort port(global.answer);
  const Session session = OpenSession(global, port);
  for (const LastReportFile& last : LastReportFiles()) {
    if (what != last.key) continue;
    const auto path = FindLastReport(session.WorkFolder(), last, port);
    if (!path) return 1;
    return Deliver(last.kind, *path, save, port);
  }
  return 2;
}

}  // namespace acute::cli
