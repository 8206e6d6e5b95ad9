// analyze and run: deterministic acute analyses from the command line.
#include <fstream>
#include <iostream>
#include <sstream>

#include "commands.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "engine/pass_file.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "option_checks.h"
#include "reports/report_specs.h"
#include "run/analysis_driver.h"
#include "ui/main_form.h"

namespace acute::cli {
namespace {

void PrintSummary(const std::filesystem::path& report) {
  std::ifstream in(report, std::ios::binary);
  std::string line;
  bool printing = false;
  bool blank = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Summary calculations", 0) == 0) printing = true;
    if (printing && line.find("Ver. ") != std::string::npos && line.size() > 60) printing = false;
    if (!printing || line.find_first_not_of(' ') == std::string::npos) {
      blank = true;  // runs of blank lines print as one
      continue;
    }
    if (line.rfind("-----", 0) == 0 && line.find_first_not_of('-') == std::string::npos) continue;
    if (blank) std::cout << "\n";
    blank = false;
    std::cout << line << "\n";
  }
}

int Finish(const std::optional<EngineOutcome>& outcome) {
  if (!outcome || !outcome->completed) return 1;
  std::cout << "Last report: " << outcome->last_report.string() << "\n";
  for (const auto& f : outcome->saved_files) std::cout << "Saved: " << f.string() << "\n";
  std::cout << "\n";
  PrintSummary(outcome->last_report);
  return 0;
}

// A name with a folder is taken relative to the folder the command runs in; a bare name
// goes beside the residue file, as on the main form.
std::string OutputName(const std::string& name) {
  return HasFolder(name) ? std::filesystem::absolute(name).string() : name;
}

}  // namespace

int RunAnalyze(const GlobalOptions& global, const AnalyzeOptions& o) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  const auto path = LocateResidueFile(o.residue, session);
  if (!path) throw ProgramEnds("can't find residue file " + o.residue);
  MainForm form;
  form.residue = ReadResidueFile(*path, session.support, port);
  if (!form.residue) return 1;
  form.TakeEndpointsFromResidueFile();
  if (o.noel) form.noel = TrimStr(*o.noel);
  if (o.arfd) form.arfd = TrimStr(*o.arfd);
  form.per_kg = !o.per_person;
  form.second_adjustment = o.second_adjustment;
  form.two_day_average = o.two_day;
  form.eating_occasion = o.occasions || o.reversal.has_value();
  form.reversal = o.reversal.has_value();
  if (o.reversal) form.half_life = TrimStr(*o.reversal);
  form.qa_listing = o.qa;
  form.pad = o.pad;
  if (!CheckFormFields(form, port) || !SetPadValues(o, session.support, form, port)) return 1;
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
  form.comment = o.comment;
  if (o.iterations || o.seed) {
    form.monte_carlo = true;
    form.iterations = o.iterations ? std::to_string(*o.iterations) : "";
    form.seed = o.seed ? std::to_string(*o.seed) : "";
    if (!CheckIterationsField(form.iterations, port) || !CheckSeedField(form.seed, port)) return 1;
  }
  form.mersenne_twister = o.rng == "mt";
  form.hold_residues = o.hold;
  if (!CheckOutputNames(form, port)) return 1;
  return Finish(LaunchAnalysis(form, session, port));
}

int RunPassFile(const GlobalOptions& global, const RunOptions& o) {
  ConsolePort port(global.answer);
  if (!CheckReversalOption(o.reversal, port)) return 1;
  DataSession session = OpenDataSession(StartFolder(global), port);
  const std::filesystem::path target = session.folder / kPassFileName;
  if (!o.pass_file.empty()) {
    std::filesystem::path source = std::filesystem::absolute(o.pass_file);
    if (!std::filesystem::exists(source)) throw ProgramEnds("can't find pass file " + o.pass_file);
    if (!std::filesystem::exists(target) || !std::filesystem::equivalent(source, target))
      std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
  }
  EngineRequest request;
  request.session = session;
  request.form.two_day_average = o.two_day;
  request.form.qa_listing = o.qa;
  request.form.reversal = o.reversal.has_value();
  request.form.half_life_hours = o.reversal.value_or(0);
  request.form.mersenne_twister = o.rng == "mt";
  request.form.hold_residues = o.hold;
  auto specs = FindFile(session.folder / kReportSpecsFileName);
  auto read = specs ? ReadReportSpecsFile(*specs) : std::nullopt;
  request.specs = read.value_or(DefaultReportSpecs());
  EngineOutcome outcome = RunEngine(request, port);
  return Finish(outcome);
}

}  // namespace acute::cli
