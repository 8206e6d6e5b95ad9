#include "gui_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>

#include "file_filter.h"
#include "forms/message_display.h"
#include "progress_window.h"
#include "report_window.h"
#include "widget_helpers.h"

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

template <typename Call>
auto GuiPort::OnWindow(Call call) -> decltype(call()) {
  if (OnWindowThread(this)) return call();
  decltype(call()) result{};
  QMetaObject::invokeMethod(
      this, [&] { result = call(); }, Qt::BlockingQueuedConnection);
  return result;
}

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

Answer GuiPort::ShowHere(const Message& original) {
  const ShownMessage shown = AsShown(original);
  const Message& message = shown.message;
  last_message_ = message;
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
      box.setDefaultButton(shown.default_no ? QMessageBox::No : QMessageBox::Yes);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
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

void GuiPort::Progress(const ProgressReport& report) {
  if (OnWindowThread(this)) return ProgressHere(report);
  QMetaObject::invokeMethod(
      this, [this, report] { ProgressHere(report); }, Qt::QueuedConnection);
}

void GuiPort::ProgressHere(const ProgressReport& report) {
  progress_->SetProgress(report);
  if (!progress_->isVisible()) progress_->show();
}

bool GuiPort::CancelRequested() {
  if (OnWindowThread(this)) QApplication::processEvents();
  return cancel_;
}

}  // namespace acute::gui

namespace acute::gui {

std::optional<std::string> GuiPort::SaveFileName(const FileDialog& dialog) {
  return OnWindow([&] { return FileNameHere(dialog, true); });
}

std::optional<std::string> GuiPort::OpenFileName(const FileDialog& dialog) {
  return OnWindow([&] { return FileNameHere(dialog, false); });
}

void PrepareFileDialog(QFileDialog& box, const FileDialog& dialog) {
  // A folder opens the dialog in it with an empty name box; a file's name is proposed.
  const QFileInfo initial(Q(dialog.initial_name));
  if (dialog.initial_name.empty()) return;
  if (initial.isDir() || dialog.initial_name.back() == '/')
    box.setDirectory(initial.absoluteFilePath());
  else
    box.selectFile(Q(dialog.initial_name));
}

std::optional<std::string> GuiPort::FileNameHere(const FileDialog& dialog, bool save) {
  if (script_ != nullptr)
    return save ? script_->SaveFileName(dialog) : script_->OpenFileName(dialog);
  QFileDialog box(parent_, Q(dialog.title), QString(), QtFilter(dialog.filter));
  PrepareFileDialog(box, dialog);
  box.setDefaultSuffix(Q(dialog.default_extension));
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The library asks its own question before a file is written over.
  box.setOption(QFileDialog::DontConfirmOverwrite);
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  return box.selectedFiles().front().toStdString();
}

bool GuiPort::Print(const PrintJob& job) {
  return OnWindow([&] { return PrintHere(job); });
}

bool GuiPort::PrintHere(const PrintJob& job) {
  if (script_ != nullptr) return script_->Print(job);
  QStringList pages;
  for (const auto& page : job.pages) {
    QStringList lines;
    for (const auto& line : page) lines << QString::fromLatin1(line.data(), line.size());
    pages << lines.join('\n');
  }
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  ReportWindow::PaintPages(printer, pages);
  return true;
}

void GuiPort::ShowReport(const std::string& caption, const std::string& text) {
  OnWindow([&] {
    ShowReportHere(caption, text);
    return true;
  });
}

void GuiPort::ShowReportHere(const std::string& caption, const std::string& text) {
  if (script_ != nullptr) return script_->ShowReport(caption, text);
  ReportWindow window(Q(caption), parent_);
  window.SetText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  window.exec();
}

}  // namespace acute::gui
