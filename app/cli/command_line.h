#pragma once
// The command line's subcommands as CLI11 sees them: each Add function declares the options
// of its subcommands and what each runs once the command line has been read (`global` is
// filled by then).
#include <CLI/CLI.hpp>
#include <functional>
#include <vector>

#include "commands.h"

namespace acute::cli {

struct Subcommand {
  CLI::App* command;
  std::function<int()> run;  // the exit status
};
using Subcommands = std::vector<Subcommand>;

void AddSampleDataCommand(CLI::App& app, Subcommands& commands);
// check-residue, check-batch, populations and residues.
void AddInputCommands(CLI::App& app, const GlobalOptions& global, Subcommands& commands);
void AddAnalyzeCommand(CLI::App& app, const GlobalOptions& global, Subcommands& commands);
void AddRunCommand(CLI::App& app, const GlobalOptions& global, Subcommands& commands);
void AddRedoCecCommand(CLI::App& app, const GlobalOptions& global, Subcommands& commands);
// results: a results file on the terminal.
void AddResultsCommand(CLI::App& app, const GlobalOptions& global, Subcommands& commands);
// merge: partial bootstrap results files into one.
void AddMergeCommand(CLI::App& app, Subcommands& commands);
// specs, report and show.
void AddReportCommands(CLI::App& app, const GlobalOptions& global, Subcommands& commands);

}  // namespace acute::cli
