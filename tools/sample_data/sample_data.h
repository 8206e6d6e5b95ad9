#pragma once
// The sample data generator: writes a complete data folder (support list, set-up file,
// report specifications, master lists and other support files, a survey of consumption
// files and a residue folder with residue, distribution and batch files) from a seed.
// The same options and seed always give the same bytes.
#include <cstdint>
#include <filesystem>
#include <string>

namespace acute::sample {

struct SampleOptions {
  int kind = 2;     // database kind: 0 (older survey) or 2 (NHANES-style)
  int persons = 0;  // person records; 0 = full survey size (28358 for kind 2, 12365 for kind 0)
  std::uint32_t seed = 1;
};

struct SampleManifest {                  // what was written, for callers and tests
  std::filesystem::path folder;          // the data folder (absolute)
  std::filesystem::path residue_folder;  // folder holding residue files (absolute)
  std::string plain_residue, mc_residue, two_chemical_residue, batch_file;  // names in it
  long person_records = 0;
};

// Writes a complete data folder; throws std::runtime_error with a clear message on failure
// (e.g. folder cannot be created or written). Creates the folder when missing.
SampleManifest WriteSampleData(const std::filesystem::path& folder, const SampleOptions& options);

}  // namespace acute::sample
