// The `acute` command: acute dietary exposure analyses from the command line.
#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>

#include "commands.h"
#include "common/errors.h"
#include "option_checks.h"

int main(int argc, char** argv) {
  using namespace acute::cli;
  // A file-size limit makes a write fail (and the run end with its message) instead of
  // killing the program half-way through a commit.
  std::signal(SIGXFSZ, SIG_IGN);
  CLI::App app{"acute - acute dietary exposure analysis"};
  app.require_subcommand(0, 1);
  app.fallthrough();  // --data, --work, --yes and --no also after the subcommand
  bool version = false;
  app.add_flag("--version", version,
               "print the program's version (with --data, also the data folder's commodity/"
               "food-form list version)");
  GlobalOptions global;
  app.add_option("--data", global.data_folder,
                 "data folder holding TarnSupport.txt (default: the current folder)");
  app.add_option("--work", global.work_folder,
                 "folder for the work files of a run (default: the data folder)");
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

  std::string batch_file;
  auto* check_batch_cmd =
      app.add_subcommand("check-batch", "read a batch file and its residue files and list them");
  check_batch_cmd->add_option("FILE", batch_file, "batch file")->required();

  auto* populations_cmd = app.add_subcommand(
      "populations", "list the standard populations of the data folder and the PAD populations");

  auto* summary_cmd = app.add_subcommand(
      "residues", "read and summarise every residue file of the data folder's residue folder");

  AnalyzeOptions analyze;
  auto* analyze_cmd = app.add_subcommand(
      "analyze",
      "run an acute or DWLOC analysis of a residue or batch file, deterministic or Monte Carlo "
      "(--mc), with an optional CEC report, as the main form does");
  auto* residue_opt = analyze_cmd->add_option(
      "--residue", analyze.residue, "residue file (as given, else in the residue folder)");
  auto* batch_opt = analyze_cmd->add_option("--batch", analyze.batch,
                                            "batch file: one analysis per residue file it names");
  residue_opt->excludes(batch_opt);
  analyze_cmd
      ->add_option("--entries", analyze.entries,
                   "with --batch: only these entries, e.g. 3 or 1,4-6")
      ->needs(batch_opt);
  analyze_cmd->add_flag("--per-person", analyze.per_person,
                        "exposure per person in mg/day (default: per kg body weight, "
                        "mg/kg bw/day)");
  analyze_cmd->add_flag("--second-adjustment", analyze.second_adjustment,
                        "use adjustment factor #2 (default: #1 only)");
  analyze_cmd->add_flag("--two-day", analyze.two_day,
                        "two-day average of each person's exposure (default: each day)");
  analyze_cmd->add_flag("--occasions", analyze.occasions,
                        "eating occasions (list B) instead of daily totals (the default)");
  analyze_cmd->add_option("--reversal", analyze.reversal,
                          "residue reversal with this half-life, in hours: more than 0, at most "
                          "48 (implies --occasions; default: no reversal)");
  analyze_cmd->add_flag("--qa", analyze.qa,
                        "QA listing of a DWLOC analysis, written to dwloc2.tmp in the work "
                        "folder (default: none)");
  analyze_cmd->add_option("--noel", analyze.noel,
                          "NOEL, mg/kg bw/day, 0 to 1000000 (default: the residue file's)");
  analyze_cmd->add_option("--arfd", analyze.arfd,
                          "acute reference dose, mg/kg bw/day, 0 to 1000000 (default: the "
                          "residue file's)");
  analyze_cmd->add_flag("--pad", analyze.pad,
                        "use population-adjusted doses (default: the aRfD for every population)");
  std::vector<std::string> pad_values;
  analyze_cmd->add_option("--pad-value", pad_values,
                          "PAD of standard population N, as N=VALUE, mg/kg bw/day (see `acute "
                          "populations` for the PAD populations; default: none)");
  analyze_cmd->add_option("--pop", analyze.populations,
                          "standard population by number, see `acute populations` (repeatable; "
                          "default 1, the whole population)");
  analyze_cmd->add_option("--custom", analyze.custom,
                          "custom population \"NAME|season|region|race|sex|nursing|age[|PAD]\", "
                          "items of a line separated by commas (5 each, 3 for nursing; ages: low "
                          "months, low years, high months, high years); repeatable");
  analyze_cmd->add_option("--report", analyze.report,
                          "save the acute report as NAME (.AC10; beside the residue file unless "
                          "NAME has a folder; default: only acute.tmp in the work folder)");
  analyze_cmd->add_option("--plot", analyze.plot,
                          "save the plot file as NAME (.PLT; .DWP in a DWLOC analysis; default: "
                          "only plot.tmp in the work folder)");
  analyze_cmd->add_flag("--dwloc", analyze.dwloc,
                        "a DWLOC analysis (drinking-water levels of comparison, ppm) instead "
                        "of an acute analysis (the default)");
  analyze_cmd->add_option("--dwloc-report", analyze.dwloc_report,
                          "save the DWLOC report as NAME (.DWL; default: only dwloc.tmp in the "
                          "work folder)");
  analyze_cmd->add_option("--comment", analyze.comment,
                          "run comment (default: the residue file's comment, or the batch "
                          "file's free lines; --comment \"\" for none)");
  analyze_cmd->add_option("--mc", analyze.iterations,
                          "Monte Carlo analysis with this many iterations, 1 to 5000 (default: "
                          "deterministic)");
  analyze_cmd->add_option("--seed", analyze.seed,
                          "seed of the random generator, 0 to 32000 (0 takes the timer; needed "
                          "with --mc)");
  analyze_cmd
      ->add_option("--rng", analyze.rng,
                   "random generator: mt (Mersenne Twister) or vb (the runtime-style generator, "
                   "the default)")
      ->check(CLI::IsMember({"mt", "vb"}));
  analyze_cmd->add_flag("--hold", analyze.hold,
                        "hold the drawn residue of a food constant over a day (needs "
                        "--occasions and --mc; default: a new draw per eating occasion)");
  analyze_cmd
      ->add_option("--threads", analyze.threads,
                   "threads of the analysis (default: every core; the report is the same "
                   "for any number)")
      ->check(CLI::Range(1, 1024));

  // A repeat's window, basis and minimum default to the last CEC run's.
  auto add_cec = [](CLI::App* cmd, CecOptions& cec, bool repeat) {
    const std::string last = " (default: the last CEC run's)";
    cmd->add_option("--cec", cec.name,
                    "save a CEC report (critical exposure contribution) as NAME (.CEC; .CSV with "
                    "--cec-excel; beside the residue file unless NAME has a folder)");
    cmd->add_option("--cec-basis", cec.basis,
                    "CEC window basis: percentile or amount" +
                        (repeat ? last : std::string(" (default: percentile)")))
        ->check(CLI::IsMember({"percentile", "amount"}));
    cmd->add_option("--cec-low", cec.low,
                    "low end of the CEC window: a percentile, or an exposure amount in the run's "
                    "units (mg/kg bw/day or mg/day)" +
                        (repeat ? last : std::string(" (default: 99)")));
    cmd->add_option("--cec-high", cec.high,
                    "high end of the CEC window: a percentile (100: no upper bound) or an "
                    "exposure amount (0: no upper bound)" +
                        (repeat ? last : std::string(" (default: 100)")));
    cmd->add_option("--cec-min", cec.min_percent,
                    "minimum contribution of a food line, in percent: 0.1 to 50 (1 to 50 for a "
                    "repeat)" +
                        (repeat ? last : std::string(" (default: 1)")));
    cmd->add_option("--cec-records", cec.records,
                    "records printed per population, 1-40000 (default 40000)");
    cmd->add_flag("--cec-excel", cec.excel,
                  "CEC report in the comma (Excel) layout (default: the plain layout)");
    cmd->add_flag("--cec-quiet", cec.quiet,
                  "do not ask before capping the iterations that produce CEC records");
  };
  add_cec(analyze_cmd, analyze.cec, false);
  analyze_cmd->footer(
      "Examples:\n"
      "  acute --data sample-data analyze --residue SAMPLE.R10 --pop 1 --pop 2 --report first\n"
      "  acute --data sample-data analyze --residue SAMPLEMC.R10 --mc 1000 --seed 1 --rng mt \\\n"
      "      --cec mc99 --cec-low 99 --cec-quiet\n"
      "  acute --data sample-data analyze --residue SAMPLE.R10 --dwloc --pop 1 \\\n"
      "      --custom \"Toddlers|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2\"");
  analyze_cmd->add_flag("--cumulative-cec", analyze.cec.cumulative,
                        "cumulative (multi-chemical) CEC report");

  RunOptions run;
  auto* run_cmd =
      app.add_subcommand("run",
                         "run the engine on a pass file (default: tarnpass.tmp of the work "
                         "folder)");
  run_cmd->add_option("PASSFILE", run.pass_file,
                      "pass file, copied to tarnpass.tmp of the work folder first");
  run_cmd->add_flag("--two-day", run.two_day,
                    "two-day average (the pass file does not carry it; default: each day)");
  run_cmd->add_flag("--qa", run.qa, "QA listing of a DWLOC run, dwloc2.tmp (default: none)");
  run_cmd->add_option("--reversal", run.reversal,
                      "residue reversal half-life, in hours: more than 0, at most 48 (default: "
                      "none)");
  run_cmd
      ->add_option("--rng", run.rng, "random generator: mt (Mersenne Twister) or vb (the default)")
      ->check(CLI::IsMember({"mt", "vb"}));
  run_cmd->add_flag("--hold", run.hold,
                    "hold drawn residues constant over a day (default: a draw per occasion)");
  run_cmd
      ->add_option("--threads", run.threads,
                   "threads of the analysis (default: every core; the report is the same for "
                   "any number)")
      ->check(CLI::Range(1, 1024));

  run_cmd->add_flag("--cumulative-cec", run.cumulative_cec,
                    "cumulative (multi-chemical) CEC report for a pass file that asks for CEC");

  RedoCecOptions redo;
  auto* redo_cmd = app.add_subcommand(
      "redo-cec",
      "Redo Last CEC: rebuild the CEC report of the last run that asked for one, for a window "
      "inside that run's, from its work files (the run it used is printed)");
  add_cec(redo_cmd, redo.cec, true);
  redo_cmd->get_option("--cec")->required();
  redo_cmd->add_flag("--two-day", redo.two_day,
                     "the last run used the two-day average (read only in a folder of an older "
                     "version; otherwise the folder's list of work files says)");

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

  ReportOptions report;
  auto* report_cmd = app.add_subcommand(
      "report", "write the residue file, RDF summary or batch file report and print or save it");
  report_cmd->add_option("WHAT", report.what, "residue, rdf or batch")
      ->required()
      ->check(CLI::IsMember({"residue", "rdf", "batch"}));
  report_cmd->add_option("FILE", report.file, "residue file or batch file")->required();
  report_cmd->add_option("--save", report.save, "save the report as NAME instead of printing it");
  report_cmd->add_flag("--per-person", report.per_person,
                       "residue file report: endpoints per person (mg/day)");
  report_cmd->add_option("--comment", report.comment,
                         "residue file report: the run comment (default: the residue file's "
                         "comment)");
  report_cmd->add_option("--noel", report.noel,
                         "residue file report: NOEL (default: the residue file's)");
  report_cmd->add_option("--arfd", report.arfd,
                         "residue file report: acute reference dose (default: the residue file's)");

  std::string show_what;
  std::string show_save;
  auto* show_cmd = app.add_subcommand(
      "show", "print the last acute or DWLOC report or plot file, or the QA listing");
  show_cmd
      ->add_option("WHAT", show_what,
                   "last-report, last-plot, last-cec, last-dwloc, last-dwloc-plot or qa")
      ->required()
      ->check(CLI::IsMember(
          {"last-report", "last-plot", "last-cec", "last-dwloc", "last-dwloc-plot", "qa"}));
  show_cmd->add_option("--save", show_save, "save a copy as NAME instead of printing it");

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
  if (*analyze_cmd && analyze.residue.empty() && analyze.batch.empty()) {
    std::cerr << "acute: analyze needs --residue FILE or --batch FILE\n";
    return 2;
  }
  if (const std::string idle = *analyze_cmd ? IdleOptionFault(analyze) : ""; !idle.empty()) {
    std::cerr << "acute: " << idle << "\n";
    return 2;
  }
  if (yes && no) {
    std::cerr << "acute: --yes and --no exclude each other\n";
    return 2;
  }
  if (yes || no) global.answer = yes;
  if (!version && app.get_subcommands().empty()) {
    std::cerr << "acute: a subcommand is required\n" << app.help();
    return 2;
  }
  try {
    if (version) return RunVersion(global, app.count("--data") > 0);
    if (*populations_cmd) return RunPopulations(global);
    if (*sample_cmd) return RunSampleData(sample);  // NOLINT
    if (*check_cmd) return RunCheckResidue(global, residue_file);
    if (*check_batch_cmd) return RunCheckBatch(global, batch_file);
    if (*summary_cmd) return RunResidueSummary(global);
    if (*analyze_cmd) return RunAnalyze(global, analyze);
    if (*run_cmd) return RunPassFile(global, run);
    if (*redo_cmd) return RunRedoCec(global, redo);
    if (*specs_cmd) return RunSpecs(global, specs);
    if (*show_cmd) return RunShow(global, show_what, show_save);
    if (*report_cmd) return RunReport(global, report);
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
