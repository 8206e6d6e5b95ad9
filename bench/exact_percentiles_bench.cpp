// Cost of the exact percentiles: the same Monte Carlo acute analysis of the full-size sample
// survey (28,358 persons, SAMPLEMC.R10, populations 1, 2, 7 and 14, seed 1, Mersenne
// Twister) with and without them. Times the engine's passes and the report step (after the
// survey and the distributions are read) and prints
//   exact percentiles / plain run: X.XX
//
//   build/release/bench/exact_percentiles_bench [ITERATIONS] [both|plain|exact]
//
// ITERATIONS defaults to 500. With "plain" or "exact" only that run is made and the process's
// peak memory is printed (the maximum resident set size, as /usr/bin/time -v gives it), e.g.
// at 5,000 iterations:
//   /usr/bin/time -v build/release/bench/exact_percentiles_bench 5000 exact 2>&1 |
//       grep -E "Maximum resident|Elapsed"
//   /usr/bin/time -v build/release/bench/exact_percentiles_bench 5000 plain 2>&1 |
//       grep -E "Maximum resident|Elapsed"
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/pass_file.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/rdf/rdf_tables.h"
#include "reports/acute_report.h"
#include "reports/report_context.h"
#include "run/run_setup.h"
#include "sample_data/sample_data.h"
#include "sample_form.h"
#include "support/scripted_port.h"

using namespace acute;

namespace {

constexpr int kPopulations[] = {1, 2, 7, 14};

// Writes the pass file of the run and returns its set-up, survey and distributions read.
RunSetup Prepare(const DataSession& session, int iterations, bool exact) {
  ScriptedPort port;
  MainForm form = bench::SampleMonteCarloForm(session, iterations);
  form.standard.assign(session.support.StandardPopulationCount(), false);
  for (int p : kPopulations) form.standard[static_cast<std::size_t>(p - 1)] = true;
  bench::WriteRunStartFiles(session, form, session.folder / kRdfScratchFileName);
  ReportSpecs specs = DefaultReportSpecs();
  specs.exact = exact;
  EngineRequest request{session, FormSettingsFromForm(form), specs, "12/06/2026", "10:00:00"};
  // The set the run would stage its files in; a bench run writes none, but the set outlives it.
  static std::vector<std::unique_ptr<WorkSetWriter>> sets;
  sets.push_back(std::make_unique<WorkSetWriter>(session.folder, WorkRun{}));
  return SetUpRun(request, *sets.back(), port);
}

// Wall seconds of the passes and the report step of one run.
double TimeRun(const DataSession& session, int iterations, bool exact) {
  RunSetup run = Prepare(session, iterations, exact);
  ScriptedPort port;
  const auto start = std::chrono::steady_clock::now();
  RunAnalysisPasses(run, port);
  ReportContext ctx = bench::BenchContext(session, run);
  ctx.specs.exact = exact;
  const AnalysisReport report = BuildReport(ctx, run.accumulators, run.exact);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  bool repeated = false;
  for (const PortEvent& e : port.events)
    repeated = repeated || e.text.find("Computing exact percentiles") != std::string::npos;
  std::printf("%s run: %.2f s (report %zu bytes)%s\n", exact ? "exact" : "plain", seconds,
              report.text.size(), repeated ? ", with a repeat pass" : "");
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::atoi(argv[1]) : 500;
  const std::string mode = argc > 2 ? argv[2] : "both";
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "acute-exact-bench";
  std::filesystem::remove_all(folder);
  sample::WriteSampleData(folder, sample::SampleOptions{});
  ScriptedPort port;
  const DataSession session = OpenDataSession(folder, port);
  std::printf("%d iterations, populations 1, 2, 7 and 14\n", iterations);
  if (mode == "plain" || mode == "exact") {
    TimeRun(session, iterations, mode == "exact");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);  // the figure /usr/bin/time -v reports
    std::printf("peak memory (maximum resident set size): %ld kB\n", usage.ru_maxrss);
    return 0;
  }
  const double plain = TimeRun(session, iterations, false);
  const double exact = TimeRun(session, iterations, true);
  std::printf("exact percentiles / plain run: %.2f\n", exact / plain);
  return 0;
}
