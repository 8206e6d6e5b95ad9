#pragma once
// The sorting step of the CEC report: per population the records inside its final window,
// highest total first, the totals R, T and Rp, and the critical food/food-form pairs with
// their share of the interval's exposure, highest first.
#include <cstdint>
#include <string>
#include <vector>

#include "cec/cec_work_files.h"
#include "cec/cumulative_residues.h"

namespace acute {

// One chemical's part of a food line of a cumulative run.
struct CecChemicalPart {
  int chemical = 0;  // cumulative chemical number
  float residue = 0;
  float contribution_mg = 0;
  float percent = 0;
};

// The chemical parts of a food line, in chemical-number order: contribution x r_k /
// residue and percent x r_k / residue, the residue being the record's total. Empty when the
// line has no residue record.
std::vector<CecChemicalPart> ChemicalParts(const CecLineValues& line, const CumulativeResidues& c);

struct CecPair {
  int food = 0;
  int form = 0;
  std::int64_t n = 0;  // sum of NX over the records holding the pair
  double sum = 0;      // contribution in mg x NX
  float percent = 0;
  std::vector<double> chemical_sum;  // cumulative runs: by chemical number - 1
};

struct RankedSection {
  const CecSection* section = nullptr;
  CecWindow window;                          // the final window
  std::vector<const CecFileRecord*> ranked;  // rank 1 first
  std::int64_t represented = 0;              // R
  std::int64_t printed_represented = 0;      // Rp
  std::int64_t printed = 0;                  // min(n, printed records)
  double total = 0;                          // T, sum of E x NX
  std::vector<CecPair> pairs;                // highest percent first
  std::vector<double> chemical_sum;          // cumulative runs: over all pairs
};

// Ties keep record order (equal totals) and food, then food-form order (equal percents).
// `cumulative` (null in a single-chemical run) splits each line among its chemicals.
RankedSection RankSection(const CecSection& section, const CecWindow& window,
                          std::int32_t printed_records, bool two_day,
                          const CumulativeResidues* cumulative = nullptr);

// A chemical's percent: of the pair's exposure, and of the interval's (halved with the
// two-day average).
float ChemicalPercentOfPair(const CecPair& pair, int chemical);
float ChemicalPercentOfInterval(const RankedSection& r, double sum, bool two_day);

}  // namespace acute
