#pragma once
// The residue distributions of a Monte Carlo run, by RDL index: the parameters or the
// empirical counts the pass file carries, the empirical values of the scratch file (held in
// memory), the mean residue of each distribution, and the draw of one residue.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/input_limits.h"
#include "common/user_port.h"
#include "engine/analysis_settings.h"
#include "random/distributions.h"

namespace acute {

// A distribution line as the pass file carries it, with what a run derives from it once.
struct RdlSampler : RdlRow {
  LognormalShape shape;  // lognormal
  float mean = 0;        // RdlMeanResidue
};

struct DistributionTables {
  std::vector<RdlSampler> rdl;  // 0 to the highest RDL index
  std::vector<float> values;    // scratch file records, record r at values[r - 1]

  // One residue from RDL r for the uniform number u (not yet clamped at 0; a normal
  // distribution may give a value below 0). A draw beyond the largest residue, which a
  // heavy-tailed distribution without an upper bound can give, is the largest residue.
  float Draw(int r, float u) const {
    std::int32_t record = 0;
    return Draw(r, u, record);
  }
  // The same; `record` receives the scratch record number of an empirical value drawn, 0
  // for anything else.
  float Draw(int r, float u, std::int32_t& record) const {
    const float x = Unbounded(r, u, record);
    return x <= kMaxResidue ? x : (std::isnan(x) ? 0.0f : kMaxResidue);
  }

 private:
  float Unbounded(int r, float u, std::int32_t& record) const {
    const RdlSampler& s = rdl[r];
    record = 0;
    switch (s.type) {
      case DistributionType::Empirical: {
        const auto j = static_cast<std::int64_t>(static_cast<double>(u) * s.total_count) + 1;
        if (j <= s.value_count) {
          record = static_cast<std::int32_t>(s.first_record + j - 1);
          return values[static_cast<std::size_t>(record - 1)];
        }
        return j <= s.count_with_lod ? s.lod_res : 0.0f;
      }
      case DistributionType::Point:
        return s.param[0];
      case DistributionType::Lognormal:
        return LognormalFromShape(u, s.param[0], s.shape, s.param[2]);
      default:
        return ParametricVariate(s.type, u, s.param[0], s.param[1], s.param[2]);
    }
  }
};

// The distributions of the pass file's RDL rows. Loads and checks the scratch file when a
// row is empirical: a missing file ends the run (RunEnds), a value that does not match the
// pass file ends the program (ProgramEnds), an illegal type ends the run; each after its
// message.
DistributionTables LoadDistributions(const std::vector<RdlRow>& rows, int max_rdl_index,
                                     const std::filesystem::path& scratch_file, UserPort& port);

// The mean residue of an empirical distribution: its values and LOD samples over their count
// (the zero samples left out).
float EmpiricalMean(const RdlSampler& s, const std::vector<float>& values);

// The check of one scratch record value v against the first value f of its distribution.
bool ScratchValueMatches(float v, float f);

}  // namespace acute
