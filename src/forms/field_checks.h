#pragma once
// The main form's field checks: each one tests the text of one field as it loses focus (or
// Enter is pressed in it), shows its message box when the text is refused and returns
// whether it was accepted. The command line runs its option values through the same checks.
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"

namespace acute {

// A number typed into a field: finite and within the range of a 32-bit float; std::nullopt
// for a blank text, a text that is not a number, NaN, an infinity or a value out of range.
std::optional<double> FieldNumber(const std::string& text);

// Half life (hours): above 0 and at most 48.
bool CheckHalfLifeField(const std::string& text, UserPort& port);

// Toxicology endpoints: blank (no value) or a number from 0 to kMaxEndpoint.
inline constexpr double kMaxEndpoint = 1.0e6;
bool CheckNoelField(const std::string& text, UserPort& port);
bool CheckArfdField(const std::string& text, UserPort& port);

// CEC settings.
bool CheckMinContributionField(const std::string& text, UserPort& port);
bool CheckPrintedRecordsField(const std::string& text, UserPort& port);
// The number before "%" of a percentile text ("99.5%" gives 99.5); 0 when there is none.
double PercentileNumber(const std::string& text);
bool CheckLowPercentileField(const std::string& text, UserPort& port);
bool CheckHighPercentileField(const std::string& high, const std::string& low, UserPort& port);
// The high percentiles offered for a low percentile, as list texts ("99.9%", "100%").
std::vector<std::string> HighPercentileChoices(const std::string& low);
// A percentile as the list shows it: its number followed by "%".
std::string PercentileText(double value);

// The file-name fields: the Acute report, the plot file, the DWLOC report and the CEC file.
enum class NameField { Report, Plot, Dwloc, Cec };

// The run comment box: a control character other than CR and LF (a tab, an escape) is
// refused; line ends keep the pass file's rule.
bool CheckCommentField(const std::string& text, UserPort& port);

// The control-character rule of every file and folder name: the text of its refusal when
// `name` holds a character below 32 (a line end, a tab, an escape), "" when it holds none.
std::string ControlCharacterInName(const std::string& name);
// The same rule as a check, with its message box.
bool CheckNameControlCharacters(const std::string& name, UserPort& port);

// The path rule: a name holding ":", "\" or "/" is refused.
bool CheckNameWithoutPath(NameField field, const std::string& name, UserPort& port);
// The character rule: a control character, a double quote, any of "?*/<>|" or a comma is
// refused, naming it.
bool CheckNameCharacters(const std::string& name, UserPort& port);
// Both rules, then the extension set; std::nullopt when refused. A blank name stays blank.
std::optional<std::string> CheckNameField(NameField field, const std::string& name,
                                          const std::string& extension, UserPort& port);

// The CEC file's extension: ".CSV" with the Excel format, ".CEC" without; a name ending in
// the other one has it replaced, a name with neither gets it appended.
std::string WithCecExtension(const std::string& name, bool excel);

}  // namespace acute
