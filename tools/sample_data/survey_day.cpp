#include "sample_data/survey_day.h"

#include <algorithm>
#include <cmath>

namespace acute::sample {
namespace {

// Grams rounded to hundredths, at least 0.01.
float Grams(double g) {
  return static_cast<float>(std::max(std::round(g * 100.0), 1.0) / 100.0);
}

std::int16_t ClockTime(int minutes) {
  return static_cast<std::int16_t>((minutes / 60) * 100 + minutes % 60);
}

int DrawFoodCount(const Person& p, RandomSource& rng) {
  double mean = p.age <= 0 ? 4.0 : 10.0;
  double spread = p.age <= 0 ? 1.5 : 3.0;
  return std::clamp(static_cast<int>(std::round(mean + spread * rng.Normal())), 1, 24);
}

// Direct water goes to the person's tap source or to bottled water; a few reports do not
// say which.
int DirectWaterCommodity(const Person& p, RandomSource& rng) {
  if (rng.Chance(0.03)) return kDirectWaterFirst + 3;
  if (rng.Chance(p.bottled_share)) return kDirectWaterFirst + 2;
  return kDirectWaterFirst + p.tap_source;
}

}  // namespace

DayMaker::DayMaker(const KindLayout& layout, const Catalogue& catalogue)
    : older_(layout.older_survey()), catalogue_(catalogue), cookbook_(BuildCookbook(catalogue)) {}

std::vector<std::int16_t> DayMaker::DrawOccasions(RandomSource& rng) const {
  std::vector<int> minutes = {rng.Between(360, 570), rng.Between(690, 840),
                              rng.Between(1020, 1230)};
  int snacks = rng.Between(0, 3);
  for (int i = 0; i < snacks; ++i) minutes.push_back(rng.Between(540, 1410));
  std::sort(minutes.begin(), minutes.end());
  std::vector<std::int16_t> times;
  for (int m : minutes) times.push_back(ClockTime(m));
  return times;
}

void DayMaker::AddFood(const Person& person, std::int16_t time, SurveyDay& day,
                       RandomSource& rng) const {
  const Recipe& recipe = cookbook_.recipes[cookbook_.popularity.Pick(rng)];
  double grams = recipe.portion * person.appetite * rng.Range(0.5, 1.6);
  for (const Ingredient& in : recipe.ingredients)
    day.entries.push_back({static_cast<std::int16_t>(in.food_form), Grams(grams * in.share), time});
  if (recipe.water_form == 0) return;
  float water = Grams(grams * recipe.water_share);
  int source = kIndirectWaterFirst + (rng.Chance(person.bottled_share) ? 2 : person.tap_source);
  day.entries.push_back({static_cast<std::int16_t>(recipe.water_form), water, time});
  day.entries.push_back({static_cast<std::int16_t>(catalogue_.At(source).first_form), water, time});
}

// Each drink of water appears twice: as water from all sources and as water of its source.
void DayMaker::AddDrinkingWater(const Person& person, const std::vector<std::int16_t>& times,
                                SurveyDay& day, RandomSource& rng) const {
  if (person.age <= 0 || !rng.Chance(0.8)) return;
  int drinks = rng.Between(1, 4);
  for (int i = 0; i < drinks; ++i) {
    std::int16_t time = times[static_cast<std::size_t>(rng.Below(static_cast<int>(times.size())))];
    float grams = Grams(rng.Range(120, 650) * person.appetite);
    int source = DirectWaterCommodity(person, rng);
    day.entries.push_back(
        {static_cast<std::int16_t>(catalogue_.At(kDirectWaterAll).first_form), grams, time});
    day.entries.push_back(
        {static_cast<std::int16_t>(catalogue_.At(source).first_form), grams, time});
  }
}

std::int16_t DayMaker::DrawWaterCode(RandomSource& rng) const {
  if (rng.Chance(0.004)) return older_ ? static_cast<std::int16_t>(rng.Between(998, 999)) : -1;
  return static_cast<std::int16_t>(rng.Between(1, 3));
}

SurveyDay DayMaker::Make(const Person& person, bool second_day, RandomSource& rng) const {
  SurveyDay day;
  day.water_code = DrawWaterCode(rng);
  if ((second_day && rng.Chance(0.08)) || rng.Chance(0.005)) return day;  // no foods reported
  const std::vector<std::int16_t> times = DrawOccasions(rng);
  int foods = DrawFoodCount(person, rng);
  for (int i = 0; i < foods; ++i)
    AddFood(person, times[static_cast<std::size_t>(rng.Below(static_cast<int>(times.size())))], day,
            rng);
  AddDrinkingWater(person, times, day, rng);
  std::stable_sort(day.entries.begin(), day.entries.end(),
                   [](const FoodEntry& a, const FoodEntry& b) { return a.time < b.time; });
  return day;
}

}  // namespace acute::sample
