// The data-folder files of both kinds: support list, master lists, set-up file, report
// specifications and food-form descriptions.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/list_reader.h"
#include "sample_fixture.h"
#include "support/test_support.h"

namespace acute::sample::testing {
namespace {

class SupportFiles : public ::testing::TestWithParam<int> {};

// The program opens the folder without a message; the lists agree with their counts.
TEST_P(SupportFiles, SupportListAndMasterListsAgree) {
  const int kind = GetParam();
  const SampleManifest& m = SmallSample(kind);
  const OpenedSample sample = OpenSample(m);
  const SupportData& s = sample.session.support;
  const MasterLists& lists = sample.master;
  EXPECT_EQ(s.DatabaseKind, kind);
  EXPECT_EQ(s.SupportFile[7].empty(), kind != 0);  // the household file
  EXPECT_EQ(s.RacCount, lists.RacCount());
  EXPECT_EQ(s.FoodFormCount, lists.FoodFormCount());
  EXPECT_EQ(std::filesystem::file_size(m.folder / s.SupportFile[2]),
            static_cast<std::uintmax_t>(lists.RacCount()) * (kind == 0 ? 60u : 62u));
  ASSERT_EQ(s.StandardPopulationCount(), kind == 0 ? 33 : 24);
  EXPECT_EQ(s.PopulationNames[1], "U.S. Population");
  EXPECT_EQ(s.PopulationNames[kind == 0 ? 14 : 16], "All Infants (< 1 yr)");

  // Food forms numbered contiguously in commodity order, water in its places.
  EXPECT_EQ(lists.RacCode[532], "86010000");
  EXPECT_EQ(lists.RacCode[533], "86020000");
  for (int c = 549; c <= 556; ++c) EXPECT_EQ(lists.RacCode[c].substr(0, 3), "860") << c;
  int expected_first = 1;
  int empty = 0;
  for (int c = 1; c <= lists.RacCount(); ++c) {
    if (lists.RacCode[c].empty()) {
      ++empty;
      EXPECT_EQ(lists.RacFfCount[c], 0) << c;
      continue;
    }
    EXPECT_GE(lists.RacFfCount[c], 1) << c;
    EXPECT_EQ(lists.RacFirstFf[c], expected_first) << c;
    expected_first += lists.RacFfCount[c];
  }
  EXPECT_GT(empty, 0);
  EXPECT_EQ(expected_first - 1, lists.FoodFormCount());
  for (int f = 1; f <= lists.FoodFormCount(); ++f) {
    EXPECT_GE(lists.FfCode[f], 0);
    EXPECT_LE(lists.FfCode[f], 999);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SupportFiles, ::testing::Values(0, 2));

TEST(SupportFiles, SetupAndReportSpecificationLines) {
  const SampleManifest& m = SmallSample(2);
  ListReader setup(ReadWholeFile(m.folder / "setupTARNNH.txt"));
  std::vector<std::string> lines;
  while (!setup.AtEnd()) lines.push_back(setup.ReadLine());
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "residues/");  // relative to the data folder: a copy uses its own
  EXPECT_EQ(lines[4], "survey/");
  EXPECT_EQ(std::stoi(lines[1]), 60);
  EXPECT_EQ(lines[6], "Y");
  EXPECT_EQ(acute::testing::ReadText(m.folder / "AcutSpec.txt"),
            " 1             1             1 \r\n 0 \r\n 1             3             6 \r\n");
}

TEST(SupportFiles, FoodFormDescriptionTablesHaveTenEntriesEach) {
  ListReader in(ReadWholeFile(SmallSample(2).folder / "FFDESC.TXT"));
  for (int table = 0; table < 3; ++table) {
    EXPECT_FALSE(in.ReadString().empty());
    const int count = in.ReadInt16();
    EXPECT_GE(count, 10);
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(in.ReadInt16(), i);
      EXPECT_FALSE(in.ReadString().empty());
    }
  }
  EXPECT_TRUE(in.AtEnd());
}

}  // namespace
}  // namespace acute::sample::testing
