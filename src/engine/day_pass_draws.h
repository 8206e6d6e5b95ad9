#pragma once
// The residues of a day pass for a block of Monte Carlo iterations, drawn as a one-by-one
// sampler draws them but a block at a time: which draws an iteration takes depends on the
// data alone (the chemical choice, held residues, shared drinking-water draws), so it is
// laid out once per day pass; the uniforms of the block are made at once and each draw
// position is evaluated down the iterations with its distribution type resolved once.
#include <cstdint>
#include <vector>

#include "engine/distribution_tables.h"
#include "engine/exposure.h"
#include "engine/run_tables.h"
#include "random/uniform_source.h"

namespace acute {

// How an entry of a day pass gets its residue in an iteration.
enum class EntryResidue : std::uint8_t {
  Fixed,  // no distribution: the food form's residue, no draw
  Drawn,  // a draw of its own
  Held,   // the residue its food form drew earlier in the iteration
  Shared  // the residue its drinking-water group drew earlier in the iteration
};

class DayPassDraws {
 public:
  DayPassDraws(const RunTables& tables, const DistributionTables& distributions,
               bool hold_residues);

  // Lays out one iteration's draws for the day pass's entries; returns their number.
  std::uint32_t Plan(const RelevantEntry* entries, std::uint32_t count);
  std::uint32_t DrawsPerIteration() const { return static_cast<std::uint32_t>(positions_.size()); }

  // Draws `iterations` iterations from `uniforms`; with `records`, the scratch record numbers
  // of the empirical values too. Throws ChemicalSelectionError when no chemical qualifies.
  void Draw(UniformSource& uniforms, int iterations, bool records);

  EntryResidue Kind(std::uint32_t i) const { return entries_[i].kind; }
  // The residues of iteration k of the block, by draw position (see Slot).
  const float* Residues(int k) const { return residue_.data() + Row(k); }
  // The draw position of the residue of entry i (not Fixed).
  std::uint32_t Slot(std::uint32_t i) const { return entries_[i].slot; }
  // The residue and scratch record number of entry i (not Fixed) in iteration k.
  float Residue(int k, std::uint32_t i) const;
  std::int32_t Record(int k, std::uint32_t i) const { return record_[Row(k) + Slot(i)]; }

 private:
  struct Position {
    std::int16_t rdl = 0;        // the distribution drawn from, when it is the same each time
    std::int16_t food_form = 0;  // of a chemical choice, or of a draw that follows one
    bool choice = false;         // the draw of a chemical choice
    bool chosen = false;         // a draw from the chemical chosen just before
  };
  struct EntryUse {
    EntryResidue kind = EntryResidue::Fixed;
    std::uint32_t slot = 0;
  };
  std::size_t Row(int k) const { return static_cast<std::size_t>(k) * positions_.size(); }
  int ChooseRdl(int f, float u) const;
  void DrawChosen(std::size_t p, int iterations, bool records);

  const RunTables& tables_;
  const DistributionTables& distributions_;
  const bool hold_;
  const int chemicals_;
  std::vector<Position> positions_;
  std::vector<EntryUse> entries_;
  std::vector<std::uint32_t> held_slot_;   // by food form, during Plan
  std::vector<std::uint32_t> group_slot_;  // by water group, during Plan
  std::vector<float> uniform_;             // the block's uniforms, iteration by iteration
  std::vector<float> residue_;             // residues at the same places
  std::vector<std::int32_t> record_;
};

}  // namespace acute
