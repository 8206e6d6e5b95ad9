#include "engine/survey_pass.h"

#include <bit>

#include "common/errors.h"
#include "engine/bins.h"

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

float DayExposure(const PassSetup& s, PassKind kind, const DayPass& pass, float body_weight,
                  std::vector<float>& contribution) {
  const RelevantEntry* entries = s.passes->entries.data() + pass.first;
  const float* factor = s.factor->data();
  float e = 0;
  if (s.reversal && kind != PassKind::Calibration) {
    contribution.resize(pass.count);
    for (std::uint32_t i = 0; i < pass.count; ++i)
      contribution[i] = factor[entries[i].food_form] * entries[i].grams;
    e = PeakBurden(entries, pass.count, contribution.data(), s.half_life);
  } else {
    e = SummedExposure(entries, pass.count, factor);
  }
  if (s.two_day_average) e = e / 2;
  if (s.per_kg) e = e / body_weight;
  return e;
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
  std::vector<float> contribution;
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
        if (pass.total_grams == 0) continue;  // a non-consumer: counted in the totals only
        for (int it = 0; it < iterations; ++it) {
          const float e = DayExposure(s, kind, pass, group.body_weight, contribution);
          for (std::uint64_t m = mask; m != 0; m &= m - 1)
            Accumulate(populations[std::countr_zero(m)], e, w, bins);
        }
      }
    }
  }
}

}  // namespace acute
