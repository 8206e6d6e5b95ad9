#include "pad_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace acute::gui {

PadWindow::PadWindow(PadDialog model, StandardPads& pads, UserPort& port, QWidget* parent)
    : QDialog(parent), model_(std::move(model)), pads_(pads), port_(port) {
  setWindowTitle(PadDialog::kCaption);
  setModal(true);
  auto* rows = new QWidget;
  auto* grid = new QGridLayout(rows);
  for (int i = 0; i < model_.rows(); ++i) {
    grid->addWidget(new QLabel(QString::fromStdString(model_.labels[static_cast<std::size_t>(i)])),
                    i, 0);
    auto* box = new QLineEdit;
    box->setMaximumWidth(110);
    box->setToolTip(PadDialog::kBoxTip);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textEdited, this, [this, i](const QString& t) {
      model_.texts[static_cast<std::size_t>(i)] = t.toStdString();
    });
    grid->addWidget(box, i, 1);
    boxes_.push_back(box);
  }
  grid->addWidget(new QLabel(PadDialog::kUnits), 0, 2);
  auto* scroll = new QScrollArea;
  scroll->setWidget(rows);
  scroll->setWidgetResizable(true);
  scroll->setMinimumWidth(rows->sizeHint().width() + 30);
  scroll->setMinimumHeight(std::min(rows->sizeHint().height() + 8, 520));
  auto* help = new QLabel(PadDialog::kHelp);
  help->setWordWrap(true);
  auto* save = new QPushButton("E&xit/Save");
  auto* clear = new QPushButton("Clear ");
  connect(save, &QPushButton::clicked, this, [this] {
    Save();
    accept();
  });
  connect(clear, &QPushButton::clicked, this, [this] {
    model_.Clear(port_);
    Refresh();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save);
  buttons->addWidget(clear);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll);
  layout->addWidget(help);
  layout->addLayout(buttons);
  Refresh();
}

void PadWindow::Refresh() {
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    boxes_[i]->setText(QString::fromStdString(model_.texts[i]));
}

void PadWindow::Save() {
  model_.Save(pads_);
  saved_ = true;
}

bool PadWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto it = std::find(boxes_.begin(), boxes_.end(), watched);
  if (it == boxes_.end()) return QDialog::eventFilter(watched, event);
  const int row = static_cast<int>(it - boxes_.begin());
  const int key = static_cast<QKeyEvent*>(event)->key();
  int next = row;
  if (key == Qt::Key_Down) {
    next = model_.Down(row);
  } else if (key == Qt::Key_Up) {
    next = model_.Up(row);
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    next = model_.Enter(row);
    Refresh();
  } else {
    return QDialog::eventFilter(watched, event);
  }
  boxes_[static_cast<std::size_t>(next)]->setFocus();
  return true;
}

void PadWindow::reject() {
  if (!saved_) Save();
  QDialog::reject();
}

}  // namespace acute::gui
