// The options of analyze, run and redo-cec.
#include <iostream>
#include <memory>

#include "command_line.h"
#include "option_checks.h"

namespace acute::cli {
namespace {

// A repeat's window, basis and minimum default to the last CEC run's.
void AddCecOptions(CLI::App* cmd, CecOptions& cec, bool repeat) {
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
                      (repeat ? last : std::string(" (default: 99.9, as on the form)")));
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
}

// --json and --csv: the run's results file copied, and written as CSV tables.
void AddResultsFileOptions(CLI::App* cmd, std::string& json, std::string& csv) {
  cmd->add_option("--json", json,
                  "save a copy of the results file (every figure of the reports as JSON) as NAME "
                  "(.json; beside the residue file unless NAME has a folder; default: only "
                  "results.json in the work folder)");
  cmd->add_option("--csv", csv,
                  "write the run's figures as CSV tables into folder DIR (made when missing): "
                  "populations.csv, percentiles.csv, with bootstrap rounds bootstrap.csv, and "
                  "for a CEC run the cec_*.csv tables (default: none)");
}

void AddBootstrapOptions(CLI::App* cmd, BootstrapOptions& b) {
  cmd->add_option("--bootstrap", b.rounds,
                  "uncertainty analysis: this many bootstrap rounds after the main run, 0 to "
                  "20000 (default 0: none; acute runs of one residue file, not with --cec or "
                  "--rng vb)");
  cmd->add_option("--bootstrap-seed", b.seed,
                  "seed of the bootstrap rounds, 0 to 4294967295 (default 0: the timer; a "
                  "partial run needs one)");
  cmd->add_option("--bootstrap-mc", b.iterations,
                  "Monte Carlo iterations of each round, 1 to 5000 (default: the run's own)");
  cmd->add_option("--bootstrap-of", b.sources, "what each round resamples (default both)")
      ->check(CLI::IsMember({"survey", "residues", "both"}));
  cmd->add_option("--bootstrap-level", b.level,
                  "level of the intervals in percent, 50 to 99.9 (default 95)");
  cmd->add_option("--rounds", b.range,
                  "a partial run: only rounds a-b (round 0 the main run), their figures saved "
                  "with --json for `acute merge`");
}

}  // namespace

void AddAnalyzeCommand(CLI::App& app, const GlobalOptions& global, Subcommands& commands) {
  auto o = std::make_shared<AnalyzeOptions>();
  auto* analyze_cmd = app.add_subcommand(
      "analyze",
      "run an acute or DWLOC analysis of a residue or batch file, deterministic or Monte Carlo "
      "(--mc), with an optional CEC report, as the main form does");
  auto* residue_opt = analyze_cmd->add_option(
      "--residue", o->residue, "residue file (as given, else in the residue folder)");
  auto* batch_opt = analyze_cmd->add_option("--batch", o->batch,
                                            "batch file: one analysis per residue file it names");
  residue_opt->excludes(batch_opt);
  analyze_cmd
      ->add_option("--entries", o->entries, "with --batch: only these entries, e.g. 3 or 1,4-6")
      ->needs(batch_opt);
  analyze_cmd->add_flag("--per-person", o->per_person,
                        "exposure per person in mg/day (default: per kg body weight, "
                        "mg/kg bw/day)");
  analyze_cmd->add_flag("--second-adjustment", o->second_adjustment,
                        "use adjustment factor #2 (default: #1 only)");
  analyze_cmd->add_flag("--two-day", o->two_day,
                        "two-day average of each person's exposure (default: each day)");
  analyze_cmd->add_flag("--occasions", o->occasions,
                        "eating occasions (list B) instead of daily totals (the default)");
  analyze_cmd->add_option("--reversal", o->reversal,
                          "residue reversal with this half-life, in hours: more than 0, at most "
                          "48 (implies --occasions; default: no reversal)");
  analyze_cmd->add_flag("--qa", o->qa,
                        "QA listing of a DWLOC analysis, written to dwloc2.tmp in the work "
                        "folder (default: none)");
  analyze_cmd->add_option("--noel", o->noel,
                          "NOEL, mg/kg bw/day, 0 to 1000000 (default: the residue file's)");
  analyze_cmd->add_option("--arfd", o->arfd,
                          "acute reference dose, mg/kg bw/day, 0 to 1000000 (default: the "
                          "residue file's)");
  analyze_cmd->add_flag("--pad", o->pad,
                        "use population-adjusted doses (default: the aRfD for every population)");
  analyze_cmd->add_option("--pad-value", o->pad_values,
                          "PAD of standard population N, as N=VALUE, mg/kg bw/day (see `acute "
                          "populations` for the PAD populations; default: none)");
  analyze_cmd->add_option("--pop", o->populations,
                          "standard population by number, see `acute populations` (repeatable; "
                          "default 1, the whole population)");
  analyze_cmd->add_option("--custom", o->custom,
                          "custom population \"NAME|season|region|race|sex|nursing|age[|PAD]\", "
                          "items of a line separated by commas (5 each, 3 for nursing; ages: low "
                          "months, low years, high months, high years); repeatable");
  analyze_cmd->add_option("--report", o->report,
                          "save the acute report as NAME (.AC10; beside the residue file unless "
                          "NAME has a folder; default: only acute.tmp in the work folder)");
  analyze_cmd->add_option("--plot", o->plot,
                          "save the plot file as NAME (.PLT; .DWP in a DWLOC analysis; default: "
                          "only plot.tmp in the work folder)");
  AddResultsFileOptions(analyze_cmd, o->json, o->csv);
  analyze_cmd->add_flag("--dwloc", o->dwloc,
                        "a DWLOC analysis (drinking-water levels of comparison, ppm) instead "
                        "of an acute analysis (the default)");
  analyze_cmd->add_option("--dwloc-report", o->dwloc_report,
                          "save the DWLOC report as NAME (.DWL; default: only dwloc.tmp in the "
                          "work folder)");
  analyze_cmd->add_option("--comment", o->comment,
                          "run comment (default: the residue file's comment, or the batch "
                          "file's free lines; --comment \"\" for none)");
  analyze_cmd->add_option("--mc", o->iterations,
                          "Monte Carlo analysis with this many iterations, 1 to 5000 (default: "
                          "deterministic)");
  analyze_cmd->add_option("--seed", o->seed,
                          "seed of the random generator, 0 to 32000 (0 takes the timer; needed "
                          "with --mc)");
  analyze_cmd
      ->add_option("--rng", o->rng,
                   "random generator: mt (Mersenne Twister) or vb (the runtime-style generator, "
                   "the default)")
      ->check(CLI::IsMember({"mt", "vb"}));
  analyze_cmd->add_flag("--hold", o->hold,
                        "hold the drawn residue of a food constant over a day (needs "
                        "--occasions and --mc; default: a new draw per eating occasion)");
  analyze_cmd
      ->add_option("--threads", o->threads,
                   "threads of the analysis (default: every core; the report is the same "
                   "for any number)")
      ->check(CLI::Range(1, 1024));

  AddCecOptions(analyze_cmd, o->cec, false);
  AddBootstrapOptions(analyze_cmd, o->bootstrap);
  analyze_cmd->footer(
      "Examples:\n"
      "  acute --data sample-data analyze --residue SAMPLE.R10 --pop 1 --pop 2 --report first\n"
      "  acute --data sample-data analyze --residue SAMPLEMC.R10 --mc 1000 --seed 1 --rng mt \\\n"
      "      --cec mc99 --cec-low 99 --cec-quiet\n"
      "  acute --data sample-data analyze --residue SAMPLEMC.R10 --mc 20 --seed 1 --rng mt \\\n"
      "      --bootstrap 200 --bootstrap-seed 7\n"
      "  acute --data sample-data analyze --residue SAMPLE.R10 --dwloc --pop 1 \\\n"
      "      --custom \"Toddlers|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2\"");
  analyze_cmd->add_flag("--cumulative-cec", o->cec.cumulative,
                        "cumulative (multi-chemical) CEC report");

  commands.push_back({analyze_cmd, [&global, o] { return RunAnalyze(global, *o); }});
}

void AddRunCommand(CLI::App& app, const GlobalOptions& global, Subcommands& commands) {
  auto o = std::make_shared<RunOptions>();
  auto* run_cmd =
      app.add_subcommand("run",
                         "run the engine on a pass file (default: tarnpass.tmp of the work "
                         "folder)");
  run_cmd->add_option("PASSFILE", o->pass_file,
                      "pass file, copied to tarnpass.tmp of the work folder first");
  AddResultsFileOptions(run_cmd, o->json, o->csv);
  run_cmd->add_flag("--two-day", o->two_day,
                    "two-day average (the pass file does not carry it; default: each day)");
  run_cmd->add_flag("--qa", o->qa, "QA listing of a DWLOC run, dwloc2.tmp (default: none)");
  run_cmd->add_option("--reversal", o->reversal,
                      "residue reversal half-life, in hours: more than 0, at most 48 (default: "
                      "none)");
  run_cmd
      ->add_option("--rng", o->rng, "random generator: mt (Mersenne Twister) or vb (the default)")
      ->check(CLI::IsMember({"mt", "vb"}));
  run_cmd->add_flag("--hold", o->hold,
                    "hold drawn residues constant over a day (default: a draw per occasion)");
  run_cmd
      ->add_option("--threads", o->threads,
                   "threads of the analysis (default: every core; the report is the same for "
                   "any number)")
      ->check(CLI::Range(1, 1024));

  run_cmd->add_flag("--cumulative-cec", o->cumulative_cec,
                    "cumulative (multi-chemical) CEC report for a pass file that asks for CEC");

  commands.push_back({run_cmd, [&global, o] { return RunPassFile(global, *o); }});
}

void AddRedoCecCommand(CLI::App& app, const GlobalOptions& global, Subcommands& commands) {
  auto o = std::make_shared<RedoCecOptions>();
  auto* redo_cmd = app.add_subcommand(
      "redo-cec",
      "Redo Last CEC: rebuild the CEC report of the last run that asked for one, for a window "
      "inside that run's, from its work files (the run it used is printed)");
  AddCecOptions(redo_cmd, o->cec, true);
  redo_cmd->get_option("--cec")->required();
  redo_cmd->add_flag("--two-day", o->two_day,
                     "the last run used the two-day average (read only in a folder of an older "
                     "version; otherwise the folder's list of work files says)");

  commands.push_back({redo_cmd, [&global, o] { return RunRedoCec(global, *o); }});
}

}  // namespace acute::cli
