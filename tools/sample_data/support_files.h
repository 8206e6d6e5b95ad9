#pragma once
// The support files named in the support list: food-form descriptions, the master
// commodity and food-form lists, crop groups, survey notes and the commodity code index.
#include <array>
#include <filesystem>

#include "sample_data/catalogue.h"
#include "sample_data/kind_layout.h"

namespace acute::sample {

inline constexpr std::array<const char*, 6> kSupportFiles = {
    "FFDESC.TXT", "RACLIST.DAT", "FFLIST.DAT", "CROPGRP.TXT", "SURVEY.TXT", "RACCODES.TXT"};
inline constexpr const char* kHouseholdFile = "HHDEMO.DAT";  // kind 0 only

// Writes the six support files into `folder`.
void WriteSupportFiles(const std::filesystem::path& folder, const KindLayout& layout,
                       const Catalogue& catalogue, long persons);

}  // namespace acute::sample
