// Redo Last CEC: the checks of the CEC settings against the last run's work files, the short
// pass file and the engine's repeat entry.
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "engine/pass_file.h"
#include "forms/main_form.h"
#include "forms/refusal.h"
#include "reports/report_specs.h"
#include "run/cec_repeat.h"

namespace acute {
namespace {

constexpr const char* kSpecError = "CEC specification error";

std::string Window(float low, float high) {
  return "(Low =" + Str(low) + "; High =" + Str(high) + ")";
}

bool CheckAgainstLastRun(const CecSettings& now, const LastCecRun& last, UserPort& port) {
  if (now.basis != last.basis)
    return Refuse(port, "Checking CEC Parameters",
                  "You cannot change the CEC Boundary Basis and then re-do the CEC analysis. You "
                  "must run the analysis over again when you change the CEC Boundary Basis.");
  if (now.OnPercentiles()) {
    if (now.low < last.low || now.high > last.high)
      return Refuse(port, kSpecError,
                    "To recompute the CEC analysis without rerunning the underlying analysis you "
                    "must set the low and high CEC percentiles within the CEC percentile "
                    "boundaries of the original analysis " +
                        Window(last.low, last.high));
    return true;
  }
  if (last.high > 0 && now.high == 0)
    return Refuse(port, kSpecError,
                  "You cannot rerun the CEC analysis without specifying the high exposure amount "
                  "at a value less than or equal to the value used in the original analysis (" +
                      Str(last.high) + ")");
  if (now.high > last.high || (last.high == 0 && now.high != 0) || now.low < last.low)
    return Refuse(port, kSpecError,
                  "To recompute the CEC analysis without rerunning the underlying analysis you "
                  "must set the low and high CEC exposure amounts within the CEC boundaries of "
                  "the original analysis " +
                      Window(last.low, last.high));
  return true;
}

}  // namespace

std::optional<EngineOutcome> RedoLastCec(const MainForm& form, const DataSession& session,
                                         UserPort& port) {
  EngineRequest request;
  request.session = session;
  request.form = FormSettingsFromForm(form);
  request.repeat_cec = true;
  const std::filesystem::path work = request.WorkFolder();
  const auto lock = LockWorkFolder(work, port);
  if (!lock) return std::nullopt;
  if (!form.save_cec || TrimBlanks(form.cec_name).empty()) {
    Refuse(port, "Warning",
           "If you want to generate a CEC file, you must specify a valid file name (*.CEC)");
    return std::nullopt;
  }
  const std::optional<LastCecRun> last = ReadLastCecRun(work);
  std::string folder = form.residue ? form.residue->ResFolder : "";
  if (folder.empty() && last) folder = last->residue_folder;
  CecSettings cec = CecSettingsFromForm(form);
  cec.file_name = WithWorkingFolder(cec.file_name, folder);
  if (FindFile(cec.file_name) &&
      port.Show(Message{
          "Warning",
          "CEC file " + cec.file_name + " already exists. Do you want to write over the old file?",
          Icon::Question, Buttons::YesNo}) != Answer::Yes) {
    Refuse(port, "Rerun CEC analysis", "Please ener a new file name for the CEC report");
    return std::nullopt;
  }
  if (!CheckCecLimits(form, 1, "CEC Setup", port) || !CheckCecWindow(form, port))
    return std::nullopt;
  if (!last) {
    Refuse(port, "CEC Error",
           "The CEC report cannot be recomputed. There is no data file on which to base this "
           "analysis.");
    return std::nullopt;
  }
  if (!CheckAgainstLastRun(cec, *last, port)) return std::nullopt;
  cec.cumulative = static_cast<std::int16_t>(last->cumulative);
  request.form.cumulative_cec = last->cumulative == 1;
  const auto specs = ReportSpecsForRun(session, port);
  if (!specs) return std::nullopt;
  request.specs = *specs;
  if (!WriteFileAtomically(work / kPassFileName, ShortPassFileText(cec))) {
    Refuse(port, "Warning", "Can't write the pass file " + (work / kPassFileName).string() + ".");
    return std::nullopt;
  }
  return RunEngine(request, port);
}

}  // namespace acute
