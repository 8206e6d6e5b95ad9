#pragma once
// A progress text of the library ("Phase\r\nProgress:    42%") as a window or a terminal
// shows it: the phase (its line ends as LF) and the percent when the text gives one.
#include <optional>
#include <string>

namespace acute {

struct ProgressText {
  std::string phase;
  std::optional<int> percent;  // 0..100
};

ProgressText SplitProgressText(const std::string& status);

}  // namespace acute
