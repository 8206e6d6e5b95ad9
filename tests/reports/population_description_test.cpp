// Descriptions of custom populations in what the golden reports do not show: race lists,
// nursing status and ages in months (standard populations and "All Races" in years are pinned
// by the acute report golden files).
#include "reports/population_description.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace acute {
namespace {

std::string Describe(const ReportPopulation& pop, std::int16_t kind = 2) {
  PrintWriter out;
  WritePopulationDescription(out, pop, kind, RegionNames(kind));
  return out.Contents();
}

ReportPopulation Everyone(const std::string& name) {
  ReportPopulation p = testing::Custom(name, 2);
  for (auto& line : p.crit) line[0] = 1;
  p.crit[3] = {1, 1, 0, 0, 0};
  return p;
}

TEST(PopulationDescription, RaceListNursingStatusAndAgesInMonths) {
  ReportPopulation p = Everyone("Infants");
  p.crit[2] = {0, 0, 1, 1, 0};
  p.crit[5] = {0, 6, 0, 11, 0};
  EXPECT_EQ(Describe(p),
            "\r\nCustom demographics 2: Infants\r\n"
            "Sex: M/F-all/\r\n"
            "Race(s): NH White/NH Black/  Nursing and Non-Nursing (Ages <= 3)\r\n"
            "Age-Low: 6 m  High: 11 m\r\n"
            "------------------------------\r\n");
  p.crit[5] = {0, 6, 0, 0, 2};  // months to years
  p.crit[4] = {0, 0, 1, 0, 0};
  EXPECT_NE(
      Describe(p).find("Nursing Status (Ages <=3): Nursing.\r\nAge-Low: 6 m  High: 2 yrs\r\n"),
      std::string::npos);
  p.crit[2] = {0, 1, 0, 0, 0};
  p.crit[5] = {0, 0, 4, 0, 10};  // no nursing line: the ages continue the race line
  EXPECT_NE(Describe(p).find("Race(s): Hispanic/  Age-Low: 4 yrs   High: 10 yrs\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace acute
