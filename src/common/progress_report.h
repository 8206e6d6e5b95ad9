#pragma once
// Where the work under way stands, as the progress window shows it: the window's caption,
// the phase, a line under it (the pass of a file read), and how far the phase has come (a
// percent, or the line a file read has reached).
#include <optional>
#include <string>

namespace acute {

struct ProgressReport {
  std::string caption;
  std::string phase;           // "Computing Exposure", "Reading SAMPLE.RDF", "Setting up analysis"
  std::string step;            // a second line, or empty: "First pass"
  std::optional<int> percent;  // 0..100, a pass over the survey
  std::optional<long> line;    // the line of a distribution file reached
};

// The status text of the progress window: the phase, then the step, "Progress:    N%" and
// "At line N" when given, each on a line of its own (CR LF between the lines).
std::string StatusText(const ProgressReport& report);

}  // namespace acute
