#pragma once
// The work files between the record file and the report: "cec1.tmp" read back, "cec2.tmp"
// (each population's records inside its preliminary window) and "expos.tmp" (each
// population's users' distribution of the main pass, for a later Redo Last CEC).
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cec/cec_window.h"
#include "common/work_file_names.h"
#include "engine/analysis_settings.h"

namespace acute {

// A work file that does not have the layout its writer gives it.
class CecFileError : public std::runtime_error {
 public:
  CecFileError(const std::string& file, const std::string& what)
      : std::runtime_error("The work file " + file + " is damaged: " + what + ".") {}
};

// One food line of a work file, read back.
struct CecLineValues {
  int food = 0;
  int form = 0;
  float amount = 0, residue = 0, factor1 = 0, factor2 = 0;
  float contribution_mg = 0, percent = 0;
  int chemicals = 0;        // cumulative runs: chemicals with a residue
  std::int32_t record = 0;  // cumulative runs: the residue record (0: none)
};

// Throws CecFileError (naming `file`) when the line is not a list of at least eight numbers.
CecLineValues ParseFoodLine(std::string_view line, const char* file = kCecSectionsFileName);

// One record as the work files carry it.
struct CecFileRecord {
  std::string line1;  // "number,  PID, household, day, sex, age, bw, NF, NX"
  float e = 0;
  std::int32_t sample_weight = 0;
  std::int32_t nx = 1;                  // the last four characters of line 1
  std::vector<int> populations;         // cec1.tmp only
  std::vector<std::string> food_lines;  // as written to cec1.tmp
  std::vector<CecLineValues> foods;     // the food lines read

  std::int32_t Nx() const { return nx; }
};

struct CecRecordFile {
  int cumulative = 0;
  std::vector<std::string> header;  // the lines after the first, up to "9999"
  std::vector<CecFileRecord> records;

  bool PerKg() const;  // "Exposures divided by body weight"
};

// Splits a text file into lines without their CR LF.
std::vector<std::string> SplitLines(const std::string& text);

// With `header_only`, the records are not read.
CecRecordFile ParseCecRecordFile(std::string_view text, bool header_only = false);
// Records of "cec1.tmp" alone: a run of its record lines without the header.
std::vector<CecFileRecord> ParseCecRecords(std::string_view text);

// The basis as the work files write it: 0 percentiles, 1 amounts.
inline std::int32_t BasisNumber(CecBasis basis) {
  return basis == CecBasis::Amounts ? 1 : 0;
}

// One population's section of "cec2.tmp".
struct CecSection {
  int number = 0;
  std::string name;
  CecBasis basis = CecBasis::Percentiles;
  float low = 0, high = 0;  // percentiles as the user gave them, or the amounts
  CecWindow preliminary;    // percentile basis: the widened window of the preliminary pass
  std::vector<const CecFileRecord*> records;  // held by whoever made the section
};

// The sections of "cec2.tmp" and the records they point to. Adding records and moving the
// whole keep the records in place; copying would not, so it is not allowed.
struct CecSections {
  int cumulative = 0;
  std::deque<CecFileRecord> records;
  std::vector<CecSection> list;

  CecSections() = default;
  CecSections(CecSections&&) = default;
  CecSections& operator=(CecSections&&) = default;
  CecSections(const CecSections&) = delete;
  CecSections& operator=(const CecSections&) = delete;
};

// The section of population `number` (from 1): the records that list it and lie in its
// preliminary window, as "cec2.tmp" gives them back.
CecSection SectionOf(const std::deque<CecFileRecord>& records, const CecSettings& cec,
                     const CecWindow& preliminary, int number, const std::string& name);

// The text of "cec2.tmp", in parts to be written one after the other.
std::vector<std::string> SectionsText(int cumulative, const std::vector<CecSection>& sections);
// With `first_head_only`, only the cumulative flag and the first section's head are read.
CecSections ParseSections(std::string_view text, bool first_head_only = false);

// "expos.tmp": the five counts of its first line, the cumulative flag and the
// distributions.
struct CecExpos {
  std::int16_t counts[5] = {0, 0, 0, 0, 0};
  int cumulative = 0;
  std::vector<UsersDistribution> users;
};
std::string ExposText(const CecExpos& expos);
CecExpos ParseExpos(std::string_view text);

}  // namespace acute
