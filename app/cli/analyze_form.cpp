#include "analyze_form.h"

#include <sstream>

#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "option_checks.h"
#include "option_error.h"
#include "random/round_streams.h"

namespace acute::cli {
namespace {

// A name with a folder is taken relative to the folder the command runs in; a bare name
// goes beside the residue file, as on the main form.
std::string OutputName(const std::string& name) {
  return HasFolder(name) ? std::filesystem::absolute(name).string() : name;
}

// "a" or "a-b": whole numbers from `low` to `high`, the first not above the last.
std::optional<std::pair<int, int>> WholeRange(const std::string& item, int low, int high) {
  const std::size_t dash = item.find('-');
  double first = 0, last = 0;
  const bool ok = dash == std::string::npos ? ParseNumber(item, first) && ParseNumber(item, last)
                                            : ParseNumber(item.substr(0, dash), first) &&
                                                  ParseNumber(item.substr(dash + 1), last);
  if (!ok || first < low || last < first || last > high || first != static_cast<int>(first) ||
      last != static_cast<int>(last))
    return std::nullopt;
  return std::pair{static_cast<int>(first), static_cast<int>(last)};
}

// "3" or "1,4-6": the entry numbers of a batch to run.
std::vector<int> ParseEntries(const std::string& list, UserPort& port) {
  std::vector<int> numbers;
  std::stringstream ss(list);
  std::string item;
  while (std::getline(ss, item, ',')) {
    const auto range = WholeRange(item, 1, 32767);
    if (!range) RefuseOption(port, "--entries: \"" + item + "\" is not an entry number or range.");
    for (int n = range->first; n <= range->second; ++n) numbers.push_back(n);
  }
  if (numbers.empty()) RefuseOption(port, "--entries: no entry numbers given.");
  return numbers;
}

// File, Open Residue File or Open Batch File.
bool OpenInput(const AnalyzeOptions& o, const Session& session, UserPort& port,
               MainFormModel& model) {
  if (o.batch.empty())
    return model.OpenResidue(session, LocateFile(session, o.residue, "residue file", port), port);
  return model.OpenBatch(session, LocateFile(session, o.batch, "batch file", port), port);
}

// --entries: the batch's entries to run, once the form is set for the whole batch (a Monte
// Carlo request holds for the entries that offer it, as on the form).
void SelectBatchEntries(const AnalyzeOptions& o, UserPort& port, MainFormModel& model) {
  if (o.entries.empty() || !model.form.batch) return;
  model.form.batch = SelectEntries(*model.form.batch, ParseEntries(o.entries, port));
  if (model.form.batch->entries.empty())
    RefuseOption(port, "--entries: the batch file has no entry " + o.entries + ".");
}

bool SetPopulations(const AnalyzeOptions& o, const Session& session, UserPort& port,
                    MainFormModel& model) {
  const int count = session.Data().support.StandardPopulationCount();
  for (int p : o.populations) {
    if (p < 1 || p > count)
      RefuseOption(port, "--pop " + std::to_string(p) + ": standard populations run from 1 to " +
                             std::to_string(count) + ".");
    model.form.standard[static_cast<std::size_t>(p - 1)] = true;
  }
  if (o.populations.empty() && o.custom.empty()) model.form.standard[0] = true;
  if (o.custom.size() > static_cast<std::size_t>(MainFormModel::kCustomRows))
    RefuseOption(port, "--custom: the form has " + std::to_string(MainFormModel::kCustomRows) +
                           " custom population rows; give at most that many.");
  for (std::size_t row = 0; row < o.custom.size(); ++row) {
    auto custom = CustomFromOption(o.custom[row], session.Data().support, port);
    if (!custom) return false;
    model.form.custom[row] = *custom;
  }
  return SetPadValues(o, session.Data().support, model.form, port);
}

bool SetMonteCarlo(const AnalyzeOptions& o, UserPort& port, MainFormModel& model) {
  if (!o.iterations && !o.seed) return true;
  model.SetMonteCarlo(true);
  model.form.iterations = o.iterations ? std::to_string(*o.iterations) : "";
  model.form.seed = o.seed ? std::to_string(*o.seed) : "";
  return CheckIterationsField(model.form.iterations, port) && CheckSeedField(model.form.seed, port);
}

// The report boxes: in DWLOC mode the DWLOC report's, else the acute report's, then the
// plot's under whichever is ticked.
void SetReports(const AnalyzeOptions& o, MainFormModel& model) {
  model.form.dwloc_mode = o.dwloc;
  if (o.dwloc && !o.dwloc_report.empty()) {
    model.SetSaveDwloc(true);
    model.form.dwloc_name = OutputName(o.dwloc_report);
  }
  if (!o.dwloc && !o.report.empty()) {
    model.SetSaveReport(true);
    model.form.report_name = OutputName(o.report);
  }
  if (!o.plot.empty()) {
    model.form.save_plot = true;
    model.form.plot_name = OutputName(o.plot);
  }
  model.form.results_copy = ResultsCopyName(o.json);
}

// "a-b" or "a": the rounds of a partial run.
void SetRoundRange(const std::string& text, BootstrapFrame& frame, UserPort& port) {
  const auto range = WholeRange(text, 0, kMaxBootstrapRounds);
  if (!range)
    RefuseOption(port, "--rounds: \"" + text + "\" is not a round number or range (a-b).");
  frame.first_round = range->first;
  frame.last_round = range->second;
}

// The "Uncertainty analysis" frame, as a user fills it; the command line adds the rounds'
// iterations, the level and a partial run's rounds.
void SetBootstrap(const BootstrapOptions& o, UserPort& port, BootstrapFrame& frame) {
  if (o.rounds) frame.rounds = std::to_string(*o.rounds);
  if (o.seed) frame.seed = *o.seed;
  if (o.iterations) frame.iterations = std::to_string(*o.iterations);
  if (o.sources) {
    frame.survey = *o.sources != "residues";
    frame.residues = *o.sources != "survey";
  }
  if (o.level) frame.level = *o.level;
  if (o.range) SetRoundRange(*o.range, frame, port);
}

// The bootstrap options that need --bootstrap, or that a partial run needs.
std::string BootstrapOptionFault(const AnalyzeOptions& o) {
  const BootstrapOptions& b = o.bootstrap;
  if (!b.Given()) return "";
  if (!b.rounds || *b.rounds == 0)
    return b.rounds ? ""
                    : "--bootstrap-seed, --bootstrap-mc, --bootstrap-of, --bootstrap-level "
                      "and --rounds need --bootstrap B.";
  if (b.iterations && !o.iterations)
    return "--bootstrap-mc: the rounds of a deterministic analysis have no iterations; give "
           "--mc for a Monte Carlo analysis.";
  if (b.range && o.json.empty())
    return "--rounds: a partial run saves its rounds only in the file --json names.";
  if (b.range && !o.csv.empty())
    return "--csv: a partial run writes no results tables; give --csv to the run that merges.";
  return "";
}

// What an option asked for that the form, as the options and the file left it, does not
// show: the run would go without it, so the command line is refused instead.
std::string HiddenOptionFault(const AnalyzeOptions& o, const MainFormModel& model) {
  const FormVisibility v = model.Visibility();
  if ((o.iterations || o.seed) && !v.monte_carlo_box)
    return "--mc: the residue file has no residue distribution lines; a Monte Carlo analysis "
           "needs them.";
  if (!o.report.empty() && !v.report_box)
    return "--report: a batch run saves each entry's report under the name its batch file "
           "gives.";
  if (!o.report.empty() && o.dwloc)
    return "--report names an acute report; a DWLOC analysis saves its report with "
           "--dwloc-report.";
  if (!o.dwloc_report.empty() && !o.dwloc) return "--dwloc-report needs --dwloc.";
  if (!o.plot.empty() && !v.plot_box)
    return "--plot needs --report (or --dwloc-report with --dwloc): the plot file is saved "
           "with a saved report, and not in a batch run.";
  if (o.pad && !v.toxicology)
    return "--pad: PADs apply to exposures per kg body weight of a residue file (not with "
           "--per-person or --batch).";
  if (o.bootstrap.rounds && *o.bootstrap.rounds > 0 && !v.bootstrap_enabled)
    return o.batch.empty() ? "--bootstrap: an uncertainty analysis is made for acute analyses "
                             "only, not beside a saved DWLOC report."
                           : "--bootstrap: an uncertainty analysis is made for one residue "
                             "file; run the residue files of the batch one at a time.";
  if (!o.cec.name.empty() && !v.cec_frame)
    return o.batch.empty() ? "--cec: a DWLOC analysis that saves its report makes no CEC report."
                           : "--cec: CEC files cannot be generated in a batch run; run the "
                             "residue files of the batch one at a time to get their CEC files.";
  return "";
}

}  // namespace

void SetCecFrame(const CecOptions& o, MainFormModel& model) {
  if (o.name.empty()) return;
  CecFrame& cec = model.cec;
  model.SetSaveCec(true);
  cec.name = OutputName(o.name);
  if (o.basis) model.SetPercentileBasis(*o.basis != "amount");
  std::string& low = cec.percentile_basis ? cec.low_percentile : cec.low_amount;
  std::string& high = cec.percentile_basis ? cec.high_percentile : cec.high_amount;
  const std::string unit = cec.percentile_basis ? "%" : "";
  if (o.low) low = *o.low + unit;
  if (o.high) high = *o.high + unit;
  if (o.min_percent) cec.min_contribution = *o.min_percent;
  if (cec.min_contribution.empty())
    cec.min_contribution = MainFormModel::kUnattendedMinContribution;
  if (o.records) cec.printed_records = *o.records;
  if (o.excel) model.SetExcel(true);
  cec.suppress = o.quiet;
  // The form offers the cumulative report once an RDF summary found per-chemical data; here
  // the run itself checks the distribution files for it.
  cec.cumulative = o.cumulative;
}

bool SetAnalyzeForm(const AnalyzeOptions& o, const Session& session, UserPort& port,
                    MainFormModel& model) {
  model.SetStandardPopulations(session.Data().support.StandardPopulationCount());
  if (!OpenInput(o, session, port, model)) return false;
  MainForm& form = model.form;
  if (!SetEndpointOptions(o.noel, o.arfd, form, port)) return false;
  model.SetBodyWeight(!o.per_person);
  form.second_adjustment = o.second_adjustment;
  form.two_day_average = o.two_day;
  if (o.occasions) model.SetEatingOccasion(true);
  if (o.reversal) {
    const auto hours = HalfLifeOption(*o.reversal, port);
    if (!hours) return false;
    model.SetReversal(true);
    form.half_life = TrimStr(*hours);
  }
  form.qa_listing = o.qa;
  form.pad = o.pad;
  if (!SetPopulations(o, session, port, model)) return false;
  SetReports(o, model);
  if (o.comment) {  // else the residue file's comment, or the batch file's free lines
    if (!CheckCommentOption(*o.comment, port)) return false;
    form.comment = *o.comment;
  }
  if (!SetMonteCarlo(o, port, model)) return false;
  form.mersenne_twister = o.rng == "mt";
  form.hold_residues = o.hold;
  form.threads = o.threads;
  SetCecFrame(o.cec, model);
  if (const std::string fault = BootstrapOptionFault(o); !fault.empty()) RefuseOption(port, fault);
  SetBootstrap(o.bootstrap, port, form.bootstrap);
  if (const std::string fault = HiddenOptionFault(o, model); !fault.empty())
    RefuseOption(port, fault);
  SelectBatchEntries(o, port, model);
  return true;
}

}  // namespace acute::cli
