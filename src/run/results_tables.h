#pragma once
// The results file read back as tidy tables, one observation a row: a row per population, a
// row per percentile level of each of its distributions, for a run with bootstrap rounds a
// row per population and figure with its interval and, for a CEC run, a row per critical
// pair, food and printed food line. Every figure is text at full precision (an
// absent figure is empty), so that the tables go into CSV files or onto the terminal as they
// are. The file may have been edited by hand: every value is checked for its type before it
// is used, and a fault is named by its place in the file.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace acute {

struct ResultsTable {
  std::string name;  // "percentiles": written as percentiles.csv
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;  // a field per column
  // Per row, the population it belongs to: from 0, in report order (a batch's entries one
  // after the other); for the CEC tables, the population of the CEC part.
  std::vector<std::size_t> owners;

  // The field of `row` under `column`; empty when the table has no such column.
  std::string Field(std::size_t row, std::string_view column) const;
  // The rows of one population.
  ResultsTable Only(std::size_t population) const;
};

struct ResultsTables {
  std::string kind;                  // "acute", "dwloc" or "batch"
  std::vector<ResultsTable> tables;  // populations and percentiles, then a CEC run's tables
  std::vector<std::string> json;     // each population's object as the file has it
  std::size_t PopulationCount() const { return json.size(); }
  const ResultsTable* Find(std::string_view name) const;
};

// Names of the tables.
inline constexpr const char* kPopulationsTable = "populations";
inline constexpr const char* kPercentilesTable = "percentiles";

struct ResultsReading {
  std::optional<ResultsTables> tables;
  std::string fault;  // when the file cannot be read: why, as a sentence
};
ResultsReading ReadResultsTables(const std::filesystem::path& file);

// The table as comma-separated text (common/csv_text.h): a heading row, then its rows.
std::string CsvText(const ResultsTable& table);

// Every table written into `folder` (made when missing) as NAME.csv; the bootstrap and CEC
// tables an earlier run left there are removed when this run has none. Empty, or why not.
std::string WriteResultsCsv(const ResultsTables& tables, const std::filesystem::path& folder);

}  // namespace acute
