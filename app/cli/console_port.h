#pragma once
// The command line's user port: messages on standard error as "Title: text", questions
// answered by --yes/--no or at the terminal, input boxes answered at the terminal, a
// progress line on a terminal, and Ctrl-C as the Cancel button.
#include <optional>
#include <string>

#include "common/user_port.h"

namespace acute::cli {

class ConsolePort : public UserPort {
 public:
  // `answer`: the answer given on the command line to every question, if any.
  explicit ConsolePort(std::optional<bool> answer = std::nullopt);
  ~ConsolePort() override;

  Answer Show(const Message& message) override;
  std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                 const std::string& default_answer) override;
  void Progress(const ProgressReport& report) override;
  bool CancelRequested() override;
  std::optional<std::string> SaveFileName(const FileDialog& dialog) override;
  void ShowReport(const std::string& caption, const std::string& text) override;

  // The answer of the next save dialog (the command line's --save NAME).
  void SetSaveName(std::string name) { save_name_ = std::move(name); }

  // Ends a progress line so that the next output starts on a fresh line.
  void FinishProgress();

  static bool Interactive();

 private:
  std::optional<bool> answer_;
  bool progress_shown_ = false;
  std::string last_progress_;
  std::optional<std::string> save_name_;
};

}  // namespace acute::cli
