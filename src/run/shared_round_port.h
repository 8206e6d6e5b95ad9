#pragma once
// The port of a bootstrap round, which may run beside other rounds: its passes' progress is
// left out (the rounds' own progress shows instead), and everything else reaches the run's
// port one call at a time.
#include <mutex>
#include <optional>
#include <string>

#include "common/user_port.h"

namespace acute {

class SharedRoundPort : public UserPort {
 public:
  SharedRoundPort(UserPort& port, std::mutex& mutex) : port_(port), mutex_(mutex) {}

  Answer Show(const Message& message) override {
    const std::lock_guard lock(mutex_);
    return port_.Show(message);
  }
  std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                 const std::string& default_answer) override {
    const std::lock_guard lock(mutex_);
    return port_.Ask(title, prompt, default_answer);
  }
  void Progress(const ProgressReport& /*report*/) override {}
  bool CancelRequested() override {
    const std::lock_guard lock(mutex_);
    return port_.CancelRequested();
  }

 private:
  UserPort& port_;
  std::mutex& mutex_;
};

}  // namespace acute
