#pragma once
// The exposure of a person-day: the relevant food entries of each day pass, and their sum
// (or, with residue reversal, the peak body burden) for one iteration.
#include <cstdint>
#include <vector>

#include "engine/consumption_data.h"

namespace acute {

// A food entry whose food form carries a residue.
struct RelevantEntry {
  std::int16_t food_form = 0;
  float grams = 0;
  double hour = 0;  // decimal hour of the eating occasion
};

struct DayPass {
  std::uint32_t first = 0;  // index into SurveyPasses::entries
  std::uint32_t count = 0;
  float total_grams = 0;  // 0 marks a non-consumer
};

// The day passes of every survey group: two per group (day 1, day 2), or one with the
// two-day average (both days' entries together).
struct SurveyPasses {
  std::vector<RelevantEntry> entries;
  std::vector<DayPass> passes;
  int passes_per_group = 2;

  const DayPass& Pass(std::size_t group, int k) const {
    return passes[group * static_cast<std::size_t>(passes_per_group) + k];
  }
};

SurveyPasses CollectRelevantEntries(const ConsumptionData& data, const std::vector<float>& factor,
                                    bool two_day_average);

// The decimal hour of an eating time, hours x 100 + minutes.
double DecimalHour(int time);

// Sum of factor x grams over the pass (32-bit float sums, in file order).
float SummedExposure(const RelevantEntry* entries, std::uint32_t count, const float* factor);

// The largest body burden after any occasion, each earlier contribution decayed with the
// half-life (hours); contributions within 0.166 hours count fully.
float PeakBurden(const RelevantEntry* entries, std::uint32_t count, const float* contribution,
                 double half_life);

}  // namespace acute
