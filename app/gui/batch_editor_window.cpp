#include "batch_editor_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widget_helpers.h"

namespace acute::gui {
namespace {

QString Joined(const std::vector<std::string>& lines) {
  QStringList out;
  for (const auto& l : lines) out << Q(l);
  return out.join('\n');
}

}  // namespace

BatchEditorWindow::BatchEditorWindow(BatchEditor& model, UserPort& port, QWidget* parent)
    : QDialog(parent), model_(model), port_(port) {
  setWindowTitle(Q(BatchEditor::Caption()));
  auto* menus = new QMenuBar(this);
  QMenu* file = menus->addMenu("&File");
  file->addAction("Open &New file", this, &BatchEditorWindow::NewFile);
  file->addAction("Open &Existing File", this, &BatchEditorWindow::OpenExisting);
  file->addAction("&Save", this, &BatchEditorWindow::Save)->setShortcut(QKeySequence::Save);
  file->addAction("Save &As", this, &BatchEditorWindow::SaveAs);
  file->addAction("&Close", this, &BatchEditorWindow::CloseFile);
  file->addAction("E&xit", this, &BatchEditorWindow::Exit);
  menus->addAction("&Help", this, [this] { model_.Help(port_); });

  doc = new QPlainTextEdit;
  file_list = new QPlainTextEdit;
  file_name = new QLabel;
  auto* instructions = new QLabel(Joined(model.Instructions()));
  instructions->setWordWrap(true);
  cancel = new QPushButton("Cancel");
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Documentation (optional):"), 0, 0);
  grid->addWidget(doc, 1, 0);
  grid->addWidget(new QLabel("Residue File Name, Report File Name"), 0, 1);
  grid->addWidget(file_list, 1, 1);
  grid->addWidget(Row({new QLabel("File Name:"), file_name}), 2, 0, 1, 2);
  grid->addWidget(Row({new QLabel("Residue file type:"), new QLabel(Q(model.ResidueExtension()))}),
                  3, 0);
  grid->addWidget(instructions, 4, 0, 1, 2);
  grid->addWidget(Row({cancel}), 5, 0, 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menus);
  layout->addLayout(grid);
  resize(760, 560);

  for (QPlainTextEdit* box : {doc, file_list}) {
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
  }
  connect(doc, &QPlainTextEdit::textChanged, this, [this] {
    if (!refreshing_) model_.doc = doc->toPlainText().toStdString();
  });
  connect(file_list, &QPlainTextEdit::textChanged, this, [this] {
    if (!refreshing_) model_.file_list = file_list->toPlainText().toStdString();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    if (model_.Cancel(port_)) accept();
  });
  Refresh();
}

bool BatchEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (model_.state() == BatchEditor::State::NoFile &&
      (type == QEvent::KeyPress || type == QEvent::MouseButtonPress)) {
    model_.EnterTextBox(port_);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void BatchEditorWindow::Refresh() {
  refreshing_ = true;
  const bool open = model_.state() != BatchEditor::State::NoFile;
  if (doc->toPlainText() != Q(model_.doc)) doc->setPlainText(Q(model_.doc));
  if (file_list->toPlainText() != Q(model_.file_list)) file_list->setPlainText(Q(model_.file_list));
  doc->setReadOnly(!open);
  file_list->setReadOnly(!open);
  file_name->setText(Q(model_.FileName()));
  refreshing_ = false;
}

void BatchEditorWindow::NewFile() {
  model_.NewFile(port_);
  Refresh();
}

void BatchEditorWindow::OpenExisting() {
  model_.OpenExisting(port_);
  Refresh();
}

void BatchEditorWindow::Save() {
  model_.Save(port_);
  Refresh();
}

void BatchEditorWindow::SaveAs() {
  model_.SaveAs(port_);
  Refresh();
}

void BatchEditorWindow::CloseFile() {
  model_.Close(port_);
  Refresh();
}

void BatchEditorWindow::Exit() {
  if (model_.Exit(port_)) accept();
}

void BatchEditorWindow::reject() {
  Exit();
}

}  // namespace acute::gui
