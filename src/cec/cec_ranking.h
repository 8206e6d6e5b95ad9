#pragma once
// The sorting step of the CEC report: per population the records inside its final window,
// highest total first, the totals R, T and Rp, and the critical food/food-form pairs with
// their share of the interval's exposure, highest first.
#include <cstdint>
#include <string>
#include <vector>

#include "cec/cec_work_files.h"

namespace acute {

// One food line of a work file, read back.
struct CecLineValues {
  int food = 0;
  int form = 0;
  float amount = 0, residue = 0, factor1 = 0, factor2 = 0;
  float contribution_mg = 0, percent = 0;
};
CecLineValues ParseFoodLine(const std::string& line);

struct CecPair {
  int food = 0;
  int form = 0;
  std::int64_t n = 0;  // sum of NX over the records holding the pair
  double sum = 0;      // contribution in mg x NX
  float percent = 0;
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
};

// Ties keep record order (equal totals) and food, then food-form order (equal percents).
RankedSection RankSection(const CecSection& section, const CecWindow& window,
                          std::int32_t printed_records, bool two_day);

}  // namespace acute
