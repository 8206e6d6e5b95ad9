#pragma once
// The residue file report: a fixed-column listing of a residue file's header, endpoints,
// distribution lines and every commodity line with its food-form lines.
#include <string>

#include "common/work_file_names.h"
#include "inputs/residue_data.h"

namespace acute {

inline constexpr const char* kProgramTitle = "Tarn-VELD Acute Analysis";

// What the report takes from outside the residue file: the main form's toxicology fields
// (their texts), its per-kilogram option and run comment, the data folder's versions and
// comment switch, and the date of printing (MM/DD/YYYY).
struct ResidueReportInputs {
  std::string program_version;
  std::string food_list_version;  // RacFfVersion
  bool print_comments = false;
  std::string arfd_text;
  std::string noel_text;
  bool per_kg = true;
  std::string comment;
  std::string date;
};

// Residue files with more chemicals than this list their pointers and ratios five to a line.
inline constexpr int kChemicalsPerReportLine = 5;

std::string ResidueReportText(const ResidueData& residue, const ResidueReportInputs& inputs);

}  // namespace acute
