#include "gui_port.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QThread>

#include "progress_window.h"

namespace acute::gui {
namespace {

QMessageBox::Icon IconOf(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

bool OnWindowThread(const QObject* object) {
  return QThread::currentThread() == object->thread();
}

}  // namespace

GuiPort::GuiPort(QWidget* parent_window)
    : parent_(parent_window), progress_(new ProgressWindow(parent_window)) {
  connect(progress_, &ProgressWindow::cancelClicked, this, [this] {
    const Message confirm{"Cancel Confirmation",
                          "Are you sure that you want to cancel this analysis?", Icon::Question,
                          Buttons::YesNo};
    if (ShowHere(confirm) == Answer::Yes) RequestCancel();
  });
}

Answer GuiPort::Show(const Message& message) {
  if (OnWindowThread(this)) return ShowHere(message);
  Answer answer = Answer::Ok;
  QMetaObject::invokeMethod(
      this, [&] { answer = ShowHere(message); }, Qt::BlockingQueuedConnection);
  return answer;
}

Answer GuiPort::ShowHere(const Message& message) {
  if (script_ != nullptr) return script_->Show(message);
  QMessageBox box(IconOf(message.icon), QString::fromStdString(message.title),
                  QString::fromStdString(message.text), QMessageBox::NoButton, parent_);
  switch (message.buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Ok;
  }
}

std::optional<std::string> GuiPort::Ask(const std::string& title, const std::string& prompt,
                                        const std::string& default_answer) {
  if (OnWindowThread(this)) return AskHere(title, prompt, default_answer);
  std::optional<std::string> answer;
  QMetaObject::invokeMethod(
      this, [&] { answer = AskHere(title, prompt, default_answer); }, Qt::BlockingQueuedConnection);
  return answer;
}

std::optional<std::string> GuiPort::AskHere(const std::string& title, const std::string& prompt,
                                            const std::string& default_answer) {
  if (script_ != nullptr) return script_->Ask(title, prompt, default_answer);
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, QString::fromStdString(title), QString::fromStdString(prompt),
                            QLineEdit::Normal, QString::fromStdString(default_answer), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

void GuiPort::Progress(const std::string& caption, const std::string& status) {
  const QString c = QString::fromStdString(caption);
  const QString s = QString::fromStdString(status);
  if (OnWindowThread(this)) return ProgressHere(c, s);
  QMetaObject::invokeMethod(
      this, [this, c, s] { ProgressHere(c, s); }, Qt::QueuedConnection);
}

void GuiPort::ProgressHere(const QString& caption, const QString& status) {
  progress_->SetText(caption, status);
  if (!progress_->isVisible()) progress_->show();
}

bool GuiPort::CancelRequested() {
  if (OnWindowThread(this)) QApplication::processEvents();
  return cancel_;
}

}  // namespace acute::gui
