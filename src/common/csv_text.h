#pragma once
// Comma-separated text as spreadsheets and data frames read it: a field holding a comma, a
// double quote or a line end is quoted, its quotes doubled; every line ends in CR LF.
#include <string>
#include <string_view>
#include <vector>

namespace acute {

std::string CsvField(std::string_view field);

// The fields as one line, with its CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace acute
