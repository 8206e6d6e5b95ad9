// Consumption files of both database kinds read back with the consumption file layout:
// record sizes, closing records, sensible people and food entries within the master list.
#include <gtest/gtest.h>

#include <set>

#include "common/binary_records.h"
#include "sample_reader.h"
#include "support/test_support.h"

namespace acute::sample::testing {
namespace {

struct SurveyTotals {
  long persons = 0;
  long days = 0;
  long empty_days = 0;
  long entries = 0;
  long water_entries = 0;
  std::set<char> races;
};

// The commodity that owns each food form, from the master lists.
std::vector<int> FormOwners(const MasterLists& lists) {
  std::vector<int> owner(lists.codes.size() + 1, 0);
  for (std::size_t c = 0; c < lists.racs.size(); ++c)
    for (int i = 0; i < lists.racs[c].form_count; ++i)
      owner[static_cast<std::size_t>(lists.racs[c].first_form + i)] = static_cast<int>(c) + 1;
  return owner;
}

void CheckPerson(const Group& g, SurveyTotals& t) {
  EXPECT_GE(g.age, -11);
  EXPECT_LE(g.age, 85);
  EXPECT_TRUE(g.sex == '1' || g.sex == '2');
  EXPECT_GT(g.body_weight, 1.0f);
  EXPECT_LT(g.body_weight, 250.0f);
  if (g.age > 0 && g.age < 3) {
    EXPECT_LT(g.body_weight, 25.0f);
  }
  EXPECT_GE(g.weight, 1000);
  EXPECT_LE(g.weight, 100000);
  EXPECT_EQ(g.nursing != ' ', g.age <= 3) << "nursing flag only for children up to 3";
  EXPECT_TRUE(g.status == ' ' || (g.sex == '2' && g.age >= 13));
  t.races.insert(g.race);
}

void CheckDay(const std::vector<Entry>& a, const std::vector<Entry>& b,
              const std::vector<int>& owner, SurveyTotals& t) {
  ASSERT_EQ(a.size(), b.size());
  ++t.days;
  t.empty_days += a.empty() ? 1 : 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_GE(a[i].form, 1);
    ASSERT_LT(static_cast<std::size_t>(a[i].form), owner.size());
    EXPECT_EQ(a[i].form, b[i].form);
    EXPECT_EQ(a[i].grams, b[i].grams);
    EXPECT_GT(a[i].grams, 0.0f);
    EXPECT_LT(b[i].time % 100, 60);
    EXPECT_LT(b[i].time, 2400);
    if (i > 0) {
      EXPECT_GE(b[i].time, b[i - 1].time) << "eating occasions in order";
    }
    int rac = owner[static_cast<std::size_t>(a[i].form)];
    if (rac == 532 || rac == 533 || (rac >= 549 && rac <= 556)) ++t.water_entries;
  }
  t.entries += static_cast<long>(a.size());
}

class SurveyFiles : public ::testing::TestWithParam<int> {};

TEST_P(SurveyFiles, BothListsFollowTheConsumptionLayout) {
  const int kind = GetParam();
  const SampleManifest& m = SmallSample(kind);
  const SupportList support = ReadSupportList(m.folder);
  const std::vector<int> owner = FormOwners(ReadMasterLists(m.folder, kind));
  ASSERT_EQ(owner.size(), static_cast<std::size_t>(support.food_forms) + 1);
  SurveyTotals t;
  std::int32_t previous = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const auto a = ReadConsumption(m.folder / "survey" / support.list_a[i], false);
    const auto b = ReadConsumption(m.folder / "survey" / support.list_b[i], true);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a.back().number, 0);
    for (std::size_t p = 0; p + 1 < a.size(); ++p) {
      ++t.persons;
      EXPECT_EQ(a[p].number, b[p].number);
      if (kind == 0) {
        EXPECT_EQ(a[p].number, previous + 1) << "PIDs run on through the files";
      }
      EXPECT_GT(a[p].number, previous);
      previous = a[p].number;
      ASSERT_LE(a[p].groups.size(), 1u);
      if (a[p].groups.empty() || a[p].groups[0].presence == 0) continue;
      const Group& ga = a[p].groups[0];
      CheckPerson(ga, t);
      CheckDay(ga.day1, b[p].groups[0].day1, owner, t);
      CheckDay(ga.day2, b[p].groups[0].day2, owner, t);
    }
    if (kind == 2) previous = 0;
  }
  EXPECT_EQ(t.persons, 200);
  EXPECT_GT(t.empty_days, 0);
  EXPECT_LT(t.empty_days, t.days / 5);
  const double per_day =
      static_cast<double>(t.entries) / static_cast<double>(t.days - t.empty_days);
  EXPECT_GT(per_day, 25.0);
  EXPECT_LT(per_day, 60.0);
  EXPECT_GT(t.water_entries, t.days);
  EXPECT_EQ(t.races, (std::set<char>{'1', '2', '3', '4'}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SurveyFiles, ::testing::Values(0, 2));

TEST(SurveyFiles, OlderSurveyHasHouseholdsSeasonsAndRegions) {
  const SampleManifest& m = SmallSample(0);
  ByteReader households = ByteReader::FromFile(m.folder / "HHDEMO.DAT");
  ASSERT_EQ(households.Size(), 200u * 6u);
  std::set<char> regions;
  std::set<int> months;
  for (const char* name : {"DT94.DAT", "DT95.DAT", "DT96.DAT", "DT98.DAT"}) {
    for (const PersonRecord& p : ReadConsumption(m.folder / "survey" / name, false)) {
      if (p.number == 0 || p.groups.empty() || p.groups[0].presence == 0) continue;
      const Group& g = p.groups[0];
      households.Seek(static_cast<std::size_t>(p.number - 1) * 6);
      EXPECT_GT(households.I4(), 0);
      EXPECT_EQ(households.I2(), g.member) << "household record of PID " << p.number;
      EXPECT_NE(std::string("12345").find(g.hispanic), std::string::npos);
      EXPECT_GE(g.day, 1);
      EXPECT_LE(g.day, 31);
      regions.insert(p.region);
      months.insert(g.month);
    }
  }
  EXPECT_EQ(regions, (std::set<char>{'1', '2', '3', '4'}));
  EXPECT_GE(*months.begin(), 1);
  EXPECT_LE(*months.rbegin(), 12);
  EXPECT_GT(months.size(), 8u);
}

// Rare cases that a larger survey must hold: missing water reports, person records without
// member data, pregnant and lactating women, nursing infants.
TEST(SurveyFiles, LargerSurveyHoldsTheRareCases) {
  SampleOptions options;
  options.persons = 3000;
  options.seed = 3;
  acute::testing::ScratchFolder scratch;
  const SampleManifest m = WriteSampleData(scratch / "data", options);
  int negative = 0;
  int absent = 0;
  int nursing_infants = 0;
  std::set<char> statuses;
  for (const std::string& name : ReadSupportList(m.folder).list_a) {
    for (const PersonRecord& p : ReadConsumption(m.folder / "survey" / name, false)) {
      if (p.number == 0) continue;
      if (p.groups.empty() || p.groups[0].presence == 0) {
        ++absent;
        continue;
      }
      const Group& g = p.groups[0];
      negative += (g.water1 < 0) + (g.water2 < 0);
      statuses.insert(g.status);
      nursing_infants += g.age <= 0 && g.nursing == '1';
    }
  }
  EXPECT_GT(negative, 0);
  EXPECT_LT(negative, 80);
  EXPECT_GT(absent, 0);
  EXPECT_LT(absent, 60);
  EXPECT_GT(nursing_infants, 10);
  EXPECT_EQ(statuses, (std::set<char>{' ', '1', '2', '3', '4'}));
}

}  // namespace
}  // namespace acute::sample::testing
