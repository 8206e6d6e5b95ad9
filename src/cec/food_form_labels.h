#pragma once
// The food-form description tables T1, T2 and T3 of the support files: a food form's code
// written with three digits indexes the three tables, one digit each.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace acute {

struct FoodFormLabels {
  std::array<std::vector<std::string>, 3> tables;

  // T1(d1) + " " + T2(d2) + " " + T3(d3) for the digits of `code` (leading zeros); an
  // index a table lacks gives an empty part.
  std::string Describe(int code) const;
};

// Parses the three tables ("title", count, then count lines of index, "text"); std::nullopt
// when the text is not of that form.
std::optional<FoodFormLabels> ParseFoodFormLabels(const std::string& text);

}  // namespace acute
