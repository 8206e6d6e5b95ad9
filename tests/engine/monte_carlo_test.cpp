// Monte Carlo residue sampling: empirical distributions, the scratch check, mean residues,
// drinking-water groups, held residues and the chemical choice.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "common/binary_records.h"
#include "common/errors.h"
#include "engine/day_pass_draws.h"
#include "engine/distribution_tables.h"
#include "engine/draw_plan.h"
#include "engine/residue_sampler.h"
#include "engine/run_tables.h"
#include "support/master_lists_fixture.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::ScratchFolder;

RdlRow Empirical(int index, int first, int values, int lod, int zeros, float lod_res) {
  RdlRow r;
  r.index = static_cast<std::int16_t>(index);
  r.type = DistributionType::Empirical;
  r.first_record = first;
  r.value_count = values;
  r.total_lod = lod;
  r.lod_res = lod_res;
  r.total_z = zeros;
  r.count_with_lod = values + lod;
  r.total_count = values + lod + zeros;
  r.check_record = first;
  return r;
}

void WriteScratch(const std::filesystem::path& file, const std::vector<float>& values) {
  ByteWriter w;
  for (float v : values) w.R4(v);
  w.Save(file);
}

TEST(Distributions, EmpiricalDrawsAndMean) {
  ScratchFolder dir;
  std::vector<float> values;
  for (int i = 1; i <= 90; ++i) values.push_back(0.01f * i);
  WriteScratch(dir / "rdfacute.tmp", values);
  RdlRow row = Empirical(3, 1, 90, 10, 900, 0.005f);
  row.first_value = 0.01f;
  ScriptedPort port;
  DistributionTables t = LoadDistributions({row}, 3, dir / "rdfacute.tmp", port);
  int listed = 0, lod = 0, zero = 0;
  for (int k = 0; k < 1000; ++k) {
    const float r = t.Draw(3, (k + 0.5f) / 1000);
    if (r == 0.005f)
      ++lod;
    else if (r == 0)
      ++zero;
    else
      ++listed;
  }
  EXPECT_EQ(listed, 90);
  EXPECT_EQ(lod, 10);
  EXPECT_EQ(zero, 900);
  double sum = 0;
  for (float v : values) sum += v;
  EXPECT_FLOAT_EQ(t.rdl[3].mean, static_cast<float>((sum + 10 * 0.005) / 100));
  EXPECT_EQ(t.Draw(3, 0.0f), 0.01f);
}

// The scratch file holds residues only: a value that is not what the distribution row says,
// negative or not finite fails its check, and the records of every empirical distribution,
// not only the last one's, must be in it.
TEST(Distributions, ScratchFileChecks) {
  EXPECT_TRUE(ScratchValueMatches(2.05f, 2.0f));  // tenths for values above 1
  EXPECT_FALSE(ScratchValueMatches(2.25f, 2.0f));
  EXPECT_TRUE(ScratchValueMatches(0.0501f, 0.05f));  // thousandths
  EXPECT_FALSE(ScratchValueMatches(0.0521f, 0.05f));
  EXPECT_FALSE(ScratchValueMatches(0.000105f, 0.000102f));  // millionths

  const std::string damaged =
      "Tarn-VELD Acute Module: Error in temp rdf file. Can't continue. Please notify Vantrel "
      "Software.";
  ScratchFolder dir;
  ScriptedPort port;
  RdlRow row = Empirical(1, 1, 3, 0, 0, 0);
  row.first_value = 0.5f;
  for (float bad : {-100.0f, std::nanf(""), std::numeric_limits<float>::infinity(), 3e38f}) {
    WriteScratch(dir / "rdfacute.tmp", {0.5f, bad, 0.7f});
    EXPECT_THROW(LoadDistributions({row}, 1, dir / "rdfacute.tmp", port), ProgramEnds) << bad;
    EXPECT_EQ(port.LastMessage(), damaged);
  }
  WriteScratch(dir / "rdfacute.tmp", {0.5f, 0.6f, 0.7f});
  RdlRow moved = row;
  moved.first_value = 0.9f;  // not what the file holds
  EXPECT_THROW(LoadDistributions({moved}, 1, dir / "rdfacute.tmp", port), ProgramEnds);
  EXPECT_EQ(port.LastMessage(), damaged);
  EXPECT_THROW(LoadDistributions({row}, 1, dir / "missing.tmp", port), RunEnds);
  EXPECT_EQ(port.LastMessage(),
            "Tarn-VELD Acute Module: Can't find file missing.tmp. Can't continue. Please notify "
            "Vantrel Software.");
  RdlRow illegal;
  illegal.index = 1;
  illegal.type = DistributionTypeOf(9);
  EXPECT_THROW(LoadDistributions({illegal}, 1, dir / "rdfacute.tmp", port), RunEnds);
  EXPECT_NE(port.LastMessage().find("Illegal residue distribution type"), std::string::npos);
  RdlRow beyond = Empirical(1, 1, 50, 0, 0, 0);  // records 1 to 50 of a file of 3
  beyond.first_value = 0.5f;
  RdlRow last = Empirical(2, 2, 2, 0, 0, 0);
  last.first_value = 0.6f;
  EXPECT_THROW(LoadDistributions({beyond, last}, 2, dir / "rdfacute.tmp", port), RunEnds);
  EXPECT_NE(port.LastMessage().find("holds fewer than the 50 residue values"), std::string::npos)
      << port.LastMessage();
}

// A heavy-tailed distribution without an upper bound can draw past any residue: the draw is
// the largest residue. A normal distribution still draws below 0 (the sampler takes 0).
TEST(Distributions, DrawsStayWithinTheResidueRange) {
  ScratchFolder dir;
  ScriptedPort port;
  RdlRow pareto;
  pareto.index = 1;
  pareto.type = DistributionType::Pareto;
  pareto.param = {0.01f, 1, 0};
  RdlRow flat = pareto;
  flat.index = 2;
  flat.param = {0.01f, 0, 0};  // a scale of 0: 0 / 0 far in the tail
  RdlRow normal;
  normal.index = 3;
  normal.type = DistributionType::Normal;
  normal.param = {0, 1, 0};
  DistributionTables t = LoadDistributions({pareto, flat, normal}, 3, dir / "none.tmp", port);
  EXPECT_EQ(t.Draw(1, 0.999f), 1e6f);
  EXPECT_EQ(t.Draw(2, 0.99999994f), 0.0f);
  EXPECT_LT(t.Draw(3, 0.1f), 0.0f);
  EXPECT_TRUE(port.events.empty());
}

// Four commodities with two food forms each; commodity 532 is not in this small list.
struct SmallLists {
  MasterLists master;
  ResidueTables res;
  SmallLists(int chemicals) {
    master = testing::SmallMasterLists({{1, 2}, {533, 2}, {549, 2}, {553, 2}});
    res.Allocate(559, 15, chemicals, true);
  }
  void Give(int c, float residue, std::vector<std::pair<int, float>> pairs) {
    res.ResDefRes[c] = residue;
    res.ResAdj1[c] = res.ResAdj2[c] = 1;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      res.ResRdlPtr[res.At(c, static_cast<int>(i) + 1)] = static_cast<std::int16_t>(pairs[i].first);
      res.ResRdlRatio[res.At(c, static_cast<int>(i) + 1)] = pairs[i].second;
    }
  }
};

TEST(MonteCarloTables, MeanResiduesOfSeveralChemicals) {
  SmallLists small(2);
  small.Give(1, 1, {{1, 0.25f}, {2, 0.25f}});
  small.Give(533, 1, {{1, 1}, {2, 1}});
  RunTables r = BuildRunTables(small.res, small.master, false, false);
  std::vector<float> means = {0, 4, 8};
  ASSERT_TRUE(AddMonteCarloTables(r, small.master, means, false));
  EXPECT_FLOAT_EQ(r.mc.FfMeanResidue[1], 6.0f);   // (4 x 0.25 + 8 x 0.25) / 0.5
  EXPECT_FLOAT_EQ(r.mc.FfMeanResidue[3], 12.0f);  // ratios adding up to 2: undivided
  EXPECT_FLOAT_EQ(r.mc.CumRatio(2, 1), 0.5f);
  EXPECT_FLOAT_EQ(r.factor[1], 0.001f);  // no residue in the factor of a sampled food form
}

TEST(MonteCarloTables, DrinkingWaterGroups) {
  SmallLists small(1);
  small.Give(533, 1, {{7, 1}});  // both food forms of 533 are water: RDL 7
  small.Give(549, 1, {{9, 1}});  // first food form of 549: RDL 9
  small.Give(553, 1, {{7, 1}});  // first food form of 553: RDL 7 again
  RunTables r = BuildRunTables(small.res, small.master, false, false);
  ASSERT_TRUE(AddMonteCarloTables(r, small.master, std::vector<float>(10, 1.0f), false));
  EXPECT_EQ(r.mc.WaterGroupCount, 2);
  EXPECT_EQ(r.mc.FfWaterGroup[3], 1);
  EXPECT_EQ(r.mc.FfWaterGroup[4], 1);
  EXPECT_EQ(r.mc.FfWaterGroup[5], 2);
  EXPECT_EQ(r.mc.FfWaterGroup[6], 0);  // second food form of 549 is not drinking water
  EXPECT_EQ(r.mc.FfWaterGroup[7], 1);
  RunTables dwloc = BuildRunTables(small.res, small.master, true, false);
  ASSERT_TRUE(AddMonteCarloTables(dwloc, small.master, std::vector<float>(10, 1.0f), true));
  EXPECT_EQ(dwloc.mc.WaterGroupCount, 0);
}

TEST(MonteCarloTables, MoreThanTwentyEightWaterDistributionsAreRefused) {
  const MasterLists m = testing::SmallMasterLists({{533, 29}});
  ResidueTables t;
  t.Allocate(559, 29, 1, true);
  t.ResDefRes[533] = 1;
  t.ResFormCount[533] = 29;
  for (int f = 1; f <= 29; ++f) {
    t.FfRes[f] = 1;
    t.FfAdj1[f] = 1;
    t.FfRdlPtr[t.At(f, 1)] = static_cast<std::int16_t>(f);
    t.FfRdlRatio[t.At(f, 1)] = 1;
  }
  RunTables r = BuildRunTables(t, m, false, false);
  EXPECT_FALSE(AddMonteCarloTables(r, m, std::vector<float>(30, 1.0f), false));
}

TEST(ResidueSampler, HeldResiduesWaterGroupsAndTheChemicalChoice) {
  SmallLists small(1);
  small.Give(1, 1, {{1, 1}});
  small.Give(533, 1, {{2, 1}});
  RunTables r = BuildRunTables(small.res, small.master, false, false);
  ASSERT_TRUE(AddMonteCarloTables(r, small.master, {0, 1, 1}, false));
  DistributionTables d;
  d.rdl.resize(3);
  d.rdl[1].type =
      DistributionType::Uniform;  // uniform 0..1: the residue is the uniform number itself
  d.rdl[1].param[1] = 1;
  d.rdl[2] = d.rdl[1];
  {
    UniformSource u(true, 99, 0), expected(true, 99, 0);
    ResidueSampler held(r, d, u, true);
    held.StartIteration();
    const float first = held.Residue(1);
    EXPECT_EQ(first, expected.Next());
    EXPECT_EQ(held.Residue(1), first);            // held for the day
    EXPECT_EQ(held.Residue(2), expected.Next());  // another food form draws afresh
    held.StartIteration();
    EXPECT_EQ(held.Residue(1), expected.Next());
  }
  {
    UniformSource u(true, 5, 0), expected(true, 5, 0);
    ResidueSampler water(r, d, u, false);
    water.StartIteration();
    const float shared = water.Residue(3);
    EXPECT_EQ(water.Residue(4), shared);  // same water group: one draw
    EXPECT_EQ(shared, expected.Next());
    EXPECT_NE(water.Residue(1), water.Residue(1));  // not held: two draws
  }
  SmallLists two(2);
  two.Give(1, 1, {{1, 0.25f}, {2, 0.25f}});  // ratios add up to 0.5
  RunTables half = BuildRunTables(two.res, two.master, false, false);
  ASSERT_TRUE(AddMonteCarloTables(half, two.master, {0, 1, 1}, false));
  UniformSource u(false, 1, 0);
  ResidueSampler choice(half, d, u, false);
  EXPECT_THROW(
      {
        for (int i = 0; i < 100; ++i) choice.Residue(1);  // a draw of 0.5 or more must come
      },
      ChemicalSelectionError);
}

// Distributions of every type: RDL 1 empirical (values, limits of detection and zeros),
// 2 lognormal, 3 Pareto, 4 normal (draws below 0 become 0), 5 triangular, 6 fixed.
DistributionTables EveryType() {
  DistributionTables d;
  d.rdl.resize(7);
  for (int i = 1; i <= 20; ++i) d.values.push_back(0.05f * i);
  RdlSampler& e = d.rdl[1];
  e.type = DistributionType::Empirical;
  e.first_record = 3;
  e.value_count = 10;
  e.count_with_lod = 14;
  e.total_count = 20;
  e.lod_res = 0.01f;
  d.rdl[2].type = DistributionType::Lognormal;
  d.rdl[2].param = {2, 3, 0};
  d.rdl[2].shape = LognormalParameters(2, 3);
  d.rdl[3].type = DistributionType::Pareto;
  d.rdl[3].param = {1.5f, 0.2f, 4};
  d.rdl[4].type = DistributionType::Normal;
  d.rdl[4].param = {0.1f, 0.3f, 0};
  d.rdl[5].type = DistributionType::Triangular;
  d.rdl[5].param = {0, 0.2f, 1};
  d.rdl[6].type = DistributionType::Point;
  d.rdl[6].param = {0.7f, 0, 0};
  return d;
}

TEST(DayPassDraws, BlocksOfIterationsDrawWhatTheSamplerDrawsOneByOne) {
  const DistributionTables d = EveryType();
  for (int chemicals : {1, 2})
    for (bool hold : {false, true})
      for (bool mt : {true, false}) {
        SmallLists small(chemicals);
        if (chemicals == 1) {
          small.Give(1, 1, {{1, 1}});
          small.Give(533, 1, {{2, 1}});  // one drinking-water group
          small.Give(549, 1, {{4, 1}});  // another
        } else {
          small.Give(1, 1, {{1, 0.5f}, {3, 0.5f}});
          small.Give(533, 1, {{2, 0.7f}, {5, 0.3f}});
          small.Give(549, 1, {{4, 0.4f}, {6, 0.6f}});
        }
        small.Give(553, 1, {});  // no distribution
        RunTables r = BuildRunTables(small.res, small.master, false, false);
        ASSERT_TRUE(AddMonteCarloTables(r, small.master, std::vector<float>(7, 1.0f), false));
        std::vector<RelevantEntry> entries;
        for (int f : {1, 3, 7, 1, 5, 4, 2, 6, 3, 1, 8, 5})
          entries.push_back({static_cast<std::int16_t>(f), 10, 0});
        const auto n = static_cast<std::uint32_t>(entries.size());
        UniformSource one_by_one(mt, 3, 0), in_blocks(mt, 3, 0);
        ResidueSampler sampler(r, d, one_by_one, hold);
        DayPassDraws draws(r, d, hold);
        std::vector<std::int16_t> plan;
        ASSERT_EQ(draws.Plan(entries.data(), n), AppendDrawPlan(entries.data(), n, r, hold, plan));
        const std::string what =
            std::to_string(chemicals) + (hold ? " held" : "") + (mt ? " MT" : " VB");
        for (int iterations : {1, 7, 30}) {
          draws.Draw(in_blocks, iterations, true);
          for (int k = 0; k < iterations; ++k) {
            sampler.StartIteration();
            for (std::uint32_t i = 0; i < n; ++i) {
              if (draws.Kind(i) == EntryResidue::Fixed) continue;
              const float expected = sampler.Residue(entries[i].food_form);
              EXPECT_EQ(std::bit_cast<std::uint32_t>(draws.Residue(k, i)),
                        std::bit_cast<std::uint32_t>(expected))
                  << what << ", iteration " << k << ", entry " << i;
              EXPECT_EQ(draws.Record(k, i), sampler.LastRecord()) << what;
            }
          }
          EXPECT_EQ(in_blocks.Next(), one_by_one.Next()) << what;  // the same draws taken
        }
        EXPECT_EQ(draws.Kind(2), EntryResidue::Fixed);
        EXPECT_EQ(draws.Kind(3), hold ? EntryResidue::Held : EntryResidue::Drawn);
        EXPECT_EQ(draws.Kind(5), EntryResidue::Shared);  // the second water form of 533
      }
}

}  // namespace
}  // namespace acute
