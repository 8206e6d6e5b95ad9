#pragma once
// The uncertainty analysis of a run: how many bootstrap rounds follow the main run, the seed
// their generators come from, what each round resamples, its Monte Carlo iterations and the
// level of the intervals; and, in a partial run, the rounds it runs.
#include <cstdint>

namespace acute {

struct BootstrapSettings {
  int rounds = 0;          // B; 0: no uncertainty analysis
  std::uint32_t seed = 0;  // 0: the timer gives one
  bool survey = true;      // resample the survey's persons
  bool residues = true;    // resample each empirical residue distribution file
  int iterations = 0;      // Monte Carlo iterations of a round; 0: the run's own
  int level_tenths = 950;  // the interval's level in tenths of a percent (950: 95%)
  // A partial run: rounds first_round..last_round only, round 0 being the main run.
  int first_round = 0;
  int last_round = -1;  // -1: every round, the whole run

  bool On() const { return rounds > 0; }
  bool Partial() const { return last_round >= 0; }
  bool HasMainRun() const { return !Partial() || first_round == 0; }
  // The bootstrap rounds (from 1) this run computes.
  int FirstBootstrapRound() const { return Partial() && first_round > 1 ? first_round : 1; }
  int LastBootstrapRound() const { return Partial() ? last_round : rounds; }
};

}  // namespace acute
