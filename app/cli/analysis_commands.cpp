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
#include "reports/report_specs.h"
#include "run/analysis_driver.h"
#include "run/cec_repeat.h"
#include "ui/main_form.h"

namespace acute::cli {
namespace {

std::vector<std::int16_t> ParseItems(const std::string& text, std::size_t count,
                                     const std::string& what) {
  std::vector<std::int16_t> items;
  std::stringstream ss(text);
  std::string item;
  while (std::getline(ss, item, ',')) {
    double v = 0;
    if (!ParseNumber(item, v))
      throw std::runtime_error(what + ": \"" + item + "\" is not a number");
    items.push_back(static_cast<std::int16_t>(v));
  }
  if (items.size() != count)
    throw std::runtime_error(what + ": expected " + std::to_string(count) + " items, got " +
                             std::to_string(items.size()));
  return items;
}

// "NAME|season|region|race|sex|nursing|age[|PAD]", items separated by commas.
MainForm::Custom ParseCustom(const std::string& spec) {
  std::vector<std::string> parts;
  std::stringstream ss(spec);
  std::string part;
  while (std::getline(ss, part, '|')) parts.push_back(part);
  if (parts.size() != 7 && parts.size() != 8)
    throw std::runtime_error("--custom \"" + spec +
                             "\": expected NAME|season|region|race|sex|nursing|age[|PAD]");
  MainForm::Custom c;
  c.population.name = parts[0];
  for (int line = 0; line < 6; ++line) {
    const std::size_t count = line == 4 ? 3 : 5;
    auto items = ParseItems(parts[line + 1], count,
                            "--custom " + parts[0] + " line " + std::to_string(line + 1));
    for (std::size_t i = 0; i < count; ++i) c.population.crit[line][i] = items[i];
  }
  double pad = 0;
  if (parts.size() == 8 && !ParseNumber(parts[7], pad))
    throw std::runtime_error("--custom " + parts[0] + ": the PAD is not a number");
  c.population.pad = static_cast<float>(pad);
  c.defined = true;
  return c;
}

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

}  // namespace

int RunRedoCec(const GlobalOptions& global, const RedoCecOptions& o) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  MainForm form;
  form.two_day_average = o.two_day;
  form.cec_min_percent = "1";
  if (const auto last = ReadLastCecRun(session.folder)) {
    form.cec_basis = last->basis;
    form.cec_low = TrimStr(last->low);
    form.cec_high = TrimStr(last->high);
    if (last->min_percent) form.cec_min_percent = TrimStr(*last->min_percent);
  }
  SetCec(form, o.cec);
  form.save_cec = !o.cec.name.empty();
  const auto outcome = RedoLastCec(form, session, port);
  if (!outcome || !outcome->completed) return 1;
  for (const auto& f : outcome->saved_files) std::cout << "Saved: " << f.string() << "\n";
  return 0;
}

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
  const int count = session.support.StandardPopulationCount();
  form.standard_pad.assign(static_cast<std::size_t>(count) + 8, 0);
  for (const auto& [pop, value] : o.pad_values) {
    if (pop < 1 || pop > count)
      throw std::runtime_error("--pad-value: no standard population " + std::to_string(pop));
    form.standard_pad[pop] = value;
  }
  form.standard.assign(count, false);
  for (int p : o.populations) {
    if (p < 1 || p > count)
      throw std::runtime_error("--pop: standard populations run from 1 to " +
                               std::to_string(count));
    form.standard[p - 1] = true;
  }
  if (o.populations.empty() && o.custom.empty()) form.standard[0] = true;
  for (const auto& c : o.custom) form.custom.push_back(ParseCustom(c));
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
  form.cec_min_percent = "1";
  SetCec(form, o.cec);
  const auto outcome = LaunchAnalysis(form, session, port);
  const int status = Finish(outcome);
  if (status == 0 && form.save_cec && !form.dwloc_mode) {
    std::cout << "\nCEC report (head):\n";
    PrintCecHead(session.folder / "cec4.tmp", 40);
  }
  return status;
}

int RunPassFile(const GlobalOptions& global, const RunOptions& o) {
  ConsolePort port(global.answer);
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
  request.form.cumulative_cec = o.cumulative_cec;
  auto specs = FindFile(session.folder / kReportSpecsFileName);
  auto read = specs ? ReadReportSpecsFile(*specs) : std::nullopt;
  request.specs = read.value_or(DefaultReportSpecs());
  EngineOutcome outcome = RunEngine(request, port);
  return Finish(outcome);
}

}  // namespace acute::cli
