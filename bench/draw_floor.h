#pragma once
// The floor of a Monte Carlo run's draws: the same uniforms and the same residues as the
// engine's, with nothing else. The uniforms are made 624 at a time for a day pass's
// iterations; each plan position keeps its RDL in every iteration, so its distribution type
// is resolved once and the engine's per-type columns run down the iterations. One thread.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/distribution_tables.h"
#include "engine/residue_columns.h"
#include "random/block_uniforms.h"

namespace acute::bench {

// The draws of a whole main pass: one iteration's plan per consuming day pass.
struct DrawPlan {
  std::vector<std::int16_t> rdls;                               // 0: a chemical choice
  std::vector<std::pair<std::uint32_t, std::uint32_t>> slices;  // first position, count
};

// A hash of the residues that depends on every bit and on their order.
inline std::uint64_t Fold(std::uint64_t hash, float residue) {
  return std::rotl(hash, 7) ^ std::bit_cast<std::uint32_t>(residue);
}

// One plan position down the iterations: the residues the engine's day pass gives (the
// uniform itself for a chemical choice), from the engine's own per-type columns.
inline void EvaluateColumn(const DistributionTables& d, int rdl, const float* u, float* r,
                           std::size_t stride, int count) {
  if (rdl > 0) return residue_columns::Evaluate(d, rdl, u, r, nullptr, stride, count);
  for (int k = 0; k < count; ++k, u += stride, r += stride) *r = *u;
}

// The plan's draws from `generator` on, `iterations` times per day pass; returns the hash of
// the residues in the engine's order of draws.
inline std::uint64_t FloorDraws(const DistributionTables& d, const DrawPlan& plan, int iterations,
                                const MersenneTwister& generator) {
  MtBlockUniforms uniforms(generator);
  std::vector<float> u, r;
  std::uint64_t hash = 0;
  for (const auto& [first, n] : plan.slices) {
    u.resize(static_cast<std::size_t>(n) * iterations);
    r.resize(u.size());
    uniforms.Fill(u);
    for (std::uint32_t i = 0; i < n; ++i)
      EvaluateColumn(d, plan.rdls[first + i], u.data() + i, r.data() + i, n, iterations);
    for (float x : r) hash = Fold(hash, x);
  }
  return hash;
}

// The plan's mix of draw types, as "Pareto 26 %, empirical 25 %, ...", most frequent first.
inline std::string DrawMix(const DistributionTables& d, const DrawPlan& plan) {
  static constexpr const char* kNames[] = {"chemical choice", "fixed",      "none",   "uniform",
                                           "Pareto",          "triangular", "normal", "lognormal",
                                           "empirical",       "other"};
  std::array<std::size_t, std::size(kNames)> counts{};
  for (std::int16_t rdl : plan.rdls) {
    const int type = rdl <= 0 ? -2 : TypeNumber(d.rdl[static_cast<std::size_t>(rdl)].type);
    ++counts[type >= -2 && type <= 6 ? static_cast<std::size_t>(type + 2) : 9];
  }
  std::vector<std::pair<std::size_t, const char*>> order;
  for (std::size_t k = 0; k < counts.size(); ++k)
    if (counts[k] > 0) order.emplace_back(counts[k], kNames[k]);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::string text;
  for (const auto& [count, name] : order) {
    if (!text.empty()) text += ", ";
    text += std::string(name) + " " +
            std::to_string(static_cast<int>(100.0 * count / plan.rdls.size() + 0.5)) + " %";
  }
  return text;
}

}  // namespace acute::bench
