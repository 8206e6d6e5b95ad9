// Acute and DWLOC bins, food-form factors and the exposure of a person-day.
#include "engine/exposure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/bins.h"
#include "engine/run_tables.h"
#include "support/master_lists_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

TEST(Bins, LayoutAndBinOfAValue) {
  PopulationAccumulators a;
  a.m = CalibrationMean(0, 0);
  EXPECT_EQ(a.m, 0.000001f);  // a zero mean is replaced
  a.m = 2.0f;
  LayOutAcuteBins(a);
  EXPECT_EQ(a.bound[0], 0.0f);
  EXPECT_FLOAT_EQ(a.bound[50], 1.0f);
  EXPECT_FLOAT_EQ(a.bound[100], 2.0f);
  EXPECT_FLOAT_EQ(a.bound[101], 2.02f);
  EXPECT_TRUE(testing::Near(a.bound[1475], 2.0 * std::pow(1.01, 1375), 1e-6));
  EXPECT_EQ(AcuteBin(0, 2), 0);
  EXPECT_EQ(AcuteBin(2.0f, 2), 101);  // equal to the mean: logarithmic branch
  EXPECT_EQ(AcuteBin(1.9999f, 2), 100);
  EXPECT_EQ(AcuteBin(0.01f, 2), 1);
  EXPECT_EQ(AcuteBin(2.0e6f, 2), 1476);  // a million times the mean
  EXPECT_EQ(AcuteBin(0.5f, 0.000001f), 101 + static_cast<int>(std::log(500000.0) / std::log(1.01)));
  // DWLOC bins run down from the largest DWLOC (10 here) to the mean and on to 0.
  EXPECT_EQ(DwlocBin(0, 2, 10), 1476);
  EXPECT_EQ(DwlocBin(10, 2, 10), 0);
  EXPECT_EQ(DwlocBin(6, 2, 10), 50);
  EXPECT_EQ(DwlocBin(2, 2, 10), 101);  // the mean: logarithmic branch
  EXPECT_EQ(DwlocBin(1.98f, 2, 10), 101);
  EXPECT_EQ(DwlocBin(12, 2, 10), 0);  // above the largest possible: the top bin
  EXPECT_EQ(DwlocBin(3, 2, 2), 0);    // no span above the mean
}

// Whatever the inputs, no value finds a bin outside the table: a calibration mean at or
// below 0 is the mean of 0, and a value at or below 0 (a normal distribution's draw) or
// not finite lands in an end bin.
TEST(Bins, NoBinOutsideTheTable) {
  EXPECT_EQ(CalibrationMean(-5, 10), 0.000001f);
  EXPECT_EQ(CalibrationMean(-0.0, 10), 0.000001f);
  EXPECT_EQ(CalibrationMean(std::nan(""), 10), 0.000001f);
  PopulationAccumulators a;
  a.m = CalibrationMean(-100, 1);
  LayOutAcuteBins(a);
  EXPECT_EQ(a.bound[0], 0.0f);
  EXPECT_GT(a.bound[1], 0.0f);
  const float inf = std::numeric_limits<float>::infinity();
  for (float m : {a.m, 2.0f}) {
    EXPECT_EQ(AcuteBin(-0.5f, m), 0);
    EXPECT_EQ(AcuteBin(-1e30f, m), 0);
    EXPECT_EQ(AcuteBin(std::nanf(""), m), 0);
    EXPECT_EQ(AcuteBin(inf, m), 1476);
    EXPECT_EQ(AcuteBin(3e38f, m), 1476);
    EXPECT_EQ(AcuteBinFromLogs(-0.5f, std::log(0.5), m, std::log(m)), 0);
    EXPECT_EQ(DwlocBin(-1, m, 10), 1476);
    EXPECT_EQ(DwlocBin(inf, m, 10), 0);
    EXPECT_EQ(DwlocBin(1e-38f, m, 10), 1475);
  }
  EXPECT_EQ(AcuteBin(1e-38f, 2), 1);
}

TEST(RunTables, ExpansionAndFactors) {
  const MasterLists m = testing::SmallMasterLists({{1, 5}, {2, 5}});  // forms 1..5, 6..10
  ResidueTables t;
  t.Allocate(559, 10, 0, false);
  t.ResDefRes[1] = 0.5f;  // commodity residue, no food-form lines
  t.ResAdj1[1] = 2;
  t.ResAdj2[1] = 3;
  t.ResDefRes[2] = 0.1f;  // two of five food forms listed
  t.ResFormCount[2] = 2;
  t.FfRes[6] = 0.4f;
  t.FfAdj1[6] = 1;
  t.FfAdj2[6] = 1;
  t.FfRes[7] = 0.2f;
  t.FfAdj1[7] = 1;
  t.FfAdj2[7] = 10;
  t.ResDefRes[3] = 9;  // no food forms in the master list
  RunTables r = BuildRunTables(t, m, false, false);
  for (int f = 1; f <= 5; ++f) EXPECT_FLOAT_EQ(r.factor[f], 2.0f / 1000 * 0.5f);
  EXPECT_FLOAT_EQ(r.factor[6], 0.4f / 1000);
  EXPECT_FLOAT_EQ(r.factor[7], 0.2f / 1000);
  EXPECT_EQ(r.factor[8], 0.0f);
  EXPECT_EQ(r.res.ResDefRes[3], 0.0f);
  EXPECT_FALSE(r.water_in_residue_file);
  RunTables second = BuildRunTables(t, m, false, true);
  EXPECT_FLOAT_EQ(second.factor[1], 2.0f / 1000 * 3 * 0.5f);
  EXPECT_FLOAT_EQ(second.factor[7], 0.2f / 1000 * 10);
}

TEST(RunTables, DrinkingWaterRunClearsWaterResidues) {
  const MasterLists m = testing::SmallMasterLists({{532, 2}, {533, 2}, {553, 2}, {1, 2}});
  ResidueTables t;
  t.Allocate(559, 8, 0, false);
  for (int c : {532, 533, 553, 1}) {
    t.ResDefRes[c] = 0.5f;
    t.ResAdj1[c] = 1;
  }
  t.ResDefRes[533] = 0;  // a water commodity with food-form residues only keeps them
  t.ResFormCount[533] = 1;
  t.FfRes[3] = 0.2f;
  t.FfAdj1[3] = 1;
  RunTables acute = BuildRunTables(t, m, false, false);
  EXPECT_GT(acute.factor[1], 0.0f);
  EXPECT_GT(acute.factor[5], 0.0f);
  EXPECT_TRUE(acute.water_in_residue_file);
  RunTables dwloc = BuildRunTables(t, m, true, false);
  EXPECT_EQ(dwloc.factor[1], 0.0f);  // 532: the commodity residue is cleared before expansion
  EXPECT_EQ(dwloc.factor[2], 0.0f);
  EXPECT_GT(dwloc.factor[3], 0.0f);  // 533 kept its food-form residue
  EXPECT_EQ(dwloc.factor[5], 0.0f);  // 553 cleared with its food forms
  EXPECT_EQ(dwloc.res.FfAdj1[5], 1.0f);
  EXPECT_GT(dwloc.factor[7], 0.0f);  // other commodities as in an acute run
}

TEST(Exposure, ReversalPeaksAndDecays) {
  EXPECT_DOUBLE_EQ(DecimalHour(1230), 12.5);
  const std::vector<RelevantEntry> nine_minutes = {{1, 100, DecimalHour(1200)},
                                                   {1, 100, DecimalHour(1209)}};
  const float e[2] = {1.0f, 1.0f};
  EXPECT_FLOAT_EQ(PeakBurden(nine_minutes.data(), 2, e, 4.0), 2.0f);  // 0.15 h: full weight
  const std::vector<RelevantEntry> half_life = {{1, 100, DecimalHour(800)},
                                                {1, 100, DecimalHour(1200)}};
  EXPECT_FLOAT_EQ(PeakBurden(half_life.data(), 2, e, 4.0), 1.5f);
  const float big_first[2] = {3.0f, 1.0f};
  EXPECT_FLOAT_EQ(PeakBurden(half_life.data(), 2, big_first, 4.0), 3.0f);  // the peak
  const float f[3] = {0, 0.001f, 0.002f};
  const std::vector<RelevantEntry> two = {{1, 100, 0}, {2, 50, 0}};
  EXPECT_FLOAT_EQ(SummedExposure(two.data(), 2, f), 0.2f);
}

TEST(Exposure, RelevantEntriesAndEatingTimes) {
  ConsumptionData data;
  SurveyGroup g;
  g.day_entries[0] = 3;
  g.day_entries[1] = 1;
  data.groups.push_back(g);
  data.entries = {{1, 10, 2500}, {2, 20, 700}, {1, 30, 2401}, {1, 40, 900}};
  const std::vector<float> factor = {0, 0.5f, 0};  // food form 2 carries no residue
  SurveyPasses one_day = CollectRelevantEntries(data, factor, false);
  ASSERT_EQ(one_day.passes.size(), 2u);
  EXPECT_EQ(one_day.Pass(0, 0).count, 2u);
  EXPECT_FLOAT_EQ(one_day.Pass(0, 0).total_grams, 40.0f);
  EXPECT_DOUBLE_EQ(one_day.entries[0].hour, DecimalHour(1));    // first time invalid: 1
  EXPECT_DOUBLE_EQ(one_day.entries[1].hour, DecimalHour(700));  // previous valid time
  SurveyPasses both = CollectRelevantEntries(data, factor, true);
  ASSERT_EQ(both.passes.size(), 1u);
  EXPECT_EQ(both.Pass(0, 0).count, 3u);
  EXPECT_FLOAT_EQ(both.Pass(0, 0).total_grams, 80.0f);
}

}  // namespace
}  // namespace acute
