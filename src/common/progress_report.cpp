#include "common/progress_report.h"

namespace acute {

std::string StatusText(const ProgressReport& report) {
  std::string text = report.phase;
  if (!report.step.empty()) text += "\r\n" + report.step;
  if (report.percent) text += "\r\nProgress:    " + std::to_string(*report.percent) + "%";
  if (report.line) text += "\r\nAt line " + std::to_string(*report.line);
  return text;
}

}  // namespace acute
