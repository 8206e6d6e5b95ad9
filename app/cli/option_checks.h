#pragma once
// The option values of the commands go through the main form's field checks, with the
// form's texts, before anything runs: endpoints, half life, PADs and custom populations.
// Each option has one check, whichever command takes it.
#include <optional>
#include <string>

#include "commands.h"
#include "common/user_port.h"
#include "forms/main_form.h"
#include "inputs/support_data.h"

namespace acute::cli {

// `--noel` and `--arfd` (analyze, report residue), when given, into the form's endpoint
// fields: checked as the fields check them, stored as the fields hold them (a number in its
// shortest form, a blank text blank). False after the field's refusal.
bool SetEndpointOptions(const std::optional<std::string>& noel,
                        const std::optional<std::string>& arfd, MainForm& form, UserPort& port);

// `--reversal HOURS` (analyze, run), checked as the half-life field checks it; std::nullopt
// after its refusal.
std::optional<float> HalfLifeOption(const std::string& text, UserPort& port);

// The report, plot, DWLOC report, CEC and results copy names: their last part as the form's
// name fields check it (a folder is allowed on the command line), and no control character
// in the folder either.
bool CheckOutputNames(const MainForm& form, UserPort& port);
bool CheckOutputName(const std::string& name, UserPort& port);

// `--json NAME` (analyze, run): the name of the results file's copy, ".json" added; a name
// with a folder is taken relative to the current folder, a bare name goes beside the
// residue file. Empty when no name is given.
std::string ResultsCopyName(const std::string& name);

// `--comment` (analyze, report residue): checked as the form's comment box checks it.
bool CheckCommentOption(const std::string& comment, UserPort& port);

// `--save NAME` (report, show): a name without control characters.
bool CheckSaveOption(const std::string& name, UserPort& port);

// `--pad-value N=X`: N a standard population with a PAD (the first PAD population to the
// last standard population), X a number of 0 or more. Stores the values in the form.
bool SetPadValues(const AnalyzeOptions& options, const SupportData& support, MainForm& form,
                  UserPort& port);

// `--custom "NAME|season|region|race|sex|nursing|age[|PAD]"`: the six criterion lines of the
// custom population dialog, checked as "Definition Complete" checks them. std::nullopt
// after the refusal has been shown.
std::optional<MainForm::Custom> CustomFromOption(const std::string& text,
                                                 const SupportData& support, UserPort& port);

// An `analyze` option that would do nothing with the others given: what it needs, or "".
std::string IdleOptionFault(const AnalyzeOptions& options);

}  // namespace acute::cli
