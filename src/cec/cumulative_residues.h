#pragma once
// The per-chemical residues of a cumulative CEC analysis: every data row of the residue
// file's cumulative distribution files, numbered like the values of the scratch file, with
// its residue of each cumulative chemical; and the random-access work file "cumul.tmp"
// (160-byte records of 40 singles) that holds them.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "common/work_file_names.h"
#include "inputs/residue_data.h"

namespace acute {

inline constexpr int kCumulativeSlots = 40;

struct CumulativeResidues {
  int count = 0;                                           // cumulative chemicals
  std::vector<std::string> names;                          // 1..count (slot 0 unused)
  std::vector<std::array<float, kCumulativeSlots>> slots;  // record r at [r - 1]
  std::vector<float> totals;                               // the row totals, by record

  bool Has(std::int32_t record) const {
    return record >= 1 && static_cast<std::size_t>(record) <= slots.size();
  }
  // The number of chemicals with a residue in the record (0 for a record not held).
  int ChemicalCount(std::int32_t record) const;
};

// Reads the distribution files of `residue` again (with their progress texts). Shows the
// reader's message and returns std::nullopt when a file cannot be read, the residue file
// is not cumulative throughout, or on Cancel.
std::optional<CumulativeResidues> LoadCumulativeResidues(const ResidueData& residue,
                                                         UserPort& port);

// The bytes of "cumul.tmp".
std::string CumulativeFileBytes(const CumulativeResidues& c);

}  // namespace acute
