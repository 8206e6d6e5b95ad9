// The residue folder of both kinds: residue files read by the program against the master
// lists, and their distribution lines (the batch file and the two-chemical file are read by
// the batch and cumulative CEC runs). The distribution files themselves are
// read by the distribution set-up of the RDF summary tests, against golden files.
#include <gtest/gtest.h>

#include <set>

#include "common/file_names.h"
#include "inputs/residue_reader.h"
#include "sample_fixture.h"
#include "support/scripted_port.h"

namespace acute::sample::testing {
namespace {

bool IsWater(int c) {
  return c == 532 || c == 533 || (c >= 549 && c <= 556);
}

ResidueData Read(const SampleManifest& m, const OpenedSample& sample, const std::string& name) {
  ScriptedPort port;
  auto data = ReadResidueFile(m.residue_folder / name, sample.session.support, port);
  EXPECT_TRUE(port.Messages().empty()) << name << ": " << port.LastMessage();
  return data ? *data : ResidueData{};
}

// The pointers of every line that carries them: commodity lines without food-form lines,
// and food-form lines.
std::vector<ResiduePairs> PointerSets(const ResidueData& d) {
  std::vector<ResiduePairs> sets;
  for (int k = 1; k <= d.ResLineCount(); ++k)
    if (d.Commodities[k].ResFormCount == 0) sets.push_back(d.Commodities[k].rdl);
  for (int k = 1; k <= d.FoodFormLineCount(); ++k) sets.push_back(d.FoodForms[k].rdl);
  return sets;
}

class ResidueFiles : public ::testing::TestWithParam<int> {};

TEST_P(ResidueFiles, LinesBelongToTheMasterLists) {
  const SampleManifest& m = SmallSample(GetParam());
  const OpenedSample sample = OpenSample(m);
  const MasterLists& lists = sample.master;
  for (const std::string& name : {m.plain_residue, m.mc_residue, m.two_chemical_residue}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(name.substr(name.size() - 4), "." + sample.session.support.ResidueExtension());
    const ResidueData d = Read(m, sample, name);
    EXPECT_GT(d.ResARfD, 0.0f);
    EXPECT_GT(d.ResNoel, 0.0f);
    EXPECT_FALSE(d.ResComment.empty());
    std::set<int> seen;
    int commodity_wide = 0, water = 0, form_line = 0;
    for (int k = 1; k <= d.ResLineCount(); ++k) {
      const CommodityLine& line = d.Commodities[k];
      const int c = line.ResRacIndex;
      EXPECT_EQ(TrimBlanks(lists.RacCode[c]), line.ResCommodityCode) << c;
      EXPECT_TRUE(seen.insert(c).second) << "one line per commodity";
      commodity_wide += line.ResFormCount == 0 ? 1 : 0;
      water += IsWater(c) ? 1 : 0;
      for (int n = 0; n < static_cast<int>(line.ResFormCount); ++n)
        EXPECT_NE(lists.FindFoodForm(c, d.FoodForms[++form_line].FfCode), 0) << c;
    }
    EXPECT_EQ(form_line, d.FoodFormLineCount());
    EXPECT_GT(commodity_wide, 0);
    EXPECT_GT(water, 0);
    for (int tap_or_bottled = 549; tap_or_bottled <= 552; ++tap_or_bottled)
      EXPECT_FALSE(seen.count(532) && seen.count(tap_or_bottled));
  }
  const std::string version = sample.session.support.RacFfVersion;
  EXPECT_EQ(Read(m, sample, m.plain_residue).Tag, GetParam() == 0 ? "VELD1" : version + "NH2");
  EXPECT_EQ(Read(m, sample, m.mc_residue).Tag, GetParam() == 0 ? "VELDMC1" : version + "MCNH2");
}

TEST_P(ResidueFiles, MonteCarloFileUsesEveryDistributionType) {
  const SampleManifest& m = SmallSample(GetParam());
  const ResidueData d = Read(m, OpenSample(m), m.mc_residue);
  std::set<int> types, defined, used;
  for (int i = 1; i <= d.MaxRdlIndex; ++i) {
    const RdlLine& rdl = d.Rdl[static_cast<std::size_t>(i)];
    if (rdl.index != i) continue;
    defined.insert(i);
    types.insert(TypeNumber(rdl.type));
    if (rdl.type == DistributionType::Empirical) {
      EXPECT_TRUE(std::filesystem::exists(m.residue_folder / rdl.rdf_file)) << rdl.rdf_file;
    }
  }
  EXPECT_EQ(types, (std::set<int>{-1, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(static_cast<int>(defined.size()), d.RdlCount);
  for (const ResiduePairs& set : PointerSets(d))
    for (int chemical = 1; chemical <= d.ChemicalCount; ++chemical)
      if (set.ptr[static_cast<std::size_t>(chemical)] != 0)
        used.insert(set.ptr[static_cast<std::size_t>(chemical)]);
  EXPECT_EQ(used, defined) << "every distribution is defined and used";
}

INSTANTIATE_TEST_SUITE_P(Kinds, ResidueFiles, ::testing::Values(0, 2));

}  // namespace
}  // namespace acute::sample::testing
