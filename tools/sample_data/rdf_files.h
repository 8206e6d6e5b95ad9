#pragma once
// The residue distribution files named by the sample Monte Carlo files: plain values with
// zero and LOD counts, frequency-residue pairs, water monitoring values, and cumulative
// files with two chemicals per row.
#include <filesystem>

#include "sample_data/random_source.h"

namespace acute::sample {

// Writes every distribution file of the sample residue files into `folder`.
void WriteDistributionFiles(const std::filesystem::path& folder, RandomSource& rng);

}  // namespace acute::sample
