#include "cec/food_form_labels.h"

#include <cstdlib>

#include "common/list_reader.h"

namespace acute {

std::string FoodFormLabels::Describe(int code) const {
  code = std::abs(code) % 1000;
  const int digits[3] = {code / 100, code / 10 % 10, code % 10};
  std::string text;
  for (int t = 0; t < 3; ++t) {
    if (t > 0) text += " ";
    if (digits[t] < static_cast<int>(tables[t].size())) text += tables[t][digits[t]];
  }
  return text;
}

std::optional<FoodFormLabels> ParseFoodFormLabels(const std::string& text) {
  FoodFormLabels labels;
  try {
    ListReader in(text);
    for (auto& table : labels.tables) {
      in.ReadString();
      const int count = in.ReadInt16();
      if (count < 0) return std::nullopt;
      table.assign(static_cast<std::size_t>(count), "");
      for (int i = 0; i < count; ++i) {
        const int index = in.ReadInt16();
        std::string entry = in.ReadString();
        if (index >= 0 && index < count) table[index] = entry;
      }
    }
  } catch (const ListReadError&) {
    return std::nullopt;
  }
  return labels;
}

}  // namespace acute
