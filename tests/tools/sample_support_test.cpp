// The data-folder files of both kinds: the support list and the master lists agree.
#include <gtest/gtest.h>

#include <filesystem>

#include "sample_fixture.h"

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

}  // namespace
}  // namespace acute::sample::testing
