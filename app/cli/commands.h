#pragma once
// The subcommands of the `acute` program. Each returns the process exit status.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "console_port.h"
#include "inputs/data_session.h"
#include "reports/report_display.h"
#include "run/session.h"

namespace acute::cli {

struct GlobalOptions {
  std::string data_folder = ".";
  std::string work_folder;     // --work DIR; empty: the data folder
  std::optional<bool> answer;  // --yes / --no
};

struct SampleDataOptions {
  std::string folder;
  int kind = 2;
  int persons = 0;
  std::uint32_t seed = 1;
};

// The CEC file generator's settings on the command line.
struct CecOptions {
  std::string name;                  // --cec
  std::optional<std::string> basis;  // percentile | amount
  std::optional<std::string> low;
  std::optional<std::string> high;
  std::optional<std::string> min_percent;
  std::optional<std::string> records;
  bool excel = false;
  bool quiet = false;
  bool cumulative = false;
};

// The uncertainty analysis of an acute run (--bootstrap and the options that go with it).
struct BootstrapOptions {
  std::optional<int> rounds;           // --bootstrap B
  std::optional<std::string> seed;     // --bootstrap-seed S (0: the timer)
  std::optional<int> iterations;       // --bootstrap-mc N
  std::optional<std::string> sources;  // --bootstrap-of survey|residues|both
  std::optional<std::string> level;    // --bootstrap-level PERCENT
  std::optional<std::string> range;    // --rounds a-b: a partial run

  bool Given() const { return rounds || seed || iterations || sources || level || range; }
};

struct AnalyzeOptions {
  std::string residue;
  std::string batch;    // --batch FILE instead of --residue
  std::string entries;  // --entries LIST: only these entries of the batch
  bool per_person = false;
  bool second_adjustment = false;
  bool two_day = false;
  bool occasions = false;
  std::optional<std::string> reversal;  // half-life in hours
  bool qa = false;
  std::optional<std::string> noel;
  std::optional<std::string> arfd;
  bool pad = false;
  std::vector<std::string> pad_values;  // "N=X"
  std::vector<int> populations;
  std::vector<std::string> custom;
  std::string report;
  std::string plot;
  std::string json;                    // --json NAME: a copy of the results file
  std::string csv;                     // --csv DIR: the results as CSV tables
  std::optional<std::string> comment;  // none: the residue or batch file's own
  bool dwloc = false;
  std::string dwloc_report;
  std::optional<int> iterations;  // --mc
  std::optional<int> seed;
  std::string rng = "vb";
  bool hold = false;
  int threads = 0;  // 0: every core
  CecOptions cec;
  BootstrapOptions bootstrap;
};

struct RunOptions {
  std::string pass_file;
  std::string json;  // --json NAME: a copy of the results file
  std::string csv;   // --csv DIR: the results as CSV tables
  bool two_day = false;
  bool qa = false;
  std::optional<std::string> reversal;
  std::string rng = "vb";
  bool hold = false;
  bool cumulative_cec = false;
  int threads = 0;  // 0: every core
};

struct RedoCecOptions {
  CecOptions cec;
  bool two_day = false;
};

struct ReportOptions {
  std::string what;  // residue, rdf or batch
  std::string file;
  std::string save;  // --save NAME
  bool per_person = false;
  std::optional<std::string> comment;  // none: the residue or batch file's own
  std::optional<std::string> noel;     // residue file report: the form's endpoint fields
  std::optional<std::string> arfd;
};

struct ResultsOptions {
  std::string file;  // none: results.json of the work folder
  std::optional<int> population;
  std::string format = "text";
};

struct SpecsOptions {
  std::optional<bool> users;
  std::optional<bool> per_capita;
  std::optional<bool> headers;
  std::optional<bool> exact;          // the exact percentile tables
  std::optional<double> min_percent;  // percent, 0 to 50
  std::vector<std::string> percentiles;
};

int RunShow(const GlobalOptions& global, const std::string& what, const std::string& save);
int RunReport(const GlobalOptions& global, const ReportOptions& options);
int RunCheckBatch(const GlobalOptions& global, const std::string& file);
int RunSpecs(const GlobalOptions& global, const SpecsOptions& options);
int RunAnalyze(const GlobalOptions& global, const AnalyzeOptions& options);
int RunPassFile(const GlobalOptions& global, const RunOptions& options);
int RunRedoCec(const GlobalOptions& global, const RedoCecOptions& options);
int RunResults(const GlobalOptions& global, const ResultsOptions& options);
int RunSampleData(const SampleDataOptions& options);
int RunCheckResidue(const GlobalOptions& global, const std::string& file);
int RunResidueSummary(const GlobalOptions& global);
int RunPopulations(const GlobalOptions& global);
// The program's version; with `data_given`, the data folder's list version too.
int RunVersion(const GlobalOptions& global, bool data_given);

// `--csv DIR` (analyze, run): the folder, taken from the current folder; empty when none is
// given. A name with a control character, or the name of a file that is not a folder, is
// refused before the run.
std::filesystem::path CsvFolderOption(const std::string& name, UserPort& port);
// After a completed run: the tables of the work folder's results file written into `folder`
// and named; false after the message when they cannot be.
bool SaveCsvTables(const std::filesystem::path& work_folder, const std::filesystem::path& folder,
                   UserPort& port);

// The session of a command: the data folder (a clear error when it cannot be found without a
// terminal to ask on) and the work folder that --work names (made when missing). Throws
// ProgramEnds after the message.
Session OpenSession(const GlobalOptions& global, UserPort& port);

// A residue or batch file named on the command line (`what` says which): as given, else in
// the residue folder. Throws ProgramEnds after the "Path Error" message when it is missing.
std::filesystem::path LocateFile(const Session& session, const std::string& name,
                                 const std::string& what, UserPort& port);

// Sends a finished report file to standard output or, with a save name, to that file (with
// the overwrite question and the confirmation).
int Deliver(ReportKind kind, const std::filesystem::path& report_file, const std::string& save,
            ConsolePort& port);

}  // namespace acute::cli
