// Whole-run timing of a Monte Carlo acute analysis of the full-size sample survey: 28,358
// persons, populations 1 to 5, the sample Monte Carlo residue file, 1,000 iterations,
// seed 1, Mersenne Twister. Runs the engine (the passes and the report step, after the
// survey and the distributions are read) at 1 thread and at every thread count up to the
// machine's cores (at least 2), and prints its processor and wall time per residue draw
// beside the floor: the same draws with uniforms made a block at a time and the
// distribution formulas inline, one thread, nothing else (checked against the engine's
// generator and Draw one by one by a hash of all the residues). The last line reads
//   engine cpu / floor at 1 thread: X.XX; speed-up at 2 threads: Y.YY; reports identical: yes
//
//   build/release/bench/monte_carlo_bench [ITERATIONS]
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "draw_floor.h"
#include "engine/draw_plan.h"
#include "engine/pass_file.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "random/block_uniforms.h"
#include "random/uniform_source.h"
#include "reports/acute_report.h"
#include "reports/report_context.h"
#include "run/run_setup.h"
#include "sample_data/sample_data.h"
#include "sample_form.h"
#include "support/scripted_port.h"

using namespace acute;

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

RunSetup Prepare(const std::filesystem::path& folder, int iterations, DataSession& session) {
  ScriptedPort port;
  session = OpenDataSession(folder, port);
  MainForm form = bench::SampleMonteCarloForm(session, iterations);
  bench::WriteRunStartFiles(session, form, session.folder / kRdfScratchFileName);
  EngineRequest request{session, FormSettingsFromForm(form), DefaultReportSpecs(), "", ""};
  // The set the run would stage its files in; a bench run writes none, but the set outlives it.
  static std::vector<std::unique_ptr<WorkSetWriter>> sets;
  sets.push_back(std::make_unique<WorkSetWriter>(folder, WorkRun{}));
  return SetUpRun(request, *sets.back(), port);
}

using bench::DrawPlan;

// Wall and processor time (of all threads) since it was made.
struct Stopwatch {
  std::chrono::steady_clock::time_point wall_start = std::chrono::steady_clock::now();
  std::clock_t cpu_start = std::clock();
  double Wall() const { return Seconds(wall_start); }
  double Cpu() const { return static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC; }
};

DrawPlan MakePlan(const RunSetup& run) {
  DrawPlan plan;
  const int per_group = run.passes.passes_per_group;
  for (std::size_t g = 0; g < run.consumption.groups.size(); ++g) {
    if (run.membership[g] == 0) continue;
    for (int k = 0; k < per_group; ++k) {
      const DayPass& pass = run.passes.Pass(g, k);
      if (pass.count == 0) continue;
      const auto start = static_cast<std::uint32_t>(plan.rdls.size());
      const std::uint32_t n = AppendDrawPlan(run.passes.entries.data() + pass.first, pass.count,
                                             run.tables, run.form.hold_residues, plan.rdls);
      plan.slices.emplace_back(start, n);
    }
  }
  return plan;
}

// The engine's generator and Draw, one by one, each residue kept as a day pass keeps it;
// returns the hash of the residues.
std::uint64_t BareWork(const RunSetup& run, const DrawPlan& plan, int iterations) {
  UniformSource uniforms(true, 1, 0);
  std::uint64_t h = 0;
  for (const auto& [first, n] : plan.slices)
    for (int it = 0; it < iterations; ++it)
      for (std::uint32_t i = first; i < first + n; ++i) {
        const float u = uniforms.Next();
        const int rdl = plan.rdls[i];
        h = bench::Fold(h, rdl > 0 ? residue_columns::Kept(run.distributions.Draw(rdl, u)) : u);
      }
  return h;
}

// The one-minute load average of the machine, as /proc/loadavg gives it ("?" without).
std::string LoadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one;
  return in >> one ? one : "?";
}

// The floor's uniforms alone, as many as the run draws; returns a hash of them.
std::uint64_t UniformsAlone(const MersenneTwister& generator, double count) {
  MtBlockUniforms uniforms(generator);
  std::vector<float> buffer(1 << 16);
  std::uint64_t hash = 0;
  for (double left = count; left > 0; left -= static_cast<double>(buffer.size())) {
    const auto n = static_cast<std::size_t>(std::min(left, static_cast<double>(buffer.size())));
    uniforms.Fill(std::span(buffer.data(), n));
    for (std::size_t i = 0; i < n; ++i) hash = bench::Fold(hash, buffer[i]);
  }
  return hash;
}

// How much faster the machine does two threads' worth of plain arithmetic on two threads
// than on one: about 2 on an idle two-core machine, less when other work holds the cores.
// It tells whether a speed-up below 2 is the engine's or the machine's.
double MachineParallelism() {
  const auto spin = [] {
    volatile double x = 0;
    for (long k = 0; k < 200000000; ++k) x = x + 1;
  };
  const Stopwatch one;
  spin();
  spin();
  const double serial = one.Wall();
  const Stopwatch two;
  std::thread other(spin);
  spin();
  other.join();
  return serial / two.Wall();
}

// One engine run at `threads` threads: the passes and the report.
struct EngineRun {
  double wall = 0;
  double cpu = 0;
  std::string report;
};

EngineRun RunEngine(RunSetup& run, const DataSession& session, int threads) {
  run.form.threads = threads;
  ScriptedPort port;
  const Stopwatch time;
  RunAnalysisPasses(run, port);
  const ReportContext ctx = bench::BenchContext(session, run);
  EngineRun out;
  out.report = BuildAcuteReport(ctx, run.accumulators).text;
  out.wall = time.Wall();
  out.cpu = time.Cpu();
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::atoi(argv[1]) : 1000;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "acute-mc-bench";
  std::filesystem::remove_all(folder);
  sample::WriteSampleData(folder, sample::SampleOptions{});
  DataSession session;
  auto start = std::chrono::steady_clock::now();
  RunSetup run = Prepare(folder, iterations, session);
  const double setup = Seconds(start);

  const DrawPlan plan = MakePlan(run);
  double person_days = 0;
  for (std::size_t g = 0; g < run.consumption.groups.size(); ++g)
    if (run.membership[g] != 0)
      for (int k = 0; k < run.passes.passes_per_group; ++k)
        person_days += run.passes.Pass(g, k).count > 0 ? 1 : 0;
  const double draws = static_cast<double>(plan.rdls.size()) * iterations;
  const double ns = 1e9 / draws;

  const Stopwatch bare_time;
  const std::uint64_t bare_hash = BareWork(run, plan, iterations);
  const double bare_cpu = bare_time.Cpu();
  MersenneTwister seeded;
  seeded.Seed(1);
  const Stopwatch floor_time;
  const std::uint64_t floor_hash = bench::FloorDraws(run.distributions, plan, iterations, seeded);
  const double floor_cpu = floor_time.Cpu();
  const Stopwatch uniforms_time;
  volatile std::uint64_t kept = UniformsAlone(seeded, draws);  // not optimised away
  const double uniforms_cpu = uniforms_time.Cpu();
  (void)kept;

  std::printf("persons %zu, consuming person-days %.0f, iterations %d, residue draws %.0f\n",
              run.consumption.PersonRecords(), person_days, iterations, draws);
  std::printf("set-up (survey, distributions, tables): %.3f s\n", setup);
  std::printf("draw mix: %s\n", bench::DrawMix(run.distributions, plan).c_str());
  std::printf("bare work (engine generator and Draw one by one): cpu %.3f s, %.1f ns per draw\n",
              bare_cpu, bare_cpu * ns);
  std::printf(
      "floor (block uniforms + inlined distributions, 1 thread): cpu %.3f s, %.1f ns per draw "
      "(of which the uniforms alone %.1f ns)\n",
      floor_cpu, floor_cpu * ns, uniforms_cpu * ns);
  std::printf("same residues in bare work and floor: %s (hash %016" PRIx64 ")\n",
              floor_hash == bare_hash ? "yes" : "no", floor_hash);

  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  const int most = std::max(2, cores);
  std::vector<EngineRun> runs;
  std::printf(
      "threads  engine wall s  wall ns/draw  engine cpu s  cpu ns/draw  cpu/floor  speed-up\n");
  for (int threads = 1; threads <= most; ++threads) {
    runs.push_back(RunEngine(run, session, threads));
    const EngineRun& r = runs.back();
    std::printf("%7d  %13.3f  %12.2f  %12.3f  %11.2f  %9.2f  %8.2f\n", threads, r.wall, r.wall * ns,
                r.cpu, r.cpu * ns, r.cpu / floor_cpu, runs[0].wall / r.wall);
  }
  const double parallelism = MachineParallelism();
  bool identical = true;
  for (const EngineRun& r : runs) identical = identical && r.report == runs[0].report;
  std::printf(
      "report: %zu bytes; machine: %d cores, load average at the end %s, two busy threads ran "
      "%.2f times as fast as one\n",
      runs[0].report.size(), cores, LoadAverage().c_str(), parallelism);
  std::printf(
      "engine cpu / floor at 1 thread: %.2f; speed-up at 2 threads: %.2f; reports identical: %s\n",
      runs[0].cpu / floor_cpu, runs[0].wall / runs[1].wall, identical ? "yes" : "no");
  std::filesystem::remove_all(folder);
  return identical ? 0 : 1;
}
