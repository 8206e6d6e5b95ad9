#pragma once
// The master commodity and food-form lists of the data folder.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "inputs/support_data.h"

namespace acute {

struct MasterLists {
  // By commodity number 1 to RacCount (slot 0 unused).
  std::vector<std::string> RacCode;
  std::vector<std::string> RacCropGroup;
  std::vector<std::string> RacName;
  std::vector<std::int16_t> RacFfCount;
  std::vector<std::int16_t> RacFirstFf;
  // By master food-form number 1 to FoodFormCount (slot 0 unused).
  std::vector<std::int16_t> FfCode;
  std::vector<std::int16_t> FfRac;
  std::array<std::string, 5> RegionName{"", "NorthEast", "NorthCentral", "South", "West"};

  int RacCount() const { return static_cast<int>(RacCode.size()) - 1; }
  int FoodFormCount() const { return static_cast<int>(FfCode.size()) - 1; }
  // Master number of commodity c's food form with `code`, or 0 when it has none.
  int FindFoodForm(int c, int code) const;
};

// Reads both lists. A list that is shorter than its count or whose food-form ranges fall
// outside the food-form list ends the run (RunEnds) after a message naming the file.
MasterLists ReadMasterLists(const std::filesystem::path& folder, const SupportData& support,
                            UserPort& port);

}  // namespace acute
