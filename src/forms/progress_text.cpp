#include "forms/progress_text.h"

#include <algorithm>
#include <cstdlib>

namespace acute {

ProgressText SplitProgressText(const std::string& status) {
  constexpr const char* kMark = "\r\nProgress:";
  ProgressText out;
  const std::size_t mark = status.find(kMark);
  out.phase = status.substr(0, mark);
  if (mark != std::string::npos)
    out.percent = std::clamp(std::atoi(status.c_str() + mark + 11), 0, 100);
  for (std::size_t at = out.phase.find("\r\n"); at != std::string::npos;
       at = out.phase.find("\r\n", at))
    out.phase.erase(at, 1);
  return out;
}

}  // namespace acute
