#pragma once
// Hand-made consumption files for tests: a few persons whose exposures can be worked out by
// hand, written in the binary survey layout (daily totals to list A, eating occasions to
// list B).
#include <cstdint>
#include <filesystem>
#include <vector>

namespace acute::testing {

struct FixtureEntry {
  std::int16_t food_form = 0;
  float grams = 0;
  std::int16_t time = 1200;
};

struct FixturePerson {
  std::int32_t number = 1;
  std::int16_t age = 30;
  char sex = '1';
  char race = '1';
  char female_status = '4';
  char nursing = '2';
  char region = '1';
  float body_weight = 70;
  std::int32_t sample_weight = 1000;
  std::int16_t month = 7;
  std::int16_t day = 4;
  std::int16_t water_code[2] = {0, 0};
  std::vector<FixtureEntry> day1;
  std::vector<FixtureEntry> day2;
  std::int16_t presence = 1;  // 0: a group without data
};

// Writes A1..A4 and B1..B4 in `survey_folder`: all persons in the first file of each list,
// the others empty (terminator only).
void WriteSurvey(const std::filesystem::path& survey_folder,
                 const std::vector<FixturePerson>& persons);

// The bytes of one consumption file.
std::vector<std::uint8_t> SurveyBytes(const std::vector<FixturePerson>& persons, bool occasions);

}  // namespace acute::testing
