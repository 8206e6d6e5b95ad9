#pragma once
// The food consumption survey, read once per run into compact arrays that every pass over
// the survey reuses.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "engine/populations.h"

namespace acute {

struct FoodEntry {
  std::int16_t food_form = 0;  // master food-form number
  float grams = 0;
  std::int16_t time = 0;  // hours x 100 + minutes (eating-occasion files)
};

// One member group of a person record: a person with both survey days.
struct SurveyGroup {
  std::int32_t person = 0;
  std::int16_t member = 0;
  Attributes attributes{};
  char sex_letter = 'M';
  char sex = ' ';        // as recorded ("1", "2", ...)
  std::int16_t age = 0;  // years; infants: months as 0 to -11
  float body_weight = 0;
  double sample_weight = 0;
  std::int16_t water_code[2] = {0, 0};
  std::uint32_t first_entry = 0;          // index into ConsumptionData::entries
  std::uint16_t day_entries[2] = {0, 0};  // N1, N2
};

struct ConsumptionData {
  std::vector<SurveyGroup> groups;
  std::vector<FoodEntry> entries;
  // For each person record, the index of its first group (plus one end marker).
  std::vector<std::uint32_t> person_first_group;
  bool eating_occasions = false;

  std::size_t PersonRecords() const {
    return person_first_group.empty() ? 0 : person_first_group.size() - 1;
  }
};

// The consumption files of a run, by index of the chosen list.
struct ConsumptionFiles {
  std::string folder;              // with trailing separator
  std::vector<std::string> names;  // list entries, index first to last
  int first = 1;
  int last = 0;
  std::filesystem::path PathOf(int index) const;
};

// Ends the program (ProgramEnds) with the missing-file message when the file at `index`
// does not exist; an index outside the list counts as missing.
void CheckConsumptionFile(const ConsumptionFiles& files, int index, UserPort& port);

// What reading the consumption files depends on.
struct SurveyLayout {
  int database_kind = 2;
  bool occasions = false;  // eating-occasion files: each entry carries its time
  int food_forms = 0;      // the master food-form list's count: entries name 1 to it
};

// Reads every file of the list in index order. A damaged file (a number that its field
// cannot hold, a food form outside the master list, a negative eating time) ends the run
// (RunEnds) with a message naming the file and the person; a confirmed Cancel ends it too.
ConsumptionData ReadConsumptionData(const ConsumptionFiles& files, const SurveyLayout& layout,
                                    UserPort& port);

}  // namespace acute
