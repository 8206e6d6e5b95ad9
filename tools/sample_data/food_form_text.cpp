#include "sample_data/food_form_text.h"

namespace acute::sample {

std::array<DescriptionTable, 3> FoodFormTables() {
  return {{
      {"Cooking method",
       {"Cooked, N/S", "Uncooked", "Baked", "Boiled", "Fried", "Broiled", "Smoked", "Microwaved",
        "Stewed", "Cooking N/A"}},
      {"Processing",
       {"Fresh or N/S", "Frozen", "Canned", "Dried", "Cured", "Juice", "Puree", "Pickled",
        "Refined", "Fermented"}},
      {"Part or style",
       {"N/S", "Peeled", "Unpeeled", "Fat", "Lean", "Skin", "Byproducts", "Concentrate",
        "Not from concentrate", "Baby food"}},
  }};
}

std::string FoodFormDescription(int code) {
  static const std::array<DescriptionTable, 3> kTables = FoodFormTables();
  int d1 = (code / 100) % 10;
  int d2 = (code / 10) % 10;
  int d3 = code % 10;
  return kTables[0].texts[d1] + " " + kTables[1].texts[d2] + " " + kTables[2].texts[d3];
}

}  // namespace acute::sample
