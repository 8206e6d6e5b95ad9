#pragma once
// The report destination dialog's window, bound to ReportDestinationDialog: Screen, Printer,
// Disk File (the save dialog and its overwrite question) and Cancel. Closing the window
// leaves the choice "cancelled".
#include <QDialog>

#include "forms/report_destination.h"

class QPushButton;

namespace acute::gui {

class DestinationWindow : public QDialog {
  Q_OBJECT
 public:
  DestinationWindow(ReportDestinationDialog& model, UserPort& port, QWidget* parent);

  QPushButton *screen, *printer, *disk_file, *cancel;

 private:
  void CloseWhenChosen();

  ReportDestinationDialog& model_;
};

}  // namespace acute::gui
