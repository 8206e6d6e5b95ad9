#pragma once
// The CEC report: from "cec2.tmp" and "expos.tmp" of the working folder, each population's
// final window (with the boundary warnings), the sorted records and critical foods
// ("cec3.tmp"), the finished report ("cec4.tmp") and its copy to the named file. The same
// steps serve a fresh run and Redo Last CEC.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cec/cec_ranking.h"
#include "cec/cec_record_file.h"
#include "cec/critical_foods.h"
#include "cec/cumulative_residues.h"
#include "cec/food_form_labels.h"
#include "common/user_port.h"
#include "common/work_files.h"
#include "common/work_set.h"
#include "common/work_set_check.h"
#include "engine/analysis_settings.h"

namespace acute {

struct CecReportRequest {
  std::filesystem::path folder;  // the work folder
  CecSettings cec;               // window, printed records, layout, file name
  bool two_day = false;
  int database_kind = 2;
  CecNames names;
  FoodFormLabels labels;
  float threshold = 0;                   // report specifications' minimum (fraction)
  std::filesystem::path household_file;  // kind 0: the demographic support file
  std::string progress_caption = "Acute Analysis Progress Report";
  int threads = 1;  // of the report steps (the figures do not depend on it)
  // Cumulative runs: the per-chemical residues of the distribution files.
  std::optional<CumulativeResidues> cumulative;
  // Where the work files and the named copy go: staged in the run's set and among its copies
  // (the caller commits them), or else written at once.
  WorkSetWriter* stage = nullptr;
  WorkFileSet* copies = nullptr;
  // Redo Last CEC: the work folder's list, which the work files read must match.
  const WorkSetState* read_state = nullptr;
  // Called with every population's ranked section (its final window, ranked records and
  // critical pairs) before the report files are written; the sections point into records
  // that live only for the call.
  std::function<void(const std::vector<RankedSection>&)> on_ranked;
};

// What the report steps read: the header of "cec1.tmp", the sections of "cec2.tmp" and
// "expos.tmp". A fresh run hands them over; Redo Last CEC reads them back.
struct CecReportInputs {
  std::vector<std::string> header;
  CecSections sections;
  CecExpos expos;
};

// Steps 1 and 2 of a fresh run: the sections from the record file's records, the
// preliminary windows and the users' distributions of the main pass.
CecReportInputs CecInputsOfRun(const CecReportRequest& request, CecRecordFile record_file,
                               const std::vector<CecWindow>& preliminary,
                               const std::vector<std::string>& population_names, CecExpos expos,
                               UserPort& port);

// Steps 3 and 4 and the copy, from `inputs` (a fresh run, which also writes "cec2.tmp" and
// "expos.tmp") or else from the work files. Throws RunEnds after a message when a work file
// is missing or damaged, when a file cannot be written or copied, or on Cancel.
void WriteCecReport(const CecReportRequest& request, UserPort& port,
                    const CecReportInputs* inputs = nullptr);

}  // namespace acute
