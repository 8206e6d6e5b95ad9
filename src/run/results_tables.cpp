#include "run/results_tables.h"

#include <algorithm>

#include "common/csv_text.h"
#include "common/print_writer.h"

namespace acute {
namespace {

// Every table that only some runs write (the bootstrap's, a CEC run's), whether this run has
// it or not.
constexpr const char* kOptionalTables[] = {"bootstrap", "cec_pairs", "cec_foods", "cec_records",
                                           "cec_chemicals"};

std::filesystem::path CsvFile(const std::filesystem::path& folder, std::string_view table) {
  return folder / (std::string(table) + ".csv");
}

}  // namespace

std::string ResultsTable::Field(std::size_t row, std::string_view column) const {
  const auto at = std::find(columns.begin(), columns.end(), column);
  if (at == columns.end() || row >= rows.size()) return "";
  const auto i = static_cast<std::size_t>(at - columns.begin());
  return i < rows[row].size() ? rows[row][i] : "";
}

ResultsTable ResultsTable::Only(std::size_t population) const {
  ResultsTable out{name, columns, {}, {}};
  for (std::size_t i = 0; i < rows.size() && i < owners.size(); ++i)
    if (owners[i] == population) {
      out.rows.push_back(rows[i]);
      out.owners.push_back(population);
    }
  return out;
}

const ResultsTable* ResultsTables::Find(std::string_view name) const {
  for (const ResultsTable& t : tables)
    if (t.name == name) return &t;
  return nullptr;
}

std::string CsvText(const ResultsTable& table) {
  std::string text = CsvLine(table.columns);
  for (const auto& row : table.rows) text += CsvLine(row);
  return text;
}

std::string WriteResultsCsv(const ResultsTables& tables, const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec))
    return "The folder " + folder.string() + " cannot be made.";
  for (const ResultsTable& t : tables.tables)
    if (!WriteFileAtomically(CsvFile(folder, t.name), CsvText(t)))
      return "The file " + CsvFile(folder, t.name).string() + " cannot be written.";
  for (const char* name : kOptionalTables)
    if (tables.Find(name) == nullptr) std::filesystem::remove(CsvFile(folder, name), ec);
  return "";
}

}  // namespace acute
