#pragma once
// File, Open Batch File on the main form: refused while a file is open; otherwise the batch
// file and every residue file it names are read, and its free lines become the run comment.
#include <filesystem>

#include "common/user_port.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"

namespace acute {

// False after the refusal's message while a residue or batch file is open.
bool MayOpenBatch(const MainForm& form, UserPort& port);

// True when the batch is open on the form; false after the message of a refusal (the form
// is then left with no file open).
bool OpenBatchOnForm(MainForm& form, const std::filesystem::path& file, const DataSession& session,
                     UserPort& port);

}  // namespace acute
