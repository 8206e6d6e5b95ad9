#pragma once
// The data folder: the support list "TarnSupport.txt", the set-up file "setupTARNNH.txt"
// and the start-up and analysis checks of the files they name.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/user_port.h"

namespace acute {

inline constexpr const char* kSupportListName = "TarnSupport.txt";
inline constexpr const char* kSetupFileName = "setupTARNNH.txt";

// What "TarnSupport.txt" says.
struct SupportData {
  std::int16_t DatabaseKind = 2;
  std::string RacFfVersion;
  std::string DatabaseTitle;
  std::vector<std::string> SupportFile;  // 1 to 7 (slot 0 unused; 7 empty unless kind 0)
  std::int16_t ConsumptionListFirst = 1;
  std::int16_t ConsumptionListLast = 0;
  std::vector<std::string> ConsumptionListA;  // indexes first to last (slots below first unused)
  std::vector<std::string> ConsumptionListB;
  std::int16_t RacCount = 0;
  std::int16_t SupportCount3 = 0;
  std::int16_t FoodFormCount = 0;
  std::vector<std::string> PopulationNames;  // 1 to n (slot 0 unused)

  int StandardPopulationCount() const { return static_cast<int>(PopulationNames.size()) - 1; }
  std::string ResidueExtension() const { return DatabaseKind == 0 ? "R98" : "R10"; }
  std::string BatchExtension() const { return DatabaseKind == 0 ? "B98" : "B10"; }
};

// What "setupTARNNH.txt" says; folders are absolute, with a trailing separator.
struct SetupData {
  std::string ResFolder;
  int PageLength = 60;
  std::string OrientationLetter;
  std::vector<std::string> SetupValue;  // 1 to 5 (slot 0 unused); 1 is the consumption folder
  std::string PrintCommentsFlag;

  std::string ConsumptionFolder() const { return SetupValue.size() > 1 ? SetupValue[1] : ""; }
  bool PageNumbers() const;    // SetupValue 3 is "Y"
  bool Exceeding() const;      // orientation letter "D"
  bool PrintComments() const;  // PrintCommentsFlag is "Y"
};

// The files that an analysis needs, as the engine's start-up check finds them.
struct AnalysisFiles {
  std::vector<std::string> Files;             // commodity list, food-form list, set-up file,
                                              // food-form descriptions, household file
  std::vector<std::string> ConsumptionFiles;  // the chosen list, indexes first to last
  std::vector<std::int16_t> FileFlags = {1, 1, 1, 1};
};

// The data folder: where the support list is. Starts at `start`; when it lacks the support
// list the user is asked for the folder. Throws ProgramEnds when the user gives up.
std::filesystem::path LocateDataFolder(const std::filesystem::path& start, UserPort& port);

// Reads the support list and checks the support files and the set-up file's presence.
// Throws ProgramEnds after its message on every failure.
SupportData ReadSupportList(const std::filesystem::path& folder, UserPort& port);

// Makes sure `folder` holds the set-up file (asking for another folder while it does not)
// and reads it. Throws ProgramEnds when the user gives up or the file cannot be read.
SetupData CheckSetupFile(std::filesystem::path& folder, UserPort& port);

// Reads the set-up file of a folder known to hold it (the engine reads it again at the start
// of every analysis). Throws ProgramEnds when it cannot be read.
SetupData ReadSetupFile(const std::filesystem::path& folder, UserPort& port);

// The engine's check of the files of an analysis. Throws ProgramEnds when one is missing.
AnalysisFiles CheckAnalysisFiles(const std::filesystem::path& folder, const SupportData& support,
                                 bool eating_occasion, UserPort& port);

}  // namespace acute
