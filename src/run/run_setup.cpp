#include "run/run_setup.h"

#include "common/errors.h"
#include "common/file_names.h"
#include "engine/bins.h"
#include "engine/pass_file.h"
#include "engine/survey_pass.h"
#include "inputs/residue_reader.h"

namespace acute {
namespace {

[[noreturn]] void CannotRun(UserPort& port, const std::string& text) {
  Tell(port, "Tarn-VELD Acute Module", text, Icon::Information);
  throw RunEnds(text);
}

void RefuseWhatIsNotBuilt(const AnalysisSettings& s, UserPort& port) {
  if (s.IsBatch()) CannotRun(port, "Batch runs are not available in this version.");
  if (s.monte_carlo == 1)
    CannotRun(port, "Monte Carlo analyses are not available in this version.");
  if (s.dwloc == 1) CannotRun(port, "DWLOC analyses are not available in this version.");
  if (s.cec_flag == 1)
    CannotRun(port, "Critical exposure contribution files are not available in this version.");
}

ConsumptionFiles ChosenList(const SupportData& support, const SetupData& setup,
                            bool eating_occasion) {
  ConsumptionFiles files;
  files.folder = setup.ConsumptionFolder();
  files.names = eating_occasion ? support.ConsumptionListB : support.ConsumptionListA;
  files.first = support.ConsumptionListFirst;
  files.last = support.ConsumptionListLast;
  return files;
}

void DecideMembership(RunSetup& run, const SupportData& support, UserPort& port) {
  run.selected = SelectPopulations(run.settings);
  if (run.selected.empty()) CannotRun(port, "No population is selected for this analysis.");
  if (run.selected.size() > 64) CannotRun(port, "An analysis can report at most 64 populations.");
  const auto rules = StandardPopulationRules(support.DatabaseKind);
  const bool water_rule = run.tables.water_in_residue_file || run.settings.dwloc == 1;
  run.membership.assign(run.consumption.groups.size(), 0);
  for (std::size_t g = 0; g < run.consumption.groups.size(); ++g) {
    const SurveyGroup& group = run.consumption.groups[g];
    if (water_rule && MissingWater(group, support.DatabaseKind)) continue;
    run.membership[g] = Membership(run.selected, rules, run.settings, group.attributes);
  }
  run.accumulators.assign(run.selected.size(), PopulationAccumulators{});
}

}  // namespace

bool MissingWater(const SurveyGroup& g, int kind) {
  if (kind == 0) return g.water_code[0] >= 998 || g.water_code[1] >= 998;
  if (kind == 1) return g.water_code[0] < 0;
  return g.water_code[0] < 0 || g.water_code[1] < 0;
}

RunSetup SetUpRun(const EngineRequest& request, const std::string& caption, UserPort& port) {
  const DataSession& session = request.session;
  const std::filesystem::path pass_file = session.folder / kPassFileName;
  CheckPassFileHeader(pass_file, port);
  port.Progress(caption, "Setting up analysis");
  RunSetup run;
  run.form = request.form;
  const PassFileLayout layout{session.support.DatabaseKind,
                              session.support.StandardPopulationCount()};
  run.settings = ReadPassFile(pass_file, layout, port);
  RefuseWhatIsNotBuilt(run.settings, port);
  const bool occasions = run.settings.eating_occasion == 1;
  CheckAnalysisFiles(session.folder, session.support, occasions, port);
  run.setup = ReadSetupFile(session.folder, port);
  const ConsumptionFiles files = ChosenList(session.support, run.setup, occasions);
  CheckConsumptionFile(files, run.settings.consumption_check_index, port);
  run.master = ReadMasterLists(session.folder, session.support, port);
  port.Progress(caption, "Residue file: " + NamePart(run.settings.residue_file));
  ResidueTables tables;
  ReadResidueForAnalysis(run.settings.residue_file, session.support, run.master, false, port,
                         run.residue, tables);
  run.tables = BuildRunTables(std::move(tables), run.master, run.settings.dwloc == 1,
                              run.settings.second_adjustment == 1);
  run.consumption = ReadConsumptionData(files, occasions, session.support.DatabaseKind, port);
  run.passes = CollectRelevantEntries(run.consumption, run.tables.factor, run.form.two_day_average);
  DecideMembership(run, session.support, port);
  return run;
}

void RunAnalysisPasses(RunSetup& run, const std::string& caption, UserPort& port) {
  PassSetup pass;
  pass.data = &run.consumption;
  pass.passes = &run.passes;
  pass.membership = &run.membership;
  pass.factor = &run.tables.factor;
  pass.iterations = run.settings.iterations;
  pass.per_kg = run.settings.per_kg == 1;
  pass.two_day_average = run.form.two_day_average;
  pass.reversal = run.settings.eating_occasion == 1 && run.form.reversal;
  pass.half_life = run.form.half_life_hours;
  pass.caption = caption;
  RunSurveyPass(PassKind::Calibration, pass, run.accumulators, port);
  for (auto& a : run.accumulators) {
    a.m = CalibrationMean(a.sum_wx, a.sum_w);
    LayOutAcuteBins(a);
  }
  RunSurveyPass(PassKind::Main, pass, run.accumulators, port);
}

}  // namespace acute
