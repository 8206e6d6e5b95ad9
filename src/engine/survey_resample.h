#pragma once
// A bootstrap round's survey: the persons drawn with replacement. A person drawn k times
// counts as k persons, in survey order, each with its own groups (sample weights, both days),
// its day passes and its population memberships, so that the passes over the survey, its
// chunks and their Monte Carlo draws treat every copy as a person of its own.
#include <cstdint>
#include <vector>

#include "engine/consumption_data.h"
#include "engine/exposure.h"

namespace acute {

struct ResampledSurvey {
  ConsumptionData data;  // the drawn persons' groups; the food entries as they are
  SurveyPasses passes;   // the groups' day passes; the relevant entries as they are
  std::vector<std::uint64_t> membership;  // per group of `data`, as for the survey
};

// `person_counts[i]`: how many times person record i was drawn (one count per person record).
// Throws std::invalid_argument when the counts, passes or memberships do not fit the survey.
ResampledSurvey ResampleSurvey(const ConsumptionData& data, const SurveyPasses& passes,
                               const std::vector<std::uint64_t>& membership,
                               const std::vector<std::uint32_t>& person_counts);

}  // namespace acute
