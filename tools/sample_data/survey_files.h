#pragma once
// The consumption files of both lists, one file per survey cycle, and for kind 0 the
// household file that maps each PID to its household and person number.
#include <filesystem>

#include "sample_data/catalogue.h"
#include "sample_data/kind_layout.h"
#include "sample_data/random_source.h"

namespace acute::sample {

// Writes `persons` person records spread over the four cycles; returns the count written.
long WriteSurvey(const std::filesystem::path& data_folder,
                 const std::filesystem::path& consumption_folder, const KindLayout& layout,
                 const Catalogue& catalogue, long persons, RandomSource& rng);

}  // namespace acute::sample
