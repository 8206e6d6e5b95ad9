#pragma once
// The Results window, toolkit-free: one population of one report of a run (a batch has a
// report per entry) at a time. Above the table its name, means, share of user-days and
// units; the table has a row per percentile level of the report and, for the per-user and
// per-capita distributions, the exposure (binned, and exact where the run has it) with the
// percent of the aRfD or aPAD and the margin of exposure where the toxicity code has them
// (a DWLOC report: the one per-capita distribution of DWLOCs). The table is copied as
// tab-separated text and saved as CSV, both with a heading row and full-precision numbers.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "reports/report_figures.h"

namespace acute {

// The exposure at a percentile level taken from the exact distribution rather than the
// bins; std::nullopt while the run's figures carry none.
std::optional<double> ExactExposure(const PopulationResult& r, Distribution d, int level);

// What a cell shows for a figure that is absent.
inline constexpr const char* kAbsentFigure = "\u2013";

struct ResultsCell {
  std::optional<double> value;  // the figure at full precision; none for a label or a gap
  std::string text;             // as shown: the report's rounding, a label or kAbsentFigure
};

struct ResultsLine {
  std::string label;
  std::string value;
};

class ResultsTable {
 public:
  explicit ResultsTable(std::vector<ReportFigures> reports);

  // "Entry 1: NAME.R10 (CHEMICAL)" per report; the chooser shows only for several.
  std::vector<std::string> EntryNames() const;
  bool HasEntryChoice() const { return reports_.size() > 1; }
  std::vector<std::string> PopulationNames() const;  // of the entry shown
  // The entry shown, from its first population; out-of-range choices are ignored.
  void ChooseEntry(std::size_t entry);
  void ChoosePopulation(std::size_t population);
  std::size_t Entry() const { return entry_; }
  std::size_t Population() const { return population_; }

  std::string Title() const;  // the population's name in the report
  std::vector<ResultsLine> Summary() const;
  // Column headings; `joint` goes between the distribution and the figure.
  std::vector<std::string> Headings(const std::string& joint = " ") const;
  std::vector<std::vector<ResultsCell>> Rows() const;

  std::string CopyText() const;  // tab-separated, lines ending in "\n"
  std::string CsvText() const;   // comma-separated, quoted where needed, lines ending in CRLF

 private:
  const ReportFigures& Shown() const { return reports_[entry_]; }

  std::vector<ReportFigures> reports_;
  std::size_t entry_ = 0, population_ = 0;
};

// Save as CSV: the save dialog, the question before a file is written over, then the file.
// Returns the file written; std::nullopt when cancelled or when it cannot be written (its
// message shown).
std::optional<std::string> SaveResultsCsv(const ResultsTable& table, UserPort& port,
                                          const std::string& initial_name = "");

}  // namespace acute
