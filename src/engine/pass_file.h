#pragma once
// The analysis pass file "tarnpass.tmp": the only contract between the form side that
// collects the settings and the engine that runs them. One writer and one reader over
// AnalysisSettings, in the full form and in the short form of a critical exposure re-run.
// Names are written bare unless they would not read back whole (a comma, a double quote, a
// line end, outer blanks in a list field): then they stand in double quotes with inner
// quotes doubled. The reader takes both forms, and refuses any field out of the range of
// what it counts or indexes.
#include <cstdint>
#include <filesystem>
#include <string>

#include "common/user_port.h"
#include "common/work_file_names.h"
#include "engine/analysis_settings.h"

namespace acute {

inline constexpr const char* kPassFileHeader = "ACUTE PASS FILE";
// The largest pass file read. A pass file is a small text: a single run's is a few kB, and
// even a batch of hundreds of Monte Carlo entries with 500 distribution rows each stays
// below this; anything larger (or not a regular file) is refused unread.
inline constexpr std::uintmax_t kMaxPassFileBytes = 16u << 20;

// The layout facts of the data folder that the pass file depends on.
struct PassFileLayout {
  int database_kind = 2;
  int standard_population_count = 0;  // S
  int FirstPadPopulation() const { return database_kind == 0 ? 14 : 6; }
};

std::string PassFileText(const AnalysisSettings& settings, const PassFileLayout& layout);
std::string ShortPassFileText(const CecSettings& cec);

// Writes the text through a temporary file; false when the file cannot be written.
bool WritePassFile(const std::filesystem::path& path, const AnalysisSettings& settings,
                   const PassFileLayout& layout);

// The engine's start check of the first line. Throws ProgramEnds after the message.
void CheckPassFileHeader(const std::filesystem::path& path, UserPort& port);

// What keeps `path` from being a pass file (it "does not exist", "is empty", "does not begin
// with the line ..."), or "" when it begins as one.
std::string PassFileFault(const std::filesystem::path& path);

// The full read of the set-up phase. Throws ProgramEnds after a message when the header
// is wrong or the file cannot be read.
AnalysisSettings ReadPassFile(const std::filesystem::path& path, const PassFileLayout& layout,
                              UserPort& port);

// The settings as the engine reads them back from the pass file written for them: numbers as
// the file writes them. A run from settings in memory takes these, so that it is the run of
// its pass file.
AnalysisSettings SettingsAsPassFileCarries(const AnalysisSettings& settings,
                                           const PassFileLayout& layout);

// True when `path` is the short pass file that Redo Last CEC writes (a CEC window for the
// last run's work files) rather than the pass file of an analysis.
bool IsShortPassFile(const std::filesystem::path& path, const PassFileLayout& layout);

// The short form of a critical exposure re-run.
CecSettings ReadShortPassFile(const std::filesystem::path& path, UserPort& port);

// The name as the writer stores it: the working folder in front of a bare file name.
std::string WithWorkingFolder(const std::string& name, const std::string& working_folder);

}  // namespace acute

namespace acute {

// The comment line as the writer stores it: between double quotes, CR as "; ", LF dropped,
// double quotes turned into "'".
std::string QuoteRunComment(const std::string& comment);

}  // namespace acute
