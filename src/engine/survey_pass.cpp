#include "engine/survey_pass.h"

#include <array>
#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "common/errors.h"
#include "engine/bins.h"
#include "engine/draw_plan.h"
#include "engine/qa_listing.h"
#include "engine/residue_sampler.h"
#include "random/uniform_source.h"

namespace acute {
namespace {

const char* PhaseText(PassKind kind) {
  switch (kind) {
    case PassKind::Calibration:
      return "Calibrating Bins";
    case PassKind::CecPreliminary:
      return "Initializing CEC Analysis";
    default:
      return "Computing Exposure";
  }
}

class ProgressCounter {
 public:
  ProgressCounter(UserPort& port, const std::string& caption, PassKind kind, std::size_t total)
      : port_(port), caption_(caption), phase_(PhaseText(kind)), total_(total) {
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
    port_.Progress(caption_, phase_ + "\r\nProgress:    " + std::to_string(percent) + "%");
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

// The exposure of one day pass for one iteration. The two halves of a pass each have one;
// the generator state inside is written on every draw, so each sits on cache lines of its
// own.
class alignas(64) ExposureComputer {
 public:
  // `skip`: the draws that come before this computer's persons.
  ExposureComputer(const PassSetup& s, PassKind kind, double timer, std::uint64_t skip)
      : s_(s), calibration_(kind == PassKind::Calibration), reversal_(s.reversal && !calibration_) {
    const MonteCarloSetup* mc = s.monte_carlo;
    if (mc == nullptr) return;
    mean_ = mc->tables->mc.FfMeanResidue.data();
    cum_total_ = mc->tables->cum_ratio_total.data();
    if (calibration_) return;
    uniforms_.emplace(mc->mersenne_twister, mc->seed, timer);
    uniforms_->Skip(skip);
    sampler_.emplace(*mc->tables, *mc->distributions, *uniforms_, mc->hold_residues);
  }
  ExposureComputer(const ExposureComputer&) = delete;
  ExposureComputer& operator=(const ExposureComputer&) = delete;

  // With a trace, the residue of every entry of the following iterations is appended to it.
  void Trace(std::vector<CecEntryResidue>* trace) { trace_ = trace; }

  // With `qa`, every entry's contribution is listed.
  float Exposure(const DayPass& pass, float body_weight, QaListing* qa = nullptr) {
    const RelevantEntry* entries = s_.passes->entries.data() + pass.first;
    const float* factor = s_.factor->data();
    float e = 0;
    if (s_.monte_carlo == nullptr && !reversal_ && qa == nullptr) {
      e = SummedExposure(entries, pass.count, factor);
    } else {
      if (sampler_) sampler_->StartIteration();
      if (reversal_) contribution_.resize(pass.count);
      for (std::uint32_t i = 0; i < pass.count; ++i) {
        const float c = Contribution(entries[i], factor, static_cast<int>(i) + 1, qa);
        if (reversal_)
          contribution_[i] = c;
        else
          e += c;
      }
      if (reversal_) e = PeakBurden(entries, pass.count, contribution_.data(), s_.half_life);
    }
    if (s_.two_day_average) e = e / 2;
    if (s_.per_kg) e = e / body_weight;
    return e;
  }

 private:
  float Contribution(const RelevantEntry& entry, const float* factor, int number, QaListing* qa) {
    const int f = entry.food_form;
    const float fg = factor[f] * entry.grams;
    if (cum_total_ == nullptr || cum_total_[f] == 0) {
      if (qa != nullptr && fg != 0) qa->Entry(number, factor[f], entry.grams, Residue(f), fg);
      if (trace_ != nullptr) trace_->push_back({Residue(f), 0});
      return fg;
    }
    const float residue = calibration_ ? mean_[f] : sampler_->Residue(f);
    if (trace_ != nullptr) trace_->push_back({residue, calibration_ ? 0 : sampler_->LastRecord()});
    const float c = fg * residue;
    if (qa != nullptr && c != 0) qa->Entry(number, factor[f], entry.grams, residue, c);
    return c;
  }

  float Residue(int f) const { return s_.residue != nullptr ? (*s_.residue)[f] : 0.0f; }

  const PassSetup& s_;
  const bool calibration_;
  const bool reversal_;
  const float* mean_ = nullptr;
  const float* cum_total_ = nullptr;
  std::optional<UniformSource> uniforms_;
  std::optional<ResidueSampler> sampler_;
  std::vector<float> contribution_;
  std::vector<CecEntryResidue>* trace_ = nullptr;
};

// The persons [first, last) of a pass, with accumulators of their own.
struct PassShare {
  std::size_t first = 0;
  std::size_t last = 0;
  std::uint64_t skipped_draws = 0;  // uniform draws taken by the persons before `first`
  std::vector<PopulationAccumulators> populations;
  CecShareOutput* cec = nullptr;  // what this half gathers for a critical exposure analysis
  CecDayBuffer cec_buffer;
  std::vector<CecEntryResidue> cec_trace;
};

// Adds one value to every population of `mask`: the logarithm of the value is taken once.
void AccumulateValue(std::uint64_t mask, float x, double w, bool bins,
                     std::vector<PopulationAccumulators>& populations) {
  const double log_x = bins && x > 0 ? std::log(static_cast<double>(x)) : 0;
  for (std::uint64_t m = mask; m != 0; m &= m - 1) {
    PopulationAccumulators& a = populations[std::countr_zero(m)];
    a.sum_wx += w * x;
    a.sum_wx2 += w * (static_cast<double>(x) * x);
    a.sum_w += w;
    a.n += 1;
    if (x > a.max_x) a.max_x = x;
    if (bins) a.bin_w[x > 0 ? AcuteBinFromLogs(x, log_x, a.m, a.log_m) : 0] += w;
  }
}

// Adds the DWLOC value of every population of `mask`: D = (tox - X) x bw / W, at least 0.
void AccumulateDwloc(std::uint64_t mask, float x, const SurveyGroup& group, const DayPass& pass,
                     double w, bool bins, const PassSetup& s,
                     std::vector<PopulationAccumulators>& populations, QaListing* qa) {
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
    if (bins) a.bin_w[DwlocBin(d, a.m, a.largest_dwloc)] += w;
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

// One day pass of a DWLOC run: every iteration's DWLOC values, consumers or not.
void RunDwlocPass(const PassSetup& s, const SurveyGroup& group, const DayPass& pass, int k,
                  std::uint64_t mask, int iterations, bool bins, PassShare& share,
                  ExposureComputer& exposure, bool calibration) {
  if (calibration)
    for (std::uint64_t m = mask; m != 0; m &= m - 1) {
      PopulationAccumulators& a = share.populations[std::countr_zero(m)];
      if (group.body_weight > a.max_bw) a.max_bw = group.body_weight;
    }
  QaListing* qa = calibration ? nullptr : s.qa;
  if (qa != nullptr) {
    qa->PersonDay(group.person, group.member, k + 1);
    ListWater(s, group, k, *qa);
    qa->TotalWater(pass.water_kg);
  }
  for (int it = 0; it < iterations; ++it) {
    if (qa != nullptr) qa->Iteration(it + 1);
    const float x = exposure.Exposure(pass, group.body_weight, qa);
    if (qa != nullptr) qa->BodyWeight(group.body_weight, x);
    AccumulateDwloc(mask, x, group, pass, group.sample_weight, bins, s, share.populations, qa);
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
void RunCecDayPass(const PassSetup& s, std::uint32_t g, int k, std::uint64_t mask, int iterations,
                   bool bins, PassShare& share, ExposureComputer& exposure) {
  const SurveyGroup& group = s.data->groups[g];
  const DayPass& pass = s.passes->Pass(g, k);
  const CecCapture& cec = *s.cec;
  CecShareOutput& out = *share.cec;
  if (pass.count == 0) {  // a non-consumer: its total is 0 in every iteration
    if (cec.count_amounts && cec.amount_window.Holds(0)) out.count += iterations;
    return;
  }
  const bool records = !cec.windows.empty();
  const int traced = records ? std::min(iterations, cec.record_iterations) : 0;
  CecDayBuffer& buffer = share.cec_buffer;
  std::vector<CecEntryResidue>& trace = share.cec_trace;
  buffer.Start(g, static_cast<std::int16_t>(k + 1));
  const RelevantEntry* entries = s.passes->entries.data() + pass.first;
  for (int it = 0; it < iterations; ++it) {
    const bool tracing = it < traced;
    trace.clear();
    exposure.Trace(tracing ? &trace : nullptr);
    const float e = exposure.Exposure(pass, group.body_weight);
    if (pass.total_grams != 0)
      AccumulateValue(mask, e, group.sample_weight, bins, share.populations);
    if (cec.count_amounts && cec.amount_window.Holds(e)) ++out.count;
    if (!tracing || !(e > 0) || !Qualifies(mask, e, cec.windows)) continue;
    buffer.Add(e, [&] {
      if (trace.size() == pass.count) return trace;
      std::vector<CecEntryResidue> fixed(pass.count);  // no draws: the food forms' residues
      for (std::uint32_t i = 0; i < pass.count; ++i)
        fixed[i].residue = (*s.residue)[entries[i].food_form];
      return fixed;
    });
  }
  exposure.Trace(nullptr);
  buffer.Flush(out.records);
}

// Runs the persons of a share; `tick` is called once per person record.
template <typename Tick>
void RunPersons(const PassSetup& s, int iterations, bool bins, PassShare& share,
                ExposureComputer& exposure, Tick tick) {
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
      for (std::uint64_t m = mask; m != 0; m &= m - 1) {
        PopulationAccumulators& a = share.populations[std::countr_zero(m)];
        a.tot_w += w * day_passes * iterations;
        a.tot_n += static_cast<double>(day_passes) * iterations;
      }
      for (int k = 0; k < day_passes; ++k) {
        const DayPass& pass = s.passes->Pass(g, k);
        if (dwloc) {
          RunDwlocPass(s, group, pass, k, mask, iterations, bins, share, exposure, !bins);
          continue;
        }
        if (share.cec != nullptr) {
          RunCecDayPass(s, g, k, mask, iterations, bins, share, exposure);
          continue;
        }
        if (pass.count == 0) continue;  // a non-consumer: counted in the totals only
        for (int it = 0; it < iterations; ++it) {
          const float e = exposure.Exposure(pass, group.body_weight);
          if (pass.total_grams != 0) AccumulateValue(mask, e, w, bins, share.populations);
        }
      }
    }
  }
}

// The uniform draws that the persons [first, last) take in a Monte Carlo main pass.
std::uint64_t DrawsOf(const PassSetup& s, std::size_t first, std::size_t last, int iterations) {
  const ConsumptionData& data = *s.data;
  std::vector<std::int16_t> plan;
  std::uint64_t draws = 0;
  for (std::size_t g = data.person_first_group[first]; g < data.person_first_group[last]; ++g) {
    if ((*s.membership)[g] == 0) continue;
    for (int k = 0; k < s.passes->passes_per_group; ++k) {
      const DayPass& pass = s.passes->Pass(g, k);
      plan.clear();
      draws += static_cast<std::uint64_t>(AppendDrawPlan(s.passes->entries.data() + pass.first,
                                                         pass.count, *s.monte_carlo->tables,
                                                         s.monte_carlo->hold_residues, plan)) *
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

// The survey is split into two fixed halves, run side by side and merged in order; the
// split does not depend on the machine, so a run gives the same figures everywhere. The
// second half's generator starts where the first half's draws end.
void RunSurveyPass(PassKind kind, const PassSetup& s,
                   std::vector<PopulationAccumulators>& populations, UserPort& port) {
  for (auto& p : populations) p.ClearSums();
  const int iterations = kind == PassKind::Calibration      ? 1
                         : kind == PassKind::CecPreliminary ? s.preliminary_iterations
                                                            : s.iterations;
  const bool bins = kind != PassKind::Calibration;
  const std::size_t persons = s.data->PersonRecords();
  // The QA listing follows the survey in order: it is written in one piece.
  const std::size_t middle = s.split && s.qa == nullptr ? persons / 2 : persons;
  std::array<PassShare, 2> shares;
  shares[0].last = middle;
  shares[0].populations = populations;
  shares[1].first = middle;
  shares[1].last = persons;
  shares[1].populations = populations;
  const bool gathers = s.cec != nullptr && kind != PassKind::Calibration && s.dwloc_tox == nullptr;
  if (gathers) {
    s.cec->shares.assign(2, CecShareOutput{});
    shares[0].cec = &s.cec->shares[0];
    shares[1].cec = &s.cec->shares[1];
  }
  const double timer = TimerSeconds();
  if (s.monte_carlo != nullptr && kind != PassKind::Calibration && middle < persons)
    shares[1].skipped_draws = DrawsOf(s, 0, middle, iterations);
  const auto first_half = std::make_unique<ExposureComputer>(s, kind, timer, 0);
  const auto second_half =
      std::make_unique<ExposureComputer>(s, kind, timer, shares[1].skipped_draws);
  ExposureComputer& first = *first_half;
  ExposureComputer& second = *second_half;

  ProgressCounter progress(port, s.caption, kind, persons);
  std::atomic<std::size_t> done{0};
  std::atomic<bool> stop{false};
  std::atomic<bool> finished{false};
  std::mutex finish_mutex;
  std::condition_variable finish_signal;
  std::exception_ptr worker_error;  // read only after `finished` or the join
  std::thread worker([&] {
    try {
      RunPersons(s, iterations, bins, shares[1], second, [&] {
        if (stop.load(std::memory_order_relaxed)) throw RunEnds("stopped");
        done.fetch_add(1, std::memory_order_relaxed);
      });
    } catch (...) {
      worker_error = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> lock(finish_mutex);
      finished.store(true, std::memory_order_release);
    }
    finish_signal.notify_one();
  });
  try {
    std::size_t mine = 0;
    RunPersons(s, iterations, bins, shares[0], first,
               [&] { progress.Person(++mine + done.load(std::memory_order_relaxed)); });
    // The other half may still run: keep the progress and the Cancel button alive.
    for (;;) {
      std::unique_lock<std::mutex> lock(finish_mutex);
      if (finish_signal.wait_for(lock, std::chrono::milliseconds(20),
                                 [&] { return finished.load(std::memory_order_acquire); }))
        break;
      lock.unlock();
      progress.Person(mine + done.load(std::memory_order_relaxed));
    }
  } catch (...) {
    stop = true;
    worker.join();
    HandleFailure(std::current_exception(), port);
  }
  worker.join();
  if (worker_error) HandleFailure(worker_error, port);
  progress.Done();
  for (auto& p : populations) p.ClearSums();
  Merge(shares[0], populations);
  Merge(shares[1], populations);
}

}  // namespace acute
