#pragma once
// The texts of one population's parts of the CEC work files: its critical-food lines and
// records in "cec3.tmp", and its section of the report (plain or comma layout). Each part
// starts and ends at a line start, so that parts can be made apart, on several threads, and
// joined in order.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cec/cec_ranking.h"
#include "cec/cec_report.h"

namespace acute {

// One population's lines of "cec3.tmp" (the file starts with the cumulative flag's line):
// its head (window, critical pairs, counts), then its ranked records, here those with ranks
// first + 1 to last.
std::string RankedHeadText(int cumulative, const RankedSection& ranked,
                           const CecReportRequest& request);
std::string RankedRecordsText(int cumulative, const RankedSection& ranked,
                              const CecReportRequest& request, std::int64_t first,
                              std::int64_t last);

// One population's section of the report: its head (window, critical foods, counts and the
// record headings), then its printed records, here those with ranks first + 1 to last.
// `households` is the demographic support file of a household-numbered survey (else empty).
std::string ReportHeadText(const RankedSection& ranked, const CecReportRequest& request,
                           bool per_kg, bool cumulative);
std::string ReportRecordsText(const RankedSection& ranked, const CecReportRequest& request,
                              const std::vector<std::uint8_t>& households, bool cumulative,
                              std::int64_t first, std::int64_t last);

// The label of a critical pair: the commodity's name and the food form's description.
std::string PairName(const CecReportRequest& request, const CecPair& pair);

// The household/sequence column of a record.
std::string HouseholdText(int database_kind, const std::string& pid, const std::string& number,
                          const std::vector<std::uint8_t>& households,
                          const std::filesystem::path& household_file);

}  // namespace acute
