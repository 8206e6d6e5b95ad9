#pragma once
// The report destination dialog: Screen, Printer, Disk File (a save dialog with the
// overwrite question) and Cancel. The caller sets the report kind's texts and shows it; the
// choice and the save file name are read afterwards.
#include <filesystem>
#include <string>

#include "common/user_port.h"
#include "reports/report_display.h"

namespace acute {

class ReportDestinationDialog {
 public:
  // `last_save_name` is the save file name of the last call (the next default); a relative
  // name the user gives is taken relative to `folder`.
  ReportDestinationDialog(ReportKind kind, std::string last_save_name,
                          std::filesystem::path folder);

  const std::string& Caption() const { return texts_.dialog_caption; }
  const ReportTexts& Texts() const { return texts_; }

  void OnScreen() { Close(Destination::Screen); }
  void OnPrinter() { Close(Destination::Printer); }
  void OnCancel() { Close(Destination::Cancelled); }
  // The save dialog, repeated while the user answers No to the overwrite question. A
  // cancelled dialog (or Cancel to the question) leaves the choice unchanged and this
  // dialog open.
  void OnDiskFile(UserPort& port);

  bool IsOpen() const { return open_; }
  Destination Choice() const { return choice_; }
  const std::string& SaveName() const { return save_name_; }

 private:
  void Close(Destination d) {
    choice_ = d;
    open_ = false;
  }

  ReportTexts texts_;
  std::string save_name_;
  std::filesystem::path folder_;
  Destination choice_ = Destination::Cancelled;
  bool open_ = true;
};

// Sends the report through the dialog's choice once it has closed (nothing when it was
// cancelled or is still open). Returns false when the report could not be sent.
bool SendChosen(const ReportDestinationDialog& dialog, const std::filesystem::path& report_file,
                UserPort& port);

}  // namespace acute
