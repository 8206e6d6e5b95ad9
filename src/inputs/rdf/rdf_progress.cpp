#include "inputs/rdf/rdf_progress.h"

#include "inputs/rdf/rdf_messages.h"

namespace acute {

RdfProgress::RdfProgress(UserPort& port, bool dwloc) : port_(port) {
  report_.caption = dwloc ? "DWLOC Analysis Progress Report" : "Acute Analysis Progress Report";
}

void RdfProgress::StartPass(const std::string& file, const std::string& pass) {
  report_.phase = "Reading " + file;
  report_.step = pass;
  report_.line.reset();
  lines_ = 0;
  shown_ = std::chrono::steady_clock::now();
  port_.Progress(report_);
  if (port_.CancelRequested()) throw RdfCancelled{};
}

void RdfProgress::Test(int line) {
  if (port_.CancelRequested()) throw RdfCancelled{};
  auto now = std::chrono::steady_clock::now();
  if (now - shown_ < std::chrono::seconds(1)) return;
  shown_ = now;
  report_.line = line;
  port_.Progress(report_);
}

}  // namespace acute
