// The `acute` command: acute dietary exposure analyses from the command line.
#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>

#include "command_line.h"
#include "common/errors.h"
#include "console_port.h"
#include "option_error.h"

namespace {

using namespace acute::cli;

// Runs a subcommand; the program's ways of ending become an exit status after a line.
int Guarded(const std::function<int()>& run) {
  try {
    return run();
  } catch (const OptionRefused&) {
    return kUsageStatus;  // its message has been shown
  } catch (const acute::ProgramEnds& e) {
    std::cerr << "acute: stopped: " << e.what() << "\n";
  } catch (const acute::RunEnds& e) {
    std::cerr << "acute: the run ended: " << e.what() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "acute: " << e.what() << "\n";
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit makes a write fail (and the run end with its message) instead of
  // killing the program half-way through a commit.
  std::signal(SIGXFSZ, SIG_IGN);
  CLI::App app{"acute - acute dietary exposure analysis"};
  app.require_subcommand(0, 1);
  app.fallthrough();  // --data, --work, --yes and --no also after the subcommand
  bool version = false;
  app.add_flag("--version", version,
               "print the program's version (with --data, also the data folder's commodity/"
               "food-form list version)");
  GlobalOptions global;
  app.add_option("--data", global.data_folder,
                 "data folder holding TarnSupport.txt (default: the current folder)");
  app.add_option("--work", global.work_folder,
                 "folder for the work files of a run (default: the data folder)");
  bool yes = false, no = false;
  app.add_flag("--yes", yes, "answer Yes/OK to every question");
  app.add_flag("--no", no, "answer No/Cancel to every question");

  Subcommands commands;
  AddSampleDataCommand(app, commands);
  AddInputCommands(app, global, commands);
  AddAnalyzeCommand(app, global, commands);
  AddRunCommand(app, global, commands);
  AddRedoCecCommand(app, global, commands);
  AddReportCommands(app, global, commands);
  AddResultsCommand(app, global, commands);
  AddMergeCommand(app, commands);

  CLI11_PARSE(app, argc, argv);
  if (yes && no)
    return Guarded([] {
      ConsolePort port(std::nullopt);
      RefuseOption(port, "--yes and --no exclude each other.");
      return 0;
    });
  if (yes || no) global.answer = yes;
  if (version) return Guarded([&] { return RunVersion(global, app.count("--data") > 0); });
  for (const Subcommand& c : commands)
    if (*c.command) return Guarded(c.run);
  std::cerr << "acute: a subcommand is required\n" << app.help();
  return 2;
}
