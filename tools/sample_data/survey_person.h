#pragma once
// One surveyed person: identification, demographics, body weight, sample weight and the
// drinking-water habits that shape the days of food entries.
#include <cstdint>

#include "sample_data/kind_layout.h"
#include "sample_data/random_source.h"

namespace acute::sample {

struct Person {
  std::int32_t number = 0;     // sequence number (kind 2) or PID (kind 0)
  std::int32_t household = 0;  // kind 0
  std::int16_t member = 1;     // person number within the household
  std::int16_t household_size = 1;
  std::int16_t age = 0;  // years; infants: months as 0 .. -11
  char sex = '1';
  char race = '1';
  char hispanic = ' ';
  char status = ' ';       // female status 1 .. 4
  char nursing = ' ';      // children up to 3: '1' nursing, '2' not
  char region = ' ';       // kind 0
  std::int16_t month = 0;  // kind 0 survey date
  std::int16_t day = 0;
  float body_weight = 0;
  std::int32_t sample_weight = 0;
  int tap_source = 0;        // 0 community water, 1 private well
  double bottled_share = 0;  // share of direct water drunk from bottles
  double appetite = 1;       // portion scale from body size
  int groups = 1;            // member groups of the person record
  bool present = true;       // presence flag of the member group
};

// Hands out persons in survey order: sequence numbers restart per cycle (kind 2); PIDs run
// on through all files and come in households that share region and survey date (kind 0).
class PersonSequence {
 public:
  explicit PersonSequence(const KindLayout& layout) : older_(layout.older_survey()) {}
  void StartCycle(int cycle);
  Person Next(RandomSource& rng);

 private:
  void StartHousehold(RandomSource& rng);

  bool older_;
  std::int32_t next_number_ = 1;
  std::int32_t household_ = 100000;
  int household_left_ = 0;
  Person household_template_;
};

}  // namespace acute::sample
