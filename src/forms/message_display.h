#pragma once
// How a window shows a message of the library: where a text names a control in its own words
// ('Last Acute Rpt'), the control's caption follows in brackets; a box without an icon gets
// the icon of its kind (information for a notice, question for a question); and questions
// that throw work away have No as their default answer.
#include <string>

#include "common/user_port.h"

namespace acute {

struct ShownMessage {
  Message message;
  bool default_no = false;  // Enter answers No
};

ShownMessage AsShown(const Message& message);

// The text with the caption of each control it names in other words added after the name.
std::string WithControlCaptions(const std::string& text);

}  // namespace acute
