#pragma once
// The main form's help texts: "&Acute Help", a chain of Yes/No boxes that No ends, and the
// "Cumul. CEC Help" box.
#include "common/user_port.h"
#include "inputs/support_data.h"

namespace acute {

void ShowAcuteHelp(UserPort& port, const SupportData& support);
void ShowCumulativeHelp(UserPort& port);

}  // namespace acute
