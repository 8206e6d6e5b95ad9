// Locating the data folder and checking the set-up file's folder.
#include <filesystem>
#include <system_error>

#include "common/errors.h"
#include "common/file_names.h"
#include "inputs/support_data.h"

namespace acute {
namespace {

bool HasFile(const std::filesystem::path& folder, const char* name) {
  return FindFile(folder / name).has_value();
}

bool GaveUp(const std::optional<std::string>& answer) {
  return !answer || answer->empty() || *answer == std::string(1, '\x1b');
}

// The folder an answer names, or nothing after the "Invalid directory" message.
std::optional<std::filesystem::path> ChangeTo(const std::string& answer, UserPort& port) {
  std::error_code ec;
  std::filesystem::path folder = Resolve("/", TrimBlanks(answer));
  if (!std::filesystem::is_directory(folder, ec)) {
    Tell(port, "Error", "Invalid directory");
    return std::nullopt;
  }
  return std::filesystem::canonical(folder, ec);
}

}  // namespace

std::filesystem::path LocateDataFolder(const std::filesystem::path& start, UserPort& port) {
  std::filesystem::path folder = start;
  while (!HasFile(folder, kSupportListName)) {
    auto answer = port.Ask("Directory problem",
                           std::string("Can't find file ") + kSupportListName +
                               " in default directory. Enter directory location of TARNVELD or "
                               "press cancel to end.",
                           "/TARN/");
    if (GaveUp(answer)) throw ProgramEnds("no data folder");
    std::string text = TrimBlanks(*answer);
    if (text.empty() || (text[0] != '/' && text[0] != '\\')) {
      Tell(port, "Directory path error",
           "Please include the full path of the TARN directory (e.g., /home/user/TARN)",
           Icon::Exclamation);
      continue;
    }
    if (auto changed = ChangeTo(text, port)) folder = *changed;
  }
  return folder;
}

SetupData CheckSetupFile(std::filesystem::path& folder, UserPort& port) {
  while (!HasFile(folder, kSetupFileName)) {
    auto answer = port.Ask("Directory problem",
                           std::string("Can't find ") + kSetupFileName +
                               " file in current directory. Enter directory location of "
                               "/TARN or press cancel to end.",
                           "/TARN");
    if (GaveUp(answer)) throw ProgramEnds("no set-up file");
    if (auto changed = ChangeTo(*answer, port)) folder = *changed;
  }
  return ReadSetupFile(folder, port);
}

AnalysisFiles CheckAnalysisFiles(const std::filesystem::path& folder, const SupportData& support,
                                 bool eating_occasion, UserPort& port) {
  AnalysisFiles files;
  auto slot = [&](int i) {
    return i < static_cast<int>(support.SupportFile.size()) ? support.SupportFile[i] : "";
  };
  files.Files = {slot(2), slot(3), kSetupFileName, slot(1), slot(7)};
  files.ConsumptionFiles = eating_occasion ? support.ConsumptionListB : support.ConsumptionListA;
  std::string missing;
  for (const auto& name : files.Files)
    if (!name.empty() && !FindFile(Resolve(folder, name))) missing += name + "; ";
  if (!missing.empty()) {
    Tell(port, "TARN",
         "The following Tarn-VELD support files are missing in the TARN folder: " + missing,
         Icon::Critical);
    throw ProgramEnds("support files missing");
  }
  return files;
}

}  // namespace acute
