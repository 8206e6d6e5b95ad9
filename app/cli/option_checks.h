#pragma once
// The option values of `analyze` and `run` go through the main form's field checks, with
// the form's texts, before anything runs: endpoints, half life, PADs and custom populations.
#include <optional>
#include <string>

#include "commands.h"
#include "common/user_port.h"
#include "inputs/support_data.h"
#include "ui/main_form.h"

namespace acute::cli {

// The endpoint and half-life fields of the form, as the options set them.
bool CheckFormFields(const MainForm& form, UserPort& port);

// The report, plot and DWLOC report names: their last part as the form's name fields
// check it (a folder is allowed on the command line).
bool CheckOutputNames(const MainForm& form, UserPort& port);

// `--pad-value N=X`: N a standard population with a PAD (the first PAD population to the
// last standard population), X a number of 0 or more. Stores the values in the form.
bool SetPadValues(const AnalyzeOptions& options, const SupportData& support, MainForm& form,
                  UserPort& port);

// `--custom "NAME|season|region|race|sex|nursing|age[|PAD]"`: the six criterion lines of the
// custom population dialog, checked as "Definition Complete" checks them. std::nullopt
// after the refusal has been shown.
std::optional<MainForm::Custom> CustomFromOption(const std::string& text,
                                                 const SupportData& support, UserPort& port);

// `run --reversal HOURS`.
bool CheckReversalOption(const std::optional<float>& hours, UserPort& port);

}  // namespace acute::cli
