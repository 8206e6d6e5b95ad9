// Whole-run timing of a critical exposure contribution request: the full-size sample Monte
// Carlo analysis (28,358 persons, populations 1 to 5, SAMPLEMC, 1,000 iterations, seed 1,
// Mersenne Twister) without CEC, then with a CEC request for the 99th to 100th percentiles
// (the preliminary pass, the records and the report), then the report step alone (Redo Last
// CEC over the same work files: reading them, sorting, critical foods and the report).
//
//   build/release/bench/cec_bench [ITERATIONS] [--phases]
//
// With --phases, the run with CEC prints the time at which each step of its progress
// line begins.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "cec/cec_work_files.h"
#include "common/list_reader.h"
#include "common/work_set.h"
#include "engine/pass_file.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "run/analysis_driver.h"
#include "sample_data/sample_data.h"
#include "sample_form.h"
#include "support/scripted_port.h"

using namespace acute;

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of the process (every thread of a pass together), in seconds.
double Cpu() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct Timing {
  double wall = 0;
  double cpu = 0;
};

// Prints the time of every progress phase that differs from the last one.
class PhasePort : public ScriptedPort {
 public:
  void Progress(const ProgressReport& report) override {
    if (report.phase != last_) {
      std::printf("  %7.3f s  %s\n", Seconds(start_), report.phase.c_str());
      last_ = report.phase;
    }
    ScriptedPort::Progress(report);
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::string last_;
};

// Writes the pass file of `form` and times the engine on it.
Timing TimeEngine(const DataSession& session, const MainForm& form, bool phases = false) {
  // The scratch file is staged, as the run start stages it, so that the run commits it.
  WorkSetWriter staging(session.folder, WorkRun{});
  bench::WriteRunStartFiles(session, form, staging.TempFor(session.folder / kRdfScratchFileName));
  ScriptedPort quiet;
  PhasePort timed;
  ScriptedPort& port = phases ? timed : quiet;
  EngineRequest request{session, FormSettingsFromForm(form), DefaultReportSpecs(), "", ""};
  request.staging = &staging;
  const auto start = std::chrono::steady_clock::now();
  const double cpu = Cpu();
  const EngineOutcome outcome = RunEngine(request, port);
  const Timing t{Seconds(start), Cpu() - cpu};
  if (!outcome.completed) {
    std::fprintf(stderr, "the run did not complete: %s\n", port.LastMessage().c_str());
    std::exit(1);
  }
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  int iterations = 1000;
  bool phases = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--phases")
      phases = true;
    else
      iterations = std::atoi(argv[i]);
  }
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "acute-cec-bench";
  std::filesystem::remove_all(folder);
  sample::WriteSampleData(folder, sample::SampleOptions{});
  ScriptedPort port;
  const DataSession session = OpenDataSession(folder, port);
  MainForm form = bench::SampleMonteCarloForm(session, iterations);
  const Timing plain = TimeEngine(session, form, phases);
  form.save_cec = true;
  form.cec_name = (folder / "bench").string();
  form.cec_min_percent = "1";
  form.cec_records = "40000";
  form.cec_low = "99";
  form.cec_high = "100";
  form.cec_suppress = true;
  const Timing with_cec = TimeEngine(session, form, phases);

  const CecSections sections = ParseSections(ReadWholeFile(folder / kCecSectionsFileName));
  form.cec_name = (folder / "redo").string();
  ScriptedPort redo_port;
  auto start = std::chrono::steady_clock::now();
  const double cpu = Cpu();
  const auto redo = RedoLastCec(form, session, redo_port);
  const Timing report{Seconds(start), Cpu() - cpu};
  if (!redo || !redo->completed) {
    std::fprintf(stderr, "the report step did not complete: %s\n", redo_port.LastMessage().c_str());
    return 1;
  }
  std::printf("iterations %d, populations 1-5, CEC window 99th-100th percentile\n", iterations);
  std::printf("engine without CEC: %.3f s (processor %.3f s)\n", plain.wall, plain.cpu);
  std::printf("engine with CEC:    %.3f s (processor %.3f s)  ratio %.2f (processor %.2f)\n",
              with_cec.wall, with_cec.cpu, with_cec.wall / plain.wall, with_cec.cpu / plain.cpu);
  std::printf("report step alone (Redo Last CEC): %.3f s (processor %.3f s)\n", report.wall,
              report.cpu);
  std::printf("records per population in the preliminary window:");
  for (const CecSection& s : sections.list) std::printf(" %zu", s.records.size());
  std::printf("\n");
  std::filesystem::remove_all(folder);
  return 0;
}
