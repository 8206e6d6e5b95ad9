#include "sample_data/commodity_names.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace acute::sample {
namespace {

std::string TwoDigits(int n) {
  std::array<char, 8> buf{};
  std::snprintf(buf.data(), buf.size(), "%02d", n % 100);
  return buf.data();
}

bool IsStaple(const std::string& name) {
  static const std::array<const char*, 16> kStaples = {"Wheat, flour",
                                                       "Milk, water",
                                                       "Milk, fat",
                                                       "Milk, nonfat solids",
                                                       "Sugarcane, sugar",
                                                       "Soybean, oil",
                                                       "Corn, field, starch",
                                                       "Beef, meat",
                                                       "Chicken, meat",
                                                       "Tomato, paste",
                                                       "Potato, tuber, without peel",
                                                       "Egg, whole",
                                                       "Apple, juice",
                                                       "Orange, juice",
                                                       "Rice, white, grain",
                                                       "Pork, meat"};
  return std::any_of(kStaples.begin(), kStaples.end(), [&](const char* s) { return name == s; });
}

}  // namespace

std::vector<CropGroupNames> CropGroupTable() {
  return {
      {"1",
       "Root and tuber vegetables",
       {"Beet, garden", "Carrot", "Cassava", "Ginger", "Horseradish", "Parsnip", "Potato", "Radish",
        "Rutabaga", "Sweet potato", "Taro", "Turnip", "Yam", "Chicory"},
       {"tuber, with peel", "tuber, without peel", "dried"}},
      {"2",
       "Leaves of root and tuber vegetables",
       {"Beet, garden, tops", "Turnip, greens", "Radish, tops", "Cassava, leaves",
        "Sweet potato, leaves", "Taro, leaves"},
       {""}},
      {"3",
       "Bulb vegetables",
       {"Onion, dry bulb", "Garlic", "Leek", "Shallot", "Chive", "Onion, green"},
       {"bulb", "dried"}},
      {"4",
       "Leafy vegetables",
       {"Lettuce, head", "Lettuce, leaf", "Spinach", "Celery", "Parsley, leaves", "Endive",
        "Arugula", "Cress, garden", "Dandelion, leaves", "Swiss chard", "Fennel, Florence",
        "Radicchio", "Rhubarb"},
       {""}},
      {"5",
       "Brassica vegetables",
       {"Broccoli", "Brussels sprouts", "Cabbage", "Cauliflower", "Collards", "Kale", "Kohlrabi",
        "Mustard greens", "Bok choy", "Broccoli raab", "Cabbage, Chinese"},
       {""}},
      {"6",
       "Legume vegetables",
       {"Bean, snap", "Bean, kidney", "Bean, lima", "Bean, navy", "Bean, pinto", "Bean, black",
        "Bean, mung", "Pea, garden", "Pea, dry", "Chickpea", "Lentil", "Cowpea", "Soybean",
        "Peanut"},
       {"seed", "succulent", "flour", "oil"}},
      {"8",
       "Fruiting vegetables",
       {"Tomato", "Pepper, bell", "Pepper, nonbell", "Eggplant", "Okra", "Tomatillo"},
       {"fruit", "paste", "puree", "juice", "dried"}},
      {"9",
       "Cucurbit vegetables",
       {"Cucumber", "Cantaloupe", "Watermelon", "Honeydew melon", "Pumpkin", "Squash, summer",
        "Squash, winter", "Gourd"},
       {"fruit", "juice", "seed"}},
      {"10",
       "Citrus fruits",
       {"Orange", "Grapefruit", "Lemon", "Lime", "Tangerine", "Kumquat", "Pummelo"},
       {"fruit", "juice", "peel", "juice concentrate"}},
      {"11",
       "Pome fruits",
       {"Apple", "Pear", "Quince", "Loquat", "Crabapple"},
       {"fruit with peel", "peeled fruit", "juice", "dried", "sauce"}},
      {"12",
       "Stone fruits",
       {"Apricot", "Cherry, sweet", "Cherry, tart", "Nectarine", "Peach", "Plum", "Plum, prune"},
       {"fruit", "juice", "dried", "canned"}},
      {"13",
       "Berries and small fruits",
       {"Blackberry", "Blueberry", "Boysenberry", "Cranberry", "Currant", "Elderberry",
        "Gooseberry", "Grape", "Raspberry", "Strawberry", "Loganberry"},
       {"fruit", "juice", "dried", "jam"}},
      {"14",
       "Tree nuts",
       {"Almond", "Cashew", "Chestnut", "Hazelnut", "Macadamia nut", "Pecan", "Pistachio", "Walnut",
        "Brazil nut", "Coconut"},
       {"nut", "oil", "butter"}},
      {"15",
       "Cereal grains",
       {"Barley", "Buckwheat", "Corn, field", "Corn, sweet", "Corn, pop", "Millet", "Oat",
        "Rice, white", "Rice, brown", "Rye", "Sorghum", "Wheat", "Wild rice", "Triticale",
        "Amaranth", "Quinoa"},
       {"grain", "flour", "bran", "germ", "starch"}},
      {"19",
       "Herbs and spices",
       {"Basil", "Dill", "Mint", "Oregano", "Rosemary", "Sage", "Thyme", "Cinnamon",
        "Pepper, black", "Mustard, seed", "Nutmeg", "Paprika", "Cumin", "Coriander", "Vanilla"},
       {"fresh", "dried"}},
      {"20",
       "Oilseeds",
       {"Canola", "Cottonseed", "Flaxseed", "Safflower", "Sesame", "Sunflower", "Olive"},
       {"seed", "oil"}},
      {"O",
       "Other plant commodities",
       {"Cocoa bean, chocolate",
        "Cocoa bean, powder",
        "Coffee, roasted bean",
        "Coffee, instant",
        "Tea, dried",
        "Tea, instant",
        "Sugarcane, sugar",
        "Sugarcane, molasses",
        "Sugar beet, sugar",
        "Sugar beet, molasses",
        "Maple, sugar",
        "Maple, syrup",
        "Honey",
        "Mushroom",
        "Banana",
        "Banana, dried",
        "Banana, juice",
        "Plantain, ripe",
        "Plantain, green",
        "Pineapple, fruit",
        "Pineapple, juice",
        "Pineapple, dried",
        "Mango, fruit",
        "Mango, juice",
        "Papaya, fruit",
        "Papaya, juice",
        "Kiwifruit",
        "Avocado",
        "Fig",
        "Fig, dried",
        "Date",
        "Guava",
        "Passion fruit",
        "Pomegranate",
        "Persimmon",
        "Hop, dried cones",
        "Vinegar"},
       {""}},
      {"M",
       "Meat",
       {"Beef", "Pork", "Goat", "Sheep", "Horse", "Rabbit", "Veal"},
       {"meat", "meat byproducts", "fat", "kidney", "liver", "dried"}},
      {"P",
       "Poultry and eggs",
       {"Chicken", "Turkey", "Duck", "Goose", "Poultry, other"},
       {"meat", "liver", "skin", "fat", "meat byproducts"}},
      {"E", "Eggs", {"Egg"}, {"whole", "white", "yolk"}},
      {"D", "Dairy", {"Milk"}, {"fat", "nonfat solids", "water", "sugar (lactose)"}},
      {"F",
       "Fish and shellfish",
       {"Fish-freshwater finfish", "Fish-saltwater finfish, tuna", "Fish-saltwater finfish, other",
        "Fish-shellfish, crustacean", "Fish-shellfish, mollusc",
        "Fish-freshwater finfish, farm raised"},
       {""}},
      {"W", "Drinking water", {}, {}},
  };
}

std::vector<NamedCommodity> NamedCommodities() {
  std::vector<NamedCommodity> out;
  const std::vector<CropGroupNames> groups = CropGroupTable();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const CropGroupNames& group = groups[g];
    for (std::size_t b = 0; b < group.bases.size(); ++b) {
      for (std::size_t p = 0; p < group.parts.size(); ++p) {
        NamedCommodity c;
        c.name = group.bases[b];
        if (!group.parts[p].empty()) c.name += ", " + group.parts[p];
        c.crop_group = group.code;
        c.code = TwoDigits(static_cast<int>(g) + 1) + TwoDigits(static_cast<int>(b) + 1) +
                 TwoDigits(static_cast<int>(p) + 1) + "00";
        c.staple = IsStaple(c.name);
        out.push_back(c);
      }
    }
  }
  return out;
}

NamedCommodity WaterCommodity(int commodity) {
  static const std::array<const char*, 4> kSources = {"tap: community water", "tap: private well",
                                                      "bottled", "source not specified"};
  if (commodity == 532) return {"Water, direct, all sources", "W", "86010000", false};
  if (commodity == 533) return {"Water, indirect, all sources", "W", "86020000", false};
  const bool direct = commodity <= 552;
  const int source = (direct ? commodity - 549 : commodity - 553) + 1;
  std::string name(direct ? "Water, direct, " : "Water, indirect, ");
  name.append(kSources[static_cast<std::size_t>(source - 1)]);
  std::string code(direct ? "8601" : "8602");
  code.append(TwoDigits(source)).append("00");
  return {name, "W", code, false};
}

}  // namespace acute::sample
