// Whole-run timing of a Monte Carlo acute analysis of the full-size sample survey: 28,358
// persons, populations 1 to 5, the sample Monte Carlo residue file, 1,000 iterations,
// seed 1, Mersenne Twister. Prints the engine time (the passes and the report step, after
// the survey and the distributions are read), person-day iterations and residue draws per
// second, and beside them the bare work that no implementation can avoid: drawing the same
// uniforms and evaluating the same distributions, nothing else.
//
//   build/release/bench/monte_carlo_bench [ITERATIONS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "common/scripted_port.h"
#include "engine/draw_plan.h"
#include "engine/pass_file.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
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

// The draws of the whole main pass, one iteration's plan per day pass.
struct Plan {
  std::vector<std::int16_t> rdls;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> slices;  // per consuming day pass
};

Plan MakePlan(const RunSetup& run) {
  Plan plan;
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

double BareWork(const RunSetup& run, const Plan& plan, int iterations, double& checksum) {
  const auto start = std::chrono::steady_clock::now();
  UniformSource uniforms(true, 1, 0);
  float sum = 0;
  for (const auto& [first, n] : plan.slices)
    for (int it = 0; it < iterations; ++it)
      for (std::uint32_t i = first; i < first + n; ++i) {
        const float u = uniforms.Next();
        const int rdl = plan.rdls[i];
        sum += rdl > 0 ? run.distributions.Draw(rdl, u) : u;
      }
  checksum = sum;
  return Seconds(start);
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

  const Plan plan = MakePlan(run);
  double person_days = 0;
  for (std::size_t g = 0; g < run.consumption.groups.size(); ++g)
    if (run.membership[g] != 0)
      for (int k = 0; k < run.passes.passes_per_group; ++k)
        person_days += run.passes.Pass(g, k).count > 0 ? 1 : 0;
  const double draws = static_cast<double>(plan.rdls.size()) * iterations;

  ScriptedPort port;
  start = std::chrono::steady_clock::now();
  RunAnalysisPasses(run, port);
  ReportContext ctx;
  ctx.settings = run.settings;
  ctx.toxicity_code = "NR";
  ctx.populations = BuildPopulationList(
      {session.support.PopulationNames.begin() + 1, session.support.PopulationNames.end()},
      run.settings);
  const AcuteReport report = BuildAcuteReport(ctx, run.accumulators);
  const double engine = Seconds(start);

  double checksum = 0;
  const double bare = BareWork(run, plan, iterations, checksum);
  std::printf("persons %zu, consuming person-days %.0f, iterations %d\n",
              run.consumption.PersonRecords(), person_days, iterations);
  std::printf("set-up (survey, distributions, tables): %.3f s\n", setup);
  std::printf("engine time: %.3f s  (%.3g person-day iterations/s, %.3g residue draws/s)\n", engine,
              person_days * iterations / engine, draws / engine);
  std::printf("bare work (uniforms + distributions): %.3f s for %.0f draws (checksum %g)\n", bare,
              draws, checksum);
  std::printf("ratio engine / bare work: %.2f\n", engine / bare);
  std::printf("report: %zu bytes\n", report.text.size());
  std::filesystem::remove_all(folder);
  return 0;
}
