#pragma once
// How the form checks refuse: a message box with the information icon, and false, so that a
// check can end with `return Refuse(...)`.
#include <string>

#include "common/user_port.h"

namespace acute {

inline constexpr const char* kWarning = "Warning";

inline bool Refuse(UserPort& port, const std::string& title, const std::string& text) {
  Tell(port, title, text, Icon::Information);
  return false;
}

}  // namespace acute
