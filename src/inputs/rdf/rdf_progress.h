#pragma once
// The progress window while distribution files are read: "Reading" + file name, the pass
// and the line reached (refreshed about once a second), and the Cancel test.
#include <chrono>
#include <string>

#include "common/user_port.h"

namespace acute {

class RdfProgress {
 public:
  RdfProgress(UserPort& port, bool dwloc);

  // Shows the file and pass; throws RdfCancelled when Cancel was confirmed.
  void StartPass(const std::string& file, const std::string& pass);
  // Called for every line read; every kLinesPerTest lines it tests Cancel (throwing
  // RdfCancelled) and refreshes "At line" when a second has passed.
  void AtLine(int line) {
    if (++lines_ % kLinesPerTest == 0) Test(line);
  }

  static constexpr long kLinesPerTest = 1000;

 private:
  void Test(int line);

  UserPort& port_;
  ProgressReport report_;
  long lines_ = 0;
  std::chrono::steady_clock::time_point shown_;
};

}  // namespace acute
