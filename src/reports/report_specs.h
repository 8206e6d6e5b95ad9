#pragma once
// The report specifications: which parts of the acute analysis report are written (the exact
// percentile tables among them) and the minimum percent contribution of the CEC food list,
// kept in "AcutSpec.txt" for all runs.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace acute {

inline constexpr const char* kReportSpecsFileName = "AcutSpec.txt";

// Number of summary percentile choices (90, 95, 97.5, 99, 99.5, 99.75, 99.9).
inline constexpr int kSummaryChoiceCount = 7;

struct ReportSpecs {
  std::int16_t users = 1;       // 1 = write the per-user distribution
  std::int16_t per_capita = 1;  // 1 = write the per-capita distribution
  std::int16_t header_all = 1;  // 1 = header before every population and page footers
  float min_percent = 0;        // a fraction (0.05 for 5%); 0 = every contributing food
  std::array<std::int16_t, 3> choice{1, 3, 6};  // ascending indexes 0..6
  bool exact = false;  // an exact percentile table after each binned one (a fourth line)

  bool ReportUsers() const { return users == 1; }
  bool ReportPerCapita() const { return per_capita == 1; }
  bool HeaderAll() const { return header_all == 1; }
};

// Both distributions, headers on, the 95th, 99th and 99.9th percentiles, minimum 0.
inline ReportSpecs DefaultReportSpecs() {
  return ReportSpecs{};
}

// The file's three lines, with print semantics, and a fourth ("1") when the exact percentile
// tables are asked for.
std::string ReportSpecsText(const ReportSpecs& specs);

// Reads the lines back as free-format numbers; without a fourth line the exact percentile
// tables are off. std::nullopt when a value is missing or not a number, when the summary
// choices are not three ascending indexes 0..6, or when the fourth line is not 0 or 1.
std::optional<ReportSpecs> ParseReportSpecs(const std::string& text);

std::optional<ReportSpecs> ReadReportSpecsFile(const std::filesystem::path& path);

// Creates or replaces the file; false on failure.
bool WriteReportSpecsFile(const std::filesystem::path& path, const ReportSpecs& specs);

}  // namespace acute
