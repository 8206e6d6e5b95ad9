// show: the main form's Show Last buttons on the command line.
#include <iostream>

#include "commands.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "inputs/data_session.h"

namespace acute::cli {
namespace {

struct LastFile {
  const char* what;
  const char* file;
  const char* title;
  const char* missing;
};

const LastFile kLastFiles[] = {
    {"last-report", "acute.tmp", "Show last Acute Analysis",
     "There is no Acute analysis in the current directory to display."},
    {"last-plot", "plot.tmp", "Show Last Plot File",
     "There is no last plot file in the current directory to display."},
    {"last-dwloc", "dwloc.tmp", "Show last DWLOC Analysis",
     "There is no DWLOC analysis in the current directory to display."},
    {"last-dwloc-plot", "DWPlot.tmp", "Show Last DWLOC Plot File",
     "There is no last DWLOC plot file in the current directory to display."},
    {"qa", "dwloc2.tmp", "Show DWLOC QA listing",
     "There is no DWLOC QA listing in the current directory to display."},
};

}  // namespace

int RunShow(const GlobalOptions& global, const std::string& what) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  for (const LastFile& last : kLastFiles) {
    if (what != last.what) continue;
    auto path = FindFile(session.folder / last.file);
    if (!path) {
      Tell(port, last.title, last.missing);
      return 1;
    }
    std::cout << ReadWholeFile(*path);
    return 0;
  }
  return 2;
}

}  // namespace acute::cli
