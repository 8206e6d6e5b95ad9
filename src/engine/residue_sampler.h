#pragma once
// The residue of a food form in one Monte Carlo iteration: the chemical choice, a residue
// held for the day, the shared draw of a drinking-water group, or a fresh draw from the
// food form's distribution. One draw at a time, in the order of a day pass's entries: the
// plain statement of what the passes draw a block of iterations at a time (DayPassDraws),
// which must give the same residues.
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "engine/distribution_tables.h"
#include "engine/run_tables.h"
#include "random/uniform_source.h"

namespace acute {

// No chemical of a food form qualified for the uniform number drawn.
class ChemicalSelectionError : public std::runtime_error {
 public:
  ChemicalSelectionError() : std::runtime_error("Error selecting ii") {}
};

class ResidueSampler {
 public:
  ResidueSampler(const RunTables& tables, const DistributionTables& distributions,
                 UniformSource& uniforms, bool hold_residues);

  // Clears the held residues and the water groups' draws.
  void StartIteration();

  // The residue of food form f (which has a distribution) in this iteration.
  float Residue(int f);
  // The scratch record number of the value the last Residue call gave (held and shared
  // drinking-water residues keep their draw's number; 0 when no empirical value was drawn).
  std::int32_t LastRecord() const { return last_record_; }

 private:
  int ChooseRdl(int f);

  const RunTables& tables_;
  const DistributionTables& distributions_;
  UniformSource& uniforms_;
  const bool hold_;
  const int chemicals_;
  std::vector<float> held_;      // 0: nothing held; -1: a drawn zero
  std::vector<int> held_forms_;  // food forms holding a residue in this iteration
  std::vector<float> group_residue_;
  std::vector<char> group_drawn_;
  std::vector<std::int32_t> held_record_;
  std::vector<std::int32_t> group_record_;
  std::int32_t last_record_ = 0;
};

}  // namespace acute
