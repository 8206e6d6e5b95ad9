// results: a results file on the terminal, as text, CSV or JSON; and --csv of analyze and
// run, the results file's tables written as CSV files.
#include <iostream>
#include <memory>

#include "command_line.h"
#include "commands.h"
#include "common/work_file_names.h"
#include "forms/field_checks.h"
#include "option_error.h"
#include "results_text.h"
#include "run/results_tables.h"

namespace acute::cli {
namespace {

constexpr const char* kTitle = "Results file";

// "[\n  {...},\n  {...}\n]": the objects of a list, indented one level.
std::string JsonList(const std::vector<std::string>& objects) {
  std::string text = "[";
  for (std::size_t i = 0; i < objects.size(); ++i) {
    text += i == 0 ? "\n  " : ",\n  ";
    for (char c : objects[i]) text += c == '\n' ? std::string("\n  ") : std::string(1, c);
  }
  return text + (objects.empty() ? "]\n" : "\n]\n");
}

// FILE, or results.json of the work folder.
std::filesystem::path ResultsFileOf(const GlobalOptions& global, const ResultsOptions& o,
                                    UserPort& port) {
  if (!o.file.empty()) return o.file;
  return OpenSession(global, port).WorkFolder() / kResultsFileName;
}

// The populations shown: the one --population names, or all.
std::vector<std::size_t> Shown(const ResultsTables& tables, const ResultsOptions& o,
                               UserPort& port) {
  const std::size_t count = tables.PopulationCount();
  if (o.population) {
    const int n = *o.population;
    if (n < 1 || static_cast<std::size_t>(n) > count)
      RefuseOption(port, "--population " + std::to_string(n) + ": the results file has " +
                             (count == 0 ? std::string("no populations")
                                         : "populations 1 to " + std::to_string(count)) +
                             ".");
    return {static_cast<std::size_t>(n - 1)};
  }
  std::vector<std::size_t> all(count);
  for (std::size_t i = 0; i < count; ++i) all[i] = i;
  return all;
}

std::string Printed(const ResultsTables& tables, const std::vector<std::size_t>& shown,
                    const std::string& format) {
  std::string text;
  if (format == "json") {
    std::vector<std::string> objects;
    for (std::size_t p : shown) objects.push_back(tables.json[p]);
    return JsonList(objects);
  }
  if (format == "csv") {
    ResultsTable levels = *tables.Find(kPercentilesTable);
    if (shown.size() == 1) levels = levels.Only(shown[0]);
    return CsvText(levels);
  }
  for (std::size_t p : shown) text += (text.empty() ? "" : "\n") + PopulationText(tables, p);
  return text;
}

}  // namespace

int RunResults(const GlobalOptions& global, const ResultsOptions& o) {
  ConsolePort port(global.answer);
  const std::filesystem::path file = ResultsFileOf(global, o, port);
  const ResultsReading reading = ReadResultsTables(file);
  if (!reading.tables) {
    std::error_code ec;
    const bool none = o.file.empty() && !std::filesystem::exists(file, ec);
    Tell(port, kTitle,
         none ? "There is no results file " + file.string() +
                    ": run an analysis first, or name a results file."
              : reading.fault,
         Icon::Critical);
    return 1;
  }
  std::cout << Printed(*reading.tables, Shown(*reading.tables, o, port), o.format);
  return 0;
}

std::filesystem::path CsvFolderOption(const std::string& name, UserPort& port) {
  if (name.empty()) return {};
  if (const std::string refusal = ControlCharacterInName(name); !refusal.empty())
    RefuseOption(port, "--csv: " + refusal);
  const std::filesystem::path folder = std::filesystem::absolute(name);
  std::error_code ec;
  if (std::filesystem::exists(folder, ec) && !std::filesystem::is_directory(folder, ec))
    RefuseOption(port, "--csv " + name +
                           ": that is a file, not a folder. Give a folder for "
                           "the CSV tables (made when missing).");
  return folder;
}

bool SaveCsvTables(const std::filesystem::path& work_folder, const std::filesystem::path& folder,
                   UserPort& port) {
  const ResultsReading reading = ReadResultsTables(work_folder / kResultsFileName);
  const std::string fault =
      reading.tables ? WriteResultsCsv(*reading.tables, folder) : reading.fault;
  if (!fault.empty()) {
    Tell(port, "CSV tables", fault, Icon::Exclamation);
    return false;
  }
  std::cout << "CSV tables:";
  for (const ResultsTable& t : reading.tables->tables) std::cout << " " << t.name << ".csv";
  std::cout << " in " << folder.string() << "\n";
  return true;
}

void AddResultsCommand(CLI::App& app, const GlobalOptions& global, Subcommands& commands) {
  auto o = std::make_shared<ResultsOptions>();
  auto* cmd = app.add_subcommand(
      "results",
      "print a results file: per population its summary and percentile levels (text), the "
      "percentile rows as CSV (csv), or the populations as JSON (json)");
  cmd->add_option("FILE", o->file,
                  "results file (default: results.json of the work folder, see --work)");
  cmd->add_option("--population", o->population,
                  "only the Nth population of the file, from 1 in report order (a batch's "
                  "entries one after the other; default: every population)");
  cmd->add_option("--format", o->format, "text (the default), csv or json")
      ->check(CLI::IsMember({"text", "csv", "json"}));
  commands.push_back({cmd, [&global, o] { return RunResults(global, *o); }});
}

}  // namespace acute::cli
