#include "sample_data/catalogue.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "sample_data/commodity_names.h"
#include "sample_data/random_source.h"

namespace acute::sample {
namespace {

constexpr std::uint32_t kCatalogueSeed = 20210701;

// Food-form codes that commodities draw their forms from (digits: T1 cooking, T2 processing,
// T3 part).
constexpr std::array<int, 16> kFormCodes = {100, 110, 120, 130, 150, 180, 200, 220,
                                            300, 310, 320, 400, 500, 600, 800, 900};

// A few retired commodity numbers stay as empty slots below the water commodities.
bool IsEmptySlot(int slot) {
  return slot < kDirectWaterAll && slot % 48 == 0;
}

std::vector<int> WaterFormCodes(int commodity) {
  if (commodity == kDirectWaterAll || commodity == kIndirectWaterAll) return {100, 300};
  return {100};
}

std::vector<int> DrawFormCodes(RandomSource& rng) {
  double u = rng.Uniform();
  int count = u < 0.2 ? 1 : u < 0.55 ? 2 : u < 0.85 ? 3 : 4;
  std::vector<int> order = RandomOrder(static_cast<int>(kFormCodes.size()), rng);
  std::vector<int> codes;
  for (int i = 0; i < count; ++i) codes.push_back(kFormCodes[order[i]]);
  std::sort(codes.begin(), codes.end());
  return codes;
}

void AddForms(Catalogue& cat, int commodity, const std::vector<int>& codes) {
  Commodity& c = cat.commodities[commodity];
  c.first_form = cat.FoodFormCount() + 1;
  c.form_count = static_cast<int>(codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i)
    cat.food_forms.push_back({codes[i], commodity, static_cast<int>(i) + 1});
}

Commodity FromNamed(const NamedCommodity& named) {
  Commodity c;
  c.present = true;
  c.code = named.code;
  c.crop_group = named.crop_group;
  c.name = named.name;
  return c;
}

// Fills the slots in order: water at its fixed numbers, a few empty slots, the named
// commodities everywhere else, until every name is placed and slot 556 exists.
std::vector<bool> PlaceCommodities(Catalogue& cat) {
  const std::vector<NamedCommodity> names = NamedCommodities();
  std::vector<bool> staples(1, false);
  cat.commodities.assign(1, Commodity{});
  std::size_t next = 0;
  for (int slot = 1; next < names.size() || slot <= kMinimumCommodities; ++slot) {
    Commodity c;
    bool staple = false;
    if (IsWaterCommodity(slot)) {
      c = FromNamed(WaterCommodity(slot));
    } else if (!IsEmptySlot(slot) && next < names.size()) {
      staple = names[next].staple;
      c = FromNamed(names[next++]);
    }
    cat.commodities.push_back(c);
    staples.push_back(staple);
  }
  return staples;
}

// Zipf-like shares: staples first, then the other commodities in a random order.
void AssignPopularity(Catalogue& cat, const std::vector<bool>& staples, RandomSource& rng) {
  std::vector<int> ranked;
  std::vector<int> others;
  for (int c = 1; c <= cat.CommodityCount(); ++c) {
    if (!cat.At(c).present || IsWaterCommodity(c)) continue;
    (staples[c] ? ranked : others).push_back(c);
  }
  for (int i : RandomOrder(static_cast<int>(others.size()), rng)) ranked.push_back(others[i]);
  for (std::size_t rank = 0; rank < ranked.size(); ++rank)
    cat.commodities[ranked[rank]].popularity = 1.0 / (static_cast<double>(rank) + 4.0);
}

}  // namespace

bool IsWaterCommodity(int commodity) {
  return commodity == kDirectWaterAll || commodity == kIndirectWaterAll ||
         (commodity >= kDirectWaterFirst && commodity < kIndirectWaterFirst + kWaterSources);
}

Catalogue BuildCatalogue() {
  RandomSource rng(kCatalogueSeed);
  Catalogue cat;
  const std::vector<bool> staples = PlaceCommodities(cat);
  cat.food_forms.assign(1, FoodForm{});
  for (int c = 1; c <= cat.CommodityCount(); ++c) {
    if (!cat.At(c).present) continue;
    AddForms(cat, c, IsWaterCommodity(c) ? WaterFormCodes(c) : DrawFormCodes(rng));
  }
  AssignPopularity(cat, staples, rng);
  for (const CropGroupNames& g : CropGroupTable()) cat.crop_groups.push_back({g.code, g.name});
  return cat;
}

std::vector<int> CommoditiesByPopularity(const Catalogue& catalogue) {
  std::vector<int> out;
  for (int c = 1; c <= catalogue.CommodityCount(); ++c)
    if (catalogue.At(c).popularity > 0) out.push_back(c);
  std::stable_sort(out.begin(), out.end(), [&](int a, int b) {
    return catalogue.At(a).popularity > catalogue.At(b).popularity;
  });
  return out;
}

}  // namespace acute::sample
