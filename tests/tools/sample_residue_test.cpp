// The residue folder of both kinds: residue files read value by value against the master
// lists, distribution lines and files, and the batch file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "common/file_names.h"
#include "common/list_reader.h"
#include "sample_reader.h"
#include "support/test_support.h"

namespace acute::sample::testing {
namespace {

bool IsDirectTapOrBottled(int c) {
  return c >= 549 && c <= 552;
}
bool IsWater(int c) {
  return c == 532 || c == 533 || (c >= 549 && c <= 556);
}

// Commodity lines point into the master lists; food-form codes are among the commodity's.
void CheckAgainstMasterLists(const ResidueRead& r, const MasterLists& lists) {
  std::set<int> seen;
  int commodity_wide = 0;
  int water = 0;
  for (const ResidueLine& line : r.lines) {
    ASSERT_GE(line.commodity, 1);
    ASSERT_LE(line.commodity, static_cast<int>(lists.racs.size()));
    const Rac& rac = lists.racs[static_cast<std::size_t>(line.commodity - 1)];
    ASSERT_EQ(rac.present, 1) << line.commodity;
    EXPECT_EQ(TrimBlanks(rac.code), line.code);
    EXPECT_TRUE(seen.insert(line.commodity).second) << "one line per commodity";
    commodity_wide += line.form_codes.empty() ? 1 : 0;
    water += IsWater(line.commodity) ? 1 : 0;
    for (int code : line.form_codes) {
      auto first = lists.codes.begin() + rac.first_form - 1;
      EXPECT_NE(std::find(first, first + rac.form_count, code), first + rac.form_count)
          << "food form " << code << " of commodity " << line.commodity;
    }
  }
  EXPECT_GT(commodity_wide, 0);
  EXPECT_GT(water, 0);
  EXPECT_FALSE(seen.count(532) && std::any_of(seen.begin(), seen.end(), IsDirectTapOrBottled));
}

std::vector<std::vector<Pointer>> AllPointerSets(const ResidueRead& r) {
  std::vector<std::vector<Pointer>> sets;
  for (const ResidueLine& line : r.lines) {
    if (line.form_codes.empty()) sets.push_back(line.pointers);
    for (const auto& p : line.form_pointers) sets.push_back(p);
  }
  return sets;
}

class ResidueFiles : public ::testing::TestWithParam<int> {};

TEST_P(ResidueFiles, LinesBelongToTheMasterLists) {
  const SampleManifest& m = SmallSample(GetParam());
  const SupportList support = ReadSupportList(m.folder);
  const MasterLists lists = ReadMasterLists(m.folder, GetParam());
  const std::string ext = GetParam() == 0 ? ".R98" : ".R10";
  for (const std::string& name : {m.plain_residue, m.mc_residue, m.two_chemical_residue}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(name.substr(name.size() - 4), ext);
    const ResidueRead r = ReadResidue(m.residue_folder / name);
    EXPECT_GT(r.arfd, 0.0f);
    EXPECT_GT(r.noel, 0.0f);
    EXPECT_FALSE(r.comment.empty());
    CheckAgainstMasterLists(r, lists);
  }
  const std::string plain_tag = ReadResidue(m.residue_folder / m.plain_residue).tag;
  const std::string mc_tag = ReadResidue(m.residue_folder / m.mc_residue).tag;
  EXPECT_EQ(plain_tag, GetParam() == 0 ? "VELD1" : support.version + "NH2");
  EXPECT_EQ(mc_tag, GetParam() == 0 ? "VELDMC1" : support.version + "MCNH2");
}

TEST_P(ResidueFiles, MonteCarloFileUsesEveryDistributionType) {
  const SampleManifest& m = SmallSample(GetParam());
  const ResidueRead r = ReadResidue(m.residue_folder / m.mc_residue);
  std::set<int> types;
  for (const auto& [index, type] : r.rdl_types) types.insert(type);
  EXPECT_EQ(types, (std::set<int>{-1, 1, 2, 3, 4, 5, 6}));
  for (const auto& [index, file] : r.rdf_files)
    EXPECT_TRUE(std::filesystem::exists(m.residue_folder / file)) << file;
  std::set<int> used;
  for (const auto& set : AllPointerSets(r))
    for (const Pointer& p : set)
      if (p.rdl != 0) used.insert(p.rdl);
  for (int rdl : used) EXPECT_TRUE(r.rdl_types.count(rdl)) << "RDL " << rdl;
  EXPECT_EQ(used.size(), r.rdl_types.size()) << "every distribution is used";
}

TEST_P(ResidueFiles, TwoChemicalLinesAllPointWithRatiosAddingToOne) {
  const SampleManifest& m = SmallSample(GetParam());
  const ResidueRead r = ReadResidue(m.residue_folder / m.two_chemical_residue);
  EXPECT_EQ(r.chemicals, 2);
  for (const auto& set : AllPointerSets(r)) {
    ASSERT_EQ(set.size(), 2u);
    EXPECT_NE(set[0].rdl, 0);
    EXPECT_NE(set[1].rdl, 0);
    EXPECT_EQ(set[0].ratio + set[1].ratio, 1.0f);
  }
}

TEST_P(ResidueFiles, BatchFileNamesTheResidueFiles) {
  const SampleManifest& m = SmallSample(GetParam());
  ListReader in(ReadWholeFile(m.residue_folder / m.batch_file));
  int comment_lines = 0;
  while (ToUpper(in.ReadLine()).find("START") == std::string::npos) ++comment_lines;
  EXPECT_GT(comment_lines, 0);
  ASSERT_EQ(in.ReadInt16(), 3);
  for (const std::string& residue : {m.plain_residue, m.mc_residue, m.two_chemical_residue}) {
    EXPECT_EQ(in.ReadString(), residue);
    const std::string report = in.ReadString();
    EXPECT_FALSE(report.empty());
    EXPECT_EQ(report.find('.'), std::string::npos);
  }
  EXPECT_TRUE(in.AtEnd());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ResidueFiles, ::testing::Values(0, 2));

// Data lines of a distribution file: after the header (comments and keywords, at least the
// first four lines); their count matches TOTALNZ or TOTALFREQ; cumulative rows add up.
TEST(DistributionFiles, HeadersCountsAndCumulativeRows) {
  const SampleManifest& m = SmallSample(2);
  for (const char* name :
       {"APPLES.RDF", "GRAPES.RDF", "WATER.RDF", "CUMFRUIT.RDF", "CUMCROPS.RDF", "CUMWATER.RDF"}) {
    SCOPED_TRACE(name);
    ListReader in(ReadWholeFile(m.residue_folder / name));
    int line = 0;
    int declared = -1;
    int rows = 0;
    while (!in.AtEnd()) {
      const std::string text = TrimBlanks(in.ReadLine());
      ++line;
      const bool header =
          text[0] == '\'' || text.rfind("DOC", 0) == 0 || text.find('=') != std::string::npos;
      if (text.rfind("TOTALNZ=", 0) == 0 || text.rfind("TOTALFREQ=", 0) == 0)
        declared = std::stoi(text.substr(text.find('=') + 1));
      if (line <= 4) {
        EXPECT_TRUE(header) << text;
      }
      if (header) continue;
      ++rows;
      ListReader row(text.substr(0, text.find('\'')));
      std::vector<double> values;
      while (!row.AtEnd()) values.push_back(row.ReadDouble());
      if (values.size() == 3) {
        EXPECT_TRUE(acute::testing::Near(values[0], values[1] + values[2], 1e-4)) << text;
      }
    }
    EXPECT_EQ(rows, declared);
  }
}

}  // namespace
}  // namespace acute::sample::testing
