#pragma once
// The desktop program's user port: modal message boxes and input boxes with the library's
// titles, icons and buttons, the progress window and its Cancel. It may be called from the
// thread that runs an analysis: message and input boxes are then shown on the window's
// thread and the caller waits for the answer; progress reports are posted without waiting.
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <optional>

#include "common/user_port.h"

class QFileDialog;
class QWidget;

namespace acute::gui {

class ProgressWindow;

// Sets up a file dialog from the library's description of it.
void PrepareFileDialog(QFileDialog& box, const FileDialog& dialog);

class GuiPort : public QObject, public UserPort {
  Q_OBJECT
 public:
  explicit GuiPort(QWidget* parent_window);

  Answer Show(const Message& message) override;
  std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                 const std::string& default_answer) override;
  void Progress(const ProgressReport& report) override;
  bool CancelRequested() override;
  std::optional<std::string> SaveFileName(const FileDialog& dialog) override;
  std::optional<std::string> OpenFileName(const FileDialog& dialog) override;
  // The system print dialog, then the pages; false when it was cancelled.
  bool Print(const PrintJob& job) override;
  // The report window, modal.
  void ShowReport(const std::string& caption, const std::string& text) override;

  // Cancel confirmed in the progress window; cleared at the start of every run.
  void RequestCancel() { cancel_ = true; }
  void ResetCancel() { cancel_ = false; }

  // Tests answer the boxes themselves: when set, every box goes to this port instead.
  void SetScript(UserPort* script) { script_ = script; }

  ProgressWindow* progress() const { return progress_; }
  // The last message box shown (as shown), and a way to forget it before a run starts.
  const std::optional<Message>& lastMessage() const { return last_message_; }
  void ForgetLastMessage() { last_message_.reset(); }

 private:
  Answer ShowHere(const Message& message);
  std::optional<std::string> AskHere(const std::string& title, const std::string& prompt,
                                     const std::string& default_answer);
  void ProgressHere(const ProgressReport& report);
  std::optional<std::string> FileNameHere(const FileDialog& dialog, bool save);
  bool PrintHere(const PrintJob& job);
  void ShowReportHere(const std::string& caption, const std::string& text);
  // Runs `call` on the window's thread and waits for it.
  template <typename Call>
  auto OnWindow(Call call) -> decltype(call());

  QPointer<QWidget> parent_;
  ProgressWindow* progress_;
  UserPort* script_ = nullptr;
  std::atomic<bool> cancel_{false};
  std::optional<Message> last_message_;
};

}  // namespace acute::gui
