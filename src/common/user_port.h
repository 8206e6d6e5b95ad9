#pragma once
// Every message box, question, input box, progress report and Cancel test of the library
// goes through this interface, so that the front ends (desktop, command line) and the
// tests see the exact titles, texts and their order.
#include <optional>
#include <string>
#include <vector>

#include "common/progress_report.h"

namespace acute {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A save dialog: its title, filter ("Text (*.X)|*.X"), default extension and the name it
// opens with.
struct FileDialog {
  std::string title;
  std::string filter;
  std::string default_extension;
  std::string initial_name;
};

// A print job: lines page by page, in one font.
struct PrintJob {
  std::string font;
  std::vector<std::vector<std::string>> pages;
};

struct Message {
  std::string title;
  std::string text;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
};

class UserPort {
 public:
  virtual ~UserPort() = default;

  // A modal message box; returns the button pressed.
  virtual Answer Show(const Message& message) = 0;

  // An input box; std::nullopt when the user cancels.
  virtual std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                         const std::string& default_answer) = 0;

  // The progress window: where the work stands.
  virtual void Progress(const ProgressReport& report) = 0;

  // Lets the user interface run and reports whether Cancel was confirmed.
  virtual bool CancelRequested() = 0;

  // A save dialog; std::nullopt when the user cancels it. Without a dialog to show, cancel.
  virtual std::optional<std::string> SaveFileName(const FileDialog& /*dialog*/) {
    return std::nullopt;
  }

  // An open dialog; std::nullopt when the user cancels it.
  virtual std::optional<std::string> OpenFileName(const FileDialog& /*dialog*/) {
    return std::nullopt;
  }

  // Sends a job to the printer; false when it could not be printed (no printer by default).
  virtual bool Print(const PrintJob& /*job*/) { return false; }

  // The report window: shows a report text under its caption.
  virtual void ShowReport(const std::string& /*caption*/, const std::string& /*text*/) {}
};

// Convenience for a plain OK box.
inline void Tell(UserPort& port, const std::string& title, const std::string& text,
                 Icon icon = Icon::None) {
  port.Show(Message{title, text, icon, Buttons::Ok});
}

// Convenience for a progress window that names the phase only.
inline void ShowPhase(UserPort& port, const std::string& caption, const std::string& phase) {
  port.Progress(ProgressReport{caption, phase, "", std::nullopt, std::nullopt});
}

}  // namespace acute
