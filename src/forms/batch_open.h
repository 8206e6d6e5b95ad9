#pragma once
// File, Open Batch File on the main form: refused while a file is open.
#include <filesystem>

#include "common/user_port.h"
#include "forms/main_form.h"

namespace acute {

// False after the refusal's message while a residue or batch file is open.
bool MayOpenBatch(const MainForm& form, UserPort& port);

}  // namespace acute
