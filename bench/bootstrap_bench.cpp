// Cost of a bootstrap round against a plain run of the same iterations: the Monte Carlo acute
// analysis of the full-size sample survey (28,358 persons, SAMPLEMC.R10, populations 1 to 5,
// seed 1, Mersenne Twister). A plain run is the engine's passes and the figures of every
// population; a round adds its resampling of the survey and of the residue samples and its
// copy of the run's tables. Prints
//   bootstrap round / plain run: X.XX
//
//   build/release/bench/bootstrap_bench [ITERATIONS] [ROUNDS] [THREADS] [SOURCES]
//
// ITERATIONS defaults to 500, ROUNDS (timed one after the other, the mean taken) to 3,
// THREADS to 0 (every core), SOURCES (what a round resamples: survey, residues, both or none)
// to both.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "reports/report_context.h"
#include "run/bootstrap_rounds.h"
#include "run/run_setup.h"
#include "sample_data/sample_data.h"
#include "sample_form.h"

using namespace acute;

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

RunSetup Prepare(const DataSession& session, int iterations, int threads) {
  ScriptedPort port;
  MainForm form = bench::SampleMonteCarloForm(session, iterations);
  form.threads = threads;
  bench::WriteRunStartFiles(session, form, session.folder / kRdfScratchFileName);
  EngineRequest request{session, FormSettingsFromForm(form), DefaultReportSpecs(), "12/06/2026",
                        "10:00:00"};
  static std::vector<std::unique_ptr<WorkSetWriter>> sets;  // outlive the run, write nothing
  sets.push_back(std::make_unique<WorkSetWriter>(session.folder, WorkRun{}));
  return SetUpRun(request, *sets.back(), port);
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::atoi(argv[1]) : 500;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  const int threads = argc > 3 ? std::atoi(argv[3]) : 0;
  const auto folder = std::filesystem::temp_directory_path() / "acute-bootstrap-bench";
  std::filesystem::remove_all(folder);
  sample::WriteSampleData(folder, sample::SampleOptions{});
  ScriptedPort port;
  const DataSession session = OpenDataSession(folder, port);
  RunSetup run = Prepare(session, iterations, threads);
  const ReportContext ctx = bench::BenchContext(session, run);

  auto start = std::chrono::steady_clock::now();
  RunAnalysisPasses(run, port);
  const std::vector<PopulationResult> main = ComputeResults(ctx, run.accumulators);
  const double plain = Seconds(start);

  BootstrapSettings settings;
  settings.rounds = rounds;
  settings.seed = 7;
  const std::string sources = argc > 4 ? argv[4] : "both";
  settings.survey = sources == "both" || sources == "survey";
  settings.residues = sources == "both" || sources == "residues";
  start = std::chrono::steady_clock::now();
  const BootstrapOutcome outcome = RunBootstrapRounds(run, ctx, &main, settings, port);
  const double round = Seconds(start) / rounds;

  std::printf("%d iterations, %zu persons, %d rounds resampling %s, threads %d (0: every core)\n",
              iterations, run.consumption.PersonRecords(), rounds, sources.c_str(), threads);
  std::printf("plain run: %.2f s; bootstrap round: %.2f s (mean of %d)\n", plain, round, rounds);
  std::printf("bootstrap round / plain run: %.2f\n", round / plain);
  return outcome.rounds.size() == static_cast<std::size_t>(rounds) ? 0 : 1;
}
