// The options of the subcommands that write, read and show the data folder's files.
#include <memory>

#include "command_line.h"

namespace acute::cli {

void AddSampleDataCommand(CLI::App& app, Subcommands& commands) {
  auto o = std::make_shared<SampleDataOptions>();
  auto* sample_cmd = app.add_subcommand("sample-data", "write a complete sample data folder");
  sample_cmd->add_option("DIR", o->folder, "folder to write")->required();
  sample_cmd->add_option("--kind", o->kind, "database kind: 0 or 2")->check(CLI::IsMember({0, 2}));
  sample_cmd->add_option("--persons", o->persons, "person records (default: the full survey size)")
      ->check(CLI::Range(0, 1000000));
  sample_cmd->add_option("--seed", o->seed, "seed of the generator");

  commands.push_back({sample_cmd, [o] { return RunSampleData(*o); }});
}

void AddInputCommands(CLI::App& app, const GlobalOptions& global, Subcommands& commands) {
  auto residue_file = std::make_shared<std::string>();
  auto* check_cmd = app.add_subcommand("check-residue", "read a residue file and summarise it");
  check_cmd->add_option("FILE", *residue_file, "residue file")->required();

  commands.push_back(
      {check_cmd, [&global, residue_file] { return RunCheckResidue(global, *residue_file); }});
  auto batch_file = std::make_shared<std::string>();
  auto* check_batch_cmd =
      app.add_subcommand("check-batch", "read a batch file and its residue files and list them");
  check_batch_cmd->add_option("FILE", *batch_file, "batch file")->required();

  commands.push_back(
      {check_batch_cmd, [&global, batch_file] { return RunCheckBatch(global, *batch_file); }});
  auto* populations_cmd = app.add_subcommand(
      "populations", "list the standard populations of the data folder and the PAD populations");

  commands.push_back({populations_cmd, [&global] { return RunPopulations(global); }});
  auto* summary_cmd = app.add_subcommand(
      "residues", "read and summarise every residue file of the data folder's residue folder");

  commands.push_back({summary_cmd, [&global] { return RunResidueSummary(global); }});
}

void AddReportCommands(CLI::App& app, const GlobalOptions& global, Subcommands& commands) {
  auto o = std::make_shared<SpecsOptions>();
  auto* specs_cmd = app.add_subcommand(
      "specs", "show or set the report specifications (AcutSpec.txt) of the data folder");
  specs_cmd->add_option("--users", o->users, "report the user distribution (0 or 1)")
      ->check(CLI::IsMember({"0", "1"}));
  specs_cmd
      ->add_option("--per-capita", o->per_capita, "report the per capita distribution (0 or 1)")
      ->check(CLI::IsMember({"0", "1"}));
  specs_cmd->add_option("--headers", o->headers, "header and page numbers (0 or 1)")
      ->check(CLI::IsMember({"0", "1"}));
  specs_cmd
      ->add_option("--exact", o->exact,
                   "an exact percentile table after each percentile table (on or off)")
      ->check(CLI::IsMember({"on", "off"}));
  specs_cmd->add_option("--min-percent", o->min_percent,
                        "minimum percent contribution in CEC reports (0 = every food, up to 50)");
  specs_cmd
      ->add_option("--percentiles", o->percentiles,
                   "exactly three summary percentiles out of 90 95 97.5 99 99.5 99.75 99.9")
      ->delimiter(',');

  commands.push_back({specs_cmd, [&global, o] { return RunSpecs(global, *o); }});
  auto r = std::make_shared<ReportOptions>();
  auto* report_cmd = app.add_subcommand(
      "report", "write the residue file, RDF summary or batch file report and print or save it");
  report_cmd->add_option("WHAT", r->what, "residue, rdf or batch")
      ->required()
      ->check(CLI::IsMember({"residue", "rdf", "batch"}));
  report_cmd->add_option("FILE", r->file, "residue file or batch file")->required();
  report_cmd->add_option("--save", r->save, "save the report as NAME instead of printing it");
  report_cmd->add_flag("--per-person", r->per_person,
                       "residue file report: endpoints per person (mg/day)");
  report_cmd->add_option("--comment", r->comment,
                         "residue file report: the run comment (default: the residue file's "
                         "comment)");
  report_cmd->add_option("--noel", r->noel,
                         "residue file report: NOEL (default: the residue file's)");
  report_cmd->add_option("--arfd", r->arfd,
                         "residue file report: acute reference dose (default: the residue file's)");

  commands.push_back({report_cmd, [&global, r] { return RunReport(global, *r); }});
  auto show = std::make_shared<std::pair<std::string, std::string>>();  // what, save name
  auto* show_cmd = app.add_subcommand(
      "show", "print the last acute or DWLOC report or plot file, or the QA listing");
  show_cmd
      ->add_option("WHAT", show->first,
                   "last-report, last-plot, last-cec, last-dwloc, last-dwloc-plot or qa")
      ->required()
      ->check(CLI::IsMember(
          {"last-report", "last-plot", "last-cec", "last-dwloc", "last-dwloc-plot", "qa"}));
  show_cmd->add_option("--save", show->second, "save a copy as NAME instead of printing it");

  commands.push_back(
      {show_cmd, [&global, show] { return RunShow(global, show->first, show->second); }});
}

}  // namespace acute::cli
