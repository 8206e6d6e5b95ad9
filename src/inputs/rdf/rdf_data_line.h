#pragma once
// The data lines of residue distribution files, each given without its comment: a plain
// value or a frequency-residue pair, or a cumulative row.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace acute {

// One residue value, or a pair standing for `frequency` samples of `value`.
struct PlainEntry {
  bool pair = false;
  std::int32_t frequency = 1;
  float value = 0;
};

// The total residue of a cumulative row and the residues of its chemicals (chemical k at
// residues[k - 1]).
struct CumulativeRow {
  int line = 0;
  float total = 0;
  std::vector<float> residues;
};

// Throw RdfError (naming `name` and the physical line number `line`) for a line that is
// not of the expected form.
PlainEntry ParsePlainLine(std::string_view text, const std::string& name, int line);
CumulativeRow ParseCumulativeRow(std::string_view text, const std::string& name, int line,
                                 int chemicals);

}  // namespace acute
