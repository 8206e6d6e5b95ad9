#pragma once
// Room in the work folder before a run: the set the run will stage must fit beside the set it
// replaces, and a DWLOC QA listing, which grows with the iterations, is estimated first.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/user_port.h"
#include "engine/exposure.h"

namespace acute {

// The bytes a QA listing of `passes` over `iterations` iterations takes, roughly.
std::uint64_t QaListingEstimate(const SurveyPasses& passes, int iterations);

// Ends the run (RunEnds, after a message) when the work folder lacks room for the files
// `names` of this run, judged by the sizes the folder's list gives for them (at least
// 1 MB), plus `extra` bytes.
void CheckWorkRoom(const std::filesystem::path& folder, const std::vector<std::string>& names,
                   std::uint64_t extra, UserPort& port);

// A QA listing of about `bytes`: refused when it does not fit, and confirmed by the user when
// it is large. Ends the run (RunEnds) when refused or not confirmed.
void ConfirmQaListing(const std::filesystem::path& folder, std::uint64_t bytes, UserPort& port);

}  // namespace acute
