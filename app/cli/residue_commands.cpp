// check-residue and residues: reading residue files as File, Open Residue File does.
#include <algorithm>
#include <iostream>

#include "commands.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "forms/field_checks.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "inputs/residue_summary.h"

namespace acute::cli {
namespace {

bool CheckOne(const std::filesystem::path& file, const DataSession& session, UserPort& port) {
  auto data = ReadResidueFile(file, session.support, port);
  if (!data) return false;
  for (const auto& line : SummariseResidueFile(*data)) std::cout << line << "\n";
  return true;
}

}  // namespace

std::optional<std::filesystem::path> LocateResidueFile(const std::string& name,
                                                       const DataSession& session) {
  if (auto found = FindFile(std::filesystem::absolute(name))) return found;
  if (!std::filesystem::path(name).is_absolute())
    if (auto found = FindFile(Resolve(session.setup.ResFolder, name))) return found;
  return std::nullopt;
}

std::filesystem::path StartFolder(const GlobalOptions& global) {
  std::filesystem::path start = std::filesystem::absolute(global.data_folder);
  if (!FindFile(start / kSupportListName) && !ConsolePort::Interactive())
    throw ProgramEnds("the data folder " + start.string() + " has no " + kSupportListName +
                      " (give the data folder with --data DIR)");
  return start;
}

std::filesystem::path WorkFolderOption(const GlobalOptions& global) {
  if (global.work_folder.empty()) return {};
  if (const std::string refusal = ControlCharacterInName(global.work_folder); !refusal.empty())
    throw ProgramEnds("--work: " + refusal);
  const std::filesystem::path folder = std::filesystem::absolute(global.work_folder);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder))
    throw ProgramEnds("can't use the work folder " + folder.string());
  return folder;
}

int RunCheckResidue(const GlobalOptions& global, const std::string& file) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  auto path = LocateResidueFile(file, session);
  if (!path) {
    port.Show(Message{"Path Error",
                      "Can't find file " + file +
                          ". The pathname is probably incorrect. Press 'OK' to return to dialog "
                          "box and make sure that the path name and file name are correctly "
                          "matched, or press 'Cancel' to return to main menu.",
                      Icon::None, Buttons::Ok});
    return 1;
  }
  return CheckOne(*path, session, port) ? 0 : 1;
}

int RunResidueSummary(const GlobalOptions& global) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  const std::string ext = "." + session.support.ResidueExtension();
  const std::string& folder = session.setup.ResFolder;
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (ToUpper(entry.path().extension().string()) == ext) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  if (ec) {
    Tell(port, "Residue folder",
         "Can't read the residue folder " + folder + " that line 1 of " + kSetupFileName +
             " names (" + ec.message() +
             "). Correct that line, or put the residue files in that "
             "folder.");
    return 1;
  }
  if (files.empty())
    Tell(port, "Residue folder",
         "The residue folder " + folder + " holds no " + ext.substr(1) + " residue files.");
  std::cout << "Data folder:    " << session.folder.string() << "\n"
            << "Survey:         " << session.support.DatabaseTitle << "\n"
            << "Residue folder: " << session.setup.ResFolder << " (" << files.size() << " "
            << ext.substr(1) << " files)\n";
  int failures = 0;
  for (const auto& file : files) {
    std::cout << "\n";
    if (!CheckOne(file, session, port)) ++failures;
  }
  return failures == 0 && !files.empty() ? 0 : 1;
}

}  // namespace acute::cli
