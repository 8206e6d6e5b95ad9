#include "sample_data/cookbook.h"

#include <cstdint>

namespace acute::sample {
namespace {

constexpr std::uint32_t kCookbookSeed = 19940301;
constexpr int kRecipeCount = 420;

WeightedTable CommodityPopularity(const Catalogue& cat) {
  WeightedTable table;
  for (int c = 1; c <= cat.CommodityCount(); ++c)
    if (cat.At(c).form_count > 0) table.Add(c, cat.At(c).popularity);
  return table;
}

// The first food form of a commodity is the usual one.
int DrawForm(const Commodity& c, RandomSource& rng) {
  if (c.form_count == 1 || rng.Chance(0.5)) return c.first_form;
  return c.first_form + rng.Below(c.form_count);
}

int DrawIngredientCount(RandomSource& rng) {
  static const int kWeights[] = {10, 14, 18, 18, 16, 12, 8, 4};  // 1 .. 8 ingredients
  int u = rng.Below(100);
  int count = 1;
  for (int w : kWeights) {
    if (u < w) break;
    u -= w;
    ++count;
  }
  return count;
}

Recipe DrawRecipe(const Catalogue& cat, const WeightedTable& commodities, RandomSource& rng) {
  Recipe r;
  int count = DrawIngredientCount(rng);
  double total = 0;
  for (int i = 0; i < count; ++i) {
    double share = rng.Range(0.02, 1.0);
    share *= share;  // mostly small shares beside one or two main ones
    r.ingredients.push_back({DrawForm(cat.At(commodities.Pick(rng)), rng), share});
    total += share;
  }
  bool drink_or_soup = rng.Chance(0.25);
  r.water_share = drink_or_soup ? rng.Range(0.3, 0.9) : 0.0;
  for (Ingredient& in : r.ingredients) in.share = in.share / total * (1.0 - r.water_share);
  if (drink_or_soup) r.water_form = DrawForm(cat.At(kIndirectWaterAll), rng);
  r.portion = drink_or_soup ? rng.Range(150, 450) : rng.Range(15, 300);
  return r;
}

}  // namespace

Cookbook BuildCookbook(const Catalogue& catalogue) {
  RandomSource rng(kCookbookSeed);
  const WeightedTable commodities = CommodityPopularity(catalogue);
  Cookbook book;
  for (int i = 0; i < kRecipeCount; ++i)
    book.recipes.push_back(DrawRecipe(catalogue, commodities, rng));
  std::vector<int> rank = RandomOrder(kRecipeCount, rng);
  for (int i = 0; i < kRecipeCount; ++i)
    book.popularity.Add(i, 1.0 / (static_cast<double>(rank[i]) + 3.0));
  return book;
}

}  // namespace acute::sample
