#pragma once
// A user port for work no one watches (reading a file quietly to see what it is): messages
// are dropped and answered No or Cancel, inputs are cancelled, Cancel is never asked for.
#include <optional>
#include <string>

#include "common/user_port.h"

namespace acute {

class SilentPort : public UserPort {
 public:
  Answer Show(const Message& message) override {
    const bool yes_no =
        message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoCancel;
    return message.buttons == Buttons::Ok ? Answer::Ok : yes_no ? Answer::No : Answer::Cancel;
  }
  std::optional<std::string> Ask(const std::string&, const std::string&,
                                 const std::string&) override {
    return std::nullopt;
  }
  void Progress(const ProgressReport&) override {}
  bool CancelRequested() override { return false; }
};

}  // namespace acute
