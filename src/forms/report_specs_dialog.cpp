#include "forms/report_specs_dialog.h"

#include <charconv>
#include <filesystem>

#include "common/str.h"

namespace acute {
namespace {

constexpr const char* kFormatting = "Acute Report Formatting";
constexpr const char* kCecReport = "CEC Report";

// The number at the start of a text (blanks skipped), 0 when there is none.
double LeadingNumber(const std::string& text) {
  std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return 0;
  if (text[start] == '+') ++start;
  double value = 0;
  const auto res = std::from_chars(text.data() + start, text.data() + text.size(), value,
                                   std::chars_format::fixed);
  return res.ec == std::errc() ? value : 0;
}

void Inform(UserPort& port, const char* title, const char* text) {
  Tell(port, title, text, Icon::Information);
}

}  // namespace

const std::string& ReportSpecsDialog::NoteText() {
  static const std::string note =
      "This is a new feature in Tarn Acute. In past versions of Tarn Acute both per capita and "
      "user means and distributions were reported, along with summary statistics for the 95th, "
      "99th, and 99.9th percentiles. Now you can specify more precisely the reporting features "
      "that you wish to see. Your specifications will be saved and used for all of your Tarn "
      "Acute reports until you change them here. ";
  return note;
}

void ReportSpecsDialog::Show(const ReportSpecs& specs) {
  users = specs.ReportUsers();
  per_capita = specs.ReportPerCapita();
  header_all = specs.HeaderAll();
  exact = specs.exact;
  SetSpecMinPerc(specs.min_percent > 0);
  if (specs.min_percent > 0) min_perc_text = TrimStr(specs.min_percent * 100.0f);
  sum_perc.fill(false);
  for (std::int16_t c : specs.choice)
    if (c >= 0 && c < kSummaryChoiceCount) sum_perc[c] = true;
}

void ReportSpecsDialog::Load(const std::filesystem::path& spec_file, UserPort& port) {
  Show(DefaultReportSpecs());
  std::error_code ec;
  if (!std::filesystem::exists(spec_file, ec)) return;
  const auto specs = ReadReportSpecsFile(spec_file);
  if (!specs) {
    Tell(port, kCaption, "Error reading file AcutSpec.txt", Icon::Exclamation);
    return;
  }
  Show(*specs);
}

void ReportSpecsDialog::SetSpecMinPerc(bool checked) {
  spec_min_perc = checked;
  min_perc_visible = checked;
  if (!checked) min_perc_text = "0";
}

int ReportSpecsDialog::CheckedCount() const {
  int n = 0;
  for (bool b : sum_perc) n += b ? 1 : 0;
  return n;
}

void ReportSpecsDialog::ClickSumPerc(int index, UserPort& port) {
  if (index < 0 || index >= kSummaryChoiceCount) return;
  sum_perc[index] = !sum_perc[index];
  if (sum_perc[index] && CheckedCount() > 3) {
    sum_perc[index] = false;
    Tell(port, "Specify Summary Percentiles", "You cannot check more than 3 percentiles");
  }
}

std::optional<ReportSpecs> ReportSpecsDialog::Check(UserPort& port) const {
  if (!users && !per_capita) {
    Inform(port, kFormatting,
           "Either User Distribution or Per Capita Distribution must be checked.");
    return std::nullopt;
  }
  ReportSpecs specs;
  specs.users = users ? 1 : 0;
  specs.per_capita = per_capita ? 1 : 0;
  specs.header_all = header_all ? 1 : 0;
  specs.exact = exact;
  specs.min_percent = 0;
  if (spec_min_perc) {
    const double value = LeadingNumber(min_perc_text);
    if (!(value > 0)) {
      Inform(port, kCecReport,
             "Minimum Percent Contribution for CEC reports must be greater than 0.");
      return std::nullopt;
    }
    if (value > 50) {
      Inform(port, kCecReport,
             "Minimum Percent Contribution for CEC reports cannot be greater than 50%.");
      return std::nullopt;
    }
    specs.min_percent = static_cast<float>(value / 100);
  }
  if (CheckedCount() != 3) {
    Inform(port, kFormatting,
           "You must specify exactly 3 exposure percentiles for the Acute summary reports.");
    return std::nullopt;
  }
  int slot = 0;
  for (int i = 0; i < kSummaryChoiceCount; ++i)
    if (sum_perc[i]) specs.choice[slot++] = static_cast<std::int16_t>(i);
  return specs;
}

bool ReportSpecsDialog::Save(const std::filesystem::path& spec_file, UserPort& port) {
  const auto specs = Check(port);
  if (!specs) return false;
  if (!WriteReportSpecsFile(spec_file, *specs)) {
    Tell(port, kCaption, "Error writing Report Specs to File AcutSpec.txt", Icon::Exclamation);
    return false;
  }
  return true;
}

void ReportSpecsDialog::ShowHelp(UserPort& port) const {
  const std::string text =
      "The 'Minimum Percent Contribution in CEC Report' here refers to the percentile cut-off "
      "point on the list of foods/foodforms, included at the top of the CEC report, that shows "
      "the contribution of each food/foodform in the residue file to exposures in the range of "
      "interest specified by the user.\r\n\r\n"
      "It differs from the Minimum Individual Exposure Contribution by Food/Foodform specified "
      "when setting up the CEC Generator specification, which is only applied to exposure "
      "amounts computed at the individual level.\r\n\r\n"
      "If 0 is used all foods/foodforms which contributed to exposure in the critical range "
      "will be included in the list, along with the percent of contribution.";
  Tell(port, "More Information related to Minimum Percent Contribution ", text);
}

}  // namespace acute
