#pragma once
// The files that make a folder a data folder: the support list "TarnSupport.txt", the
// set-up file "setupTARNNH.txt" and the report specifications "AcutSpec.txt".
#include <filesystem>

#include "sample_data/catalogue.h"
#include "sample_data/kind_layout.h"

namespace acute::sample {

inline constexpr const char* kSupportList = "TarnSupport.txt";
inline constexpr const char* kSetupFile = "setupTARNNH.txt";
inline constexpr const char* kReportSpecs = "AcutSpec.txt";

void WriteSupportList(const std::filesystem::path& folder, const KindLayout& layout,
                      const Catalogue& catalogue);

// Folders are written absolute, with a trailing "/".
void WriteSetupFile(const std::filesystem::path& folder,
                    const std::filesystem::path& residue_folder,
                    const std::filesystem::path& consumption_folder);

// Both distributions, headers on, minimum contribution 0, summary 95th, 99th, 99.9th.
void WriteReportSpecs(const std::filesystem::path& folder);

}  // namespace acute::sample
