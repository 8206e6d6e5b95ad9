#pragma once
// One plan position of a day pass down a block of iterations: the same RDL in every
// iteration, so its distribution type is resolved once and the formula runs inline over
// the uniforms. Each residue has the bits of DistributionTables::Draw with a negative draw
// set to 0, as a draw one by one gives it.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "common/input_limits.h"
#include "engine/distribution_tables.h"
#include "random/distributions.h"

namespace acute::residue_columns {

// A residue as a draw leaves it: beyond the largest residue the largest, not a number 0,
// below 0 raised to 0.
inline float Kept(float x) {
  const float r = x <= kMaxResidue ? x : (std::isnan(x) ? 0.0f : kMaxResidue);
  return r < 0 ? 0.0f : r;
}

// r[k * stride] = Kept(f(u[k * stride])) for k < count.
template <typename F>
inline void Column(const float* u, float* r, std::size_t stride, int count, F f) {
  for (int k = 0; k < count; ++k, u += stride, r += stride) *r = Kept(f(*u));
}

// An empirical distribution; with `records`, rec[k * stride] gets the scratch record number
// of the value drawn (0 for the limit of detection and the zeros).
inline void EmpiricalColumn(const DistributionTables& d, const RdlSampler& s, const float* u,
                            float* r, std::int32_t* rec, std::size_t stride, int count) {
  const float* values = d.values.data();
  const std::int64_t base = static_cast<std::int64_t>(s.first_record) - 1;
  const double total = s.total_count;
  const std::int64_t known = s.value_count, with_lod = s.count_with_lod;
  const float lod = s.lod_res;
  for (int k = 0; k < count; ++k, u += stride, r += stride) {
    const auto j = static_cast<std::int64_t>(static_cast<double>(*u) * total) + 1;
    std::int32_t record = 0;
    float x;
    if (j <= known) {
      record = static_cast<std::int32_t>(base + j);
      x = values[static_cast<std::size_t>(record - 1)];
    } else {
      x = j <= with_lod ? lod : 0.0f;
    }
    *r = Kept(x);
    if (rec != nullptr) rec[static_cast<std::size_t>(k) * stride] = record;
  }
}

// The residues of RDL `rdl` for the uniforms u (and the record numbers when rec is not
// null; they stay untouched for a non-empirical type, whose records are 0).
inline void Evaluate(const DistributionTables& d, int rdl, const float* u, float* r,
                     std::int32_t* rec, std::size_t stride, int count) {
  const RdlSampler& s = d.rdl[static_cast<std::size_t>(rdl)];
  const float p0 = s.param[0], p1 = s.param[1], p2 = s.param[2];
  using enum DistributionType;
  switch (s.type) {
    case Empirical:
      return EmpiricalColumn(d, s, u, r, rec, stride, count);
    case Point:
      return Column(u, r, stride, count, [=](float) { return p0; });
    case Uniform:
      return Column(u, r, stride, count, [=](float x) { return UniformVariate(x, p0, p1); });
    case Pareto:
      return Column(u, r, stride, count, [=](float x) { return ParetoVariate(x, p0, p1, p2); });
    case Triangular:
      return Column(u, r, stride, count, [=](float x) { return TriangularVariate(x, p0, p1, p2); });
    case Normal:
      return Column(u, r, stride, count, [=](float x) { return NormalVariate(x, p0, p1, p2); });
    case Lognormal: {
      const LognormalShape shape = s.shape;
      return Column(u, r, stride, count,
                    [=](float x) { return LognormalFromShape(x, p0, shape, p2); });
    }
    default:
      return Column(u, r, stride, count, [](float) { return 0.0f; });
  }
}

}  // namespace acute::residue_columns
