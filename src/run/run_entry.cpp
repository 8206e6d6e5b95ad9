#include "common/file_names.h"
#include "engine/pass_file.h"
#include "run/run.h"

namespace acute {
namespace {

constexpr const char* kRunTitle = "Run Tarn Acute Analysis";

}  // namespace

std::optional<EngineOutcome> RunAnalysis(const RunRequest& request, WorkSetWriter& staging,
                                         UserPort& port) {
  const DataSession& session = request.session;
  const PassFileLayout layout{session.support.DatabaseKind,
                              session.support.StandardPopulationCount()};
  const std::filesystem::path pass_file = session.WorkFolder() / kPassFileName;
  if (!WritePassFile(pass_file, request.settings, layout)) {
    Tell(port, "Warning", "Can't write the pass file " + pass_file.string() + ".");
    return std::nullopt;
  }
  EngineRequest engine{session, request.form, request.specs, request.analysis_date,
                       request.analysis_time};
  engine.staging = &staging;
  engine.results_copy = request.results_copy;
  return RunEngine(engine, SettingsAsPassFileCarries(request.settings, layout), port);
}

std::optional<ReportSpecs> ReportSpecsForRun(const DataSession& session, UserPort& port) {
  const auto specs_file = FindFile(session.folder / kReportSpecsFileName);
  if (!specs_file) {
    Tell(port, kRunTitle,
         "You cannot start the Acute Analysis until you have used the 'Set Report Specs' menu "
         "item to set up the custom report specifications for your Acute Exposure and CEC "
         "reports.");
    return std::nullopt;
  }
  auto specs = ReadReportSpecsFile(*specs_file);
  if (!specs)
    Tell(port, kRunTitle,
         "Unexected problem trying to open file 'AcutSpec.txt' which contains the custom "
         "report specifications.");
  return specs;
}

std::optional<FolderLock> LockWorkFolder(const std::filesystem::path& folder, UserPort& port) {
  FolderLock::Attempt attempt = FolderLock::TryAcquire(folder);
  if (attempt.lock && RecoverWorkFolder(folder)) return std::move(attempt.lock);
  if (attempt.lock)
    Tell(port, kRunTitle,
         "The work files in " + folder.string() +
             " are incomplete, and the note of the run that was saving them (" +
             kPendingCommitFileName +
             ") is damaged. Remove the work files of that folder, or give the analysis another "
             "work folder.");
  else if (attempt.busy)
    Tell(port, kRunTitle,
         "Another analysis is running with the work files in " + folder.string() +
             ". Start this analysis when that one has ended, or give it a work folder of its "
             "own.");
  else
    Tell(port, kRunTitle, "Can't write file " + (folder / kLockFileName).string() + ".");
  return std::nullopt;
}

}  // namespace acute
