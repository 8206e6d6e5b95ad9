#pragma once
// The exposure of a day pass, a block of iterations at a time: the entries' contributions
// (factor x grams, times the residue drawn in a Monte Carlo iteration, or the mean residue
// in the calibration pass) summed in entry order, or with residue reversal the peak body
// burden; halved with the two-day average, divided by the body weight per kg. Each thread
// of a pass has one, on cache lines of its own (its generator state is written on every
// block).
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/day_pass_draws.h"
#include "engine/pass_chunks.h"
#include "engine/survey_pass.h"
#include "random/uniform_source.h"

namespace acute {

class alignas(64) DayPassExposure {
 public:
  DayPassExposure(const PassSetup& s, PassKind kind, double timer);

  // Positions the generator at the first draw of `chunk` (chunks come in increasing order).
  void StartChunk(const PassChunk& chunk);
  // Throws std::logic_error when the chunk took other draws than were counted for it.
  void EndChunk() const;

  // Starts a day pass of a person-day of this body weight.
  void Start(const DayPass& pass, float body_weight);
  // The iterations of the next block, at most `left`.
  int BlockIterations(int left) const;
  // The exposures of the next n iterations (n from BlockIterations); with `records`, the
  // scratch record numbers of the residues drawn are kept too.
  const float* Next(int n, bool records);

  // Entry i of the day pass in iteration k of the block: its residue (a fixed one for an
  // entry without a distribution), the scratch record number of the value drawn (0 for
  // anything but an empirical value) and its contribution to the exposure.
  float Residue(int k, std::uint32_t i) const;
  std::int32_t Record(int k, std::uint32_t i) const;
  float Contribution(int k, std::uint32_t i) const;
  float Factor(std::uint32_t i) const;
  float Grams(std::uint32_t i) const { return entries_[i].grams; }

 private:
  bool Fixed(std::uint32_t i) const;
  float ConstantExposure();
  float Finished(float e) const;

  const PassSetup& s_;
  const bool calibration_;
  const bool reversal_;
  const float* mean_ = nullptr;
  const float* cum_total_ = nullptr;
  std::optional<UniformSource> uniforms_;
  std::optional<DayPassDraws> draws_;
  std::uint64_t position_ = 0;   // draws taken from the seeded generator
  std::uint64_t chunk_end_ = 0;  // where the chunk's draws end
  const RelevantEntry* entries_ = nullptr;
  std::uint32_t count_ = 0;
  float body_weight_ = 1;
  std::uint32_t per_iteration_ = 0;  // draws per iteration of the day pass
  float constant_ = 0;               // the exposure of a day pass without draws
  std::vector<float> fg_;            // factor x grams by entry
  std::vector<float> exposure_;
  std::vector<float> contribution_;
};

}  // namespace acute
