// analyze and run: deterministic acute analyses from the command line.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "analyze_form.h"
#include "commands.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "common/work_file_names.h"
#include "engine/pass_file.h"
#include "forms/main_form_model.h"
#include "option_checks.h"
#include "option_error.h"
#include "reports/report_specs.h"
#include "reports/summary_section.h"
#include "run/analysis_driver.h"
#include "run/cec_repeat.h"

namespace acute::cli {
namespace {

// The summary tables of the run's report, from its figures.
void PrintSummary(const ReportFigures& figures) {
  std::string text = SummaryTables(figures.context, figures.results);
  std::erase(text, '\r');  // the report's CR LF line ends as the terminal's
  std::cout << text;
}

// With seed 0 the generator took the timer: the user learns the value, and how to repeat
// the run when it can be.
void PrintTimerSeed(const TimerSeed& t) {
  if (t.repeatable) {
    std::cerr << "seed 0 took the timer value " << t.seed << ": give --seed " << t.seed
              << " to repeat this run\n";
    return;
  }
  std::cerr << "seed 0 took the timer value " << t.timer
            << ", which no --seed repeats (only a run with --rng mt, without --cec, before "
               "08:53 can be repeated from its timer value): give a seed from 1 to 32000 for "
               "a run that can be repeated\n";
}

int Finish(const std::optional<EngineOutcome>& outcome) {
  if (!outcome || !outcome->completed) return 1;
  if (outcome->timer_seed) PrintTimerSeed(*outcome->timer_seed);
  if (outcome->bootstrap_seed)
    std::cerr << "bootstrap seed 0 took the timer value " << *outcome->bootstrap_seed
              << ": give --bootstrap-seed " << *outcome->bootstrap_seed
              << " to repeat the rounds\n";
  if (outcome->batch || outcome->reports.empty()) {  // a batch, or a partial bootstrap run
    for (const auto& f : outcome->saved_files) std::cout << "Saved: " << f.string() << "\n";
    return 0;
  }
  // The completion message has named every saved file.
  std::cout << "Last report: " << outcome->last_report.string() << "\n\n";
  for (const ReportFigures& figures : outcome->reports) PrintSummary(figures);
  return 0;
}

void PrintCecHead(const std::filesystem::path& report, int lines) {
  std::ifstream in(report, std::ios::binary);
  std::string line;
  for (int i = 0; i < lines && std::getline(in, line); ++i) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << line << "\n";
  }
}

// A pass file that `run` cannot take: the message, then the program ends.
[[noreturn]] void RefusePassFile(UserPort& port, const std::string& text) {
  Tell(port, "Pass file", text, Icon::Critical);
  throw ProgramEnds("no pass file to run");
}

// `run PASSFILE`: the file, a small regular file, becomes the work folder's pass file.
void CopyPassFile(const std::string& name, const std::filesystem::path& target, UserPort& port) {
  const std::filesystem::path source = std::filesystem::absolute(name);
  if (!std::filesystem::exists(source)) RefuseMissingFile(port, "pass file", name);
  // A file that is not a pass file (a residue file, say) never replaces the work folder's.
  const std::string problem = PassFileFault(source);
  if (!problem.empty())
    RefusePassFile(port, source.string() + " is not a pass file: it " + problem + "; " +
                             target.string() +
                             " is left as it was. Give the pass file that an analysis wrote "
                             "(tarnpass.tmp of its work folder).");
  std::error_code ec;
  if (std::filesystem::equivalent(source, target, ec)) return;
  if (!CopyFileAtomically(source, target))
    RefusePassFile(port, "Can't copy the pass file " + name + " to " + target.string() + ".");
}

}  // namespace

int RunRedoCec(const GlobalOptions& global, const RedoCecOptions& o) {
  ConsolePort port(global.answer);
  const Session session = OpenSession(global, port);
  MainFormModel model;
  model.form.two_day_average = o.two_day;
  // The window, basis and minimum the options leave out are the last CEC run's.
  if (const auto last = ReadLastCecRun(session.WorkFolder())) {
    const bool percentiles = last->basis == CecBasis::Percentiles;
    model.SetPercentileBasis(percentiles);
    const std::string unit = percentiles ? "%" : "";
    (percentiles ? model.cec.low_percentile : model.cec.low_amount) = TrimStr(last->low) + unit;
    (percentiles ? model.cec.high_percentile : model.cec.high_amount) = TrimStr(last->high) + unit;
    if (last->min_percent) model.cec.min_contribution = TrimStr(*last->min_percent);
  }
  SetCecFrame(o.cec, model);
  const MainForm form = model.RunForm();
  if (!CheckOutputNames(form, port)) return 1;
  const auto outcome = RedoLastCec(form, session.Data(), port);
  if (!outcome || !outcome->completed) return 1;
  if (const auto used = ReadLastCecRun(session.WorkFolder()))
    std::cout << "Rebuilt from the work files of the last run that asked for a CEC report: "
              << used->residue_file << ", analysed " << used->analysis_time << "\n";
  return 0;
}

int RunAnalyze(const GlobalOptions& global, const AnalyzeOptions& o) {
  ConsolePort port(global.answer);
  if (o.residue.empty() && o.batch.empty())
    RefuseOption(port, "analyze needs --residue FILE or --batch FILE.");
  if (const std::string idle = IdleOptionFault(o); !idle.empty()) RefuseOption(port, idle + ".");
  const std::filesystem::path csv = CsvFolderOption(o.csv, port);
  const Session session = OpenSession(global, port);
  MainFormModel model;
  if (!SetAnalyzeForm(o, session, port, model)) return 1;
  const MainForm form = model.RunForm();
  if (!CheckOutputNames(form, port)) return 1;
  const auto outcome = LaunchAnalysis(form, session.Data(), port);
  const int status = Finish(outcome);
  if (status == 0 && form.save_cec && !form.dwloc_mode) {
    std::cout << "\nCEC report (head):\n";
    PrintCecHead(session.WorkFolder() / kCecReportFileName, 40);
  }
  if (status == 0 && !csv.empty() && !SaveCsvTables(session.WorkFolder(), csv, port)) return 1;
  return status;
}

int RunPassFile(const GlobalOptions& global, const RunOptions& o) {
  ConsolePort port(global.answer);
  const auto hours = o.reversal ? HalfLifeOption(*o.reversal, port) : 0.0f;
  if (!hours) return 1;
  const std::string results_copy = ResultsCopyName(o.json);
  if (!CheckOutputName(results_copy, port)) return 1;
  const std::filesystem::path csv = CsvFolderOption(o.csv, port);
  const Session session = OpenSession(global, port);
  const auto lock = LockWorkFolder(session.WorkFolder(), port);
  if (!lock) return 1;
  const auto specs = ReportSpecsForRun(session.Data(), port);
  if (!specs) return 1;
  const std::filesystem::path target = session.WorkFolder() / kPassFileName;
  const std::filesystem::path given =
      o.pass_file.empty() ? target : std::filesystem::absolute(o.pass_file);
  const SupportData& support = session.Data().support;
  const PassFileLayout layout{support.DatabaseKind, support.StandardPopulationCount()};
  if (IsShortPassFile(given, layout))
    RefusePassFile(port,
                   given.string() +
                       " is the short pass file that Redo Last CEC writes: it asks for a CEC "
                       "report from the last run's work files, not for an analysis. Give `acute "
                       "redo-cec` to rebuild a CEC report, or run an analysis to write a full "
                       "pass file.");
  if (!o.pass_file.empty()) CopyPassFile(o.pass_file, target, port);
  EngineRequest request;
  request.session = session.Data();
  request.form.two_day_average = o.two_day;
  request.form.qa_listing = o.qa;
  request.form.reversal = o.reversal.has_value();
  request.form.half_life_hours = *hours;
  request.form.mersenne_twister = o.rng == "mt";
  request.form.hold_residues = o.hold;
  request.form.cumulative_cec = o.cumulative_cec;
  request.form.threads = o.threads;
  request.specs = *specs;
  request.results_copy = results_copy;
  EngineOutcome outcome = RunEngine(request, port);
  const int status = Finish(outcome);
  if (status == 0 && !csv.empty() && !SaveCsvTables(session.WorkFolder(), csv, port)) return 1;
  return status;
}

}  // namespace acute::cli
