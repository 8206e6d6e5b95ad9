#include "sample_data/residue_lines.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "sample_data/food_form_text.h"

namespace acute::sample {

CommodityLine LineFor(const Catalogue& catalogue, int commodity) {
  const Commodity& c = catalogue.At(commodity);
  CommodityLine line;
  line.commodity = commodity;
  line.code = c.code;
  line.crop_group = c.crop_group;
  line.food_name = c.name;
  return line;
}

FormLine FormLineFor(const Catalogue& catalogue, int master_form) {
  FormLine form;
  form.code = catalogue.food_forms[master_form].code;
  form.name = FoodFormDescription(form.code);
  return form;
}

std::vector<int> DrawFormSubset(const Commodity& commodity, RandomSource& rng) {
  std::vector<int> forms;
  for (int f = commodity.first_form; f < commodity.first_form + commodity.form_count; ++f)
    if (rng.Chance(0.6)) forms.push_back(f);
  if (forms.empty()) forms.push_back(commodity.first_form);
  return forms;
}

std::vector<int> DrawCommodities(const Catalogue& catalogue, int count,
                                 const std::vector<int>& excluded, RandomSource& rng) {
  std::vector<int> pool;
  for (int c : CommoditiesByPopularity(catalogue)) {
    if (std::find(excluded.begin(), excluded.end(), c) == excluded.end()) pool.push_back(c);
    if (pool.size() == 150) break;
  }
  std::vector<int> order = RandomOrder(static_cast<int>(pool.size()), rng);
  std::vector<int> chosen;
  for (int i = 0; i < count && i < static_cast<int>(pool.size()); ++i)
    chosen.push_back(pool[order[i]]);
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

int FindCommodity(const Catalogue& catalogue, std::string_view name) {
  for (int c = 1; c <= catalogue.CommodityCount(); ++c)
    if (catalogue.At(c).name == name) return c;
  throw std::runtime_error("sample data: no commodity named " + std::string(name));
}

float DrawResidue(RandomSource& rng) {
  double u = rng.Uniform();
  long units = 5 + static_cast<long>(5000.0 * u * u * u);  // ten-thousandths of a ppm
  return static_cast<float>(static_cast<double>(units) / 10000.0);
}

float DrawProcessingFactor(RandomSource& rng) {
  static const std::array<float, 6> kFactors = {0.1f, 0.25f, 0.5f, 1.5f, 2.5f, 6.0f};
  return rng.Chance(0.65) ? 1.0f : kFactors[static_cast<std::size_t>(rng.Below(6))];
}

float DrawTreatedShare(RandomSource& rng) {
  static const std::array<float, 6> kShares = {0.05f, 0.1f, 0.25f, 0.4f, 0.6f, 0.8f};
  return rng.Chance(0.5) ? 1.0f : kShares[static_cast<std::size_t>(rng.Below(6))];
}

void SortByCommodity(ResidueFile& file) {
  std::stable_sort(
      file.lines.begin(), file.lines.end(),
      [](const CommodityLine& a, const CommodityLine& b) { return a.commodity < b.commodity; });
}

}  // namespace acute::sample
