#pragma once
// The three sample residue files: a plain file, a Monte Carlo file whose distribution
// lines use every distribution type, and a two-chemical Monte Carlo file whose lines all
// point to cumulative distribution files.
#include "sample_data/catalogue.h"
#include "sample_data/kind_layout.h"
#include "sample_data/random_source.h"
#include "sample_data/residue_file.h"

namespace acute::sample {

// Distribution files named by the Monte Carlo files (in the residue folder).
inline constexpr const char* kApplesRdf = "APPLES.RDF";
inline constexpr const char* kGrapesRdf = "GRAPES.RDF";
inline constexpr const char* kWaterRdf = "WATER.RDF";
inline constexpr const char* kFruitCumulativeRdf = "CUMFRUIT.RDF";
inline constexpr const char* kCropCumulativeRdf = "CUMCROPS.RDF";
inline constexpr const char* kWaterCumulativeRdf = "CUMWATER.RDF";

// Commodity-wide and food-form residues, direct water from all sources (532) and indirect
// water (533).
ResidueFile PlainResidueFile(const KindLayout& layout, const Catalogue& catalogue,
                             RandomSource& rng);

// Distribution types -1 and 1 to 6; direct water by source (549 to 551) and indirect tap
// water (553).
ResidueFile MonteCarloResidueFile(const KindLayout& layout, const Catalogue& catalogue,
                                  RandomSource& rng);

// Two chemicals, every line pointing to a cumulative distribution file; direct water from
// all sources (532).
ResidueFile TwoChemicalResidueFile(const KindLayout& layout, const Catalogue& catalogue,
                                   RandomSource& rng);

}  // namespace acute::sample
