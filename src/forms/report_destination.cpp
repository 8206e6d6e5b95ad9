#include "forms/report_destination.h"

#include "common/file_names.h"

namespace acute {
namespace {

// The save dialog's default extension is added to a name without one.
std::string WithDefaultExtension(const std::string& name, const std::string& extension) {
  const std::string file = NamePart(name);
  if (file.find('.') != std::string::npos || extension.empty()) return name;
  return name + "." + extension;
}

}  // namespace

ReportDestinationDialog::ReportDestinationDialog(ReportKind kind, std::string last_save_name,
                                                 std::filesystem::path folder)
    : texts_(TextsOf(kind)), save_name_(std::move(last_save_name)), folder_(std::move(folder)) {}

void ReportDestinationDialog::OnDiskFile(UserPort& port) {
  FileDialog dialog = texts_.save_dialog;
  dialog.initial_name = save_name_;
  for (;;) {
    const auto answer = port.SaveFileName(dialog);
    if (!answer || TrimBlanks(*answer).empty()) return;
    const std::string name =
        Resolve(folder_, WithDefaultExtension(TrimBlanks(*answer), dialog.default_extension))
            .string();
    if (FindFile(name)) {
      const Answer a =
          port.Show(Message{"Warning!", "File " + name + " already exists. Write over?",
                            Icon::Exclamation, Buttons::YesNoCancel});
      if (a == Answer::Cancel) return;
      if (a == Answer::No) {
        dialog.initial_name = name;
        continue;
      }
    }
    save_name_ = name;
    Close(Destination::DiskFile);
    return;
  }
}

bool SendChosen(const ReportDestinationDialog& dialog, const std::filesystem::path& report_file,
                UserPort& port) {
  if (dialog.IsOpen()) return true;
  return SendReport(dialog.Texts(), report_file, dialog.Choice(), dialog.SaveName(), port);
}

}  // namespace acute
