#include "forms/field_checks.h"

#include <cmath>
#include <limits>

#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "forms/main_form.h"
#include "forms/refusal.h"

namespace acute {
namespace {

bool IsBlankText(const std::string& text) {
  return TrimBlanks(text).empty();
}

// Blank, or a number from `low` to `high`.
bool InRangeOrBlank(const std::string& text, double low, double high) {
  if (IsBlankText(text)) return true;
  const auto v = FieldNumber(text);
  return v && *v >= low && *v <= high;
}

bool EndsWithNoCase(const std::string& name, const std::string& tail) {
  return name.size() >= tail.size() &&
         ToUpper(name.substr(name.size() - tail.size())) == ToUpper(tail);
}

std::string PathMessage(NameField field) {
  const char* what = field == NameField::Plot ? "plot" : field == NameField::Cec ? "CEC" : "report";
  return std::string("Do not include a path with the ") + what +
         " filename (or do not use the characters \\ or : in the filename).";
}

}  // namespace

std::optional<double> FieldNumber(const std::string& text) {
  if (IsBlankText(text)) return std::nullopt;
  double v = 0;
  if (!ParseNumber(text, v) || !std::isfinite(v)) return std::nullopt;
  if (std::fabs(v) > std::numeric_limits<float>::max()) return std::nullopt;
  return v;
}

bool CheckHalfLifeField(const std::string& text, UserPort& port) {
  const auto v = FieldNumber(text);
  if (v && *v > 0 && *v <= 48) return true;
  return Refuse(port, "Acute analysis data problem",
                "Half Life cannot be set to zero or greater than 48 hrs.");
}

bool CheckNoelField(const std::string& text, UserPort& port) {
  if (InRangeOrBlank(text, 0, kMaxEndpoint)) return true;
  return Refuse(port, kWarning, "The NOEL must be a number from 0 to 1000000, or blank.");
}

bool CheckArfdField(const std::string& text, UserPort& port) {
  if (InRangeOrBlank(text, 0, kMaxEndpoint)) return true;
  return Refuse(port, kWarning, "The aRfD must be a number from 0 to 1000000, or blank.");
}

bool CheckMinContributionField(const std::string& text, UserPort& port) {
  if (InRangeOrBlank(text, 0.1, 50)) return true;
  return Refuse(port, kWarning,
                "When generating a CEC file, you must specify a minimum exposure contribution for "
                "individual ingredient and foodform combination of between .1 and 50%.");
}

bool CheckPrintedRecordsField(const std::string& text, UserPort& port) {
  const auto v = FieldNumber(text);
  if (v && *v >= 1 && *v <= 40000) return true;
  return Refuse(port, "CEC Setup", "Number of printed CEC records must be between 1 and 40000.");
}

double PercentileNumber(const std::string& text) {
  std::string t = TrimBlanks(text);
  const std::size_t percent = t.find('%');
  if (percent != std::string::npos) t = t.substr(0, percent);
  return FieldNumber(t).value_or(0);
}

bool CheckLowPercentileField(const std::string& text, UserPort& port) {
  if (PercentileNumber(text) >= 95) return true;
  return Refuse(port, "CEC Low Percentile",
                "Low Percentile for CEC records cannot be less than 95%.)");
}

bool CheckHighPercentileField(const std::string& high, const std::string& low, UserPort& port) {
  const double h = PercentileNumber(high);
  if (!(h > 95))
    return Refuse(port, "CEC High Percentile",
                  "High Percentile for CEC records must be greater than 95%.)");
  if (!(h > PercentileNumber(low)))
    return Refuse(port, "CEC Low Percentile",
                  "High Percentile for CEC records cannot be equal to or less than the Low "
                  "Percentile.)");
  return true;
}

std::string PercentileText(double value) {
  return TrimStr(static_cast<float>(value)) + "%";
}

std::vector<std::string> HighPercentileChoices(const std::string& low) {
  const double l = PercentileNumber(low);
  std::vector<std::string> out;
  for (double p : {96.0, 97.0, 97.5, 98.0, 99.0, 99.9, 100.0})
    if (p > l) out.push_back(PercentileText(p));
  return out;
}

bool CheckCommentField(const std::string& text, UserPort& port) {
  const std::size_t at = FindControlCharacter(text, true);
  if (at == std::string::npos) return true;
  return Refuse(port, "Run Comment",
                "The run comment holds a control character (code " +
                    std::to_string(static_cast<int>(text[at])) +
                    "). Remove it: a comment may hold line ends, but no tabs, escapes or other "
                    "control characters.");
}

std::string ControlCharacterInName(const std::string& name) {
  const std::size_t at = FindControlCharacter(name, false);
  if (at == std::string::npos) return "";
  std::string shown;  // control characters in caret notation: a line feed is "^J"
  for (char c : name)
    shown += static_cast<unsigned char>(c) < 32 ? std::string{'^', static_cast<char>(c + 64)}
                                                : std::string(1, c);
  return "Illegal character in filename \"" + shown + "\": a control character (code " +
         std::to_string(static_cast<int>(name[at])) +
         "). Do not use line ends, tabs or other control characters in file or folder names.";
}

bool CheckNameControlCharacters(const std::string& name, UserPort& port) {
  const std::string refusal = ControlCharacterInName(name);
  return refusal.empty() || Refuse(port, "Illegal filename", refusal);
}

bool CheckNameWithoutPath(NameField field, const std::string& name, UserPort& port) {
  if (name.find_first_of(":\\/") == std::string::npos) return true;
  return Refuse(port, "Tarn-VELD Acute Module", PathMessage(field));
}

bool CheckNameCharacters(const std::string& name, UserPort& port) {
  if (!CheckNameControlCharacters(name, port)) return false;
  const std::size_t bad = name.find_first_of("\"?*/<>|,");
  if (bad == std::string::npos) return true;
  return Refuse(port, "Illegal filename",
                std::string("Illegal character in filename ") + name[bad] +
                    "  Do not use the following characters: ?*/<>|");
}

std::optional<std::string> CheckNameField(NameField field, const std::string& name,
                                          const std::string& extension, UserPort& port) {
  const std::string t = TrimBlanks(name);
  if (t.empty()) return t;
  if (!CheckNameWithoutPath(field, t, port) || !CheckNameCharacters(t, port)) return std::nullopt;
  return WithExtension(t, extension);
}

std::string WithCecExtension(const std::string& name, bool excel) {
  if (TrimBlanks(name).empty()) return name;
  const std::string wanted = excel ? ".CSV" : ".CEC";
  const std::string other = excel ? ".CEC" : ".CSV";
  if (EndsWithNoCase(name, wanted)) return name;
  if (EndsWithNoCase(name, other)) return name.substr(0, name.size() - other.size()) + wanted;
  return name + wanted;
}

}  // namespace acute
