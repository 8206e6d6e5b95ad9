#include "run/cec_repeat.h"

#include <fstream>

#include "cec/cec_report.h"
#include "cec/cec_window.h"
#include "cec/cec_work_files.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/print_writer.h"
#include "common/silent_port.h"
#include "common/work_set.h"
#include "common/work_set_check.h"
#include "engine/pass_file.h"
#include "engine/pass_threads.h"
#include "inputs/master_lists.h"
#include "inputs/residue_reader.h"
#include "run/results_file.h"
#include "run/run_record.h"

namespace acute {
namespace {

constexpr const char* kCaption = "Acute Analysis Progress Report";
constexpr const char* kResidueLine = "Residue file = ";
constexpr const char* kTimeLine = "Date and time of analysis: ";
constexpr const char* kMinimumLine = "Minimum exposure contribution =";

std::optional<std::string> ReadIfThere(const std::filesystem::path& path) {
  const auto found = FindFile(path);
  if (!found) return std::nullopt;
  try {
    return ReadWholeFile(*found);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// The header lines of "cec1.tmp" (empty when it cannot be read); its records are not read.
std::vector<std::string> RecordHeader(const std::filesystem::path& folder) {
  std::vector<std::string> header;
  const auto found = FindFile(folder / kCecRecordFileName);
  if (!found) return header;
  std::ifstream in(*found, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "9999") break;
    header.push_back(line);
  }
  return header;
}

// The residue file of the last run, read quietly: its food names label the report.
std::optional<ResidueData> LastResidueFile(const std::vector<std::string>& header,
                                           const DataSession& session) {
  for (const std::string& line : header)
    if (line.rfind(kResidueLine, 0) == 0) {
      SilentPort quiet;
      const auto path = FindFile(line.substr(std::string(kResidueLine).size()));
      if (!path) return std::nullopt;
      return ReadResidueFile(*path, session.support, quiet);
    }
  return std::nullopt;
}

}  // namespace

std::optional<LastCecRun> ReadLastCecRun(const std::filesystem::path& folder) {
  const auto text = ReadIfThere(folder / kCecSectionsFileName);
  if (!text) return std::nullopt;
  LastCecRun last;
  try {
    const CecSections sections = ParseSections(*text, true);
    if (sections.list.empty()) return std::nullopt;
    last.cumulative = sections.cumulative;
    last.basis = sections.list[0].basis;
    last.low = sections.list[0].low;
    last.high = sections.list[0].high;
  } catch (const CecFileError&) {
    return std::nullopt;
  }
  for (const std::string& line : RecordHeader(folder)) {
    double v = 0;
    if (line.rfind(kResidueLine, 0) == 0) {
      last.residue_file = line.substr(std::string(kResidueLine).size());
      last.residue_folder = FolderPart(last.residue_file);
    }
    if (line.rfind(kTimeLine, 0) == 0)
      last.analysis_time = line.substr(std::string(kTimeLine).size());
    if (line.rfind(kMinimumLine, 0) == 0 && line.size() > 1 &&
        ParseNumber(TrimBlanks(line.substr(std::string(kMinimumLine).size(),
                                           line.size() - std::string(kMinimumLine).size() - 1)),
                    v))
      last.min_percent = static_cast<float>(v);
  }
  return last;
}

namespace {

// The refusal when the last CEC run's work files cannot be used together: the folder's list
// must name cec1.tmp, cec2.tmp and expos.tmp as files of one run, and the files that run
// read must be unchanged. A folder without a list is used as before, with a notice.
std::string LastCecRunFault(const WorkSetState& state, UserPort& port) {
  if (!state.refusal.empty()) return state.refusal;
  if (!state.manifest) {
    Tell(port, kWorkFilesTitle, NoListNotice(state.folder), Icon::Information);
    return "";
  }
  const std::string fault =
      SameRunFault(state, {kCecRecordFileName, kCecSectionsFileName, kCecExposFileName});
  if (!fault.empty()) return fault;
  const WorkRun* run = RunOf(state, kCecSectionsFileName);
  return run == nullptr ? "" : ChangedInputFault(*run);
}

// The work folder's results file takes the repeat's CEC part when it is the file of the run
// that made the CEC work files (a folder without a list, or a later run's file, keeps its own).
void RewriteResultsOnRanking(const EngineRequest& request, const WorkSetState& state,
                             const WorkRun* last_run, WorkSetWriter& work, CecReportRequest& q,
                             UserPort& port) {
  const std::filesystem::path results = request.WorkFolder() / kResultsFileName;
  if (last_run == nullptr || !FindFile(results) ||
      !FileFault(state, kResultsFileName, results).empty())
    return;
  std::string date = request.analysis_date, time = request.analysis_time;
  StampDateTime(date, time);
  q.on_ranked = [&q, &work, &port, results, id = last_run->id, date,
                 time](const std::vector<RankedSection>& ranked) {
    const CecRewrite rewrite = RewriteCecResults(
        results, [&work, &results] { return work.TempFor(results); }, id, q, ranked, date, time);
    if (rewrite == CecRewrite::Failed) {
      const std::string message = "Can't write file " + results.string() + ".";
      Tell(port, "Tarn-VELD Acute Module", message + " The CEC report was not made.",
           Icon::Critical);
      throw RunEnds(message);
    }
  };
}

}  // namespace

EngineOutcome RunCecRepeat(const EngineRequest& request, UserPort& port) {
  const std::filesystem::path folder = request.WorkFolder();
  const CecSettings cec = ReadShortPassFile(request.WorkFolder() / kPassFileName, port);
  EngineOutcome out;
  const std::string fault = CecSettingsFault(cec);
  if (!fault.empty()) {
    Tell(port, "Repeat CEC", "The pass file's CEC settings cannot be used: " + fault + ".",
         Icon::Information);
    return out;
  }
  if (!FindFile(folder / kCecExposFileName)) {
    Tell(port, "Repeat CEC",
         "Can't repeat CEC analysis; file 'expos.tmp' has been deleted since last run.",
         Icon::Information);
    return out;
  }
  const WorkSetState state = ReadWorkSetState(folder);
  if (const std::string refusal = LastCecRunFault(state, port); !refusal.empty()) {
    Tell(port, "Repeat CEC", refusal, Icon::Information);
    return out;
  }
  // The settings the pass file does not carry are those of the run that made the files.
  EngineRequest repeat = request;
  const WorkRun* last_run = RunOf(state, kCecSectionsFileName);
  if (last_run != nullptr) repeat.form = FormSettingsOf(*last_run, request.form);
  repeat.form.threads = request.form.threads;
  ShowPhase(port, kCaption, "Setting up analysis");
  const MasterLists master = ReadMasterLists(request.session.folder, request.session.support, port);
  const auto residue = LastResidueFile(RecordHeader(folder), request.session);
  CecReportRequest q = CecReportRequestFor(repeat, cec, &master, residue ? &*residue : nullptr);
  if (!residue) q.names.food_name = master.RacName;
  WorkRun record = last_run != nullptr ? *last_run : WorkRun{};
  record.id.clear();
  record.Set("kind", std::string("cec-redo"));
  WorkSetWriter work(folder, record);
  WorkFileSet copies;
  q.stage = &work;
  q.copies = &copies;
  q.read_state = &state;
  if (request.form.cumulative_cec && residue) {
    q.cumulative = LoadCumulativeResidues(*residue, port);
    if (q.cumulative &&
        !work.Stage(folder / kCumulativeFileName, CumulativeFileBytes(*q.cumulative)))
      q.cumulative.reset();
  }
  q.progress_caption = kCaption;
  q.threads = ThreadsFor(request.form.threads, 2);
  RewriteResultsOnRanking(request, state, last_run, work, q, port);
  try {
    WriteCecReport(q, port);
    auto failed = work.Commit();
    if (!failed) failed = copies.Commit();
    if (failed) {
      Tell(port, "Tarn-VELD Acute Module",
           "Can't write file " + failed->string() + ". The CEC report was not made.",
           Icon::Critical);
      return out;
    }
  } catch (const RunEnds&) {
    return out;
  }
  out.completed = true;
  out.saved_files.push_back(cec.file_name);
  out.completion_message = "CEC Regenerated and saved as " + cec.file_name;
  Tell(port, "CEC Regeneration", out.completion_message, Icon::Information);
  return out;
}

}  // namespace acute
