#include "run/analysis_driver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string_view>

#include "cec/cec_record_file.h"
#include "cec/cec_report.h"
#include "cec/cec_work_files.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/print_writer.h"
#include "common/sha256.h"
#include "common/version.h"
#include "engine/bins.h"
#include "engine/pass_file.h"
#include "engine/pass_threads.h"
#include "engine/populations.h"
#include "engine/survey_pass.h"
#include "reports/acute_report.h"
#include "reports/plot_file.h"
#include "run/bootstrap_rounds.h"
#include "run/cec_repeat.h"
#include "run/results_bootstrap.h"
#include "run/results_file.h"
#include "run/run_record.h"
#include "run/run_setup.h"
#include "run/work_room.h"

namespace acute {
namespace {

constexpr const char* kCompletionTitle = "Tarn-VELD Acute Module";

}  // namespace

void StampDateTime(std::string& date, std::string& time) {
  if (!date.empty() && !time.empty()) return;
  std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%m/%d/%Y", &local);
  if (date.empty()) date = buf;
  std::strftime(buf, sizeof buf, "%H:%M:%S", &local);
  if (time.empty()) time = buf;
}

namespace {

ReportContext MakeContext(const EngineRequest& request, const RunSetup& run) {
  ReportContext ctx;
  const SupportData& support = request.session.support;
  ctx.program_version = kProgramVersion;
  ctx.food_list_version = support.RacFfVersion;
  ctx.database_title = support.DatabaseTitle;
  ctx.database_kind = support.DatabaseKind;
  ctx.region_names = RegionNames(support.DatabaseKind);
  ctx.chemical_name = run.residue.ChemicalName;
  ctx.residue_file_path = run.residue.ResFileName;
  ctx.residue_file_date = run.residue.ResFileDate;
  ctx.residue_file_comment = run.residue.ResComment;
  ctx.water_in_residue_file = run.tables.water_in_residue_file;
  ctx.settings = run.settings;
  ctx.form = request.form;
  ctx.toxicity_code = ToxicityCode(run.settings.noel, run.settings.arfd, run.settings.pad_flag,
                                   run.settings.per_kg, run.settings.dwloc);
  ctx.specs = request.specs;
  ctx.page_length = static_cast<std::int16_t>(run.setup.PageLength);
  ctx.page_number_switch = run.setup.SetupValue.size() > 3 ? run.setup.SetupValue[3] : "";
  ctx.orientation = run.setup.OrientationLetter;
  ctx.analysis_date = request.analysis_date;
  ctx.analysis_time = request.analysis_time;
  StampDateTime(ctx.analysis_date, ctx.analysis_time);
  std::vector<std::string> names(support.PopulationNames.begin() + 1,
                                 support.PopulationNames.end());
  ctx.populations = BuildPopulationList(names, run.settings);
  return ctx;
}

[[noreturn]] void CannotWrite(const std::filesystem::path& path, UserPort& port) {
  const std::string message = "Can't write file " + path.string() + ". The analysis ends.";
  Tell(port, kCompletionTitle, message, Icon::Critical);
  throw RunEnds(message);
}

// Stages a work file in the run's set, or a named copy among the run's copies; a failure ends
// the run naming the file and leaves the previous set whole.
template <typename Set>
void StageFile(Set& set, const std::filesystem::path& path, const std::string& text,
               UserPort& port) {
  if (!set.Stage(path, text)) CannotWrite(path, port);
}

// The run's work files as one set, then the copies under the names the run was given.
void CommitRun(RunSetup& run, UserPort& port) {
  if (const auto failed = run.work->Commit()) CannotWrite(*failed, port);
  if (const auto failed = run.copies.Commit()) CannotWrite(*failed, port);
}

// The seed a run actually used: with seed 0, the timer value of its main pass.
void NoteTimerSeed(const RunSetup& run, WorkSetWriter& work, EngineOutcome& out) {
  if (!run.monte_carlo || run.settings.seed != 0) return;
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", run.main_pass_timer);
  work.Run().Set("timer", std::string(text));
  TimerSeed t;
  t.timer = run.main_pass_timer;
  t.seed = static_cast<std::int32_t>(std::llround(run.main_pass_timer));
  t.repeatable = run.form.mersenne_twister && !run.cec && t.seed >= 1 && t.seed <= 32000;
  out.timer_seed = t;
}

// Ends the run when the work folder has no room for the files it is about to write.
void CheckRoomForRun(const EngineRequest& request, const RunSetup& run, UserPort& port) {
  std::vector<std::string> names;
  if (run.settings.dwloc)
    names = {kDwlocReportFileName, kDwlocPlotFileName};
  else
    names = {kAcuteReportFileName, kAcutePlotFileName};
  names.push_back(kResultsFileName);
  if (run.cec)
    names.insert(names.end(),
                 {kCecRecordFileName, kCecSectionsFileName, kCecExposFileName, kCecRankedFileName,
                  kCecReportFileName, kCecRankedCumulativeFileName, kCumulativeFileName});
  CheckWorkRoom(request.WorkFolder(), names, 0, port);
}

// The set the run stages its work files in: the run start's, or one of its own.
WorkSetWriter& WriterFor(const EngineRequest& request, std::unique_ptr<WorkSetWriter>& own) {
  if (request.staging != nullptr) return *request.staging;
  own = std::make_unique<WorkSetWriter>(request.WorkFolder(), WorkRun{});
  return *own;
}

std::string CompletionMessage(const AnalysisSettings& s) {
  const bool dwloc = s.dwloc;
  std::string text = dwloc
                         ? "Analysis Completed. Click on 'Last DWLOC Rt' to display analysis.\r\n"
                         : "Analysis Completed. Click on 'Last Acute Rpt' to display analysis.\r\n";
  if (s.save_report && !s.report_file.empty())
    text +=
        (dwloc ? "DWLOC Report saved as file " : "Report saved as file ") + s.report_file + "\r\n";
  if (s.cec_flag && !dwloc) text += "CEC file saved as file " + s.cec.file_name + "\r\n";
  if (s.save_plot && !s.plot_file.empty())
    text +=
        (dwloc ? "DWLOC Plot file saved as " : "Acute Plot file saved as ") + s.plot_file + "\r\n";
  return text;
}

CecRecordSource RecordSourceOf(const RunSetup& run) {
  CecRecordSource src;
  src.data = &run.consumption;
  src.passes = &run.passes;
  src.membership = &run.membership;
  src.master = &run.master;
  src.res = &run.tables.res;
  return src;
}

FoodFormLabels ReadFoodFormLabels(const DataSession& session) {
  const auto& files = session.support.SupportFile;
  if (files.size() < 2) return {};
  const auto path = FindFile(Resolve(session.folder, files[1]));
  if (!path) return {};
  try {
    return ParseFoodFormLabels(ReadWholeFile(*path)).value_or(FoodFormLabels{});
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

CecReportRequest CecReportRequestFor(const EngineRequest& request, const CecSettings& cec,
                                     const MasterLists* master, const ResidueData* residue) {
  CecReportRequest q;
  const DataSession& session = request.session;
  q.folder = request.WorkFolder();
  q.cec = cec;
  q.two_day = request.form.two_day_average;
  q.database_kind = session.support.DatabaseKind;
  if (master != nullptr) {
    q.names.code = master->RacCode;
    q.names.name = master->RacName;
  }
  if (residue != nullptr) q.names.food_name = residue->RacFoodName;
  q.labels = ReadFoodFormLabels(session);
  q.threshold = request.specs.min_percent;
  const auto& files = session.support.SupportFile;
  if (files.size() > 7 && !files[7].empty())
    q.household_file =
        FindFile(Resolve(session.folder, files[7])).value_or(Resolve(session.folder, files[7]));
  return q;
}

namespace {

void MakeCecReport(const EngineRequest& request, RunSetup& run, const ReportContext& ctx,
                   CecRecordFile record_file, std::optional<CumulativeResidues> cumulative,
                   ResultsWriter& results, UserPort& port) {
  CecReportRequest q = CecReportRequestFor(request, run.settings.cec, &run.master, &run.residue);
  q.cumulative = std::move(cumulative);
  q.progress_caption = run.caption;
  q.threads = ThreadsFor(request.form.threads, 2);
  CecExpos expos;
  expos.counts[0] = static_cast<std::int16_t>(run.selected.size() - run.settings.custom.size());
  expos.counts[1] = static_cast<std::int16_t>(run.settings.custom.size());
  expos.counts[2] = run.settings.consumption_check_index;
  expos.counts[3] = static_cast<std::int16_t>(run.master.RacCount());
  expos.counts[4] = static_cast<std::int16_t>(run.master.FoodFormCount());
  expos.cumulative = request.form.cumulative_cec ? 1 : 0;
  for (const PopulationAccumulators& a : run.accumulators)
    expos.users.push_back(UsersDistributionOf(a));
  std::vector<std::string> names;
  for (const ReportPopulation& p : ctx.populations) names.push_back(p.report_name);
  q.stage = run.work;
  q.copies = &run.copies;
  q.on_ranked = [&](const std::vector<RankedSection>& ranked) { results.Cec(q, ranked); };
  const CecReportInputs inputs =
      CecInputsOfRun(q, std::move(record_file), run.cec_preliminary, names, std::move(expos), port);
  WriteCecReport(q, port, &inputs);
}

// The report step of a run: the last report and plot file in the work folder and their
// copies under the names the run was given, staged; with the uncertainty analysis's section
// (`bootstrap`, null without rounds) after the summary.
void StageRunReports(RunSetup& run, const ReportContext& ctx, const BootstrapSection* bootstrap,
                     EngineOutcome& out, UserPort& port) {
  const std::filesystem::path folder = run.work->Folder();
  run.qa.reset();  // the QA listing is complete
  ShowPhase(port, run.caption, "Compiling all reports");
  const AnalysisReport report = BuildReport(ctx, run.accumulators, run.exact, bootstrap);
  const bool dwloc = run.settings.dwloc;
  out.last_report = folder / (dwloc ? kDwlocReportFileName : kAcuteReportFileName);
  out.last_plot = folder / (dwloc ? kDwlocPlotFileName : kAcutePlotFileName);
  const std::string plot = PlotFileText(ctx, report.results);
  StageFile(*run.work, out.last_report, report.text, port);
  StageFile(*run.work, out.last_plot, plot, port);
  const AnalysisSettings& s = run.settings;
  if (s.save_report && !s.report_file.empty()) {
    StageFile(run.copies, s.report_file, report.text, port);
    out.saved_files.push_back(s.report_file);
  }
  if (s.save_plot && !s.plot_file.empty()) {
    StageFile(run.copies, s.plot_file, plot, port);
    out.saved_files.push_back(s.plot_file);
  }
  out.reports.push_back(ReportFigures{ctx, std::move(report.results)});
}

// The CEC step of a run: the record file (and the per-chemical residues of a cumulative
// request), then the CEC report and its copy, staged with the run's other files.
void StageCecFiles(const EngineRequest& request, RunSetup& run, const ReportContext& ctx,
                   ResultsWriter& results, EngineOutcome& out, UserPort& port) {
  const std::filesystem::path folder = request.WorkFolder();
  std::optional<CumulativeResidues> cumulative;
  CecRecordSource source = RecordSourceOf(run);
  if (request.form.cumulative_cec) {
    cumulative = LoadCumulativeResidues(run.residue, port);
    if (!cumulative) throw RunEnds("the per-chemical residues cannot be read");
    StageFile(*run.work, folder / kCumulativeFileName, CumulativeFileBytes(*cumulative), port);
    source.chemical_count = [&c = *cumulative](std::int32_t r) { return c.ChemicalCount(r); };
  }
  CecRecordFileMade records;
  try {
    records = MakeCecRecordFile(ctx, run.cec_capture.record_iterations, request.form.cumulative_cec,
                                run.cec_capture.shares, source, request.form.threads);
  } catch (const CecFileError& e) {  // a record that does not read back as it was written
    Tell(port, "Tarn-VELD Acute Module", e.what(), Icon::Critical);
    throw RunEnds(e.what());
  }
  if (!run.work->Stage(folder / kCecRecordFileName, records.text))
    CannotWrite(folder / kCecRecordFileName, port);
  records.text = {};
  MakeCecReport(request, run, ctx, std::move(records.file), std::move(cumulative), results, port);
  out.saved_files.push_back(run.settings.cec.file_name);
}

ResultsSources SourcesOf(const RunSetup& run, const ReportContext& ctx) {
  ResultsSources sources;
  sources.residue_sha256 = Sha256OfFile(ctx.residue_file_path);
  if (run.monte_carlo && run.settings.seed == 0) sources.timer = run.main_pass_timer;
  return sources;
}

ResultsProvenance ProvenanceOf(const EngineRequest& request, RunSetup& run,
                               const ReportContext& ctx) {
  return {run.work->Run().id, ctx.analysis_date, ctx.analysis_time, request.WorkFolder(),
          request.form.threads};
}

// The name the results file is copied to, or empty.
std::string ResultsCopyName(const EngineRequest& request, const AnalysisSettings& s) {
  return WithWorkingFolder(request.results_copy, s.working_folder);
}

// The copy of the results file written at `temp`, among the run's copies.
void StageResultsCopy(const EngineRequest& request, RunSetup& run,
                      const std::filesystem::path& temp, EngineOutcome& out, UserPort& port) {
  const std::string name = ResultsCopyName(request, run.settings);
  if (name.empty()) return;
  const std::filesystem::path copy = run.copies.TempFor(name);
  std::error_code ec;
  if (copy.empty() || !std::filesystem::copy_file(
                          temp, copy, std::filesystem::copy_options::overwrite_existing, ec))
    CannotWrite(name, port);
  out.saved_files.push_back(name);
}

// The results file of a single run, with the bootstrap part of a run with rounds (out.bootstrap
// its section) and the CEC part of a CEC run, staged with the run's other work files.
void StageRunResults(const EngineRequest& request, RunSetup& run, const ReportContext& ctx,
                     const BootstrapOutcome* bootstrap, EngineOutcome& out, UserPort& port) {
  const std::filesystem::path member = request.WorkFolder() / kResultsFileName;
  ResultsWriter results(run.work->TempFor(member));
  std::string members = AnalysisMembers(out.reports.back(), SourcesOf(run, ctx));
  if (bootstrap != nullptr) members += ",\n" + BootstrapMember(*bootstrap, *out.bootstrap);
  results.Begin(members);
  if (!results.Ok()) CannotWrite(member, port);
  if (run.cec) StageCecFiles(request, run, ctx, results, out, port);
  if (!results.End(ProvenanceOf(request, run, ctx))) CannotWrite(member, port);
  StageResultsCopy(request, run, results.Path(), out, port);
}

// The bootstrap rounds after the main run, with its figures; a seed of 0 takes the timer.
BootstrapOutcome RunBootstrap(const RunSetup& run, const ReportContext& ctx, UserPort& port) {
  BootstrapSettings settings = run.form.bootstrap;
  settings.seed = BootstrapSeed(settings);
  const std::vector<PopulationResult> main = ComputeResults(ctx, run.accumulators, run.exact);
  BootstrapOutcome outcome = RunBootstrapRounds(run, ctx, &main, settings, port);
  outcome.seed_from_timer = run.form.bootstrap.seed == 0;
  return outcome;
}

// A run of some of the bootstrap's rounds (round 0 the main run): their figures in the partial
// results file it was given, and nothing else.
EngineOutcome RunPartialBootstrap(const EngineRequest& request, RunSetup& run, UserPort& port) {
  const BootstrapSettings& settings = run.form.bootstrap;
  const ReportContext ctx = MakeContext(request, run);
  std::optional<ReportFigures> main;
  if (settings.HasMainRun()) {
    RunAnalysisPasses(run, port);
    main = ReportFigures{ctx, ComputeResults(ctx, run.accumulators, run.exact)};
  }
  const BootstrapOutcome outcome =
      RunBootstrapRounds(run, ctx, main ? &main->results : nullptr, settings, port);
  const std::string name = ResultsCopyName(request, run.settings);
  if (name.empty()) {
    const std::string text = "A partial bootstrap run needs a name for its results file.";
    Tell(port, kCompletionTitle, text, Icon::Critical);
    throw RunEnds(text);
  }
  StageFile(run.copies, name,
            PartialResultsText(ctx, SourcesOf(run, ctx), main ? &*main : nullptr, outcome,
                               ProvenanceOf(request, run, ctx)),
            port);
  if (const auto failed = run.copies.Commit()) CannotWrite(*failed, port);
  EngineOutcome out;
  out.completed = true;
  out.saved_files.push_back(name);
  out.completion_message = "Bootstrap rounds " + std::to_string(settings.first_round) + " to " +
                           std::to_string(settings.last_round) + " saved as file " + name + "\r\n";
  Tell(port, kCompletionTitle, out.completion_message, Icon::Information);
  return out;
}

EngineOutcome RunSingle(const EngineRequest& request, AnalysisSettings settings, UserPort& port) {
  std::unique_ptr<WorkSetWriter> own;
  WorkSetWriter& work = WriterFor(request, own);
  RunSetup run = SetUpRun(request, std::move(settings), work, port);
  DescribeRun(work.Run(), run.settings.dwloc ? "dwloc" : "acute", run.form, run.settings,
              run.residue);
  CheckRoomForRun(request, run, port);
  const BootstrapSettings& bootstrap = run.form.bootstrap;
  if (bootstrap.Partial()) return RunPartialBootstrap(request, run, port);
  RunAnalysisPasses(run, port);
  EngineOutcome out;
  NoteTimerSeed(run, work, out);
  const ReportContext ctx = MakeContext(request, run);
  std::optional<BootstrapOutcome> rounds;
  if (bootstrap.On()) rounds = RunBootstrap(run, ctx, port);
  if (rounds && rounds->seed_from_timer) out.bootstrap_seed = rounds->settings.seed;
  if (rounds) out.bootstrap = SectionOf(*rounds, LayoutOf(ctx));
  StageRunReports(run, ctx, out.bootstrap ? &*out.bootstrap : nullptr, out, port);
  StageRunResults(request, run, ctx, rounds ? &*rounds : nullptr, out, port);
  CommitRun(run, port);
  ShowPhase(port, run.caption, "Run completed");
  out.completed = true;
  out.completion_message = CompletionMessage(run.settings);
  Tell(port, kCompletionTitle, out.completion_message, Icon::Information);
  return out;
}

// A batch entry's results: NAME.json beside its report, and the batch's results file in the
// work folder listing the entries done so far (with its copy under the name the run was given).
void StageEntryResults(const EngineRequest& request, const AnalysisSettings& batch, RunSetup& run,
                       const ReportContext& ctx, std::vector<std::string>& entries,
                       EngineOutcome& out, UserPort& port) {
  entries.push_back(AnalysisMembers(out.reports.back(), SourcesOf(run, ctx)));
  const ResultsProvenance provenance = ProvenanceOf(request, run, ctx);
  const std::string& report = run.settings.report_file;
  const std::string own = report.substr(0, report.rfind('.')) + ".json";
  StageFile(run.copies, own,
            "{\n" + entries.back() + ",\n  \"cec\": null" + ProvenanceTail(provenance), port);
  out.saved_files.push_back(own);
  const std::string list = BatchResultsText(
      WithWorkingFolder(batch.residue_file, batch.working_folder), entries, provenance);
  StageFile(*run.work, request.WorkFolder() / kResultsFileName, list, port);
  const std::string copy = ResultsCopyName(request, batch);
  if (copy.empty()) return;
  StageFile(run.copies, copy, list, port);
  if (std::find(out.saved_files.begin(), out.saved_files.end(), copy) == out.saved_files.end())
    out.saved_files.push_back(copy);
}

// One run per entry, each with its own residue file, distributions and reports.
EngineOutcome RunBatch(const EngineRequest& request, const AnalysisSettings& batch,
                       UserPort& port) {
  const std::string caption = CaptionOf(batch);
  ShowPhase(port, caption, "Setting up analysis");
  if (batch.cec_flag) {
    Tell(port, kCompletionTitle, kNoCecInBatchRuns, Icon::Information);
    return EngineOutcome{};
  }
  EngineOutcome out;
  out.batch = true;
  std::vector<std::string> entries;  // each entry's members in the batch's results file
  for (std::size_t i = 0; i < batch.batch.size(); ++i) {
    // Each entry commits on its own; the first also commits what the run start staged.
    std::unique_ptr<WorkSetWriter> own;
    WorkSetWriter& work =
        i == 0 ? WriterFor(request, own)
               : *(own = std::make_unique<WorkSetWriter>(request.WorkFolder(), WorkRun{}));
    RunSetup run = SetUpBatchEntry(request, batch, i, work, port);
    DescribeRun(work.Run(), "batch-entry", run.form, run.settings, run.residue);
    CheckRoomForRun(request, run, port);
    RunAnalysisPasses(run, port);
    NoteTimerSeed(run, work, out);
    const ReportContext ctx = MakeContext(request, run);
    StageRunReports(run, ctx, nullptr, out, port);
    StageEntryResults(request, batch, run, ctx, entries, out, port);
    CommitRun(run, port);
  }
  ShowPhase(port, caption, "Run completed");
  out.completed = true;
  out.completion_message =
      "Batch analysis completed. All reports have been saved to the output file names "
      "designated in the current batch file, in the same directory or folder as the batch file.";
  Tell(port, kCompletionTitle, out.completion_message, Icon::Information);
  return out;
}

}  // namespace

EngineOutcome RunEngine(const EngineRequest& request, UserPort& port) {
  try {
    if (request.repeat_cec) return RunCecRepeat(request, port);
    return RunEngine(request, ReadRunSettings(request, port), port);
  } catch (const RunEnds&) {
    return EngineOutcome{};
  }
}

EngineOutcome RunEngine(const EngineRequest& request, AnalysisSettings settings, UserPort& port) {
  try {
    if (settings.IsBatch()) return RunBatch(request, settings, port);
    return RunSingle(request, std::move(settings), port);
  } catch (const RunEnds&) {
    return EngineOutcome{};
  }
}

}  // namespace acute
