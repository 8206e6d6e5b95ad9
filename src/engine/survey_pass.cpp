#include "engine/survey_pass.h"

#include <bit>
#include <optional>

#include "common/errors.h"
#include "engine/bins.h"
#include "engine/residue_sampler.h"
#include "random/uniform_source.h"

namespace acute {
namespace {

const char* PhaseText(PassKind kind) {
  return kind == PassKind::Calibration ? "Calibrating Bins" : "Computing Exposure";
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

// The exposure of one day pass for one iteration.
class ExposureComputer {
 public:
  ExposureComputer(const PassSetup& s, PassKind kind)
      : s_(s), calibration_(kind == PassKind::Calibration), reversal_(s.reversal && !calibration_) {
    const MonteCarloSetup* mc = s.monte_carlo;
    if (mc == nullptr) return;
    mean_ = mc->tables->mc.FfMeanResidue.data();
    cum_total_ = mc->tables->cum_ratio_total.data();
    if (calibration_) return;
    uniforms_.emplace(mc->mersenne_twister, mc->seed, TimerSeconds());
    sampler_.emplace(*mc->tables, *mc->distributions, *uniforms_, mc->hold_residues);
  }

  float Exposure(const DayPass& pass, float body_weight) {
    const RelevantEntry* entries = s_.passes->entries.data() + pass.first;
    const float* factor = s_.factor->data();
    float e = 0;
    if (s_.monte_carlo == nullptr && !reversal_) {
      e = SummedExposure(entries, pass.count, factor);
    } else {
      if (sampler_) sampler_->StartIteration();
      if (reversal_) contribution_.resize(pass.count);
      for (std::uint32_t i = 0; i < pass.count; ++i) {
        const float c = Contribution(entries[i], factor);
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
  float Contribution(const RelevantEntry& entry, const float* factor) {
    const int f = entry.food_form;
    const float fg = factor[f] * entry.grams;
    if (cum_total_ == nullptr || cum_total_[f] == 0) return fg;
    if (calibration_) return fg * mean_[f];
    return fg * sampler_->Residue(f);
  }

  const PassSetup& s_;
  const bool calibration_;
  const bool reversal_;
  const float* mean_ = nullptr;
  const float* cum_total_ = nullptr;
  std::optional<UniformSource> uniforms_;
  std::optional<ResidueSampler> sampler_;
  std::vector<float> contribution_;
};

void RunPersons(const PassSetup& s, int iterations, int day_passes, bool bins,
                std::vector<PopulationAccumulators>& populations, ProgressCounter& progress,
                ExposureComputer& exposure) {
  const ConsumptionData& data = *s.data;
  for (std::size_t person = 0; person < data.PersonRecords(); ++person) {
    progress.Person(person + 1);
    for (std::uint32_t g = data.person_first_group[person]; g < data.person_first_group[person + 1];
         ++g) {
      const std::uint64_t mask = (*s.membership)[g];
      if (mask == 0) continue;
      const SurveyGroup& group = data.groups[g];
      const double w = group.sample_weight;
      for (std::uint64_t m = mask; m != 0; m &= m - 1) {
        PopulationAccumulators& a = populations[std::countr_zero(m)];
        a.tot_w += w * day_passes * iterations;
        a.tot_n += static_cast<double>(day_passes) * iterations;
      }
      for (int k = 0; k < day_passes; ++k) {
        const DayPass& pass = s.passes->Pass(g, k);
        if (pass.count == 0) continue;  // a non-consumer: counted in the totals only
        for (int it = 0; it < iterations; ++it) {
          const float e = exposure.Exposure(pass, group.body_weight);
          if (pass.total_grams == 0) continue;
          for (std::uint64_t m = mask; m != 0; m &= m - 1)
            Accumulate(populations[std::countr_zero(m)], e, w, bins);
        }
      }
    }
  }
}

}  // namespace

void Accumulate(PopulationAccumulators& a, float x, double w, bool with_bins) {
  a.sum_wx += w * x;
  a.sum_wx2 += w * (static_cast<double>(x) * x);
  a.sum_w += w;
  a.n += 1;
  if (x > a.max_x) a.max_x = x;
  if (with_bins) a.bin_w[AcuteBin(x, a.m)] += w;
}

void RunSurveyPass(PassKind kind, const PassSetup& s,
                   std::vector<PopulationAccumulators>& populations, UserPort& port) {
  for (auto& p : populations) p.ClearSums();
  const int iterations = kind == PassKind::Calibration ? 1 : s.iterations;
  const int day_passes = s.passes->passes_per_group;
  const bool bins = kind == PassKind::Main;
  const ConsumptionData& data = *s.data;
  ProgressCounter progress(port, s.caption, kind, data.PersonRecords());
  ExposureComputer exposure(s, kind);
  try {
    RunPersons(s, iterations, day_passes, bins, populations, progress, exposure);
  } catch (const ChemicalSelectionError& e) {
    Tell(port, "Tarn-VELD Acute Module", e.what());
    throw ProgramEnds(e.what());
  }
}

}  // namespace acute
