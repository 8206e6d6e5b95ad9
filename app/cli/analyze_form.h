#pragma once
// The analyze and redo-cec options set on the main form's model as a user sets the form: the
// file opened first, then the boxes and fields. Every default and rule of the form (what a
// hidden box means, what opening a file clears, what ticking one box ticks) is the model's,
// so the command line and the desktop program run the same form.
#include "commands.h"
#include "common/user_port.h"
#include "forms/main_form_model.h"
#include "run/session.h"

namespace acute::cli {

// False after a field check's refusal. An option the form would not take (a box the form
// hides for the file opened, a population or batch entry that does not exist) ends the
// program as a refused command line.
bool SetAnalyzeForm(const AnalyzeOptions& options, const Session& session, UserPort& port,
                    MainFormModel& model);

// The CEC frame from the CEC options (when --cec is given); what they leave out keeps the
// frame's values: its defaults, or the last CEC run's for a repeat.
void SetCecFrame(const CecOptions& options, MainFormModel& model);

}  // namespace acute::cli
