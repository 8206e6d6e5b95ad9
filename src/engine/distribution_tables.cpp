#include "engine/distribution_tables.h"

#include <algorithm>
#include <cmath>

#include "common/binary_records.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/input_limits.h"

namespace acute {
namespace {

[[noreturn]] void EndRun(UserPort& port, const std::string& text, Icon icon) {
  Tell(port, "Tarn-VELD Acute Module", text, icon);
  throw RunEnds(text);
}

[[noreturn]] void ScratchFileWrong(UserPort& port) {
  const std::string text =
      "Error in temp rdf file. Can't continue. Please notify Vantrel Software.";
  Tell(port, "Tarn-VELD Acute Module", text, Icon::Critical);
  throw ProgramEnds(text);
}

// A value the scratch file may hold: a residue from 0 to the largest residue.
bool IsResidue(float v) {
  return v >= 0 && v <= kMaxResidue;
}

std::vector<float> ReadScratch(const std::filesystem::path& file, std::int64_t last_record,
                               UserPort& port) {
  auto found = FindFile(file);
  std::vector<float> values;
  try {
    if (!found) throw std::runtime_error("missing");
    ByteReader in = ByteReader::FromFile(*found);
    if (static_cast<std::int64_t>(in.Size() / 4) < last_record)
      EndRun(port,
             "The scratch file " + found->string() + " holds fewer than the " +
                 std::to_string(last_record) +
                 " residue values of this run. Set up the residue distribution files again.",
             Icon::Critical);
    values.resize(in.Size() / 4);
    for (float& v : values) v = in.R4();
    if (!std::all_of(values.begin(), values.end(), IsResidue)) ScratchFileWrong(port);
  } catch (const std::runtime_error& e) {
    if (dynamic_cast<const RunEnds*>(&e) || dynamic_cast<const ProgramEnds*>(&e)) throw;
    EndRun(port,
           "Can't find file " + file.filename().string() +
               ". Can't continue. Please notify Vantrel Software.",
           Icon::Critical);
  }
  return values;
}

RdlSampler FromRow(const RdlRow& row) {
  RdlSampler s;
  static_cast<RdlRow&>(s) = row;
  if (s.type == DistributionType::Lognormal && s.param[0] > 0)
    s.shape = LognormalParameters(s.param[0], s.param[1]);
  return s;
}

}  // namespace

float EmpiricalMean(const RdlSampler& s, const std::vector<float>& values) {
  if (s.count_with_lod == 0) return 0;
  double sum = 0;
  for (std::int32_t k = 0; k < s.value_count; ++k) sum += values[s.first_record - 1 + k];
  sum += static_cast<double>(s.lod_res) * s.total_lod;
  return static_cast<float>(sum / s.count_with_lod);
}

bool ScratchValueMatches(float v, float f) {
  const double scale = v > 1 ? 10 : (v > 0.001 ? 1000 : 1000000);
  const double a = std::floor(scale * v);
  const double b = std::floor(scale * f);
  return a >= b - 1 && a <= b + 1;
}

DistributionTables LoadDistributions(const std::vector<RdlRow>& rows, int max_rdl_index,
                                     const std::filesystem::path& scratch_file, UserPort& port) {
  DistributionTables t;
  t.rdl.assign(static_cast<std::size_t>(std::max(max_rdl_index, 0)) + 1, RdlSampler{});
  std::int64_t last_record = 0;
  bool empirical = false;
  for (const RdlRow& row : rows) {
    if (row.index < 1 || row.index > max_rdl_index) continue;
    t.rdl[row.index] = FromRow(row);
    if (row.type == DistributionType::Empirical) {
      // Every distribution's records must be in the file, not only the last one's.
      empirical = true;
      last_record =
          std::max(last_record, static_cast<std::int64_t>(row.first_record) + row.value_count - 1);
    }
  }
  if (empirical) t.values = ReadScratch(scratch_file, last_record, port);
  for (const RdlSampler& s : t.rdl) {
    if (s.type != DistributionType::Empirical || s.check_record == 0) continue;
    const bool inside =
        s.check_record >= 1 && s.check_record <= static_cast<std::int64_t>(t.values.size());
    if (!inside || !ScratchValueMatches(t.values[s.check_record - 1], s.first_value))
      ScratchFileWrong(port);
  }
  for (RdlSampler& s : t.rdl) {
    if (s.type == DistributionType::None) continue;
    if (s.type == DistributionType::Empirical)
      s.mean = EmpiricalMean(s, t.values);
    else if (s.type == DistributionType::Point)
      s.mean = s.param[0];
    else if (IsParametric(s.type))
      s.mean = ParametricMean(s.type, s.param[0], s.param[1], s.param[2]);
    else
      EndRun(port,
             "Illegal residue distribution type encountered in residue file. Can't continue with "
             "this residue file.",
             Icon::None);
  }
  return t;
}

}  // namespace acute
