#include "engine/exposure.h"

#include <cmath>

namespace acute {
namespace {

// Appends the relevant entries of `n` consecutive food entries; `previous` is the last
// valid eating time of the day pass.
void CollectPass(const ConsumptionData& data, std::uint32_t first, int n,
                 const std::vector<float>& factor, int& previous, SurveyPasses& out,
                 DayPass& pass) {
  for (int i = 0; i < n; ++i) {
    const FoodEntry& e = data.entries[first + i];
    int time = e.time;
    if (time > 2400)
      time = previous;
    else
      previous = time;
    const int f = e.food_form;
    if (f < 1 || f >= static_cast<int>(factor.size()) || factor[f] == 0) continue;
    out.entries.push_back({e.food_form, e.grams, DecimalHour(time)});
    pass.total_grams += e.grams;
    ++pass.count;
  }
}

}  // namespace

NegativeWaterError::NegativeWaterError(const SurveyGroup& group, float grams)
    : std::runtime_error("a negative indirect drinking-water amount (" + std::to_string(grams) +
                         " g)"),
      person(group.person),
      member(group.member) {}

float DrinkingWater(const FoodEntry* entries, int n, const WaterForms& water,
                    const SurveyGroup& group) {
  float w = 0;
  for (int i = 0; i < n; ++i) {
    const int f = entries[i].food_form;
    const bool indirect = f >= water.indirect_first && f <= water.indirect_last;
    if (indirect && entries[i].grams < 0) throw NegativeWaterError(group, entries[i].grams);
    if (indirect || (f == water.direct && f != 0)) w += entries[i].grams / 1000;
  }
  return w < 0.03f ? 0.03f : w;
}

double DecimalHour(int time) {
  const double h = time / 100.0;
  const double whole = std::floor(h);
  return whole + (h - whole) / 0.6;
}

SurveyPasses CollectRelevantEntries(const ConsumptionData& data, const std::vector<float>& factor,
                                    bool two_day_average, const WaterForms* water) {
  SurveyPasses out;
  out.passes_per_group = two_day_average ? 1 : 2;
  out.passes.reserve(data.groups.size() * out.passes_per_group);
  for (const SurveyGroup& g : data.groups) {
    const int n1 = g.day_entries[0];
    const int n2 = g.day_entries[1];
    if (two_day_average) {
      DayPass pass{static_cast<std::uint32_t>(out.entries.size()), 0, 0};
      int previous = 1;
      CollectPass(data, g.first_entry, n1 + n2, factor, previous, out, pass);
      if (water)
        pass.water_kg = DrinkingWater(data.entries.data() + g.first_entry, n1 + n2, *water, g);
      out.passes.push_back(pass);
      continue;
    }
    for (int day = 0; day < 2; ++day) {
      DayPass pass{static_cast<std::uint32_t>(out.entries.size()), 0, 0};
      int previous = 1;
      const std::uint32_t first = g.first_entry + (day == 0 ? 0 : n1);
      const int n = day == 0 ? n1 : n2;
      CollectPass(data, first, n, factor, previous, out, pass);
      if (water) pass.water_kg = DrinkingWater(data.entries.data() + first, n, *water, g);
      out.passes.push_back(pass);
    }
  }
  return out;
}

float SummedExposure(const RelevantEntry* entries, std::uint32_t count, const float* factor) {
  float e = 0;
  for (std::uint32_t i = 0; i < count; ++i) e += factor[entries[i].food_form] * entries[i].grams;
  return e;
}

float PeakBurden(const RelevantEntry* entries, std::uint32_t count, const float* contribution,
                 double half_life) {
  double peak = 0;
  for (std::uint32_t n = 0; n < count; ++n) {
    double burden = 0;
    for (std::uint32_t j = 0; j <= n; ++j) {
      const double dt = entries[n].hour - entries[j].hour;
      const double w = dt <= 0.166 ? 1.0 : std::pow(0.5, dt / half_life);
      burden += contribution[j] * w;
    }
    if (burden > peak) peak = burden;
  }
  return static_cast<float>(peak);
}

}  // namespace acute
