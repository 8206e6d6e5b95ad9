// specs: edits "AcutSpec.txt" with the checks of the report specifications dialog.
#include <iostream>

#include "commands.h"
#include "common/file_names.h"
#include "forms/main_form.h"
#include "forms/report_specs_dialog.h"
#include "inputs/data_session.h"
#include "option_error.h"

namespace acute::cli {
namespace {

const char* kPercentileNames[] = {"90", "95", "97.5", "99", "99.5", "99.75", "99.9"};

int PercentileIndex(const std::string& text, UserPort& port) {
  std::string t = text;
  if (!t.empty() && t.back() == '%') t.pop_back();
  for (int i = 0; i < 7; ++i)
    if (t == kPercentileNames[i]) return i;
  RefuseOption(
      port, "--percentiles: \"" + text + "\" is not one of 90, 95, 97.5, 99, 99.5, 99.75, 99.9.");
}

void Print(const ReportSpecs& s) {
  std::cout << "Report user distribution:       " << (s.users == 1 ? "yes" : "no") << "\n"
            << "Report per capita distribution: " << (s.per_capita == 1 ? "yes" : "no") << "\n"
            << "Header and page numbers:        " << (s.header_all == 1 ? "yes" : "no") << "\n"
            << "Exact percentiles table:        " << (s.exact ? "yes" : "no") << "\n"
            << "Minimum CEC contribution:       " << s.min_percent * 100 << "%\n"
            << "Summary percentiles:            " << kPercentileNames[s.choice[0]] << ", "
            << kPercentileNames[s.choice[1]] << ", " << kPercentileNames[s.choice[2]] << "\n";
}

}  // namespace

int RunSpecs(const GlobalOptions& global, const SpecsOptions& o) {
  ConsolePort port(global.answer);
  const Session session = OpenSession(global, port);
  const std::filesystem::path file = session.DataFolder() / kReportSpecsFileName;
  ReportSpecsDialog dialog;
  dialog.Load(file, port);
  const bool changes =
      o.users || o.per_capita || o.headers || o.exact || o.min_percent || !o.percentiles.empty();
  if (o.users) dialog.users = *o.users;
  if (o.per_capita) dialog.per_capita = *o.per_capita;
  if (o.headers) dialog.header_all = *o.headers;
  if (o.exact) dialog.exact = *o.exact;
  if (o.min_percent) {
    dialog.SetSpecMinPerc(*o.min_percent != 0);
    dialog.min_perc_text = std::to_string(*o.min_percent);
  }
  if (!o.percentiles.empty()) {
    dialog.sum_perc.fill(false);
    for (const auto& p : o.percentiles) dialog.sum_perc[PercentileIndex(p, port)] = true;
  }
  // Without options the file is only shown (or, when missing, said so with the dialog's
  // defaults); it is written only when an option changes it.
  if (!changes && !FindFile(file)) {
    ReportSpecsForRun(session.Data(), port);  // the run start's message
    std::cout << "There is no " << kReportSpecsFileName << " in " << session.DataFolder().string()
              << " (give any option of `acute specs` to save one). The report specifications "
                 "dialog would offer:\n";
  }
  if (changes) {
    if (!dialog.Save(file, port)) return 1;
    std::cout << "Report specifications saved in " << file.string() << "\n";
  }
  auto saved = dialog.Check(port);
  if (!saved) return 1;
  Print(*saved);
  return 0;
}

}  // namespace acute::cli
