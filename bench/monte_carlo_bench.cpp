// Whole-run timing of a Monte Carlo acute analysis of the full-size sample survey: 28,358
// persons, populations 1 to 5, the sample Monte Carlo residue file, 1,000 iterations,
// seed 1, Mersenne Twister. Prints the engine time (the passes and the report step, after
// the survey and the distributions are read), person-day iterations and residue draws per
// second, and beside them the bare work (the engine's generator and Draw, one by one) and
// the floor (the same draws with uniforms made a block at a time and the distribution
// formulas inline, one thread, nothing else). Both give the same residues, checked by a
// hash of all of them.
//
//   build/release/bench/monte_carlo_bench [ITERATIONS]
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <span>
#include <vector>

#include "common/scripted_port.h"
#include "draw_floor.h"
#include "engine/draw_plan.h"
#include "engine/pass_file.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "random/block_uniforms.h"
#include "random/uniform_source.h"
#include "reports/acute_report.h"
#include "reports/report_context.h"
#include "run/run_setup.h"
#include "sample_data/sample_data.h"
#include "ui/main_form.h"

using namespace acute;

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

RunSetup Prepare(const std::filesystem::path& folder, int iterations, DataSession& session) {
  ScriptedPort port;
  session = OpenDataSession(folder, port);
  MainForm form;
  form.residue = ReadResidueFile(session.setup.ResFolder + "SAMPLEMC.R10", session.support, port);
  form.TakeEndpointsFromResidueFile();
  form.standard.assign(session.support.StandardPopulationCount(), false);
  for (int p = 0; p < 5; ++p) form.standard[p] = true;
  form.monte_carlo = true;
  form.iterations = std::to_string(iterations);
  form.seed = "1";
  form.mersenne_twister = true;
  RdfTables rdf;
  if (SetUpRdfs(*form.residue, session.folder / kRdfScratchFileName, false, port, rdf) !=
      RdfSetUp::Ok) {
    std::fprintf(stderr, "distribution files: %s\n", port.LastMessage().c_str());
    std::exit(1);
  }
  WritePassFile(session.folder / kPassFileName, SettingsFromForm(form, session, &rdf),
                {session.support.DatabaseKind, session.support.StandardPopulationCount()});
  EngineRequest request{session, FormSettingsFromForm(form), DefaultReportSpecs(), "", ""};
  return SetUpRun(request, port);
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

// The engine's generator and Draw, one by one; returns the hash of the residues.
std::uint64_t BareWork(const RunSetup& run, const DrawPlan& plan, int iterations) {
  UniformSource uniforms(true, 1, 0);
  std::uint64_t h = 0;
  for (const auto& [first, n] : plan.slices)
    for (int it = 0; it < iterations; ++it)
      for (std::uint32_t i = first; i < first + n; ++i) {
        const float u = uniforms.Next();
        const int rdl = plan.rdls[i];
        h = bench::Fold(h, rdl > 0 ? run.distributions.Draw(rdl, u) : u);
      }
  return h;
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

  ScriptedPort port;
  const Stopwatch engine_time;
  RunAnalysisPasses(run, port);
  ReportContext ctx;
  ctx.settings = run.settings;
  ctx.toxicity_code = "NR";
  ctx.populations = BuildPopulationList(
      {session.support.PopulationNames.begin() + 1, session.support.PopulationNames.end()},
      run.settings);
  const AcuteReport report = BuildAcuteReport(ctx, run.accumulators);
  const double engine = engine_time.Wall();
  const double engine_cpu = engine_time.Cpu();

  const Stopwatch bare_time;
  const std::uint64_t bare_hash = BareWork(run, plan, iterations);
  const double bare = bare_time.Wall();
  const double bare_cpu = bare_time.Cpu();
  MersenneTwister seeded;
  seeded.Seed(1);
  const Stopwatch floor_time;
  const std::uint64_t floor_hash = bench::FloorDraws(run.distributions, plan, iterations, seeded);
  const double floor = floor_time.Wall();
  const double floor_cpu = floor_time.Cpu();
  const Stopwatch uniforms_time;
  volatile std::uint64_t kept = UniformsAlone(seeded, draws);  // not optimised away
  const double uniforms_cpu = uniforms_time.Cpu();
  (void)kept;
  const double ns = 1e9 / draws;
  std::printf("persons %zu, consuming person-days %.0f, iterations %d\n",
              run.consumption.PersonRecords(), person_days, iterations);
  std::printf("set-up (survey, distributions, tables): %.3f s\n", setup);
  std::printf("engine time: %.3f s  (%.3g person-day iterations/s, %.3g residue draws/s)\n", engine,
              person_days * iterations / engine, draws / engine);
  std::printf("engine per draw: wall %.1f ns, cpu %.1f ns (cpu %.3f s)\n", engine * ns,
              engine_cpu * ns, engine_cpu);
  std::printf("draw mix: %s\n", bench::DrawMix(run.distributions, plan).c_str());
  std::printf(
      "bare work (uniforms + distributions): %.0f draws, wall %.3f s, cpu %.3f s, "
      "%.1f ns per draw\n",
      draws, bare, bare_cpu, bare_cpu * ns);
  std::printf(
      "floor (block uniforms + inlined distributions, 1 thread): wall %.3f s, "
      "cpu %.3f s, %.1f ns per draw\n",
      floor, floor_cpu, floor_cpu * ns);
  std::printf("of which the block uniforms alone: cpu %.3f s, %.1f ns per draw\n", uniforms_cpu,
              uniforms_cpu * ns);
  std::printf("same residues in bare work and floor: %s (hash %016" PRIx64 ")\n",
              floor_hash == bare_hash ? "yes" : "no", floor_hash);
  std::printf("ratio engine / bare work (wall): %.2f\n", engine / bare);
  std::printf("engine cpu / floor: %.2f\n", engine_cpu / floor_cpu);
  std::printf("report: %zu bytes\n", report.text.size());
  std::filesystem::remove_all(folder);
  return 0;
}
