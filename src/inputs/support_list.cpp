// Reading "TarnSupport.txt" and "setupTARNNH.txt".
#include <cmath>
#include <filesystem>

#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "inputs/support_data.h"

namespace acute {
namespace {

[[noreturn]] void EndWith(UserPort& port, const std::string& title, const std::string& text,
                          Icon icon = Icon::None) {
  Tell(port, title, text, icon);
  throw ProgramEnds(text);
}

// A setting line: the value after its first "=", rounded to an integer.
std::int16_t SettingValue(const std::string& line, int line_number) {
  std::size_t eq = line.find('=');
  double value = 0;
  if (eq == std::string::npos || !ParseNumber(line.substr(eq + 1), value) ||
      std::fabs(value) > 32767)
    throw ListReadError("\"" + line + "\" is not a setting line of the form name = number",
                        line_number);
  return static_cast<std::int16_t>(std::nearbyint(value));
}

std::int16_t ReadSetting(ListReader& in) {
  int at = in.line();
  return SettingValue(in.ReadLine(), at);
}

std::vector<std::string> ReadNames(ListReader& in, int first, int last) {
  std::vector<std::string> names(static_cast<std::size_t>(std::max(last, 0) + 1));
  for (int i = first; i <= last; ++i) names[i] = in.ReadString();
  return names;
}

SupportData ParseSupportList(ListReader& in) {
  SupportData s;
  in.ReadLine();
  s.DatabaseKind = ReadSetting(in);
  s.RacFfVersion = in.ReadLine();
  s.DatabaseTitle = in.ReadLine();
  s.SupportFile.assign(8, "");
  for (int i = 1; i <= 6; ++i) s.SupportFile[i] = in.ReadString();
  if (s.DatabaseKind == 0) s.SupportFile[7] = in.ReadString();
  s.ConsumptionListFirst = ReadSetting(in);
  s.ConsumptionListLast = ReadSetting(in);
  if (s.ConsumptionListFirst < 1 || s.ConsumptionListLast < s.ConsumptionListFirst)
    throw ListReadError("the consumption file index range is empty", in.line());
  in.ReadLine();
  s.ConsumptionListA = ReadNames(in, s.ConsumptionListFirst, s.ConsumptionListLast);
  in.ReadLine();
  s.ConsumptionListB = ReadNames(in, s.ConsumptionListFirst, s.ConsumptionListLast);
  s.RacCount = ReadSetting(in);
  s.SupportCount3 = ReadSetting(in);
  s.FoodFormCount = ReadSetting(in);
  int n = ReadSetting(in);
  if (s.RacCount < 1 || s.FoodFormCount < 1 || n < 1)
    throw ListReadError("the commodity, food-form and population counts must be positive",
                        in.line());
  s.PopulationNames = ReadNames(in, 1, n);
  return s;
}

}  // namespace

bool SetupData::PageNumbers() const {
  return SetupValue.size() > 3 && ToUpper(TrimBlanks(SetupValue[3])) == "Y";
}
bool SetupData::Exceeding() const {
  return ToUpper(TrimBlanks(OrientationLetter)) == "D";
}
bool SetupData::PrintComments() const {
  return ToUpper(TrimBlanks(PrintCommentsFlag)) == "Y";
}

SupportData ReadSupportList(const std::filesystem::path& folder, UserPort& port) {
  auto path = FindFile(folder / kSupportListName);
  if (!path)
    EndWith(port, "Starting Tarn-VELD",
            std::string("File ") + kSupportListName +
                " is not located in the current directory, can't proceed without this file.");
  SupportData s;
  try {
    ListReader in(ReadWholeFile(*path));
    s = ParseSupportList(in);
  } catch (const ListReadError& e) {
    EndWith(port, "Starting Tarn-VELD",
            std::string("File ") + kSupportListName + " cannot be read at line " +
                std::to_string(e.line()) + ": " + e.what() + ".",
            Icon::Critical);
  } catch (const std::runtime_error& e) {
    EndWith(port, "Starting Tarn-VELD", e.what(), Icon::Critical);
  }
  std::string missing;
  for (int i = 1; i <= 6; ++i)
    if (s.SupportFile[i].empty() || !FindFile(Resolve(folder, s.SupportFile[i])))
      missing += " " + s.SupportFile[i];
  if (!missing.empty())
    EndWith(port, "Fatal error!",
            "The following support file(s) are missing from the TARN directory: " + missing +
                ".   Can't continue.",
            Icon::Critical);
  if (!FindFile(folder / kSetupFileName))
    EndWith(port, "Missing Set Up File",
            std::string("Can't find file ") + kSetupFileName +
                " in TARNVELD folder. Run TARNVELD and use File|Setup feature to create this "
                "file.");
  if (s.DatabaseKind != 0 && s.DatabaseKind != 2)
    EndWith(port, "Starting Tarn-VELD",
            "The data folder is set up for database kind " + std::to_string(s.DatabaseKind) +
                "; this program works with kind 0 (R98 residue files) and kind 2 (R10 residue "
                "files) only.",
            Icon::Critical);
  return s;
}

SetupData ReadSetupFile(const std::filesystem::path& folder, UserPort& port) {
  SetupData d;
  d.SetupValue.assign(6, "");
  try {
    ListReader in(ReadWholeFile(*FindFile(folder / kSetupFileName)));
    d.ResFolder = in.ReadLine();
    std::string page = in.ReadLine();
    double length = 0;
    if (!ParseNumber(page, length) || length < 10 || length > 32767)
      throw ListReadError("the page length \"" + page + "\" is not a number of lines", 2);
    d.PageLength = static_cast<int>(std::nearbyint(length));
    d.OrientationLetter = in.ReadLine();
    in.ReadLine();
    for (int i = 1; i <= 5; ++i) d.SetupValue[i] = in.ReadLine();
    if (!in.AtEnd()) d.PrintCommentsFlag = in.ReadLine();
  } catch (const ListReadError& e) {
    EndWith(port, "Missing Set Up File",
            std::string("File ") + kSetupFileName + " cannot be read at line " +
                std::to_string(e.line()) + ": " + e.what() + ".",
            Icon::Critical);
  } catch (const std::runtime_error& e) {
    EndWith(port, "Missing Set Up File", e.what(), Icon::Critical);
  }
  // Folders may be relative to the data folder; they always end with a separator.
  auto absolute = [&](const std::string& f) {
    std::string t = TrimBlanks(f);
    return t.empty() ? WithSeparator(folder.string()) : WithSeparator(Resolve(folder, t).string());
  };
  d.ResFolder = absolute(d.ResFolder);
  d.SetupValue[1] = absolute(d.SetupValue[1]);
  return d;
}

}  // namespace acute
