#include "run/bootstrap_rounds.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>

#include "engine/pass_threads.h"
#include "engine/residue_resample.h"
#include "engine/survey_resample.h"
#include "random/round_streams.h"
#include "reports/summary_section.h"
#include "run/shared_round_port.h"

namespace acute {
namespace {

// The survey of round `round`: the main run's, or its persons drawn with replacement.
void TakeSurvey(const RunSetup& main, const BootstrapSettings& b, int round, RunSetup& r) {
  if (!b.survey) {
    r.consumption = main.consumption;
    r.passes = main.passes;
    r.membership = main.membership;
    return;
  }
  MersenneTwister g = RoundGenerator(b.seed, round, RoundStream::Survey);
  const auto persons = static_cast<std::uint32_t>(main.consumption.PersonRecords());
  ResampledSurvey s =
      ResampleSurvey(main.consumption, main.passes, main.membership, ResampleCounts(persons, g));
  r.consumption = std::move(s.data);
  r.passes = std::move(s.passes);
  r.membership = std::move(s.membership);
}

// The residue distributions of round `round`, and the mean residues that depend on them.
void TakeResidues(const RunSetup& main, const BootstrapSettings& b, int round, RunSetup& r) {
  r.tables = main.tables;
  if (!main.monte_carlo || !b.residues) {
    r.distributions = main.distributions;
    return;
  }
  MersenneTwister g = RoundGenerator(b.seed, round, RoundStream::Residues);
  r.distributions = ResampleResidues(main.distributions, g);
  AddMonteCarloTables(r.tables, main.master, RdlMeans(r.distributions), main.settings.dwloc);
}

RunSetup RoundSetup(const RunSetup& main, const BootstrapSettings& b, int round) {
  RunSetup r;
  r.caption = main.caption;
  r.settings = main.settings;
  r.form = main.form;
  r.selected = main.selected;
  r.monte_carlo = main.monte_carlo;
  r.exact_percentiles = main.exact_percentiles;
  if (main.monte_carlo && b.iterations > 0)
    r.settings.iterations = static_cast<std::int16_t>(b.iterations);
  TakeSurvey(main, b, round, r);
  TakeResidues(main, b, round, r);
  r.accumulators.assign(main.selected.size(), PopulationAccumulators{});
  return r;
}

std::vector<FigureValues> FiguresOf(const std::vector<PopulationResult>& results, bool exact) {
  std::vector<FigureValues> figures;
  for (const PopulationResult& r : results) figures.push_back(BootstrapFigureValues(r, exact));
  return figures;
}

using RoundFigures = std::vector<FigureValues>;  // by population

// Round `round`'s figures of every population, its passes on `threads` threads.
RoundFigures RunRound(const RunSetup& main, const ReportContext& ctx, const BootstrapSettings& b,
                      int round, int threads, UserPort& port) {
  RunSetup r = RoundSetup(main, b, round);
  r.form.threads = threads;
  const MersenneTwister draws = RoundGenerator(b.seed, round, RoundStream::Draws);
  r.round_draws = &draws;
  RunAnalysisPasses(r, port);
  return FiguresOf(ComputeResults(ctx, r.accumulators, r.exact), r.exact_percentiles);
}

// Where the rounds stand: `done` of the rounds first..last.
void ShowRounds(UserPort& port, const std::string& caption, int done, int first, int last,
                int rounds) {
  const int count = last - first + 1;
  port.Progress(ProgressReport{caption,
                               "Bootstrap rounds " + std::to_string(first) + " to " +
                                   std::to_string(last) + " of " + std::to_string(rounds),
                               std::to_string(done) + " of " + std::to_string(count) + " done",
                               count > 0 ? done * 100 / count : 100, std::nullopt});
}

// The rounds first..last, as many side by side as there are threads (each round's passes on
// its share of them): each round's figures are the same whatever runs beside it.
std::vector<RoundFigures> RunRounds(const RunSetup& main, const ReportContext& ctx,
                                    const BootstrapSettings& b, int first, int last,
                                    UserPort& port) {
  const int count = last - first + 1;
  const int threads = ThreadsFor(main.form.threads, std::numeric_limits<std::size_t>::max());
  const int lanes = ThreadsFor(threads, static_cast<std::size_t>(std::max(count, 0)));
  std::vector<RoundFigures> figures(static_cast<std::size_t>(std::max(count, 0)));
  std::mutex mutex;
  std::atomic<int> next{0}, done{0};
  std::atomic<bool> failed{false};
  std::exception_ptr error;
  const auto lane = [&] {
    SharedRoundPort round_port(port, mutex);  // the rounds' progress shows, not their passes'
    for (int i = next++; i < count && !failed; i = next++) {
      try {
        figures[static_cast<std::size_t>(i)] =
            RunRound(main, ctx, b, first + i, std::max(1, threads / lanes), round_port);
      } catch (...) {
        const std::lock_guard lock(mutex);
        if (!failed.exchange(true)) error = std::current_exception();
        return;
      }
      const std::lock_guard lock(mutex);
      ShowRounds(port, main.caption, ++done, first, last, b.rounds);
    }
  };
  std::vector<std::thread> pool;
  for (int k = 1; k < lanes; ++k) pool.emplace_back(lane);
  lane();
  for (std::thread& t : pool) t.join();
  if (error) std::rethrow_exception(error);
  return figures;
}

}  // namespace

std::uint32_t BootstrapSeed(const BootstrapSettings& settings) {
  if (settings.seed != 0) return settings.seed;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
  const auto seed = static_cast<std::uint32_t>(micros % 4294967291LL);
  return seed == 0 ? 1 : seed;
}

BootstrapOutcome RunBootstrapRounds(const RunSetup& main, const ReportContext& ctx,
                                    const std::vector<PopulationResult>* main_results,
                                    const BootstrapSettings& settings, UserPort& port) {
  BootstrapOutcome out;
  out.settings = settings;
  out.exact = main.exact_percentiles;
  out.settings.iterations =
      main.monte_carlo && settings.iterations > 0 ? settings.iterations : main.settings.iterations;
  if (main_results != nullptr) out.main = FiguresOf(*main_results, out.exact);
  const std::size_t figures = BootstrapFigureList(out.exact).size();
  out.values.assign(main.selected.size(), std::vector<FigureValues>(figures));
  const int first = settings.FirstBootstrapRound(), last = settings.LastBootstrapRound();
  ShowRounds(port, main.caption, 0, first, last, settings.rounds);
  const std::vector<RoundFigures> rounds = RunRounds(main, ctx, settings, first, last, port);
  for (std::size_t k = 0; k < rounds.size(); ++k) {
    out.rounds.push_back(first + static_cast<int>(k));
    for (std::size_t p = 0; p < rounds[k].size(); ++p)
      for (std::size_t f = 0; f < figures; ++f) out.values[p][f].push_back(rounds[k][p][f]);
  }
  return out;
}

SectionLayout LayoutOf(const ReportContext& ctx) {
  SectionLayout layout;
  layout.toxicity_code = ctx.toxicity_code;
  layout.per_capita = ctx.specs.ReportPerCapita();
  layout.users = ctx.specs.ReportUsers();
  for (const ReportPopulation& p : ctx.populations)
    layout.population_names.push_back(p.report_name);
  return layout;
}

BootstrapSection SectionOf(const BootstrapOutcome& outcome, const SectionLayout& layout) {
  BootstrapSection s;
  s.settings = outcome.settings;
  s.exact = outcome.exact;
  s.layout = layout;
  for (std::size_t p = 0; p < outcome.values.size(); ++p) {
    std::vector<FigureInterval> row;
    for (std::size_t f = 0; f < outcome.values[p].size(); ++f) {
      const std::optional<double> main = outcome.main.empty() ? std::nullopt : outcome.main[p][f];
      // A partial run's rounds are not all the rounds: no interval.
      row.push_back(outcome.settings.Partial()
                        ? FigureInterval{main, std::nullopt, std::nullopt, std::nullopt}
                        : IntervalOf(main, outcome.values[p][f], outcome.settings.level_tenths));
    }
    s.intervals.push_back(std::move(row));
  }
  return s;
}

}  // namespace acute
