#pragma once
// A user port for tests: records every call in order and returns queued answers.
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/user_port.h"

namespace acute {

struct PortEvent {
  enum class Kind { Message, Input, Progress, FileDialog, Print, Report } kind;
  std::string title;
  std::string text;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
};

class ScriptedPort : public UserPort {
 public:
  Answer Show(const Message& message) override;
  std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                 const std::string& default_answer) override;
  void Progress(const ProgressReport& report) override;
  bool CancelRequested() override;
  std::optional<std::string> SaveFileName(const FileDialog& dialog) override;
  std::optional<std::string> OpenFileName(const FileDialog& dialog) override;
  bool Print(const PrintJob& job) override;
  void ShowReport(const std::string& caption, const std::string& text) override;

  // Queued answers; when a queue is empty, messages answer Ok/Yes and inputs cancel.
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> inputs;
  // Cancel is confirmed at the n-th CancelRequested call (1-based); 0 = never.
  long cancel_at_call = 0;
  long cancel_calls = 0;

  // Answers of save and open dialogs, in order (empty queue: cancelled); whether the printer works.
  std::deque<std::optional<std::string>> file_names;
  bool printer_ok = true;
  std::vector<PrintJob> printed;
  // Reports shown in the report window: caption and text.
  std::vector<std::pair<std::string, std::string>> shown;

  // Every call in order; a progress event holds the caption and the status text.
  std::vector<PortEvent> events;
  // The progress reports, in order.
  std::vector<ProgressReport> progress;

  // Only the message boxes, in order.
  std::vector<PortEvent> Messages() const;
  // "title: text" of the last message box, or "" when there was none.
  std::string LastMessage() const;
};

}  // namespace acute
