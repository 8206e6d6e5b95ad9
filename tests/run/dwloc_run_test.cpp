// DWLOC analyses on a hand-made survey: drinking water, the DWLOC value of each person-day,
// the toxicity value of each population and the QA listing.
#include "common/errors.h"
#include "hand_made_run.h"

namespace acute {
namespace {

using testing::FixturePerson;

class DwlocRun : public testing::HandMadeRun {
 protected:
  void SetUp() override {
    const testing::FixtureOptions options;
    const auto direct = static_cast<std::int16_t>(testing::MasterFoodForm(options, 532, 1));
    const auto indirect = static_cast<std::int16_t>(testing::MasterFoodForm(options, 533, 2));
    FixturePerson a;  // day 1: X = 0.01, 500 g of water; day 2: nothing at all
    a.number = 201;
    a.body_weight = 10;
    a.sample_weight = 1000;
    a.day1 = {{1, 100}, {direct, 500}};
    FixturePerson b;  // day 1: X = 0.03 above the aRfD; day 2: 1 kg of indirect water
    b.number = 202;
    b.body_weight = 20;
    b.sample_weight = 2000;
    b.day1 = {{1, 600}};
    b.day2 = {{indirect, 1000}};
    people_ = {a, b};
    Prepare(people_);
    form_.dwloc_mode = true;
  }
  RunSetup Run() {
    RunSetup run = SetUpRun(Request(), work_, port_);
    RunAnalysisPasses(run, port_);
    return run;
  }

  std::vector<FixturePerson> people_;
  WorkSetWriter work_{dir_.path(), WorkRun{}};
};

TEST_F(DwlocRun, DwlocValuesOfEachPersonDay) {
  RunSetup run = Run();
  const PopulationAccumulators& all = run.accumulators[0];
  EXPECT_DOUBLE_EQ(all.n, 4);  // every person-day counts, eaters or not
  EXPECT_DOUBLE_EQ(all.sum_w, 6000);
  EXPECT_DOUBLE_EQ(all.tot_w, 6000);
  // 0.2 (0.01 left, 10 kg, 0.5 kg of water), 6.667 (no water: 0.03 kg), 0 (food alone above
  // the aRfD), 0.4 (0.02 left, 20 kg, 1 kg of water).
  EXPECT_TRUE(testing::Near(all.sum_wx, 1000 * 0.2 + 1000 * (0.02 * 10 / 0.03) + 2000 * 0.4, 1e-5));
  EXPECT_EQ(all.min_v, 0.0f);
  EXPECT_FLOAT_EQ(all.max_bw, 20.0f);
  EXPECT_DOUBLE_EQ(all.bin_w[1476], 2000);            // the zero DWLOC
  EXPECT_FLOAT_EQ(all.bound[0], 0.02f * 20 / 0.03f);  // T: the largest DWLOC possible
  EXPECT_EQ(all.bound[1475], 0.0f);
}

TEST_F(DwlocRun, PadOfAPopulationOrTheReferenceDose) {
  form_.pad = true;
  form_.standard_pad = StandardPads(10);  // population 1 has no PAD: the aRfD is used
  MainForm::Custom everyone;
  everyone.population.name = "Everyone";
  everyone.population.crit = {{{1, 0, 0, 0, 0},
                               {1, 0, 0, 0, 0},
                               {1, 0, 0, 0, 0},
                               {1, 1, 0, 0, 0},
                               {1, 0, 0, 0, 0},
                               {1, 0, 0, 0, 0}}};
  everyone.population.pad = 0.04f;
  everyone.defined = true;
  form_.custom = {everyone};
  RunSetup run = Run();
  ASSERT_EQ(run.dwloc_tox.size(), 2u);
  EXPECT_FLOAT_EQ(run.dwloc_tox[0], 0.02f);
  EXPECT_FLOAT_EQ(run.dwloc_tox[1], 0.04f);
  // With a PAD of 0.04 person 202's first day leaves 0.01: D = 0.01 x 20 / 0.03.
  EXPECT_GT(run.accumulators[1].sum_wx, run.accumulators[0].sum_wx);
  EXPECT_DOUBLE_EQ(run.accumulators[1].bin_w[1476], 0);
}

TEST_F(DwlocRun, QaListingShowsWaterAndTheEquation) {
  form_.qa_listing = true;
  RunSetup run = Run();
  run.qa.reset();  // the listing takes its name with the run's other work files
  ASSERT_FALSE(work_.Commit());
  const std::string qa = testing::ReadText(dir_ / "dwloc2.tmp");
  EXPECT_NE(qa.find("Person 201  Member 1  Pass 1 \r\n86010000 500 \r\nTotal water (kg) =  0.5"),
            std::string::npos)
      << qa.substr(0, 300);
  EXPECT_NE(qa.find("DWLOC iteration # 1\r\n"), std::string::npos);
  EXPECT_NE(qa.find("Body weight (kg) = 10\r\n"), std::string::npos);
  EXPECT_NE(qa.find("(( 0.02 - 0.01 ) * 10)/ 0.5 = 0.19999999 \r\n"), std::string::npos);
  EXPECT_NE(qa.find("Pass 2 \r\nTotal water (kg) =  0.03\r\n"), std::string::npos);
  EXPECT_NE(qa.find("86020000"), std::string::npos);
}

TEST_F(DwlocRun, NegativeIndirectWaterNamesThePerson) {
  people_[1].day2[0].grams = -5;
  testing::WriteSurvey(dir_ / "survey", people_);
  EXPECT_THROW(SetUpRun(Request(), work_, port_), RunEnds);
  EXPECT_EQ(port_.Messages().back().title, "Damaged food consumption file");
  EXPECT_NE(port_.LastMessage().find("person 202: member 1 has a negative amount of food (-5 g)"),
            std::string::npos)
      << port_.LastMessage();
}

}  // namespace
}  // namespace acute
