#pragma once
// The numbers of an acute or DWLOC report as printed: the summary sections and, population by
// population, the labelled lines and the percentile tables, each as its number texts in order.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace acute::testing {

using Numbers = std::vector<std::string>;

struct PrintedPopulation {
  bool no_exposure = false;
  std::map<std::string, Numbers> lines;  // "mean", "sd", "se", "moe", "percent", "share"
  std::vector<Numbers> tables;           // each table row after row, left cell first
};

struct PrintedReport {
  std::vector<std::vector<Numbers>> summary;  // section, then one line per population
  std::vector<PrintedPopulation> populations;
};

// The number texts of a line: "0.000670", "5,495", ">1,000,000", "n/a".
Numbers NumbersIn(std::string_view line);

PrintedReport ReadPrintedReport(const std::string& text);

}  // namespace acute::testing
