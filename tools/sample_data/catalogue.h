#pragma once
// The master commodity and food-form lists of the sample data folder: a fixed catalogue of
// named commodities in crop groups, each with a few contiguous food forms, empty slots and
// the drinking-water commodities at their fixed positions.
#include <string>
#include <vector>

namespace acute::sample {

inline constexpr int kDirectWaterAll = 532;
inline constexpr int kIndirectWaterAll = 533;
inline constexpr int kDirectWaterFirst = 549;    // 549 to 552: direct water by source
inline constexpr int kIndirectWaterFirst = 553;  // 553 to 556: indirect water by source
inline constexpr int kWaterSources = 4;
inline constexpr int kMinimumCommodities = 556;

bool IsWaterCommodity(int commodity);

struct Commodity {
  bool present = false;
  std::string code;
  std::string crop_group;
  std::string name;
  int first_form = 0;  // master food-form number of the first food form
  int form_count = 0;
  double popularity = 0;  // relative share in recipes; 0 for water and empty slots
};

struct FoodForm {
  int code = 0;       // three digits: description tables T1, T2, T3
  int commodity = 0;  // owning commodity number
  int position = 0;   // 1 .. the commodity's food-form count
};

struct CropGroup {
  std::string code;
  std::string name;
};

struct Catalogue {
  std::vector<Commodity> commodities;  // index = commodity number; entry 0 unused
  std::vector<FoodForm> food_forms;    // index = master food-form number; entry 0 unused
  std::vector<CropGroup> crop_groups;

  int CommodityCount() const { return static_cast<int>(commodities.size()) - 1; }
  int FoodFormCount() const { return static_cast<int>(food_forms.size()) - 1; }
  const Commodity& At(int commodity) const { return commodities[commodity]; }
};

// The same catalogue every time: it does not depend on the sample seed.
Catalogue BuildCatalogue();

// Commodity numbers in order of falling popularity (water and empty slots left out).
std::vector<int> CommoditiesByPopularity(const Catalogue& catalogue);

}  // namespace acute::sample
