#include "engine/survey_pass.h"

#include <bit>
#include <cmath>
#include <exception>
#include <memory>

#include "common/errors.h"
#include "engine/bins.h"
#include "engine/day_pass_draws.h"
#include "engine/day_pass_exposure.h"
#include "engine/pass_chunks.h"
#include "engine/pass_threads.h"
#include "engine/qa_listing.h"
#include "engine/residue_sampler.h"
#include "random/uniform_source.h"

namespace acute {
namespace {

// The phase a pass shows; the main pass of a Monte Carlo run names its iterations.
std::string PhaseText(PassKind kind, const PassSetup& s) {
  switch (kind) {
    case PassKind::Calibration:
      return "Calibrating Bins";
    case PassKind::CecPreliminary:
      return "Initializing CEC Analysis";
    case PassKind::Pilot:
      return "Locating percentiles";
    case PassKind::Repeat:
      return "Computing exact percentiles";
    default:
      if (s.monte_carlo != nullptr)
        return "Computing exposure: " + std::to_string(s.iterations) + " iterations";
      return "Computing Exposure";
  }
}

class ProgressCounter {
 public:
  ProgressCounter(UserPort& port, const std::string& caption, std::string phase, std::size_t total)
      : port_(port), caption_(caption), phase_(std::move(phase)), total_(total) {
    Show(0);
  }
  // Counts one person record; throws RunEnds after a confirmed Cancel.
  void Person(std::size_t done) {
    const int percent = total_ == 0 ? 100 : static_cast<int>(done * 100 / total_);
    if (percent != shown_) Show(percent);
    if (port_.CancelRequested()) throw RunEnds("the analysis was cancelled");
  }
  // The pass is over.
  void Done() {
    if (shown_ != 100) Show(100);
  }

 private:
  void Show(int percent) {
    shown_ = percent;
    port_.Progress(ProgressReport{caption_, phase_, "", percent, std::nullopt});
  }
  UserPort& port_;
  std::string caption_;
  std::string phase_;
  std::size_t total_;
  int shown_ = -1;
};

[[noreturn]] void HandleFailure(std::exception_ptr error, UserPort& port) {
  try {
    std::rethrow_exception(error);
  } catch (const ChemicalSelectionError& e) {
    Tell(port, "Tarn-VELD Acute Module", e.what());
    throw ProgramEnds(e.what());
  }
}

// The persons [first, last) of a chunk, with accumulators of their own.
struct PassShare {
  std::size_t first = 0;
  std::size_t last = 0;
  std::vector<PopulationAccumulators> populations;
  CecShareOutput* cec = nullptr;  // what this chunk gathers for a critical exposure analysis
  CecDayBuffer cec_buffer;
  ExactChunk* exact = nullptr;  // what this chunk keeps for the exact percentiles
};

// Adds one value to every population of `mask` (and keeps it for the exact percentiles when
// `exact` is not null). The logarithm of the value, which only the bins above a population's
// mean need, is taken at most once.
void AccumulateValue(std::uint64_t mask, float x, double w, bool bins,
                     std::vector<PopulationAccumulators>& populations, ExactChunk* exact) {
  double log_x = 0;
  bool have_log = false;
  for (std::uint64_t m = mask; m != 0; m &= m - 1) {
    const int p = std::countr_zero(m);
    PopulationAccumulators& a = populations[p];
    a.sum_wx += w * x;
    a.sum_wx2 += w * (static_cast<double>(x) * x);
    a.sum_w += w;
    a.n += 1;
    if (x > a.max_x) a.max_x = x;
    if (!bins) continue;
    if (!(x > 0)) {
      a.bin_w[0] += w;
      if (exact != nullptr) exact->AddAtOrBelowZero(p, x);
      continue;
    }
    if (!have_log && !(x / a.m < 1)) {
      log_x = std::log(static_cast<double>(x));
      have_log = true;
    }
    const int bin = AcuteBinFromLogs(x, log_x, a.m, a.log_m);
    a.bin_w[bin] += w;
    if (exact != nullptr) exact->Add(p, bin, x);
  }
}

// Adds the DWLOC value of every population of `mask`: D = (tox - X) x bw / W, at least 0.
void AccumulateDwloc(std::uint64_t mask, float x, const SurveyGroup& group, const DayPass& pass,
                     double w, bool bins, const PassSetup& s,
                     std::vector<PopulationAccumulators>& populations, QaListing* qa,
                     ExactChunk* exact) {
  for (std::uint64_t m = mask; m != 0; m &= m - 1) {
    const int p = std::countr_zero(m);
    PopulationAccumulators& a = populations[p];
    const float tox = (*s.dwloc_tox)[p];
    float d = (tox - x) * group.body_weight / pass.water_kg;
    if (d < 0) d = 0;
    if (qa != nullptr) qa->Equation(tox, x, group.body_weight, pass.water_kg, d);
    a.sum_wx += w * d;
    a.sum_wx2 += w * (static_cast<double>(d) * d);
    a.sum_w += w;
    a.n += 1;
    if (d > a.max_x) a.max_x = d;
    if (d < a.min_v) a.min_v = d;
    if (!bins) continue;
    const int bin = DwlocBin(d, a.m, a.largest_dwloc);
    a.bin_w[bin] += w;
    if (exact != nullptr) exact->Add(p, bin, d);
  }
}

void ListWater(const PassSetup& s, const SurveyGroup& group, int k, QaListing& qa) {
  const int n1 = group.day_entries[0];
  const int n2 = group.day_entries[1];
  const bool both = s.passes->passes_per_group == 1;
  const std::uint32_t first = group.first_entry + (k == 0 ? 0 : n1);
  const int n = both ? n1 + n2 : (k == 0 ? n1 : n2);
  const WaterForms& water = *s.water;
  for (int i = 0; i < n; ++i) {
    const FoodEntry& e = s.data->entries[first + i];
    const bool indirect = e.food_form >= water.indirect_first && e.food_form <= water.indirect_last;
    if (indirect || (e.food_form == water.direct && e.food_form != 0))
      qa.WaterEntry(indirect, e.food_form, e.grams);
  }
}

// The contributions of iteration k of the block to the QA listing (those that are not 0).
void ListEntries(const DayPassExposure& exposure, std::uint32_t count, int k, QaListing& qa) {
  for (std::uint32_t i = 0; i < count; ++i) {
    const float c = exposure.Contribution(k, i);
    if (c != 0)
      qa.Entry(static_cast<int>(i) + 1, exposure.Factor(i), exposure.Grams(i),
               exposure.Residue(k, i), c);
  }
}

// One day pass of a DWLOC run: every iteration's DWLOC values, consumers or not.
void RunDwlocPass(const PassSetup& s, const SurveyGroup& group, const DayPass& pass, int day,
                  std::uint64_t mask, int iterations, bool bins, PassShare& share,
                  DayPassExposure& exposure, bool calibration) {
  if (calibration)
    for (std::uint64_t m = mask; m != 0; m &= m - 1) {
      PopulationAccumulators& a = share.populations[std::countr_zero(m)];
      if (group.body_weight > a.max_bw) a.max_bw = group.body_weight;
    }
  QaListing* qa = calibration ? nullptr : s.qa;
  if (qa != nullptr) {
    qa->PersonDay(group.person, group.member, day + 1);
    ListWater(s, group, day, *qa);
    qa->TotalWater(pass.water_kg);
  }
  exposure.Start(pass, group.body_weight);
  for (int done = 0; done < iterations;) {
    const int n = exposure.BlockIterations(iterations - done);
    const float* x = exposure.Next(n, false);
    for (int k = 0; k < n; ++k) {
      if (qa != nullptr) {
        qa->Iteration(done + k + 1);
        ListEntries(exposure, pass.count, k, *qa);
        qa->BodyWeight(group.body_weight, x[k]);
      }
      AccumulateDwloc(mask, x[k], group, pass, group.sample_weight, bins, s, share.populations, qa,
                      share.exact);
    }
    done += n;
  }
}

// True when the total qualifies at the first population of `mask` whose window holds it.
bool Qualifies(std::uint64_t mask, float e, const std::vector<CecWindow>& windows) {
  for (std::uint64_t m = mask; m != 0; m &= m - 1)
    if (windows[std::countr_zero(m)].Holds(e)) return true;
  return false;
}

// One day pass of an acute run that gathers for a critical exposure analysis: the count of
// totals in the amount window (preliminary pass), or the records of the iterations up to
// the cap whose totals qualify (main pass).
void RunCecDayPass(const PassSetup& s, std::uint32_t g, int day, std::uint64_t mask, int iterations,
                   bool bins, PassShare& share, DayPassExposure& exposure) {
  const SurveyGroup& group = s.data->groups[g];
  const DayPass& pass = s.passes->Pass(g, day);
  const CecCapture& cec = *s.cec;
  CecShareOutput& out = *share.cec;
  if (pass.count == 0) {  // a non-consumer: its total is 0 in every iteration
    if (cec.count_amounts && cec.amount_window.Holds(0)) out.count += iterations;
    return;
  }
  const int traced = cec.windows.empty() ? 0 : std::min(iterations, cec.record_iterations);
  const float lowest = cec.windows.empty() ? 0 : LowestBound(mask, cec.windows);
  CecDayBuffer& buffer = share.cec_buffer;
  buffer.Start(g, static_cast<std::int16_t>(day + 1));
  exposure.Start(pass, group.body_weight);
  for (int done = 0; done < iterations;) {
    const int n = exposure.BlockIterations(iterations - done);
    const bool records = cec.draw_records && done < traced;
    const float* x = exposure.Next(n, records);
    for (int k = 0; k < n; ++k) {
      const float e = x[k];
      if (pass.total_grams != 0)
        AccumulateValue(mask, e, group.sample_weight, bins, share.populations, share.exact);
      if (cec.count_amounts && cec.amount_window.Holds(e)) ++out.count;
      if (done + k >= traced || !(e > 0) || e < lowest || !Qualifies(mask, e, cec.windows))
        continue;
      buffer.Add(e, [&] {
        std::vector<CecEntryResidue> residues(pass.count);
        for (std::uint32_t i = 0; i < pass.count; ++i)
          residues[i] = {exposure.Residue(k, i), records ? exposure.Record(k, i) : 0};
        return residues;
      });
    }
    done += n;
  }
  buffer.Flush(out.records);
}

// One day pass of an acute run: every iteration's exposure, accumulated for a consumer.
void RunDayPass(const SurveyGroup& group, const DayPass& pass, std::uint64_t mask, int iterations,
                bool bins, PassShare& share, DayPassExposure& exposure) {
  exposure.Start(pass, group.body_weight);
  for (int done = 0; done < iterations;) {
    const int n = exposure.BlockIterations(iterations - done);
    const float* x = exposure.Next(n, false);
    if (pass.total_grams != 0)
      for (int k = 0; k < n; ++k)
        AccumulateValue(mask, x[k], group.sample_weight, bins, share.populations, share.exact);
    done += n;
  }
}

// Runs the persons of a chunk; `tick` is called once per person record.
void RunPersons(const PassSetup& s, int iterations, bool bins, PassShare& share,
                DayPassExposure& exposure, const PersonTick& tick) {
  const bool dwloc = s.dwloc_tox != nullptr;
  const ConsumptionData& data = *s.data;
  const int day_passes = s.passes->passes_per_group;
  for (std::size_t person = share.first; person < share.last; ++person) {
    tick();
    for (std::uint32_t g = data.person_first_group[person]; g < data.person_first_group[person + 1];
         ++g) {
      const std::uint64_t mask = (*s.membership)[g];
      if (mask == 0) continue;
      const SurveyGroup& group = data.groups[g];
      const double w = group.sample_weight;
      if (share.exact != nullptr) share.exact->StartGroup(g);
      for (std::uint64_t m = mask; m != 0; m &= m - 1) {
        PopulationAccumulators& a = share.populations[std::countr_zero(m)];
        a.tot_w += w * day_passes * iterations;
        a.tot_n += static_cast<double>(day_passes) * iterations;
      }
      for (int day = 0; day < day_passes; ++day) {
        const DayPass& pass = s.passes->Pass(g, day);
        if (dwloc)
          RunDwlocPass(s, group, pass, day, mask, iterations, bins, share, exposure, !bins);
        else if (share.cec != nullptr)
          RunCecDayPass(s, g, day, mask, iterations, bins, share, exposure);
        else if (pass.count != 0)  // a non-consumer counts in the totals only
          RunDayPass(group, pass, mask, iterations, bins, share, exposure);
      }
    }
  }
}

// The uniform draws that the persons [first, last) take in a Monte Carlo pass.
std::uint64_t DrawsOf(const PassSetup& s, std::size_t first, std::size_t last, int iterations) {
  const ConsumptionData& data = *s.data;
  const MonteCarloSetup& mc = *s.monte_carlo;
  DayPassDraws plan(*mc.tables, *mc.distributions, mc.hold_residues);
  std::uint64_t draws = 0;
  for (std::size_t g = data.person_first_group[first]; g < data.person_first_group[last]; ++g) {
    if ((*s.membership)[g] == 0) continue;
    for (int k = 0; k < s.passes->passes_per_group; ++k) {
      const DayPass& pass = s.passes->Pass(g, k);
      draws +=
          static_cast<std::uint64_t>(plan.Plan(s.passes->entries.data() + pass.first, pass.count)) *
          static_cast<std::uint64_t>(iterations);
    }
  }
  return draws;
}

void Merge(const PassShare& share, std::vector<PopulationAccumulators>& populations) {
  for (std::size_t p = 0; p < populations.size(); ++p) {
    PopulationAccumulators& a = populations[p];
    const PopulationAccumulators& b = share.populations[p];
    for (int k = 0; k < kBinCount; ++k) a.bin_w[k] += b.bin_w[k];
    a.sum_wx += b.sum_wx;
    a.sum_wx2 += b.sum_wx2;
    a.sum_w += b.sum_w;
    a.n += b.n;
    a.tot_w += b.tot_w;
    a.tot_n += b.tot_n;
    a.max_x = std::max(a.max_x, b.max_x);
    a.min_v = std::min(a.min_v, b.min_v);
    a.max_bw = std::max(a.max_bw, b.max_bw);
  }
}

}  // namespace

// The survey is cut into fixed chunks, run on any number of threads and merged in chunk
// order, so that a run gives the same figures everywhere. Each chunk's generator starts
// where the draws of the chunks before it end.
void RunSurveyPass(PassKind kind, const PassSetup& s,
                   std::vector<PopulationAccumulators>& populations, UserPort& port) {
  for (auto& p : populations) p.ClearSums();
  const int iterations = kind == PassKind::Calibration      ? 1
                         : kind == PassKind::CecPreliminary ? s.preliminary_iterations
                         : kind == PassKind::Pilot          ? s.pilot_iterations
                                                            : s.iterations;
  const bool bins = kind != PassKind::Calibration;
  const std::size_t persons = s.data->PersonRecords();
  const bool draws = s.monte_carlo != nullptr && kind != PassKind::Calibration;
  const std::vector<PassChunk> chunks =
      ChunkPass(persons, [&](std::size_t first, std::size_t last) {
        return draws ? DrawsOf(s, first, last, iterations) : 0;
      });
  std::vector<PassShare> shares(chunks.size());
  const bool gathers = s.cec != nullptr && kind != PassKind::Calibration && s.dwloc_tox == nullptr;
  if (gathers) s.cec->shares.assign(chunks.size(), CecShareOutput{});
  const bool keeps = s.exact != nullptr && (kind == PassKind::Main || kind == PassKind::Repeat);
  if (keeps) {
    s.exact->chunks.clear();
    for (std::size_t c = 0; c < chunks.size(); ++c) s.exact->chunks.emplace_back(s.exact->plan);
  }
  // The QA listing follows the survey in order: its chunks run one after the other.
  const int threads = s.qa != nullptr ? 1 : ThreadsFor(s.threads, chunks.size());
  const double timer = s.timer != nullptr ? *s.timer : TimerSeconds();
  if (kind == PassKind::Main && s.main_pass_timer != nullptr) *s.main_pass_timer = timer;
  std::vector<std::unique_ptr<DayPassExposure>> computers;
  for (int w = 0; w < threads; ++w)
    computers.push_back(std::make_unique<DayPassExposure>(s, kind, timer));

  ProgressCounter progress(port, s.caption, PhaseText(kind, s), persons);
  try {
    RunChunksOnThreads(
        chunks.size(), threads, [&](std::size_t done) { progress.Person(done); },
        [&](int worker, std::size_t c, const PersonTick& tick) {
          PassShare& share = shares[c];
          share.first = chunks[c].first;
          share.last = chunks[c].last;
          share.populations = populations;
          if (gathers) share.cec = &s.cec->shares[c];
          if (keeps) share.exact = &s.exact->chunks[c];
          DayPassExposure& exposure = *computers[static_cast<std::size_t>(worker)];
          exposure.StartChunk(chunks[c]);
          RunPersons(s, iterations, bins, share, exposure, tick);
          exposure.EndChunk();
        });
  } catch (...) {
    HandleFailure(std::current_exception(), port);
  }
  progress.Done();
  for (auto& p : populations) p.ClearSums();
  for (const PassShare& share : shares) Merge(share, populations);
}

}  // namespace acute
