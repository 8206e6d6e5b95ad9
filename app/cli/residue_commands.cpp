// check-residue and residues: reading residue files as File, Open Residue File does.
#include <algorithm>
#include <iostream>

#include "commands.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "forms/field_checks.h"
#include "inputs/residue_summary.h"
#include "option_error.h"

namespace acute::cli {
namespace {

bool CheckOne(const std::filesystem::path& file, const Session& session, UserPort& port) {
  auto data = session.ReadResidueFile(file, port);
  if (!data) return false;
  for (const auto& line : SummariseResidueFile(*data)) std::cout << line << "\n";
  return true;
}

}  // namespace

static std::filesystem::path StartFolder(const GlobalOptions& global, UserPort& port) {
  std::filesystem::path start = std::filesystem::absolute(global.data_folder);
  if (!FindFile(start / kSupportListName) && !ConsolePort::Interactive()) {
    Tell(port, "Data folder",
         "The data folder " + start.string() + " has no " + kSupportListName +
             ": give the data folder with --data DIR.",
         Icon::Critical);
    throw ProgramEnds("no data folder");
  }
  return start;
}

Session OpenSession(const GlobalOptions& global, UserPort& port) {
  Session session = Session::Open(StartFolder(global, port), port);
  if (global.work_folder.empty()) return session;
  if (const std::string refusal = ControlCharacterInName(global.work_folder); !refusal.empty())
    RefuseOption(port, "--work: " + refusal);
  if (!session.UseWorkFolder(global.work_folder, port)) throw ProgramEnds("no work folder");
  return session;
}

std::filesystem::path LocateFile(const Session& session, const std::string& name,
                                 const std::string& what, UserPort& port) {
  const auto path = session.Locate(name);
  if (!path) RefuseMissingFile(port, what, name);
  return *path;
}

int RunCheckResidue(const GlobalOptions& global, const std::string& file) {
  ConsolePort port(global.answer);
  const Session session = OpenSession(global, port);
  return CheckOne(LocateFile(session, file, "residue file", port), session, port) ? 0 : 1;
}

int RunResidueSummary(const GlobalOptions& global) {
  ConsolePort port(global.answer);
  const Session session = OpenSession(global, port);
  const std::string ext = "." + session.Data().support.ResidueExtension();
  const std::string& folder = session.Data().setup.ResFolder;
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
  std::cout << "Data folder:    " << session.DataFolder().string() << "\n"
            << "Survey:         " << session.Data().support.DatabaseTitle << "\n"
            << "Residue folder: " << folder << " (" << files.size() << " " << ext.substr(1)
            << " files)\n";
  int failures = 0;
  for (const auto& file : files) {
    std::cout << "\n";
    if (!CheckOne(file, session, port)) ++failures;
  }
  return failures == 0 && !files.empty() ? 0 : 1;
}

}  // namespace acute::cli
