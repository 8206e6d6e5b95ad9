#include "run/exact_passes.h"

#include <algorithm>

#include "reports/percentiles.h"

namespace acute {
namespace {

ExactGatherPlan EveryBin(std::size_t populations) {
  ExactGatherPlan plan = ExactGatherPlan::Empty(populations);
  for (std::size_t p = 0; p < populations; ++p)
    for (int bin = 0; bin < kBinCount; ++bin) plan.Keep(p, bin);
  return plan;
}

ExactGatherPlan PlanFrom(const std::vector<PopulationAccumulators>& pilot,
                         const ExactLevels& levels) {
  ExactGatherPlan plan = ExactGatherPlan::Empty(pilot.size());
  for (std::size_t p = 0; p < pilot.size(); ++p) FlagPilotBins(pilot[p], p, levels, plan);
  return plan;
}

}  // namespace

ExactLevels ReportExactLevels(bool dwloc) {
  ExactLevels levels;
  levels.dwloc = dwloc;
  for (int i = 0; i < kSearchedLevelCount; ++i)
    levels.shares.push_back((100 - static_cast<double>(kUpperTail[i])) / 100);
  return levels;
}

int PilotIterations(int iterations) {
  return std::max(1, iterations / 10);
}

ExactGather PlanExactGather(const RunSetup& run, const PassSetup& pass, UserPort& port) {
  const ExactLevels levels = ReportExactLevels(run.settings.dwloc);
  ExactGather gather;
  if (!run.monte_carlo) {  // one iteration: its values are few
    gather.plan = EveryBin(run.accumulators.size());
  } else if (run.cec) {  // the preliminary pass has filled the bins
    gather.plan = PlanFrom(run.accumulators, levels);
  } else {
    PassSetup pilot = pass;
    pilot.pilot_iterations = PilotIterations(run.settings.iterations);
    pilot.qa = nullptr;
    pilot.cec = nullptr;
    pilot.exact = nullptr;
    pilot.main_pass_timer = nullptr;
    std::vector<PopulationAccumulators> bins = run.accumulators;
    RunSurveyPass(PassKind::Pilot, pilot, bins, port);
    gather.plan = PlanFrom(bins, levels);
  }
  return gather;
}

std::vector<ExactPercentiles> FinishExactPercentiles(const RunSetup& run, const PassSetup& pass,
                                                     ExactGather& main, UserPort& port) {
  const ExactLevels levels = ReportExactLevels(run.settings.dwloc);
  bool missing = false;
  ExactGather repeat;
  repeat.plan = MissingBins(run.accumulators, levels, main.plan, missing);
  if (missing) {
    // The same draws as the main pass: its seed, or the timer value it took.
    PassSetup again = pass;
    again.qa = nullptr;
    again.timer = &run.main_pass_timer;
    again.exact = &repeat;
    CecCapture throwaway;
    if (pass.cec != nullptr) {  // the same day passes as the main pass, records thrown away
      throwaway.windows = pass.cec->windows;
      throwaway.record_iterations = pass.cec->record_iterations;
      throwaway.draw_records = pass.cec->draw_records;
      again.cec = &throwaway;
    }
    std::vector<PopulationAccumulators> figures = run.accumulators;
    RunSurveyPass(PassKind::Repeat, again, figures, port);
  }
  return FindExactPercentiles(run.accumulators, levels, run.consumption, {&main, &repeat});
}

}  // namespace acute
