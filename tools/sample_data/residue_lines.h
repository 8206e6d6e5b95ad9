#pragma once
// Building blocks of the sample residue files: commodity and food-form lines taken from
// the master lists, and residue levels and adjustment factors of sensible size.
#include <string_view>
#include <vector>

#include "sample_data/catalogue.h"
#include "sample_data/random_source.h"
#include "sample_data/residue_file.h"

namespace acute::sample {

CommodityLine LineFor(const Catalogue& catalogue, int commodity);
FormLine FormLineFor(const Catalogue& catalogue, int master_form);

// A non-empty subset of the commodity's food forms, as master numbers in master order.
std::vector<int> DrawFormSubset(const Commodity& commodity, RandomSource& rng);

// `count` distinct commodities among the most eaten ones, none of `excluded`, ascending.
std::vector<int> DrawCommodities(const Catalogue& catalogue, int count,
                                 const std::vector<int>& excluded, RandomSource& rng);

// The commodity of that name; throws when the catalogue has none.
int FindCommodity(const Catalogue& catalogue, std::string_view name);

float DrawResidue(RandomSource& rng);           // 0.0005 to 0.5 ppm, mostly small
float DrawProcessingFactor(RandomSource& rng);  // adjustment factor #1
float DrawTreatedShare(RandomSource& rng);      // adjustment factor #2

void SortByCommodity(ResidueFile& file);

}  // namespace acute::sample
