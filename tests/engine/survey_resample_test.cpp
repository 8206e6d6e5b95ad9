// A bootstrap round's survey: each drawn person as many times as drawn, in survey order, with
// its groups, day passes and memberships; a person not drawn is gone.
#include "engine/survey_resample.h"

#include <gtest/gtest.h>

namespace acute {
namespace {

// Three person records: person 1 with one group, person 2 with two, person 3 with one.
struct Survey {
  ConsumptionData data;
  SurveyPasses passes;
  std::vector<std::uint64_t> membership;
};

Survey ThreePersons() {
  Survey s;
  const std::int32_t persons[] = {1, 2, 2, 3};
  for (std::size_t g = 0; g < 4; ++g) {
    SurveyGroup group;
    group.person = persons[g];
    group.member = static_cast<std::int16_t>(g);
    group.sample_weight = 100.0 * static_cast<double>(g + 1);
    s.data.groups.push_back(group);
    s.membership.push_back(std::uint64_t{1} << g);
    for (std::uint32_t day = 0; day < 2; ++day)
      s.passes.passes.push_back(
          DayPass{static_cast<std::uint32_t>(g * 2 + day), 1, static_cast<float>(g * 10 + day), 0});
  }
  s.data.person_first_group = {0, 1, 3, 4};
  s.data.entries.resize(5);
  s.passes.entries.resize(8);
  return s;
}

TEST(SurveyResample, DrawnPersonsCountAsOftenAsDrawnWithTheirGroupsPassesAndMemberships) {
  const Survey s = ThreePersons();
  // Person 1 not drawn, person 2 twice, person 3 once.
  const ResampledSurvey r = ResampleSurvey(s.data, s.passes, s.membership, {0, 2, 1});
  ASSERT_EQ(r.data.PersonRecords(), 3u);
  EXPECT_EQ(r.data.person_first_group, (std::vector<std::uint32_t>{0, 2, 4, 5}));
  std::vector<std::int16_t> members;
  for (const SurveyGroup& g : r.data.groups) members.push_back(g.member);
  EXPECT_EQ(members, (std::vector<std::int16_t>{1, 2, 1, 2, 3}));
  EXPECT_EQ(r.membership, (std::vector<std::uint64_t>{2, 4, 2, 4, 8}));
  ASSERT_EQ(r.passes.passes.size(), 10u);
  for (std::size_t g = 0; g < 5; ++g)
    for (int day = 0; day < 2; ++day)
      EXPECT_EQ(r.passes.Pass(g, day).total_grams,
                static_cast<float>(members[g] * 10 + day));  // the group's own passes
  EXPECT_EQ(r.data.groups[2].sample_weight, 200.0);          // each copy keeps its sample weight
  EXPECT_EQ(r.data.entries.size(), 5u);
  EXPECT_EQ(r.passes.entries.size(), 8u);
  // Counts of all ones give the survey back; counts of another survey are refused.
  EXPECT_EQ(ResampleSurvey(s.data, s.passes, s.membership, {1, 1, 1}).membership, s.membership);
  EXPECT_THROW(ResampleSurvey(s.data, s.passes, s.membership, {1, 1}), std::invalid_argument);
}

}  // namespace
}  // namespace acute
