#include "destination_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "widget_helpers.h"

namespace acute::gui {

DestinationWindow::DestinationWindow(ReportDestinationDialog& model, UserPort& port,
                                     QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(Q(model.Caption()));
  screen = new QPushButton("&Screen");
  printer = new QPushButton("&Printer");
  disk_file = new QPushButton("&Disk File");
  cancel = new QPushButton("Cancel");
  auto* layout = new QHBoxLayout(this);
  for (QPushButton* b : {screen, printer, disk_file, cancel}) layout->addWidget(b);
  screen->setDefault(true);
  connect(screen, &QPushButton::clicked, this, [this] {
    model_.OnScreen();
    CloseWhenChosen();
  });
  connect(printer, &QPushButton::clicked, this, [this] {
    model_.OnPrinter();
    CloseWhenChosen();
  });
  connect(disk_file, &QPushButton::clicked, this, [this, &port] {
    model_.OnDiskFile(port);
    CloseWhenChosen();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    model_.OnCancel();
    CloseWhenChosen();
  });
}

void DestinationWindow::CloseWhenChosen() {
  if (!model_.IsOpen()) accept();
}

}  // namespace acute::gui
