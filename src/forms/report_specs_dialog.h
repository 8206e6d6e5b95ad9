#pragma once
// The report specifications dialog as a toolkit-free model: its fields as plain values, the
// click rules of its boxes, the checks of Save/Exit with their messages, and its help.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "common/user_port.h"
#include "reports/report_specs.h"

namespace acute {

class ReportSpecsDialog {
 public:
  static constexpr const char* kCaption = "Acute Report Specifications";
  static const std::string& NoteText();

  // chkUsers, chkPerCapita, chkHeaderAll.
  bool users = true;
  bool per_capita = true;
  bool header_all = true;
  // chkSpecMinPerc with txtMinPerc; the text box and its label show only while it is checked.
  bool spec_min_perc = false;
  std::string min_perc_text = "0";
  bool min_perc_visible = false;
  // chkSumPerc 0..6: 90%, 95%, 97.5%, 99%, 99.5%, 99.75, 99.9%.
  std::array<bool, kSummaryChoiceCount> sum_perc{};
  // The exact percentile table after each percentile table of the report.
  bool exact = false;

  ReportSpecsDialog() { Show(DefaultReportSpecs()); }

  // Form load: the values of the file when it exists (the defaults otherwise); a file that
  // cannot be read is told and leaves the defaults.
  void Load(const std::filesystem::path& spec_file, UserPort& port);

  // Click on chkSpecMinPerc, leaving it `checked`.
  void SetSpecMinPerc(bool checked);

  // Click on percentile box `index`: toggles it; a fourth checked box is cleared again.
  void ClickSumPerc(int index, UserPort& port);

  // The checks of Save/Exit in order; the specifications when all pass.
  std::optional<ReportSpecs> Check(UserPort& port) const;

  // Save/Exit: the checks, then the file. True when the dialog closes.
  bool Save(const std::filesystem::path& spec_file, UserPort& port);

  // More Info.
  void ShowHelp(UserPort& port) const;

 private:
  void Show(const ReportSpecs& specs);
  int CheckedCount() const;
};

}  // namespace acute
