// merge: the partial results files of a bootstrap split into runs of some rounds each, made
// into the results file (and the report section) one run of every round writes.
#include <iostream>
#include <memory>

#include "command_line.h"
#include "commands.h"
#include "common/work_files.h"
#include "option_error.h"
#include "run/analysis_driver.h"
#include "run/results_bootstrap.h"

namespace acute::cli {
namespace {

constexpr const char* kTitle = "Merge";

struct MergeOptions {
  std::vector<std::string> partials;
  std::string json;
  std::string report;
};

ResultsProvenance MergeProvenance(const std::filesystem::path& out) {
  ResultsProvenance p;
  p.run_id = "merge";
  StampDateTime(p.date, p.time);
  p.work_folder = std::filesystem::absolute(out).parent_path();
  return p;
}

int RunMerge(const MergeOptions& o) {
  ConsolePort port;
  std::vector<std::filesystem::path> paths(o.partials.begin(), o.partials.end());
  for (const auto& path : paths)
    if (!std::filesystem::is_regular_file(path))
      RefuseMissingFile(port, "partial results file", path.string());
  const MergedResults merged = MergePartialResults(paths, MergeProvenance(o.json));
  if (!merged.error.empty()) {
    Tell(port, kTitle, merged.error, Icon::Exclamation);
    return 1;
  }
  WorkFileSet files;  // both files, or neither
  const bool staged = files.Stage(o.json, merged.results) &&
                      (o.report.empty() || files.Stage(o.report, merged.section));
  if (!staged || files.Commit()) {
    Tell(port, kTitle,
         "Can't write the merged files " + o.json + (o.report.empty() ? "" : " and " + o.report) +
             ".",
         Icon::Critical);
    return 1;
  }
  std::cout << "Merged " << paths.size() << " partial files into " << o.json;
  if (!o.report.empty()) std::cout << " (report section: " << o.report << ")";
  std::cout << "\n";
  return 0;
}

}  // namespace

void AddMergeCommand(CLI::App& app, Subcommands& commands) {
  auto o = std::make_shared<MergeOptions>();
  auto* cmd = app.add_subcommand(
      "merge",
      "merge the partial results files of a bootstrap (analyze --rounds a-b --json NAME) that "
      "together hold rounds 0 to B into the results file one run of every round writes");
  cmd->add_option("PARTIALS", o->partials, "partial results files")->required();
  cmd->add_option("--json", o->json, "the merged results file")->required();
  cmd->add_option("--report", o->report,
                  "also save the report section \"Uncertainty analysis\" in this file");
  commands.push_back({cmd, [o] { return RunMerge(*o); }});
}

}  // namespace acute::cli
