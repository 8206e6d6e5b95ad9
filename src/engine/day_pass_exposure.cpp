#include "engine/day_pass_exposure.h"

#include <stdexcept>

namespace acute {
namespace {
// Uniforms drawn per block: a person-day's iterations at once, unless it has many draws.
constexpr std::uint32_t kBlockDraws = 1u << 14;
}  // namespace

DayPassExposure::DayPassExposure(const PassSetup& s, PassKind kind, double timer)
    : s_(s), calibration_(kind == PassKind::Calibration), reversal_(s.reversal && !calibration_) {
  const MonteCarloSetup* mc = s.monte_carlo;
  if (mc == nullptr) return;
  mean_ = mc->tables->mc.FfMeanResidue.data();
  cum_total_ = mc->tables->cum_ratio_total.data();
  if (calibration_) return;
  if (mc->start != nullptr)
    uniforms_.emplace(*mc->start);
  else
    uniforms_.emplace(mc->mersenne_twister, mc->seed, timer);
  draws_.emplace(*mc->tables, *mc->distributions, mc->hold_residues);
}

void DayPassExposure::StartChunk(const PassChunk& chunk) {
  if (uniforms_) uniforms_->Skip(chunk.first_draw - position_);
  position_ = chunk.first_draw;
  chunk_end_ = chunk.first_draw + chunk.draws;
}

void DayPassExposure::EndChunk() const {
  if (position_ != chunk_end_)
    throw std::logic_error("a chunk of the survey took other draws than were counted for it");
}

bool DayPassExposure::Fixed(std::uint32_t i) const {
  return cum_total_ == nullptr || cum_total_[entries_[i].food_form] == 0;
}

float DayPassExposure::Factor(std::uint32_t i) const {
  return (*s_.factor)[entries_[i].food_form];
}

float DayPassExposure::Finished(float e) const {
  if (s_.two_day_average) e = e / 2;
  if (s_.per_kg) e = e / body_weight_;
  return e;
}

void DayPassExposure::Start(const DayPass& pass, float body_weight) {
  entries_ = s_.passes->entries.data() + pass.first;
  count_ = pass.count;
  body_weight_ = body_weight;
  fg_.resize(count_);
  const float* factor = s_.factor->data();
  for (std::uint32_t i = 0; i < count_; ++i)
    fg_[i] = factor[entries_[i].food_form] * entries_[i].grams;
  per_iteration_ = draws_ ? draws_->Plan(entries_, count_) : 0;
  if (per_iteration_ == 0) constant_ = ConstantExposure();
}

// The exposure of an iteration without draws: fixed residues, or the mean residues of the
// calibration pass.
float DayPassExposure::ConstantExposure() {
  std::vector<float>& c = contribution_;
  c.resize(count_);
  for (std::uint32_t i = 0; i < count_; ++i)
    c[i] = Fixed(i) ? fg_[i] : fg_[i] * (calibration_ ? mean_[entries_[i].food_form] : 0.0f);
  if (reversal_) return Finished(PeakBurden(entries_, count_, c.data(), s_.half_life));
  float e = 0;
  for (std::uint32_t i = 0; i < count_; ++i) e += c[i];
  return Finished(e);
}

int DayPassExposure::BlockIterations(int left) const {
  if (per_iteration_ == 0) return left;
  const int block = static_cast<int>(std::max<std::uint32_t>(1, kBlockDraws / per_iteration_));
  return block < left ? block : left;
}

const float* DayPassExposure::Next(int n, bool records) {
  if (exposure_.size() < static_cast<std::size_t>(n)) exposure_.resize(n);
  float* e = exposure_.data();
  if (per_iteration_ == 0) {
    for (int k = 0; k < n; ++k) e[k] = constant_;
    return e;
  }
  draws_->Draw(*uniforms_, n, records);
  position_ += static_cast<std::uint64_t>(per_iteration_) * static_cast<std::uint64_t>(n);
  if (reversal_) {
    contribution_.resize(count_);
    for (int k = 0; k < n; ++k) {
      for (std::uint32_t i = 0; i < count_; ++i) contribution_[i] = Contribution(k, i);
      e[k] = Finished(PeakBurden(entries_, count_, contribution_.data(), s_.half_life));
    }
    return e;
  }
  // Entry by entry down the iterations: each iteration's sum is added in entry order.
  for (int k = 0; k < n; ++k) e[k] = 0;
  for (std::uint32_t i = 0; i < count_; ++i) {
    const float fg = fg_[i];
    if (Fixed(i)) {
      for (int k = 0; k < n; ++k) e[k] += fg;
      continue;
    }
    const std::size_t d = per_iteration_;
    const float* r = draws_->Residues(0) + draws_->Slot(i);
    for (int k = 0; k < n; ++k) e[k] += fg * r[static_cast<std::size_t>(k) * d];
  }
  for (int k = 0; k < n; ++k) e[k] = Finished(e[k]);
  return e;
}

float DayPassExposure::Residue(int k, std::uint32_t i) const {
  if (Fixed(i)) return s_.residue != nullptr ? (*s_.residue)[entries_[i].food_form] : 0.0f;
  return draws_->Residue(k, i);
}

std::int32_t DayPassExposure::Record(int k, std::uint32_t i) const {
  return Fixed(i) ? 0 : draws_->Record(k, i);
}

float DayPassExposure::Contribution(int k, std::uint32_t i) const {
  return Fixed(i) ? fg_[i] : fg_[i] * draws_->Residue(k, i);
}

}  // namespace acute
