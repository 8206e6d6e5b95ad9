#pragma once
// The pass file read from text: writes the text where the readers look for it and reads it
// back; a pass file that the writer made from what was read must read back to itself.
#include <optional>
#include <string>

#include "engine/analysis_settings.h"
#include "engine/pass_file.h"

namespace acute::fuzz {

// The full form read from `text`; std::nullopt after a refusal.
std::optional<AnalysisSettings> ReadPassText(const std::string& text, const PassFileLayout& layout);

// The short form read from `text`; std::nullopt after a refusal.
std::optional<CecSettings> ReadShortPassText(const std::string& text);

// Aborts unless the writer's text of `settings` reads back and is written again unchanged.
void CheckRoundTrip(const AnalysisSettings& settings, const PassFileLayout& layout);
void CheckRoundTrip(const CecSettings& cec);

}  // namespace acute::fuzz
