// Attributes of person-days and membership of standard and custom populations.
#include "engine/populations.h"

#include <gtest/gtest.h>

namespace acute {
namespace {

MemberFacts Person(int age, char sex, char status = '4', char nursing = '2') {
  MemberFacts f;
  f.age = static_cast<std::int16_t>(age);
  f.sex = sex;
  f.race = '1';
  f.hispanic = '5';
  f.female_status = status;
  f.nursing = nursing;
  f.region = '3';
  f.month = 7;
  f.day = 4;
  return f;
}

std::vector<int> StandardMemberships(const Attributes& a, int kind) {
  auto rules = StandardPopulationRules(kind);
  std::vector<int> in;
  for (std::size_t p = 1; p < rules.size(); ++p)
    if (AdmitsStandard(rules[p], a)) in.push_back(static_cast<int>(p));
  return in;
}

TEST(Attributes, KindZeroWomanOfThirty) {
  Attributes a = DeriveAttributes(Person(30, '2'), 0);
  EXPECT_EQ(a[1], 2);  // July: summer
  EXPECT_EQ(a[2], 3);
  EXPECT_EQ(a[7], 2);  // race "1", not Hispanic: non-Hispanic white
  EXPECT_EQ(a[8], 10);
  EXPECT_EQ(a[12], 3);
  EXPECT_EQ(a[13], 5);
  EXPECT_EQ(a[14], 1);
  // Populations 1, summer (3), region 3 (8), white (11), 22, 23, 31 and 33.
  EXPECT_EQ(StandardMemberships(a, 0), (std::vector<int>{1, 3, 8, 11, 22, 23, 31, 33}));
}

TEST(Attributes, InfantsChildrenAndSeasons) {
  Attributes infant = DeriveAttributes(Person(-7, '1', ' ', '1'), 2);
  EXPECT_EQ(infant[3], 7);
  EXPECT_EQ(infant[4], 0);
  EXPECT_EQ(infant[6], 5);  // nursing
  EXPECT_EQ(infant[8], 1);
  EXPECT_EQ(infant[12], 2);
  EXPECT_EQ(infant[13], 0);
  EXPECT_EQ(infant[7], 1);  // kind 2: the race code itself
  Attributes toddler = DeriveAttributes(Person(3, '2', ' ', '2'), 2);
  EXPECT_EQ(toddler[6], 6);
  EXPECT_EQ(toddler[8], 5);
  EXPECT_EQ(toddler[13], 2);
  Attributes pregnant = DeriveAttributes(Person(25, '2', '1'), 2);
  EXPECT_EQ(pregnant[6], 1);
  EXPECT_EQ(pregnant[8], 3);
  Attributes older = DeriveAttributes(Person(60, '1'), 2);
  EXPECT_EQ(older[8], 9);
  EXPECT_EQ(older[12], 1);
  // Season boundaries: 20 March is winter, 21 March spring, 21 December winter.
  MemberFacts f = Person(30, '1');
  f.month = 3;
  f.day = 20;
  EXPECT_EQ(DeriveAttributes(f, 0)[1], 4);
  f.day = 21;
  EXPECT_EQ(DeriveAttributes(f, 0)[1], 1);
  f.month = 12;
  EXPECT_EQ(DeriveAttributes(f, 0)[1], 4);
  f.hispanic = '2';
  EXPECT_EQ(DeriveAttributes(f, 0)[7], 1);
}

CustomPopulation AllOf() {
  CustomPopulation c;
  c.crit = {{{1, 0, 0, 0, 0},
             {1, 0, 0, 0, 0},
             {1, 0, 0, 0, 0},
             {1, 1, 0, 0, 0},
             {1, 0, 0, 0, 0},
             {1, 0, 0, 0, 0}}};
  return c;
}

TEST(CustomPopulations, EachCriterionLine) {
  const Attributes man = DeriveAttributes(Person(40, '1'), 0);
  const Attributes lactating = DeriveAttributes(Person(28, '2', '2'), 0);
  const Attributes infant = DeriveAttributes(Person(-6, '2', ' ', '1'), 0);
  const Attributes child = DeriveAttributes(Person(2, '1', ' ', '2'), 0);

  CustomPopulation c = AllOf();
  EXPECT_TRUE(AdmitsCustom(c, man));
  c.crit[3] = {0, 0, 0, 0, 1};  // nursing (lactating) females only
  EXPECT_FALSE(AdmitsCustom(c, man));
  EXPECT_TRUE(AdmitsCustom(c, lactating));

  c = AllOf();
  c.crit[0] = {0, 0, 1, 0, 0};  // summer only
  EXPECT_TRUE(AdmitsCustom(c, man));
  c.crit[0] = {0, 1, 0, 0, 0};
  EXPECT_FALSE(AdmitsCustom(c, man));

  c = AllOf();
  c.crit[4] = {0, 1, 0, 0, 0};  // non-nursing children only; adults pass this line
  EXPECT_TRUE(AdmitsCustom(c, child));
  EXPECT_FALSE(AdmitsCustom(c, infant));
  EXPECT_TRUE(AdmitsCustom(c, man));

  c = AllOf();
  c.crit[5] = {0, 6, 0, 11, 0};  // 6 to 11 months
  EXPECT_TRUE(AdmitsCustom(c, infant));
  EXPECT_FALSE(AdmitsCustom(c, child));
  c.crit[5] = {0, 3, 0, 0, 2};  // 3 months to 2 years
  EXPECT_TRUE(AdmitsCustom(c, infant));
  EXPECT_TRUE(AdmitsCustom(c, child));
  EXPECT_FALSE(AdmitsCustom(c, man));
  c.crit[5] = {0, 0, 13, 0, 49};  // 13 to 49 years
  EXPECT_TRUE(AdmitsCustom(c, man));
  EXPECT_FALSE(AdmitsCustom(c, child));
}

TEST(CustomPopulations, SelectionOrderAndMembershipBits) {
  AnalysisSettings s;
  s.standard_selected = {true, false, true};
  s.custom = {AllOf()};
  s.custom[0].crit[3] = {1, 0, 0, 0, 0};  // males
  auto selected = SelectPopulations(s);
  ASSERT_EQ(selected.size(), 3u);
  EXPECT_EQ(selected[1].standard_number, 3);
  EXPECT_TRUE(selected[2].custom);
  auto rules = StandardPopulationRules(2);
  Attributes man = DeriveAttributes(Person(40, '1'), 2);
  man[7] = 2;  // population 3 is race 2
  EXPECT_EQ(Membership(selected, rules, s, man), 0b111u);
  Attributes woman = DeriveAttributes(Person(40, '2'), 2);
  EXPECT_EQ(Membership(selected, rules, s, woman), 0b001u);
}

}  // namespace
}  // namespace acute
