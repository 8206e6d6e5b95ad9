// Exact percentiles against the definition worked out from every person-day value of the run
// (a pass that keeps them all, with the main pass's draws): deterministic and Monte Carlo
// acute runs per user and per capita, DWLOC runs, a main pass that kept none of the bins
// (the repeat pass finds them, with the timer of a seed-0 run, in a critical exposure
// analysis too), any number of threads, and the report's tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "common/work_set.h"
#include "engine/pass_file.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/rdf/rdf_tables.h"
#include "inputs/residue_reader.h"
#include "run/exact_passes.h"
#include "run/run_setup.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using Values = std::vector<std::pair<float, double>>;  // value, weight

// The definition: acute, the smallest x whose weight at or below it reaches share x total
// (`outside` weight counted at 0); DWLOC, the largest d whose weight at or above it does.
std::optional<float> Definition(Values v, double outside, double total, double share, bool dwloc) {
  if (v.empty()) return std::nullopt;
  if (outside > 0) v.push_back({0.0f, outside});
  std::stable_sort(v.begin(), v.end(), [dwloc](const auto& l, const auto& r) {
    return dwloc ? l.first > r.first : l.first < r.first;
  });
  double cumulative = 0;
  for (const auto& [x, w] : v) {
    cumulative += w;
    if (cumulative >= share * total) return x;
  }
  return v.back().first;
}

class ExactPercentilesRun : public ::testing::Test {
 protected:
  void SetUp() override {
    manifest_ = sample::WriteSampleData(dir_ / "data", {2, 300, 5});
    session_ = OpenDataSession(manifest_.folder, port_);
  }
  // Populations 1, 2 and 5 of a residue file: Monte Carlo with `iterations` and `seed`
  // (Mersenne Twister), or deterministic with 0 iterations.
  MainForm Form(const std::string& residue, int iterations, const std::string& seed = "3") {
    MainForm form;
    form.residue = ReadResidueFile(manifest_.residue_folder / residue, session_.support, port_);
    form.TakeEndpointsFromResidueFile();
    form.standard.assign(session_.support.StandardPopulationCount(), false);
    form.standard[0] = form.standard[1] = form.standard[4] = true;
    form.monte_carlo = iterations > 0;
    form.iterations = std::to_string(iterations);
    form.seed = seed;
    form.mersenne_twister = true;
    return form;
  }
  // The set-up of a run of the form (exact percentiles asked for or not).
  RunSetup Prepare(const MainForm& form, bool exact) {
    RdfTables rdf;
    const bool mc = form.monte_carlo;
    if (mc) {
      EXPECT_EQ(SetUpRdfs(*form.residue, session_.folder / kRdfScratchFileName, false, port_, rdf),
                RdfSetUp::Ok);
    }
    WritePassFile(session_.folder / kPassFileName,
                  SettingsFromForm(form, session_, mc ? &rdf : nullptr),
                  {session_.support.DatabaseKind, session_.support.StandardPopulationCount()});
    ReportSpecs specs;
    specs.exact = exact;
    EngineRequest request{session_, FormSettingsFromForm(form), specs, "", ""};
    sets_.push_back(std::make_unique<WorkSetWriter>(session_.folder, WorkRun{}));
    return SetUpRun(request, *sets_.back(), port_);
  }
  // A run of the form with exact percentiles.
  RunSetup Run(const MainForm& form) {
    RunSetup run = Prepare(form, true);
    RunAnalysisPasses(run, port_);
    return run;
  }
  // Every value of the main pass's draws, per population: a pass that keeps them all.
  std::vector<Values> EveryValue(const RunSetup& run) {
    ExactGather all;
    all.plan = ExactGatherPlan::Empty(run.accumulators.size());
    all.plan.every_value = true;
    for (std::size_t p = 0; p < run.accumulators.size(); ++p)
      for (int bin = 0; bin < kBinCount; ++bin) all.plan.Keep(p, bin);
    MonteCarloSetup mc;
    PassSetup pass = PassSetupOf(run, mc);
    pass.exact = &all;
    pass.timer = &run.main_pass_timer;
    CecCapture throwaway;
    if (run.cec) {
      throwaway.windows = run.cec_capture.windows;
      throwaway.record_iterations = run.cec_capture.record_iterations;
      pass.cec = &throwaway;
    }
    std::vector<PopulationAccumulators> acc = run.accumulators;
    RunSurveyPass(PassKind::Repeat, pass, acc, port_);
    std::vector<Values> values(acc.size());
    for (std::size_t p = 0; p < acc.size(); ++p)
      for (int bin = 0; bin < kBinCount; ++bin)
        all.ForEach(p, bin, [&](std::uint32_t group, float x) {
          values[p].push_back({x, run.consumption.groups[group].sample_weight});
        });
    return values;
  }
  // The run's exact percentiles are those of the definition, at every level and basis.
  void ExpectDefinition(const RunSetup& run, const std::vector<ExactPercentiles>& exact,
                        const std::string& what) {
    const bool dwloc = run.settings.dwloc == 1;
    const ExactLevels levels = ReportExactLevels(dwloc);
    const std::vector<Values> values = EveryValue(run);
    ASSERT_EQ(exact.size(), run.accumulators.size());
    for (std::size_t p = 0; p < values.size(); ++p) {
      const PopulationAccumulators& a = run.accumulators[p];
      ASSERT_GT(values[p].size(), 20u) << what;
      for (std::size_t i = 0; i < levels.shares.size(); ++i) {
        const double share = levels.shares[i];
        const auto users = Definition(values[p], 0, a.sum_w, share, dwloc);
        EXPECT_EQ(exact[p].users[i], users) << what << ", population " << p << ", level " << i;
        const auto capita =
            dwloc ? users : Definition(values[p], a.tot_w - a.sum_w, a.tot_w, share, false);
        EXPECT_EQ(exact[p].capita[i], capita) << what << ", population " << p << ", level " << i;
      }
    }
  }
  // Shown when a pass repeats the main pass's draws.
  bool Repeated() const {
    return std::any_of(port_.events.begin(), port_.events.end(), [](const PortEvent& e) {
      return e.text.find("Computing exact percentiles") != std::string::npos;
    });
  }

  testing::ScratchFolder dir_;
  sample::SampleManifest manifest_;
  DataSession session_;
  ScriptedPort port_;
  std::vector<std::unique_ptr<WorkSetWriter>> sets_;
};

TEST_F(ExactPercentilesRun, AcuteAndDwlocRunsGiveTheValuesOfTheDefinition) {
  const RunSetup deterministic = Run(Form("SAMPLE.R10", 0));
  ExpectDefinition(deterministic, deterministic.exact, "deterministic");
  const RunSetup mc = Run(Form("SAMPLEMC.R10", 40));
  ExpectDefinition(mc, mc.exact, "Monte Carlo");
  // Per capita differs from per user where there are non-users.
  EXPECT_NE(mc.exact[0].capita[5], mc.exact[0].users[5]);
  MainForm cec = Form("SAMPLEMC.R10", 40);  // the preliminary pass points to the bins
  cec.save_cec = true;
  cec.cec_name = "mc";
  const RunSetup with_cec = Run(cec);
  ExpectDefinition(with_cec, with_cec.exact, "critical exposure analysis");
  for (int iterations : {0, 30}) {
    MainForm dwloc = Form("SAMPLEMC.R10", iterations);
    dwloc.dwloc_mode = true;
    const RunSetup run = Run(dwloc);
    ExpectDefinition(run, run.exact, "DWLOC, iterations " + std::to_string(iterations));
  }
}

// The pilot missed every bin: the pass that repeats the main pass's draws (seed 0: the same
// timer value) keeps them, in a critical exposure analysis with its own capture too.
TEST_F(ExactPercentilesRun, BinsTheMainPassDidNotKeepComeFromARepeatPass) {
  MainForm form = Form("SAMPLEMC.R10", 20, "0");
  for (bool cec : {false, true}) {
    form.save_cec = cec;
    form.cec_name = "mc";
    RunSetup run = Prepare(form, false);
    RunAnalysisPasses(run, port_);
    ExactGather none;
    none.plan = ExactGatherPlan::Empty(run.accumulators.size());
    MonteCarloSetup mc;
    PassSetup pass = PassSetupOf(run, mc);
    if (run.cec) pass.cec = &run.cec_capture;
    const auto records = run.cec_capture.shares.size();
    port_.events.clear();
    const std::vector<ExactPercentiles> exact = FinishExactPercentiles(run, pass, none, port_);
    EXPECT_TRUE(Repeated());
    EXPECT_EQ(run.cec_capture.shares.size(), records);  // the run's own records stay
    ExpectDefinition(run, exact, cec ? "repeat, CEC" : "repeat");
  }
}

TEST_F(ExactPercentilesRun, OneAndThreeThreadsGiveTheSameValues) {
  MainForm form = Form("SAMPLEMC.R10", 30);
  form.threads = 1;
  const RunSetup one = Run(form);
  form.threads = 3;
  const RunSetup three = Run(form);
  for (std::size_t p = 0; p < one.exact.size(); ++p) {
    EXPECT_EQ(one.exact[p].users, three.exact[p].users);
    EXPECT_EQ(one.exact[p].capita, three.exact[p].capita);
  }
}

// The report: an exact table after each percentile table, within 79 columns; none when the
// choice is off.
TEST_F(ExactPercentilesRun, ReportTablesFollowThePercentileTables) {
  auto tables = [&](const MainForm& form, bool exact) {
    ReportSpecs specs;
    specs.exact = exact;
    EXPECT_TRUE(WriteReportSpecsFile(session_.folder / kReportSpecsFileName, specs));
    auto outcome = LaunchAnalysis(form, session_, port_, "12/06/2026", "10:00:00");
    EXPECT_TRUE(outcome && outcome->completed) << port_.LastMessage();
    // The exact tables: the title, the orientation lines, a blank line, the headings, the
    // rule and eight rows, at most 79 columns; no page runs past the page length.
    std::istringstream in(testing::ReadText(outcome->last_report));
    int count = 0, skip = 0, table_lines = 0, page_lines = 0;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      page_lines = line == "\f" ? 0 : page_lines + 1;
      EXPECT_LE(page_lines, 60) << "page too long at: " << line;
      if (skip > 0) {
        --skip;
      } else if (table_lines > 0) {
        EXPECT_LE(line.size(), 79u) << line;
        --table_lines;
      }
      if (line == "  Exact percentiles") {
        ++count;
        skip = 2;
        table_lines = 11;
      }
    }
    return count;
  };
  MainForm form = Form("SAMPLEMC.R10", 10);
  EXPECT_EQ(tables(form, false), 0);
  EXPECT_EQ(tables(form, true), 3 * 2);  // per user and per capita of three populations
  form.noel = "5";                       // MOE and percent of aRfD columns
  EXPECT_EQ(tables(form, true), 3 * 2);
  form.dwloc_mode = true;
  EXPECT_EQ(tables(form, true), 3);
}

}  // namespace
}  // namespace acute
