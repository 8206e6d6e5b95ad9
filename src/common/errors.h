#pragma once
// The two ways a failure leaves the normal flow.
//  - ProgramEnds: the message has been shown; the front end exits with a non-zero status.
//  - RunEnds: the message (if any) has been shown; the current analysis ends without reports.
#include <stdexcept>
#include <string>

namespace acute {

class ProgramEnds : public std::runtime_error {
 public:
  explicit ProgramEnds(const std::string& why) : std::runtime_error(why) {}
};

class RunEnds : public std::runtime_error {
 public:
  explicit RunEnds(const std::string& why) : std::runtime_error(why) {}
};

}  // namespace acute
