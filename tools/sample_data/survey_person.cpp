#include "sample_data/survey_person.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace acute::sample {
namespace {

// First sequence number of each survey cycle.
constexpr std::array<std::int32_t, 4> kCycleStart = {21005, 31127, 41475, 51624};

std::int16_t DrawAge(RandomSource& rng) {
  // Age bands with survey-like oversampling of children and older people.
  static const std::array<int, 7> kShare = {5, 7, 7, 14, 15, 27, 25};
  static const std::array<std::array<int, 2>, 7> kBand = {
      {{0, 0}, {1, 2}, {3, 5}, {6, 12}, {13, 19}, {20, 49}, {50, 85}}};
  int u = rng.Below(100);
  std::size_t band = 0;
  while (u >= kShare[band]) u -= kShare[band++];
  if (band == 0) return static_cast<std::int16_t>(-rng.Below(12));
  return static_cast<std::int16_t>(rng.Between(kBand[band][0], kBand[band][1]));
}

double ExpectedWeight(int age, bool male) {
  static const std::array<double, 20> kChild = {0,    10.5, 12.7, 14.6, 16.6, 18.7, 21.2,
                                                23.9, 26.8, 30.0, 33.5, 37.5, 42.0, 47.5,
                                                52.5, 57.0, 60.5, 63.0, 65.0, 67.0};
  if (age <= 0) return 3.6 + 0.6 * (-age);
  if (age < 20) return kChild[age] * (male ? 1.03 : 0.97);
  double adult = male ? 86.0 : 75.0;
  return age > 70 ? adult - 0.3 * (age - 70) : adult;
}

float DrawBodyWeight(int age, bool male, RandomSource& rng) {
  double expected = ExpectedWeight(age, male);
  double spread = age < 20 ? 0.12 : 0.2;
  double kg = std::max(expected * (1.0 + spread * rng.Normal()), 0.6 * expected);
  return static_cast<float>(std::round(kg * 10.0) / 10.0);
}

char DrawStatus(const Person& p, RandomSource& rng) {
  if (p.sex != '2' || p.age < 13) return ' ';
  if (p.age > 50) return '4';
  double u = rng.Uniform();
  return u < 0.04 ? '1' : u < 0.065 ? '2' : u < 0.075 ? '3' : '4';
}

char DrawNursing(const Person& p, RandomSource& rng) {
  if (p.age > 3) return ' ';
  static const std::array<double, 4> kNursing = {0.45, 0.14, 0.04, 0.01};
  return rng.Chance(kNursing[std::max<int>(p.age, 0)]) ? '1' : '2';
}

void DrawRace(Person& p, bool older, RandomSource& rng) {
  double u = rng.Uniform();
  if (!older) {
    p.race = u < 0.28 ? '1' : u < 0.66 ? '2' : u < 0.92 ? '3' : '4';
    return;
  }
  p.race = u < 0.72 ? '1' : u < 0.86 ? '2' : u < 0.95 ? '3' : '4';
  p.hispanic = rng.Chance(0.11) ? static_cast<char>('1' + rng.Below(4)) : '5';
}

std::int32_t DrawSampleWeight(int age, RandomSource& rng) {
  double u = rng.Uniform();
  double weight = 1500.0 + 38000.0 * u * u;
  if (age >= 20 && age < 60) weight *= 1.4;  // adults are sampled less often
  return static_cast<std::int32_t>(std::round(weight));
}

void DrawDemographics(Person& p, bool older, RandomSource& rng) {
  p.age = DrawAge(rng);
  p.sex = rng.Chance(0.5) ? '1' : '2';
  DrawRace(p, older, rng);
  p.status = DrawStatus(p, rng);
  p.nursing = DrawNursing(p, rng);
  p.body_weight = DrawBodyWeight(p.age, p.sex == '1', rng);
  p.sample_weight = DrawSampleWeight(p.age, rng);
  // Children eat more for their weight than adults do.
  p.appetite = std::clamp(0.25 + 0.75 * static_cast<double>(p.body_weight) / 70.0, 0.2, 1.3);
  if (p.nursing == '1') p.appetite *= 0.5;  // much of the day's food is breast milk
}

void DrawHabits(Person& p, RandomSource& rng) {
  p.tap_source = rng.Chance(0.85) ? 0 : 1;
  p.bottled_share = rng.Chance(0.55) ? 0.0 : rng.Range(0.2, 1.0);
  if (rng.Chance(0.001)) {
    p.groups = 0;
  } else if (rng.Chance(0.003)) {
    p.present = false;
  }
}

}  // namespace

void PersonSequence::StartCycle(int cycle) {
  if (!older_) next_number_ = kCycleStart[static_cast<std::size_t>(cycle) % kCycleStart.size()];
}

void PersonSequence::StartHousehold(RandomSource& rng) {
  household_template_ = Person{};
  household_template_.household = ++household_;
  household_template_.household_size = static_cast<std::int16_t>(rng.Between(1, 5));
  household_template_.region = static_cast<char>('1' + rng.Below(4));
  household_template_.month = static_cast<std::int16_t>(rng.Between(1, 12));
  household_template_.day = static_cast<std::int16_t>(rng.Between(1, 28));
  household_left_ = household_template_.household_size;
}

Person PersonSequence::Next(RandomSource& rng) {
  Person p;
  if (older_) {
    if (household_left_ == 0) StartHousehold(rng);
    p = household_template_;
    p.member = static_cast<std::int16_t>(p.household_size - household_left_ + 1);
    --household_left_;
    p.number = next_number_++;
  } else {
    p.number = next_number_;
    next_number_ += rng.Chance(0.25) ? 2 : 1;
  }
  DrawDemographics(p, older_, rng);
  DrawHabits(p, rng);
  return p;
}

}  // namespace acute::sample
