// The `acute` command: acute dietary exposure analyses from the command line.
#include <CLI/CLI.hpp>
#include <iostream>

#include "commands.h"
#include "common/errors.h"

int main(int argc, char** argv) {
  using namespace acute::cli;
  CLI::App app{"acute - acute dietary exposure analysis"};
  app.require_subcommand(1);
  GlobalOptions global;
  app.add_option("--data", global.data_folder,
                 "data folder holding TarnSupport.txt (default: the current folder)");
  bool yes = false, no = false;
  app.add_flag("--yes", yes, "answer Yes/OK to every question");
  app.add_flag("--no", no, "answer No/Cancel to every question");

  SampleDataOptions sample;
  auto* sample_cmd = app.add_subcommand("sample-data", "write a complete sample data folder");
  sample_cmd->add_option("DIR", sample.folder, "folder to write")->required();
  sample_cmd->add_option("--kind", sample.kind, "database kind: 0 or 2")
      ->check(CLI::IsMember({0, 2}));
  sample_cmd
      ->add_option("--persons", sample.persons, "person records (default: the full survey size)")
      ->check(CLI::Range(0, 1000000));
  sample_cmd->add_option("--seed", sample.seed, "seed of the generator");

  std::string residue_file;
  auto* check_cmd = app.add_subcommand("check-residue", "read a residue file and summarise it");
  check_cmd->add_option("FILE", residue_file, "residue file")->required();

  auto* summary_cmd = app.add_subcommand(
      "residues", "read and summarise every residue file of the data folder's residue folder");

  AnalyzeOptions analyze;
  auto* analyze_cmd = app.add_subcommand(
      "analyze", "run a deterministic acute analysis of a residue file, as the main form does");
  analyze_cmd->add_option("--residue", analyze.residue, "residue file")->required();
  analyze_cmd->add_flag("--per-person", analyze.per_person,
                        "exposure per person (mg/day) instead of per kg body weight");
  analyze_cmd->add_flag("--second-adjustment", analyze.second_adjustment,
                        "use adjustment factor #2");
  analyze_cmd->add_flag("--two-day", analyze.two_day, "two-day average");
  analyze_cmd->add_flag("--occasions", analyze.occasions,
                        "eating occasions instead of daily totals");
  analyze_cmd->add_option("--reversal", analyze.reversal,
                          "residue reversal with this half-life in hours (implies --occasions)");
  analyze_cmd->add_flag("--qa", analyze.qa,
                        "QA listing of a DWLOC analysis, written to dwloc2.tmp in the data folder");
  analyze_cmd->add_option("--noel", analyze.noel, "NOEL (default: the residue file's)");
  analyze_cmd->add_option("--arfd", analyze.arfd,
                          "acute reference dose (default: the residue file's)");
  analyze_cmd->add_flag("--pad", analyze.pad, "use population-adjusted doses");
  std::vector<std::string> pad_values;
  analyze_cmd->add_option("--pad-value", pad_values, "PAD of a standard population, as N=VALUE");
  analyze_cmd->add_option("--pop", analyze.populations,
                          "standard population by number (repeatable; default 1)");
  analyze_cmd->add_option("--custom", analyze.custom,
                          "custom population \"NAME|season|region|race|sex|nursing|age[|PAD]\", "
                          "items of a line separated by commas (5 each, 3 for nursing)");
  analyze_cmd->add_option("--report", analyze.report, "save the acute report as NAME (.AC10)");
  analyze_cmd->add_option("--plot", analyze.plot,
                          "save the plot file as NAME (.PLT; .DWP in a DWLOC analysis)");
  analyze_cmd->add_flag("--dwloc", analyze.dwloc,
                        "a DWLOC analysis (drinking-water levels of comparison) instead of an "
                        "acute analysis");
  analyze_cmd->add_option("--dwloc-report", analyze.dwloc_report,
                          "save the DWLOC report as NAME (.DWL)");
  analyze_cmd->add_option("--comment", analyze.comment, "run comment");
  analyze_cmd->add_option("--mc", analyze.iterations,
                          "Monte Carlo analysis with this many iterations (1-5000)");
  analyze_cmd->add_option("--seed", analyze.seed,
                          "seed of the random generator (0-32000; 0 takes the timer)");
  analyze_cmd->add_option("--rng", analyze.rng, "random generator: mt (Mersenne Twister) or vb")
      ->check(CLI::IsMember({"mt", "vb"}));
  analyze_cmd->add_flag("--hold", analyze.hold,
                        "hold the residue of a food constant over a day (eating occasions)");

  RunOptions run;
  auto* run_cmd =
      app.add_subcommand("run", "run the engine on a pass file (default: tarnpass.tmp)");
  run_cmd->add_option("PASSFILE", run.pass_file, "pass file, copied to the data folder first");
  run_cmd->add_flag("--two-day", run.two_day, "two-day average");
  run_cmd->add_flag("--qa", run.qa, "QA listing (DWLOC runs)");
  run_cmd->add_option("--reversal", run.reversal, "residue reversal half-life in hours");
  run_cmd->add_option("--rng", run.rng, "random generator: mt (Mersenne Twister) or vb")
      ->check(CLI::IsMember({"mt", "vb"}));
  run_cmd->add_flag("--hold", run.hold, "hold residues constant over a day");

  SpecsOptions specs;
  auto* specs_cmd = app.add_subcommand(
      "specs", "show or set the report specifications (AcutSpec.txt) of the data folder");
  specs_cmd->add_option("--users", specs.users, "report the user distribution (0 or 1)")
      ->check(CLI::IsMember({"0", "1"}));
  specs_cmd
      ->add_option("--per-capita", specs.per_capita, "report the per capita distribution (0 or 1)")
      ->check(CLI::IsMember({"0", "1"}));
  specs_cmd->add_option("--headers", specs.headers, "header and page numbers (0 or 1)")
      ->check(CLI::IsMember({"0", "1"}));
  specs_cmd->add_option("--min-percent", specs.min_percent,
                        "minimum percent contribution in CEC reports (0 = every food, up to 50)");
  specs_cmd
      ->add_option("--percentiles", specs.percentiles,
                   "exactly three summary percentiles out of 90 95 97.5 99 99.5 99.75 99.9")
      ->delimiter(',');

  std::string show_what;
  auto* show_cmd = app.add_subcommand(
      "show", "print the last acute or DWLOC report or plot file, or the QA listing");
  show_cmd
      ->add_option("WHAT", show_what, "last-report, last-plot, last-dwloc, last-dwloc-plot or qa")
      ->required()
      ->check(CLI::IsMember({"last-report", "last-plot", "last-dwloc", "last-dwloc-plot", "qa"}));

  CLI11_PARSE(app, argc, argv);
  for (const auto& pv : pad_values) {
    const auto eq = pv.find('=');
    try {
      if (eq == std::string::npos) throw std::invalid_argument(pv);
      analyze.pad_values.emplace_back(std::stoi(pv.substr(0, eq)), std::stof(pv.substr(eq + 1)));
    } catch (const std::exception&) {
      std::cerr << "acute: --pad-value takes N=VALUE, got \"" << pv << "\"\n";
      return 2;
    }
  }
  if (yes && no) {
    std::cerr << "acute: --yes and --no exclude each other\n";
    return 2;
  }
  if (yes || no) global.answer = yes;
  try {
    if (*sample_cmd) return RunSampleData(sample);  // NOLINT
    if (*check_cmd) return RunCheckResidue(global, residue_file);
    if (*summary_cmd) return RunResidueSummary(global);
    if (*analyze_cmd) return RunAnalyze(global, analyze);
    if (*run_cmd) return RunPassFile(global, run);
    if (*specs_cmd) return RunSpecs(global, specs);
    if (*show_cmd) return RunShow(global, show_what);
  } catch (const acute::ProgramEnds& e) {
    std::cerr << "acute: stopped: " << e.what() << "\n";
    return 1;
  } catch (const acute::RunEnds& e) {
    std::cerr << "acute: the run ended: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "acute: " << e.what() << "\n";
    return 1;
  }
  return 2;
}
