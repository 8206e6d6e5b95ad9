#pragma once
// The exposure of a person-day: the relevant food entries of each day pass, and their sum
// (or, with residue reversal, the peak body burden) for one iteration.
#include <cstdint>
#include <stdexcept>
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
  float water_kg = 0;     // drinking water of a DWLOC run (at least 0.03 kg)
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

// The drinking-water food forms of a DWLOC run (master numbers).
struct WaterForms {
  int direct = 0;          // the first food form of direct water, all sources
  int indirect_first = 0;  // the food forms of indirect water
  int indirect_last = -1;
};

// A negative indirect drinking-water amount: the survey data are damaged.
class NegativeWaterError : public std::runtime_error {
 public:
  NegativeWaterError(const SurveyGroup& group, float grams);
  std::int32_t person;
  std::int16_t member;
};

// With `water`, each day pass also gets its drinking water W (kg, at least 0.03).
SurveyPasses CollectRelevantEntries(const ConsumptionData& data, const std::vector<float>& factor,
                                    bool two_day_average, const WaterForms* water = nullptr);

// The drinking water of `n` consecutive food entries, in kg, at least 0.03.
float DrinkingWater(const FoodEntry* entries, int n, const WaterForms& water,
                    const SurveyGroup& group);

// The decimal hour of an eating time, hours x 100 + minutes.
double DecimalHour(int time);

// Sum of factor x grams over the pass (32-bit float sums, in file order).
float SummedExposure(const RelevantEntry* entries, std::uint32_t count, const float* factor);

// The largest body burden after any occasion, each earlier contribution decayed with the
// half-life (hours); contributions within 0.166 hours count fully.
float PeakBurden(const RelevantEntry* entries, std::uint32_t count, const float* contribution,
                 double half_life);

}  // namespace acute
