#pragma once
// Every message box, question, input box, progress text and Cancel test of the library
// goes through this interface, so that the front ends (desktop, command line) and the
// tests see the exact titles, texts and their order.
#include <optional>
#include <string>

namespace acute {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

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

  // Progress window: its caption and its status line.
  virtual void Progress(const std::string& caption, const std::string& status) = 0;

  // Lets the user interface run and reports whether Cancel was confirmed.
  virtual bool CancelRequested() = 0;
};

// Convenience for a plain OK box.
inline void Tell(UserPort& port, const std::string& title, const std::string& text,
                 Icon icon = Icon::None) {
  port.Show(Message{title, text, icon, Buttons::Ok});
}

}  // namespace acute
