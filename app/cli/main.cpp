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
      ->check(CLI::NonNegativeNumber);
  sample_cmd->add_option("--seed", sample.seed, "seed of the generator");

  std::string residue_file;
  auto* check_cmd = app.add_subcommand("check-residue", "read a residue file and summarise it");
  check_cmd->add_option("FILE", residue_file, "residue file")->required();

  auto* summary_cmd = app.add_subcommand(
      "residues", "read and summarise every residue file of the data folder's residue folder");

  CLI11_PARSE(app, argc, argv);
  if (yes && no) {
    std::cerr << "acute: --yes and --no exclude each other\n";
    return 2;
  }
  if (yes || no) global.answer = yes;
  try {
    if (*sample_cmd) return RunSampleData(sample);  // NOLINT
    if (*check_cmd) return RunCheckResidue(global, residue_file);
    if (*summary_cmd) return RunResidueSummary(global);
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
