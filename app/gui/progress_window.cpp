#include "progress_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace acute::gui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent), status_(new QLabel(this)), cancel_(new QPushButton("Cancel", this)) {
  setModal(false);
  setMinimumWidth(420);
  auto* layout = new QVBoxLayout(this);
  status_->setWordWrap(true);
  status_->setMinimumHeight(48);
  layout->addWidget(status_);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::cancelClicked);
}

void ProgressWindow::SetText(const QString& caption, const QString& status) {
  if (!caption.isEmpty()) setWindowTitle(caption);
  status_->setText(status);
}

QString ProgressWindow::status() const {
  return status_->text();
}

}  // namespace acute::gui
