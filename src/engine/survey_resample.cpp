#include "engine/survey_resample.h"

#include <stdexcept>

namespace acute {
namespace {

void CheckFit(const ConsumptionData& data, const SurveyPasses& passes,
              const std::vector<std::uint64_t>& membership,
              const std::vector<std::uint32_t>& person_counts) {
  const std::size_t groups = data.groups.size();
  const auto per_group = static_cast<std::size_t>(passes.passes_per_group);
  if (person_counts.size() != data.PersonRecords() || membership.size() != groups ||
      passes.passes.size() != groups * per_group)
    throw std::invalid_argument("resampling counts, passes or memberships of another survey");
}

// Appends the groups of person record `person` once, with their passes and memberships.
void AppendPerson(const ConsumptionData& data, const SurveyPasses& passes,
                  const std::vector<std::uint64_t>& membership, std::size_t person,
                  ResampledSurvey& out) {
  const auto per_group = static_cast<std::size_t>(passes.passes_per_group);
  for (std::uint32_t g = data.person_first_group[person]; g < data.person_first_group[person + 1];
       ++g) {
    out.data.groups.push_back(data.groups[g]);
    out.membership.push_back(membership[g]);
    for (std::size_t k = 0; k < per_group; ++k)
      out.passes.passes.push_back(passes.passes[g * per_group + k]);
  }
  out.data.person_first_group.push_back(static_cast<std::uint32_t>(out.data.groups.size()));
}

}  // namespace

ResampledSurvey ResampleSurvey(const ConsumptionData& data, const SurveyPasses& passes,
                               const std::vector<std::uint64_t>& membership,
                               const std::vector<std::uint32_t>& person_counts) {
  CheckFit(data, passes, membership, person_counts);
  ResampledSurvey out;
  out.data.entries = data.entries;
  out.data.eating_occasions = data.eating_occasions;
  out.data.person_first_group.push_back(0);
  out.passes.entries = passes.entries;
  out.passes.passes_per_group = passes.passes_per_group;
  for (std::size_t person = 0; person < person_counts.size(); ++person)
    for (std::uint32_t copy = 0; copy < person_counts[person]; ++copy)
      AppendPerson(data, passes, membership, person, out);
  return out;
}

}  // namespace acute
