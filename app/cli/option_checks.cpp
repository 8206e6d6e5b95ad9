#include "option_checks.h"

#include <cmath>
#include <sstream>
#include <vector>

#include "common/file_names.h"
#include "common/str.h"
#include "engine/pass_file.h"
#include "forms/custom_population_dialog.h"
#include "forms/field_checks.h"

namespace acute::cli {
namespace {

constexpr const char* kWarning = "Warning";

bool Refuse(UserPort& port, const std::string& text) {
  Tell(port, kWarning, text, Icon::Information);
  return false;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream ss(text);
  std::string part;
  while (std::getline(ss, part, separator)) parts.push_back(part);
  return parts;
}

// One criterion line: `count` whole numbers, each 0 or 1 unless it is the age line.
bool ReadLine(const std::string& text, std::size_t count, bool age,
              std::array<std::int16_t, 5>& line, const std::string& what, UserPort& port) {
  const auto items = Split(text, ',');
  if (items.size() != count)
    return Refuse(port, what + ": expected " + std::to_string(count) + " items, got " +
                            std::to_string(items.size()) + ".");
  for (std::size_t i = 0; i < count; ++i) {
    const auto v = FieldNumber(items[i]);
    const double top = age ? 32767 : 1;
    if (!v || *v != std::floor(*v) || *v < (age ? -32768 : 0) || *v > top)
      return Refuse(
          port, what + ": \"" + items[i] + "\" must be " + (age ? "a whole number." : "0 or 1."));
    line[i] = static_cast<std::int16_t>(*v);
  }
  return true;
}

// The text a field holds once its check accepted `text`: the number in its shortest form,
// or blank.
std::string FieldText(const std::string& text) {
  const auto v = FieldNumber(text);
  return v ? TrimStr(static_cast<float>(*v)) : "";
}

// An age given in both units at one end cannot come from the dialog.
bool CheckAgeUnits(const std::array<std::int16_t, 5>& age, const std::string& name,
                   UserPort& port) {
  if (age[0] != 0 || ((age[1] == 0 || age[2] == 0) && (age[3] == 0 || age[4] == 0))) return true;
  return Refuse(
      port, "--custom " + name + ": give each age in months or in years, with the other item 0.");
}

}  // namespace

bool SetEndpointOptions(const std::optional<std::string>& noel,
                        const std::optional<std::string>& arfd, MainForm& form, UserPort& port) {
  if (noel && !CheckNoelField(*noel, port)) return false;
  if (arfd && !CheckArfdField(*arfd, port)) return false;
  if (noel) form.noel = FieldText(*noel);
  if (arfd) form.arfd = FieldText(*arfd);
  return true;
}

std::optional<float> HalfLifeOption(const std::string& text, UserPort& port) {
  if (!CheckHalfLifeField(text, port)) return std::nullopt;
  return static_cast<float>(FieldNumber(text).value_or(0));
}

bool CheckOutputName(const std::string& name, UserPort& port) {
  return CheckNameControlCharacters(name, port) && CheckNameCharacters(NamePart(name), port);
}

bool CheckOutputNames(const MainForm& form, UserPort& port) {
  for (const std::string* name :
       {&form.report_name, &form.plot_name, &form.dwloc_name, &form.cec_name, &form.results_copy})
    if (!CheckOutputName(*name, port)) return false;
  return true;
}

std::string ResultsCopyName(const std::string& name) {
  if (name.empty()) return "";
  const std::string named = WithExtension(name, ".json");
  return HasFolder(named) ? std::filesystem::absolute(named).string() : named;
}

bool CheckCommentOption(const std::string& comment, UserPort& port) {
  return CheckCommentField(comment, port);
}

bool CheckSaveOption(const std::string& name, UserPort& port) {
  return CheckNameControlCharacters(name, port);
}

bool SetPadValues(const AnalyzeOptions& options, const SupportData& support, MainForm& form,
                  UserPort& port) {
  const int count = support.StandardPopulationCount();
  const int first = PassFileLayout{support.DatabaseKind, count}.FirstPadPopulation();
  form.standard_pad = StandardPads(count);
  for (const std::string& text : options.pad_values) {
    const std::string given = "--pad-value " + text;
    const std::size_t eq = text.find('=');
    const auto number = FieldNumber(text.substr(0, eq));
    const auto pad = eq == std::string::npos ? std::nullopt : FieldNumber(text.substr(eq + 1));
    if (!number || *number != std::floor(*number) || eq == std::string::npos)
      return Refuse(port, given + ": give N=X, a standard population's number and its PAD.");
    const double pop = *number, value = pad.value_or(-1);
    if (pop < first || pop > count)
      return Refuse(port, given + ": PADs are given for standard populations " +
                              std::to_string(first) + " to " + std::to_string(count) + ".");
    if (!std::isfinite(value) || value < 0)
      return Refuse(port, given + ": a PAD must be a number of 0 or more (mg/kg-bw-day).");
    form.standard_pad.Set(static_cast<int>(pop), static_cast<float>(value));
  }
  return true;
}

std::optional<MainForm::Custom> CustomFromOption(const std::string& text,
                                                 const SupportData& support, UserPort& port) {
  const auto parts = Split(text, '|');
  if (parts.size() != 7 && parts.size() != 8) {
    Refuse(port,
           "--custom \"" + text + "\": expected NAME|season|region|race|sex|nursing|age[|PAD]");
    return std::nullopt;
  }
  MainForm::Custom c;
  c.population.name = parts[0];
  for (int line = 0; line < 6; ++line) {
    const std::string what = "--custom " + parts[0] + " line " + std::to_string(line + 1);
    if (!ReadLine(parts[static_cast<std::size_t>(line) + 1], line == 4 ? 3 : 5, line == 5,
                  c.population.crit[static_cast<std::size_t>(line)], what, port))
      return std::nullopt;
  }
  if (!CheckAgeUnits(c.population.crit[5], parts[0], port)) return std::nullopt;
  if (parts.size() == 8) {
    const auto pad = FieldNumber(parts[7]);
    if (!TrimBlanks(parts[7]).empty() && (!pad || *pad < 0)) {
      Refuse(port, "--custom " + parts[0] + ": the aPAD must be a number of 0 or more.");
      return std::nullopt;
    }
    c.population.pad = static_cast<float>(pad.value_or(0));
  }
  CustomPopulationDialog dialog(support.DatabaseKind);
  dialog.Show(c.population);
  if (!dialog.Check(port)) return std::nullopt;
  c.defined = true;
  return c;
}

std::string IdleOptionFault(const AnalyzeOptions& o) {
  if (o.hold && !o.occasions && !o.reversal)
    return "--hold needs --occasions: it holds a food's residue over the eating occasions of a day";
  if (o.hold && !o.iterations && !o.seed)
    return "--hold needs --mc: it holds a drawn residue, and only a Monte Carlo analysis draws";
  if (o.qa && !o.dwloc) return "--qa needs --dwloc: the QA listing is that of a DWLOC analysis";
  if (!o.cec.name.empty()) return "";
  const CecOptions& c = o.cec;
  const std::pair<bool, const char*> given[] = {{c.basis.has_value(), "--cec-basis"},
                                                {c.low.has_value(), "--cec-low"},
                                                {c.high.has_value(), "--cec-high"},
                                                {c.min_percent.has_value(), "--cec-min"},
                                                {c.records.has_value(), "--cec-records"},
                                                {c.excel, "--cec-excel"},
                                                {c.quiet, "--cec-quiet"},
                                                {c.cumulative, "--cumulative-cec"}};
  for (const auto& [set, name] : given)
    if (set)
      return std::string(name) + " needs --cec NAME: it sets the CEC report that --cec asks for";
  return "";
}

}  // namespace acute::cli
