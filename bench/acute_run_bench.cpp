// Whole-run timing of a deterministic acute analysis of the full-size sample survey:
// 28,358 persons, populations 1 to 5, the plain sample residue file. The survey is read once
// in the fixture; the benchmark times the engine work after that (calibration pass, bin
// layout, main pass and the report step).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "engine/pass_file.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "reports/acute_report.h"
#include "reports/report_context.h"
#include "run/run_setup.h"
#include "sample_data/sample_data.h"
#include "sample_form.h"
#include "support/scripted_port.h"

namespace {

using namespace acute;

struct Prepared {
  std::filesystem::path folder;
  DataSession session;
  std::unique_ptr<WorkSetWriter> work;
  RunSetup run;
};

Prepared& Prepare() {
  static Prepared* p = [] {
    auto* prepared = new Prepared;
    prepared->folder = std::filesystem::temp_directory_path() / "acute-bench-sample";
    std::filesystem::remove_all(prepared->folder);
    sample::WriteSampleData(prepared->folder, sample::SampleOptions{});
    ScriptedPort port;
    prepared->session = OpenDataSession(prepared->folder, port);
    MainForm form;
    form.residue = ReadResidueFile(prepared->session.setup.ResFolder + "SAMPLE.R10",
                                   prepared->session.support, port);
    form.TakeEndpointsFromResidueFile();
    form.standard.assign(prepared->session.support.StandardPopulationCount(), false);
    for (int p = 0; p < 5; ++p) form.standard[p] = true;
    WritePassFile(prepared->session.folder / kPassFileName,
                  SettingsFromForm(form, prepared->session),
                  {prepared->session.support.DatabaseKind,
                   prepared->session.support.StandardPopulationCount()});
    EngineRequest request{prepared->session, FormSettingsFromForm(form), DefaultReportSpecs(),
                          "12/06/2026", "10:00:00"};
    prepared->work = std::make_unique<WorkSetWriter>(prepared->folder, WorkRun{});
    prepared->run = SetUpRun(request, *prepared->work, port);
    return prepared;
  }();
  return *p;
}

void BM_DeterministicEngine(benchmark::State& state) {
  Prepared& p = Prepare();
  ScriptedPort port;
  std::size_t person_days = 0;
  for (auto _ : state) {
    port.events.clear();
    RunAnalysisPasses(p.run, port);
    const ReportContext ctx = bench::BenchContext(p.session, p.run);
    AcuteReport report = BuildAcuteReport(ctx, p.run.accumulators);
    benchmark::DoNotOptimize(report.text.data());
    person_days += p.run.consumption.groups.size() * 2;
  }
  state.counters["person_days_per_s"] =
      benchmark::Counter(static_cast<double>(person_days), benchmark::Counter::kIsRate);
  state.counters["persons"] = static_cast<double>(p.run.consumption.PersonRecords());
}
BENCHMARK(BM_DeterministicEngine)->Unit(benchmark::kMillisecond);

void BM_ReadSurvey(benchmark::State& state) {
  Prepared& p = Prepare();
  ScriptedPort port;
  ConsumptionFiles files;
  files.folder = p.session.setup.ConsumptionFolder();
  files.names = p.session.support.ConsumptionListA;
  files.first = p.session.support.ConsumptionListFirst;
  files.last = p.session.support.ConsumptionListLast;
  for (auto _ : state) {
    ConsumptionData data =
        ReadConsumptionData(files, {2, false, p.run.master.FoodFormCount()}, port);
    benchmark::DoNotOptimize(data.entries.data());
  }
}
BENCHMARK(BM_ReadSurvey)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
