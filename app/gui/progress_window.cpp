#include "progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace acute::gui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent),
      heading_(new QLabel(this)),
      status_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton("Cancel", this)) {
  setModal(false);
  setMinimumWidth(460);
  auto* layout = new QVBoxLayout(this);
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  status_->setWordWrap(true);
  status_->setMinimumHeight(36);
  bar_->setRange(0, 100);
  layout->addWidget(heading_);
  layout->addWidget(status_);
  layout->addWidget(bar_);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::cancelClicked);
}

void ProgressWindow::SetHeading(const QString& heading) {
  heading_->setText(heading);
  heading_->setVisible(!heading.isEmpty());
  status_->clear();
  bar_->setRange(0, 0);  // busy until a phase gives its percent
}

void ProgressWindow::SetProgress(const ProgressReport& report) {
  if (!report.caption.empty()) setWindowTitle(QString::fromStdString(report.caption));
  // The label breaks its lines at LF.
  status_->setText(QString::fromStdString(StatusText(report)).replace("\r\n", "\n"));
  if (report.percent) {
    bar_->setRange(0, 100);
    bar_->setValue(std::clamp(*report.percent, 0, 100));
  } else {
    bar_->setRange(0, 0);
  }
}

QString ProgressWindow::status() const {
  return status_->text();
}

QString ProgressWindow::heading() const {
  return heading_->text();
}

void ProgressWindow::reject() {
  if (cancel_->isEnabled()) Q_EMIT cancelClicked();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

}  // namespace acute::gui
