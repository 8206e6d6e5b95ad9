// Consumption files of both database kinds read by the program: both lists hold the same
// person-days, with sensible people and food entries within the master list.
#include <gtest/gtest.h>

#include <set>

#include "common/binary_records.h"
#include "sample_fixture.h"
#include "support/test_support.h"

namespace acute::sample::testing {
namespace {

struct SurveyTotals {
  long days = 0;
  long empty_days = 0;
  long entries = 0;
  long water_entries = 0;
  std::set<int> races;
};

void CheckPerson(const SurveyGroup& g, SurveyTotals& t) {
  EXPECT_GE(g.age, -11);
  EXPECT_LE(g.age, 85);
  EXPECT_TRUE(g.sex == '1' || g.sex == '2');
  EXPECT_GT(g.body_weight, 1.0f);
  EXPECT_LT(g.body_weight, 250.0f);
  if (g.age > 0 && g.age < 3) {
    EXPECT_LT(g.body_weight, 25.0f);
  }
  EXPECT_GE(g.sample_weight, 1000);
  EXPECT_LE(g.sample_weight, 100000);
  if (g.age > 3 && g.attributes[6] != 0) {
    EXPECT_TRUE(g.sex == '2' && g.age >= 13) << "pregnancy and nursing status only for women";
  }
  t.races.insert(g.attributes[7]);
}

// One day's entries of list A (`a`) and list B (`b`).
void CheckDay(const FoodEntry* a, const FoodEntry* b, int n, const MasterLists& lists,
              SurveyTotals& t) {
  ++t.days;
  t.empty_days += n == 0 ? 1 : 0;
  t.entries += n;
  for (int i = 0; i < n; ++i) {
    ASSERT_GE(a[i].food_form, 1);
    ASSERT_LE(a[i].food_form, lists.FoodFormCount());
    EXPECT_EQ(a[i].food_form, b[i].food_form);
    EXPECT_EQ(a[i].grams, b[i].grams);
    EXPECT_GT(a[i].grams, 0.0f);
    EXPECT_LT(b[i].time % 100, 60);
    EXPECT_LT(b[i].time, 2400);
    if (i > 0) {
      EXPECT_GE(b[i].time, b[i - 1].time) << "eating occasions in order";
    }
    const int rac = lists.FfRac[a[i].food_form];
    if (rac == 532 || rac == 533 || (rac >= 549 && rac <= 556)) ++t.water_entries;
  }
}

class SurveyFiles : public ::testing::TestWithParam<int> {};

TEST_P(SurveyFiles, BothListsHoldTheSamePersonDays) {
  const int kind = GetParam();
  const OpenedSample sample = OpenSample(SmallSample(kind));
  const ConsumptionData a = ReadSurvey(sample, false);
  const ConsumptionData b = ReadSurvey(sample, true);
  EXPECT_EQ(a.PersonRecords(), 200u);
  EXPECT_EQ(b.PersonRecords(), 200u);
  ASSERT_EQ(a.groups.size(), b.groups.size());
  ASSERT_EQ(a.entries.size(), b.entries.size());
  SurveyTotals t;
  std::int32_t previous = 0;
  for (std::size_t i = 0; i < a.groups.size(); ++i) {
    const SurveyGroup& g = a.groups[i];
    EXPECT_EQ(g.person, b.groups[i].person);
    if (kind == 0) {
      EXPECT_GT(g.person, previous) << "PIDs run on through the files";
    }
    previous = g.person;
    CheckPerson(g, t);
    std::uint32_t at = g.first_entry;
    for (int day = 0; day < 2; ++day) {
      const int n = g.day_entries[day];
      ASSERT_EQ(b.groups[i].day_entries[day], n);
      CheckDay(&a.entries[at], &b.entries[at], n, sample.master, t);
      at += static_cast<std::uint32_t>(n);
    }
  }
  EXPECT_GT(t.empty_days, 0);
  EXPECT_LT(t.empty_days, t.days / 5);
  const double per_day =
      static_cast<double>(t.entries) / static_cast<double>(t.days - t.empty_days);
  EXPECT_GT(per_day, 25.0);
  EXPECT_LT(per_day, 60.0);
  EXPECT_GT(t.water_entries, t.days);
  EXPECT_EQ(t.races, (std::set<int>{1, 2, 3, 4}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SurveyFiles, ::testing::Values(0, 2));

TEST(SurveyFiles, OlderSurveyHasHouseholdsSeasonsAndRegions) {
  const SampleManifest& m = SmallSample(0);
  ByteReader households = ByteReader::FromFile(m.folder / "HHDEMO.DAT");
  ASSERT_EQ(households.Size(), 200u * 6u);
  std::set<int> regions, seasons;
  for (const SurveyGroup& g : ReadSurvey(OpenSample(m), false).groups) {
    households.Seek(static_cast<std::size_t>(g.person - 1) * 6);
    EXPECT_GT(households.I4(), 0);
    EXPECT_EQ(households.I2(), g.member) << "household record of PID " << g.person;
    seasons.insert(g.attributes[1]);
    regions.insert(g.attributes[2]);
  }
  EXPECT_EQ(regions, (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(seasons, (std::set<int>{1, 2, 3, 4}));
}

// Rare cases that a larger survey must hold: missing water reports, person records without
// member data, pregnant and lactating women, nursing infants.
TEST(SurveyFiles, LargerSurveyHoldsTheRareCases) {
  SampleOptions options;
  options.persons = 3000;
  options.seed = 3;
  acute::testing::ScratchFolder scratch;
  const ConsumptionData data =
      ReadSurvey(OpenSample(WriteSampleData(scratch / "data", options)), false);
  int negative = 0;
  int nursing_infants = 0;
  std::set<int> statuses;
  for (const SurveyGroup& g : data.groups) {
    negative += (g.water_code[0] < 0) + (g.water_code[1] < 0);
    if (g.age > 3) statuses.insert(g.attributes[6]);
    nursing_infants += g.age <= 0 && g.attributes[6] == 5;
  }
  const long absent =
      static_cast<long>(data.PersonRecords()) - static_cast<long>(data.groups.size());
  EXPECT_GT(negative, 0);
  EXPECT_LT(negative, 80);
  EXPECT_GT(absent, 0);
  EXPECT_LT(absent, 60);
  EXPECT_GT(nursing_infants, 10);
  EXPECT_EQ(statuses, (std::set<int>{0, 1, 2, 3, 4}));
}

}  // namespace
}  // namespace acute::sample::testing
