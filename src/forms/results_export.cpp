// The Results table as text: tab-separated for the clipboard, CSV for a file.
#include "common/csv_text.h"
#include "common/file_names.h"
#include "common/print_writer.h"
#include "forms/results_numbers.h"
#include "forms/results_table.h"

namespace acute {
namespace {

// A figure at full precision; a label as it reads; a gap empty.
std::string FieldOf(const ResultsCell& cell) {
  if (cell.value) return NumberText(*cell.value);
  return cell.text == kAbsentFigure ? "" : cell.text;
}

// A tab in a field would start another column: it reads as a blank.
std::string TabField(std::string field) {
  for (char& c : field)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return field;
}

template <typename Field>
std::string Joined(const std::vector<std::string>& fields, char separator, Field field) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i)
    line += (i > 0 ? std::string(1, separator) : std::string()) + field(fields[i]);
  return line;
}

template <typename Field>
std::string TableText(const ResultsTable& table, char separator, const char* line_end,
                      Field field) {
  std::string text = Joined(table.Headings(), separator, field) + line_end;
  for (const auto& row : table.Rows()) {
    std::vector<std::string> fields;
    for (const ResultsCell& cell : row) fields.push_back(FieldOf(cell));
    text += Joined(fields, separator, field) + line_end;
  }
  return text;
}

constexpr const char* kCsvTitle = "Save results as CSV";

}  // namespace

std::string ResultsTable::CopyText() const {
  return TableText(*this, '\t', "\n", TabField);
}

std::string ResultsTable::CsvText() const {
  return TableText(*this, ',', "\r\n", [](const std::string& f) { return CsvField(f); });
}

std::optional<std::string> SaveResultsCsv(const ResultsTable& table, UserPort& port,
                                          const std::string& initial_name) {
  FileDialog dialog{kCsvTitle, "CSV files (*.csv)|*.csv", "csv", initial_name};
  for (;;) {
    const auto answer = port.SaveFileName(dialog);
    if (!answer || TrimBlanks(*answer).empty()) return std::nullopt;
    std::string name = TrimBlanks(*answer);
    if (NamePart(name).find('.') == std::string::npos) name += ".csv";
    if (FindFile(name)) {
      const Answer a =
          port.Show(Message{"Warning!", "File " + name + " already exists. Write over?",
                            Icon::Exclamation, Buttons::YesNoCancel});
      if (a == Answer::Cancel) return std::nullopt;
      if (a == Answer::No) {
        dialog.initial_name = name;
        continue;
      }
    }
    if (WriteFileAtomically(name, table.CsvText())) return name;
    Tell(port, kCsvTitle, "The file " + name + " cannot be written.", Icon::Exclamation);
    return std::nullopt;
  }
}

}  // namespace acute
