#include "run/run_setup.h"

#include <algorithm>
#include <optional>

#include "cec/cec_window.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/str.h"
#include "common/work_set_check.h"
#include "engine/bins.h"
#include "engine/pass_file.h"
#include "engine/survey_pass.h"
#include "inputs/rdf/rdf_tables.h"
#include "inputs/residue_reader.h"
#include "run/exact_passes.h"
#include "run/work_room.h"

namespace acute {
namespace {

[[noreturn]] void CannotRunWith(UserPort& port, const std::string& title, const std::string& text) {
  Tell(port, title, text, Icon::Information);
  throw RunEnds(text);
}

[[noreturn]] void CannotRun(UserPort& port, const std::string& text) {
  CannotRunWith(port, "Tarn-VELD Acute Module", text);
}

// A CEC request that a batch run or a DWLOC run cannot honour.
void RefuseCec(const AnalysisSettings& s, UserPort& port) {
  if (!s.cec_flag) return;
  if (s.IsBatch()) CannotRun(port, kNoCecInBatchRuns);
  if (s.dwloc)
    CannotRun(port,
              "CEC file will not be generated in DWLOC mode. Use Acute analysis mode to generate "
              "CEC file for this chemical.");
  const std::string fault = CecSettingsFault(s.cec);
  if (!fault.empty())
    CannotRun(port, "The pass file's CEC settings cannot be used: " + fault + ".");
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
  const bool water_rule = run.tables.water_in_residue_file || run.settings.dwloc;
  run.membership.assign(run.consumption.groups.size(), 0);
  for (std::size_t g = 0; g < run.consumption.groups.size(); ++g) {
    const SurveyGroup& group = run.consumption.groups[g];
    if (water_rule && MissingWater(group, support.DatabaseKind)) continue;
    run.membership[g] = Membership(run.selected, rules, run.settings, group.attributes);
  }
  run.accumulators.assign(run.selected.size(), PopulationAccumulators{});
}

// Every distribution a food form draws from must be one the residue file defines.
void CheckPointers(const RunSetup& run, UserPort& port) {
  const ResidueTables& t = run.tables.res;
  for (int f = 1; f < static_cast<int>(run.tables.cum_ratio_total.size()); ++f) {
    if (run.tables.cum_ratio_total[f] == 0) continue;
    for (int i = 1; i <= t.chemical_count; ++i) {
      const int ptr = t.FfRdlPtr[t.At(f, i)];
      if (t.FfRdlRatio[t.At(f, i)] == 0) continue;
      const bool defined = ptr >= 1 && ptr < static_cast<int>(run.distributions.rdl.size()) &&
                           run.distributions.rdl[ptr].type != DistributionType::None;
      if (!defined)
        CannotRun(port, "Food form " + std::to_string(run.master.FfCode[f]) + " of commodity " +
                            run.master.RacCode[run.master.FfRac[f]] +
                            " points to residue distribution line " + std::to_string(ptr) +
                            ", which the residue file does not define. Can't continue with this "
                            "residue file.");
    }
  }
}

void SetUpMonteCarlo(RunSetup& run, UserPort& port) {
  CheckPointers(run, port);
  if (!AddMonteCarloTables(run.tables, run.master, RdlMeans(run.distributions), run.settings.dwloc))
    CannotRun(port, "The drinking-water food forms of this residue file draw from more than " +
                        std::to_string(kMaxWaterGroups) +
                        " different residue distributions; at most " +
                        std::to_string(kMaxWaterGroups) +
                        " can be used in one analysis. Can't continue with this residue file.");
}

WaterForms WaterFormsOf(const MasterLists& m) {
  WaterForms w;
  if (m.RacCount() >= kDirectWaterAllSources && m.RacFfCount[kDirectWaterAllSources] > 0)
    w.direct = m.RacFirstFf[kDirectWaterAllSources];
  if (m.RacCount() >= kIndirectWater && m.RacFfCount[kIndirectWater] > 0) {
    w.indirect_first = m.RacFirstFf[kIndirectWater];
    w.indirect_last = w.indirect_first + m.RacFfCount[kIndirectWater] - 1;
  }
  return w;
}

// The toxicity value of each population: its PAD when PADs are used and it has one, else
// the acute reference dose.
void SetUpDwloc(RunSetup& run, const DataSession& session, UserPort& port) {
  const AnalysisSettings& s = run.settings;
  for (const SelectedPopulation& p : run.selected) {
    float pad = 0;
    if (p.custom)
      pad = s.custom[p.custom_index].pad;
    else
      pad = s.PadOf(p.standard_number);
    run.dwloc_tox.push_back(s.pad_flag && pad > 0 ? pad : s.arfd);
  }
  if (!run.form.qa_listing) return;
  ConfirmQaListing(session.WorkFolder(), QaListingEstimate(run.passes, run.settings.iterations),
                   port);
  const std::filesystem::path listing = session.WorkFolder() / kQaListingFileName;
  const std::filesystem::path temp = run.work->TempFor(listing);
  if (!temp.empty()) run.qa = std::make_unique<QaListing>(temp);
  if (!run.qa || !run.qa->Ok()) CannotRun(port, "Can't write file " + listing.string() + ".");
}

}  // namespace

std::vector<float> RdlMeans(const DistributionTables& d) {
  std::vector<float> means;
  for (const RdlSampler& s : d.rdl) means.push_back(s.mean);
  return means;
}

bool MissingWater(const SurveyGroup& g, int kind) {
  if (kind == 0) return g.water_code[0] >= 998 || g.water_code[1] >= 998;
  if (kind == 1) return g.water_code[0] < 0;
  return g.water_code[0] < 0 || g.water_code[1] < 0;
}

AnalysisSettings ReadRunSettings(const EngineRequest& request, UserPort& port) {
  const DataSession& session = request.session;
  const std::filesystem::path pass_file = session.WorkFolder() / kPassFileName;
  CheckPassFileHeader(pass_file, port);
  const PassFileLayout layout{session.support.DatabaseKind,
                              session.support.StandardPopulationCount()};
  return ReadPassFile(pass_file, layout, port);
}

std::string CaptionOf(const AnalysisSettings& s) {
  return s.dwloc ? "DWLOC Analysis Progress Report" : "Acute Analysis Progress Report";
}

namespace {

// The scratch file the run reads: the one the run start staged for this run, or else the
// work folder's, which must be the one its run listed.
std::filesystem::path ScratchToRead(const AnalysisSettings& s, const WorkSetWriter& work,
                                    const std::filesystem::path& scratch, UserPort& port) {
  if (const auto staged = work.Staged(scratch); !staged.empty()) return staged;
  if (std::none_of(s.rdl_rows.begin(), s.rdl_rows.end(),
                   [](const RdlRow& row) { return row.type == DistributionType::Empirical; }))
    return scratch;  // no empirical distribution: the scratch file is not read
  const WorkSetState state = ReadWorkSetState(scratch.parent_path());
  if (!state.manifest && state.refusal.empty() && std::filesystem::exists(scratch))
    Tell(port, kWorkFilesTitle, NoListNotice(scratch.parent_path()), Icon::Information);
  const std::string fault = FileFault(state, scratch.filename().string(), scratch);
  if (!fault.empty()) CannotRunWith(port, kWorkFilesTitle, fault);
  return scratch;
}

// Everything after the settings are known: the data folder's files, the residue tables, the
// survey and the populations. `scratch` is the distribution scratch file of the run.
RunSetup SetUpFromSettings(const EngineRequest& request, AnalysisSettings settings,
                           const std::filesystem::path& scratch, WorkSetWriter& work,
                           UserPort& port) {
  const DataSession& session = request.session;
  RunSetup run;
  run.work = &work;
  run.form = request.form;
  run.settings = std::move(settings);
  run.caption = CaptionOf(run.settings);
  run.exact_percentiles = request.specs.exact;
  const std::string& caption = run.caption;
  RefuseCec(run.settings, port);
  const bool occasions = run.settings.eating_occasion;
  CheckAnalysisFiles(session.folder, session.support, occasions, port);
  run.setup = ReadSetupFile(session.folder, port);
  const ConsumptionFiles files = ChosenList(session.support, run.setup, occasions);
  CheckConsumptionFile(files, run.settings.consumption_check_index, port);
  run.master = ReadMasterLists(session.folder, session.support, port);
  if (!run.settings.IsBatch())
    ShowPhase(port, caption, "Residue file: " + NamePart(run.settings.residue_file));
  run.monte_carlo = run.settings.monte_carlo && !run.settings.rdl_rows.empty();
  if (run.monte_carlo)
    run.distributions = LoadDistributions(run.settings.rdl_rows, run.settings.max_rdl_index,
                                          ScratchToRead(run.settings, work, scratch, port), port);
  ResidueTables tables;
  ReadResidueForAnalysis(run.settings.residue_file, session.support, run.master, run.monte_carlo,
                         port, run.residue, tables);
  if (run.settings.IsBatch()) {
    // A batch entry's endpoints are those of its own residue file.
    run.settings.arfd = run.residue.ResARfD;
    run.settings.noel = run.residue.ResNoel;
  }
  run.tables = BuildRunTables(std::move(tables), run.master, run.settings.dwloc,
                              run.settings.second_adjustment);
  if (run.monte_carlo) SetUpMonteCarlo(run, port);
  if (!run.monte_carlo) {
    run.settings.monte_carlo = false;
    run.settings.iterations = 1;
  }
  run.cec = run.settings.cec_flag && !run.settings.dwloc;
  run.cec_preliminary_iterations = PreliminaryIterations(run.monte_carlo, run.settings.iterations);
  run.consumption = ReadConsumptionData(
      files, {session.support.DatabaseKind, occasions, run.master.FoodFormCount()}, port);
  const bool dwloc = run.settings.dwloc;
  if (dwloc) run.water = WaterFormsOf(run.master);
  try {
    run.passes = CollectRelevantEntries(run.consumption, run.tables.factor,
                                        run.form.two_day_average, dwloc ? &run.water : nullptr);
  } catch (const NegativeWaterError& e) {
    const std::string text = "The food consumption data are damaged: person " +
                             std::to_string(e.person) + " (member " + std::to_string(e.member) +
                             ") has " + e.what() + ". The analysis cannot continue.";
    Tell(port, "Damaged food consumption file", text, Icon::Critical);
    throw RunEnds(text);
  }
  DecideMembership(run, session.support, port);
  if (dwloc) SetUpDwloc(run, session, port);
  return run;
}

// The report and plot names of a batch entry: its output base with the extensions.
void NameEntryOutputs(AnalysisSettings& s, const BatchEntry& e) {
  const std::string base = WithWorkingFolder(e.output_base, s.working_folder);
  const bool dwloc = s.dwloc;
  s.save_report = true;
  s.report_file = base + (dwloc ? ".DWL" : ".AC10");
  s.plot_file = s.save_plot ? base + (dwloc ? ".DWP" : ".PLT") : "";
}

}  // namespace

RunSetup SetUpRun(const EngineRequest& request, WorkSetWriter& work, UserPort& port) {
  return SetUpRun(request, ReadRunSettings(request, port), work, port);
}

RunSetup SetUpRun(const EngineRequest& request, AnalysisSettings settings, WorkSetWriter& work,
                  UserPort& port) {
  ShowPhase(port, CaptionOf(settings), "Setting up analysis");
  const auto scratch = request.session.WorkFolder() / kRdfScratchFileName;
  return SetUpFromSettings(request, std::move(settings), scratch, work, port);
}

RunSetup SetUpBatchEntry(const EngineRequest& request, const AnalysisSettings& batch, std::size_t i,
                         WorkSetWriter& work, UserPort& port) {
  const BatchEntry& e = batch.batch[i];
  ShowPhase(port, CaptionOf(batch),
            "Batch run: Residue File" + Str(static_cast<std::int64_t>(i + 1)) + " of" +
                Str(static_cast<std::int64_t>(batch.batch.size())) + "  " +
                NamePart(e.residue_file));
  AnalysisSettings s = batch;
  s.batch.clear();
  s.residue_file = e.residue_file;
  s.rdl_rows = e.rows;
  s.max_rdl_index = e.max_rdl_index;
  NameEntryOutputs(s, e);
  const auto scratch = Resolve(request.session.WorkFolder(), e.rdf_work_file);
  return SetUpFromSettings(request, std::move(s), scratch, work, port);
}

PassSetup PassSetupOf(const RunSetup& run, MonteCarloSetup& mc) {
  PassSetup pass;
  pass.data = &run.consumption;
  pass.passes = &run.passes;
  pass.membership = &run.membership;
  pass.factor = &run.tables.factor;
  pass.iterations = run.settings.iterations;
  const bool dwloc = run.settings.dwloc;
  pass.per_kg = run.settings.per_kg || dwloc;
  pass.two_day_average = run.form.two_day_average;
  pass.reversal = run.settings.eating_occasion && run.form.reversal;
  pass.half_life = run.form.half_life_hours;
  pass.caption = run.caption;
  pass.threads = run.form.threads;
  if (run.monte_carlo) {
    mc = {&run.tables,       &run.distributions,     run.form.mersenne_twister,
          run.settings.seed, run.form.hold_residues, run.round_draws};
    pass.monte_carlo = &mc;
  }
  if (dwloc) {
    pass.dwloc_tox = &run.dwloc_tox;
    pass.water = &run.water;
  }
  pass.residue = &run.tables.res.FfRes;
  return pass;
}

namespace {

[[noreturn]] void StopCec(UserPort& port, const std::string& title, const std::string& text) {
  Tell(port, title, text, Icon::Information);
  throw RunEnds(text);
}

}  // namespace

void RunCecPreliminaryPass(RunSetup& run, PassSetup& pass, UserPort& port) {
  const CecSettings& cec = run.settings.cec;
  const int n = run.settings.iterations;
  const int m_prime = run.cec_preliminary_iterations;
  CecCapture& capture = run.cec_capture;
  capture = CecCapture{};
  capture.count_amounts = !cec.OnPercentiles();
  capture.amount_window = {cec.low, cec.high, cec.high != 0};
  pass.preliminary_iterations = m_prime;
  pass.cec = &capture;
  RunSurveyPass(PassKind::CecPreliminary, pass, run.accumulators, port);
  pass.cec = nullptr;
  std::vector<UsersDistribution> users;
  std::vector<double> tallies;
  for (const PopulationAccumulators& a : run.accumulators) {
    users.push_back(UsersDistributionOf(a));
    tallies.push_back(a.tot_n);
  }
  run.cec_preliminary = PopulationWindows(cec, users, true);
  if (!cec.OnPercentiles() && ExpectedRecords(capture.Count(), n, m_prime) > kMaxExpectedRecords)
    StopCec(port, "Too many CEC records",
            "Based on the preliminary exposure analysis used to calibrate this CEC analysis, it "
            "is estimated that the low and high exposure amounts that you specified will "
            "generate over 50,000 records. You must specify low and high exposure amounts with "
            "a narrower band in order to reduce the number of cec records to less than 50,000.");
  const int k = run.monte_carlo ? IterationCap(cec, tallies, m_prime) : 1;
  if (k < n && !cec.suppress_warning) {
    const std::string text = "CEC records will be generated only for the first" +
                             Str(static_cast<std::int32_t>(k)) + " iterations in the MCA";
    const Message question{"CEC file generator", text, Icon::Information, Buttons::OkCancel};
    if (port.Show(question) != Answer::Ok) throw RunEnds(text);
  }
  capture = CecCapture{};
  capture.windows = run.cec_preliminary;
  capture.record_iterations = std::min(k, n);
  capture.draw_records = run.form.cumulative_cec;
}

void RunAnalysisPasses(RunSetup& run, UserPort& port) {
  const bool dwloc = run.settings.dwloc;
  MonteCarloSetup mc;
  PassSetup pass = PassSetupOf(run, mc);
  RunSurveyPass(PassKind::Calibration, pass, run.accumulators, port);
  for (std::size_t p = 0; p < run.accumulators.size(); ++p) {
    PopulationAccumulators& a = run.accumulators[p];
    a.m = CalibrationMean(a.sum_wx, a.sum_w);
    if (dwloc)
      LayOutDwlocBins(a, run.dwloc_tox[p] * a.max_bw / 0.03f);
    else
      LayOutAcuteBins(a);
  }
  if (run.cec) {
    RunCecPreliminaryPass(run, pass, port);
    for (PopulationAccumulators& a : run.accumulators) LayOutAcuteBins(a);
    pass.cec = &run.cec_capture;
  }
  std::optional<ExactGather> exact;
  if (run.exact_percentiles) {
    exact = PlanExactGather(run, pass, port);
    pass.exact = &*exact;
  }
  pass.qa = run.qa.get();
  pass.main_pass_timer = &run.main_pass_timer;
  RunSurveyPass(PassKind::Main, pass, run.accumulators, port);
  pass.exact = nullptr;
  if (exact) run.exact = FinishExactPercentiles(run, pass, *exact, port);
}

}  // namespace acute
