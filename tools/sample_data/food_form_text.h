#pragma once
// Food-form descriptions: three tables indexed by the three digits of a food-form code.
#include <array>
#include <string>
#include <vector>

namespace acute::sample {

struct DescriptionTable {
  std::string title;
  std::vector<std::string> texts;  // index 0 .. 9
};

std::array<DescriptionTable, 3> FoodFormTables();

// T1(d1) + " " + T2(d2) + " " + T3(d3) for the code's digits with leading zeros.
std::string FoodFormDescription(int code);

}  // namespace acute::sample
