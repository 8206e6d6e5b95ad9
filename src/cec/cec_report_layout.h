#pragma once
// The texts of one population's part of the CEC work files: its critical-food lines and
// records in "cec3.tmp", and its section of the report (plain or comma layout). Each part
// starts and ends at a line start, so the parts of several populations can be made apart
// and joined in population order.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cec/cec_ranking.h"
#include "cec/cec_report.h"

namespace acute {

// One population's lines of "cec3.tmp" (the file starts with the cumulative flag's line).
std::string RankedSectionText(int cumulative, const RankedSection& ranked,
                              const CecReportRequest& request);

// One population's section of the report; `households` is the demographic support file of
// a household-numbered survey (empty otherwise).
std::string ReportSectionText(const RankedSection& ranked, const CecReportRequest& request,
                              bool per_kg, const std::vector<std::uint8_t>& households,
                              bool cumulative);

// The household/sequence column of a record.
std::string HouseholdText(int database_kind, const std::string& pid, const std::string& number,
                          const std::vector<std::uint8_t>& households,
                          const std::filesystem::path& household_file);

}  // namespace acute
