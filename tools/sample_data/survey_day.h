#pragma once
// One survey day of one person: the food entries (master food-form number, grams and
// eating time), in eating order, and the day's water code.
#include <cstdint>
#include <vector>

#include "sample_data/catalogue.h"
#include "sample_data/cookbook.h"
#include "sample_data/kind_layout.h"
#include "sample_data/random_source.h"
#include "sample_data/survey_person.h"

namespace acute::sample {

struct FoodEntry {
  std::int16_t food_form = 0;
  float grams = 0;
  std::int16_t time = 0;  // hours * 100 + minutes
};

struct SurveyDay {
  std::vector<FoodEntry> entries;
  std::int16_t water_code = 1;  // negative (kind 2) or 998 and more (kind 0): not reported
};

class DayMaker {
 public:
  DayMaker(const KindLayout& layout, const Catalogue& catalogue);
  SurveyDay Make(const Person& person, bool second_day, RandomSource& rng) const;

 private:
  std::vector<std::int16_t> DrawOccasions(RandomSource& rng) const;
  void AddFood(const Person& person, std::int16_t time, SurveyDay& day, RandomSource& rng) const;
  void AddDrinkingWater(const Person& person, const std::vector<std::int16_t>& times,
                        SurveyDay& day, RandomSource& rng) const;
  std::int16_t DrawWaterCode(RandomSource& rng) const;

  bool older_;
  const Catalogue& catalogue_;
  Cookbook cookbook_;
};

}  // namespace acute::sample
