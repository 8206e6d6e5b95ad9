// analyze and run: deterministic acute analyses from the command line.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "commands.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "common/work_file_names.h"
#include "engine/pass_file.h"
#include "forms/batch_open.h"
#include "forms/main_form.h"
#include "inputs/batch_setup.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "option_checks.h"
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
  if (outcome->batch) {
    for (const auto& f : outcome->saved_files) std::cout << "Saved: " << f.string() << "\n";
    return 0;
  }
  // The completion message has named every saved file.
  std::cout << "Last report: " << outcome->last_report.string() << "\n\n";
  for (const ReportFigures& figures : outcome->reports) PrintSummary(figures);
  return 0;
}

// A name with a folder is taken relative to the folder the command runs in; a bare name
// goes beside the residue file, as on the main form.
std::string OutputName(const std::string& name) {
  return HasFolder(name) ? std::filesystem::absolute(name).string() : name;
}

// "3" or "1,4-6": the entry numbers of a batch to run.
std::vector<int> ParseEntries(const std::string& list) {
  std::vector<int> numbers;
  std::stringstream ss(list);
  std::string item;
  while (std::getline(ss, item, ',')) {
    const std::size_t dash = item.find('-');
    double first = 0, last = 0;
    const bool ok = dash == std::string::npos ? ParseNumber(item, first) && ParseNumber(item, last)
                                              : ParseNumber(item.substr(0, dash), first) &&
                                                    ParseNumber(item.substr(dash + 1), last);
    if (!ok || first < 1 || last < first || last > 32767 || first != static_cast<int>(first) ||
        last != static_cast<int>(last))
      throw std::runtime_error("--entries: \"" + item + "\" is not an entry number or range");
    for (int n = static_cast<int>(first); n <= static_cast<int>(last); ++n) numbers.push_back(n);
  }
  if (numbers.empty()) throw std::runtime_error("--entries: no entry numbers given");
  return numbers;
}

// Opens the residue file, or the batch file with its residue files, as the File menu does.
bool OpenInput(const AnalyzeOptions& o, const DataSession& session, UserPort& port,
               MainForm& form) {
  if (!o.batch.empty()) {
    const auto path = LocateResidueFile(o.batch, session);
    if (!path) throw ProgramEnds("can't find batch file " + o.batch);
    if (!OpenBatchOnForm(form, *path, session, port)) return false;
    if (o.entries.empty()) return true;
    form.batch = SelectEntries(*form.batch, ParseEntries(o.entries));
    if (form.batch->entries.empty())
      throw std::runtime_error("--entries: the batch file has no entry " + o.entries);
    return true;
  }
  const auto path = LocateResidueFile(o.residue, session);
  if (!path) throw ProgramEnds("can't find residue file " + o.residue);
  form.residue = ReadResidueFile(*path, session.support, port);
  if (!form.residue) return false;
  form.TakeResidueFileFields();
  return true;
}

// The CEC fields of the form from the options; the defaults are those of the form (the
// window of `last` for a repeat).
void SetCec(MainForm& form, const CecOptions& o) {
  if (o.name.empty()) return;
  form.save_cec = true;
  form.cec_name = OutputName(o.name);
  if (o.basis) form.cec_basis = *o.basis == "amount" ? 1 : 0;
  if (o.low) form.cec_low = *o.low;
  if (o.high) form.cec_high = *o.high;
  if (o.min_percent) form.cec_min_percent = *o.min_percent;
  if (o.records) form.cec_records = *o.records;
  form.cec_excel = o.excel;
  form.cec_suppress = o.quiet;
  form.cumulative_cec = o.cumulative;
}

void PrintCecHead(const std::filesystem::path& report, int lines) {
  std::ifstream in(report, std::ios::binary);
  std::string line;
  for (int i = 0; i < lines && std::getline(in, line); ++i) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << line << "\n";
  }
}

// `run PASSFILE`: the file, a small regular file, becomes the work folder's pass file.
void CopyPassFile(const std::string& name, const std::filesystem::path& target) {
  const std::filesystem::path source = std::filesystem::absolute(name);
  if (!std::filesystem::exists(source)) throw ProgramEnds("can't find pass file " + name);
  // A file that is not a pass file (a residue file, say) never replaces the work folder's.
  const std::string problem = PassFileFault(source);
  if (!problem.empty())
    throw ProgramEnds(source.string() + " is not a pass file: it " + problem + "; " +
                      target.string() +
                      " is left as it was. Give the pass file that an analysis wrote "
                      "(tarnpass.tmp of its work folder).");
  std::error_code ec;
  if (std::filesystem::equivalent(source, target, ec)) return;
  if (!CopyFileAtomically(source, target))
    throw ProgramEnds("can't copy the pass file " + name + " to " + target.string());
}

}  // namespace

int RunRedoCec(const GlobalOptions& global, const RedoCecOptions& o) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  session.work_folder = WorkFolderOption(global);
  MainForm form;
  form.two_day_average = o.two_day;
  form.cec_min_percent = "1";
  if (const auto last = ReadLastCecRun(session.WorkFolder())) {
    form.cec_basis = last->basis;
    form.cec_low = TrimStr(last->low);
    form.cec_high = TrimStr(last->high);
    if (last->min_percent) form.cec_min_percent = TrimStr(*last->min_percent);
  }
  SetCec(form, o.cec);
  form.save_cec = !o.cec.name.empty();
  if (!CheckOutputNames(form, port)) return 1;
  const auto outcome = RedoLastCec(form, session, port);
  if (!outcome || !outcome->completed) return 1;
  if (const auto used = ReadLastCecRun(session.WorkFolder()))
    std::cout << "Rebuilt from the work files of the last run that asked for a CEC report: "
              << used->residue_file << ", analysed " << used->analysis_time << "\n";
  return 0;
}

int RunAnalyze(const GlobalOptions& global, const AnalyzeOptions& o) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  session.work_folder = WorkFolderOption(global);
  MainForm form;
  if (!OpenInput(o, session, port, form)) return 1;
  if (!SetEndpointOptions(o.noel, o.arfd, form, port)) return 1;
  form.per_kg = !o.per_person;
  form.second_adjustment = o.second_adjustment;
  form.two_day_average = o.two_day;
  form.eating_occasion = o.occasions || o.reversal.has_value();
  form.reversal = o.reversal.has_value();
  if (o.reversal) {
    const auto hours = HalfLifeOption(*o.reversal, port);
    if (!hours) return 1;
    form.half_life = TrimStr(*hours);
  }
  form.qa_listing = o.qa;
  form.pad = o.pad;
  if (!SetPadValues(o, session.support, form, port)) return 1;
  const int count = session.support.StandardPopulationCount();
  form.standard.assign(count, false);
  for (int p : o.populations) {
    if (p < 1 || p > count)
      throw std::runtime_error("--pop: standard populations run from 1 to " +
                               std::to_string(count));
    form.standard[p - 1] = true;
  }
  if (o.populations.empty() && o.custom.empty()) form.standard[0] = true;
  for (const auto& text : o.custom) {
    auto custom = CustomFromOption(text, session.support, port);
    if (!custom) return 1;
    form.custom.push_back(*custom);
  }
  form.dwloc_mode = o.dwloc;
  form.save_dwloc = !o.dwloc_report.empty();
  form.dwloc_name = OutputName(o.dwloc_report);
  form.save_report = !o.report.empty();
  form.report_name = OutputName(o.report);
  form.save_plot = !o.plot.empty();
  form.plot_name = OutputName(o.plot);
  if (o.comment) {  // else the residue file's comment, or the batch file's free lines
    if (!CheckCommentOption(*o.comment, port)) return 1;
    form.comment = *o.comment;
  }
  if (o.iterations || o.seed) {
    form.monte_carlo = true;
    form.iterations = o.iterations ? std::to_string(*o.iterations) : "";
    form.seed = o.seed ? std::to_string(*o.seed) : "";
    if (!CheckIterationsField(form.iterations, port) || !CheckSeedField(form.seed, port)) return 1;
  }
  form.mersenne_twister = o.rng == "mt";
  form.hold_residues = o.hold;
  form.threads = o.threads;
  form.cec_min_percent = "1";
  SetCec(form, o.cec);
  if (!CheckOutputNames(form, port)) return 1;
  const auto outcome = LaunchAnalysis(form, session, port);
  const int status = Finish(outcome);
  if (status == 0 && form.save_cec && !form.dwloc_mode) {
    std::cout << "\nCEC report (head):\n";
    PrintCecHead(session.WorkFolder() / kCecReportFileName, 40);
  }
  return status;
}

int RunPassFile(const GlobalOptions& global, const RunOptions& o) {
  ConsolePort port(global.answer);
  const auto hours = o.reversal ? HalfLifeOption(*o.reversal, port) : 0.0f;
  if (!hours) return 1;
  DataSession session = OpenDataSession(StartFolder(global), port);
  session.work_folder = WorkFolderOption(global);
  const auto lock = LockWorkFolder(session.WorkFolder(), port);
  if (!lock) return 1;
  const auto specs = ReportSpecsForRun(session, port);
  if (!specs) return 1;
  const std::filesystem::path target = session.WorkFolder() / kPassFileName;
  const std::filesystem::path given =
      o.pass_file.empty() ? target : std::filesystem::absolute(o.pass_file);
  const PassFileLayout layout{session.support.DatabaseKind,
                              session.support.StandardPopulationCount()};
  if (IsShortPassFile(given, layout))
    throw ProgramEnds(given.string() +
                      " is the short pass file that Redo Last CEC writes: it asks for a CEC "
                      "report from the last run's work files, not for an analysis. Give `acute "
                      "redo-cec` to rebuild a CEC report, or run an analysis to write a full "
                      "pass file.");
  if (!o.pass_file.empty()) CopyPassFile(o.pass_file, target);
  EngineRequest request;
  request.session = session;
  request.form.two_day_average = o.two_day;
  request.form.qa_listing = o.qa;
  request.form.reversal = o.reversal.has_value();
  request.form.half_life_hours = *hours;
  request.form.mersenne_twister = o.rng == "mt";
  request.form.hold_residues = o.hold;
  request.form.cumulative_cec = o.cumulative_cec;
  request.form.threads = o.threads;
  request.specs = *specs;
  EngineOutcome outcome = RunEngine(request, port);
  return Finish(outcome);
}

}  // namespace acute::cli
