#pragma once
// The residue folder of the sample data: three residue files, their distribution files
// and a batch file naming the three.
#include <filesystem>
#include <string>

#include "sample_data/catalogue.h"
#include "sample_data/kind_layout.h"
#include "sample_data/random_source.h"

namespace acute::sample {

struct ResidueFolderNames {
  std::string plain, monte_carlo, two_chemical, batch;  // names inside the folder
};

ResidueFolderNames WriteResidueFolder(const std::filesystem::path& folder, const KindLayout& layout,
                                      const Catalogue& catalogue, RandomSource& rng);

}  // namespace acute::sample
