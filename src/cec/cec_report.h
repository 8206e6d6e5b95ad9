#pragma once
// The CEC report: from "cec2.tmp" and "expos.tmp" of the working folder, each population's
// final window (with the boundary warnings), the sorted records and critical foods
// ("cec3.tmp"), the finished report ("cec4.tmp") and its copy to the named file. The same
// steps serve a fresh run and Redo Last CEC.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cec/cec_record_file.h"
#include "cec/critical_foods.h"
#include "cec/cumulative_residues.h"
#include "cec/food_form_labels.h"
#include "common/user_port.h"
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
  // Cumulative runs: the per-chemical residues of the distribution files.
  std::optional<CumulativeResidues> cumulative;
};

// Steps 1 and 2 of a fresh run: "cec2.tmp" and "expos.tmp" from "cec1.tmp", the preliminary
// windows and the users' distributions of the main pass.
void WriteCecSections(const CecReportRequest& request, const std::vector<CecWindow>& preliminary,
                      const std::vector<std::string>& population_names, const CecExpos& expos,
                      UserPort& port);

// Steps 3 and 4 and the copy. Throws RunEnds after a message when a work file is missing
// or damaged, when the report cannot be written or copied, or on Cancel.
void WriteCecReport(const CecReportRequest& request, UserPort& port);

// The report lines of one record (plain or comma layout).
std::string HouseholdText(int database_kind, const std::string& pid, const std::string& number,
                          const std::vector<std::uint8_t>& households,
                          const std::filesystem::path& household_file);

}  // namespace acute
