#pragma once
// The one way a command line that cannot run as given ends: its message goes out through the
// user port, titled "Command line", and the program ends with the usage status.
#include <string>

#include "common/errors.h"
#include "common/user_port.h"

namespace acute::cli {

inline constexpr int kUsageStatus = 2;

// The message has been shown; the program ends with kUsageStatus.
class OptionRefused : public ProgramEnds {
 public:
  OptionRefused() : ProgramEnds("the command line was refused") {}
};

[[noreturn]] inline void RefuseOption(UserPort& port, const std::string& text) {
  Tell(port, "Command line", text, Icon::Critical);
  throw OptionRefused();
}

// A file the command line names that cannot be found: the form's "Path Error" message, then
// the program ends.
[[noreturn]] inline void RefuseMissingFile(UserPort& port, const std::string& what,
                                           const std::string& name) {
  Tell(port, "Path Error", "Can't find " + what + " " + name + ".");
  throw ProgramEnds("no " + what + " " + name);
}

}  // namespace acute::cli
