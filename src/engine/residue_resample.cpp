#include "engine/residue_resample.h"

#include <map>
#include <tuple>

#include "random/round_streams.h"

namespace acute {
namespace {

// A distribution file as the distribution lines name it: where its values start and its
// counts. Lines with the same key draw from the same file.
using FileKey = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t>;

FileKey KeyOf(const RdlSampler& s) {
  return {s.first_record, s.value_count, s.count_with_lod, s.total_count};
}

// The file resampled: its drawn values appended to `values`, the counts of the resampled file
// set in `counts` (its first record, values, LOD and zero samples).
void ResampleFile(const RdlSampler& file, const std::vector<float>& old_values,
                  MersenneTwister& generator, std::vector<float>& values, RdlSampler& counts) {
  std::vector<std::uint32_t> drawn(static_cast<std::size_t>(file.value_count), 0);
  std::int32_t lod = 0, zeros = 0;
  for (std::int32_t k = 0; k < file.total_count; ++k) {
    const std::uint32_t i = UniformIndex(generator, static_cast<std::uint32_t>(file.total_count));
    if (i < static_cast<std::uint32_t>(file.value_count))
      ++drawn[i];
    else if (i < static_cast<std::uint32_t>(file.count_with_lod))
      ++lod;
    else
      ++zeros;
  }
  counts.first_record = static_cast<std::int32_t>(values.size()) + 1;
  for (std::size_t i = 0; i < drawn.size(); ++i)
    values.insert(values.end(), drawn[i],
                  old_values[static_cast<std::size_t>(file.first_record - 1) + i]);
  counts.value_count = static_cast<std::int32_t>(values.size()) - counts.first_record + 1;
  counts.total_lod = lod;
  counts.total_z = zeros;
  counts.count_with_lod = counts.value_count + lod;
}

}  // namespace

DistributionTables ResampleResidues(const DistributionTables& tables, MersenneTwister& generator) {
  DistributionTables out;
  out.rdl = tables.rdl;
  std::map<FileKey, RdlSampler> files;  // each file's resampled counts
  for (RdlSampler& s : out.rdl) {
    if (s.type != DistributionType::Empirical) continue;
    const FileKey key = KeyOf(s);
    auto found = files.find(key);
    if (found == files.end()) {
      RdlSampler counts = s;
      ResampleFile(s, tables.values, generator, out.values, counts);
      found = files.emplace(key, counts).first;
    }
    const RdlSampler& c = found->second;
    s.first_record = c.first_record;
    s.value_count = c.value_count;
    s.total_lod = c.total_lod;
    s.total_z = c.total_z;
    s.count_with_lod = c.count_with_lod;
    s.mean = EmpiricalMean(s, out.values);
  }
  return out;
}

}  // namespace acute
