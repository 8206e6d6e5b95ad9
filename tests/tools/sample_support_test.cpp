// The data-folder files of both kinds: support list, master lists, set-up file, report
// specifications and food-form descriptions.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_names.h"
#include "common/list_reader.h"
#include "sample_reader.h"
#include "support/test_support.h"

namespace acute::sample::testing {
namespace {

class SupportFiles : public ::testing::TestWithParam<int> {};

TEST_P(SupportFiles, SupportListNamesEveryFile) {
  const int kind = GetParam();
  const SampleManifest& m = SmallSample(kind);
  const SupportList s = ReadSupportList(m.folder);
  EXPECT_EQ(s.kind, kind);
  EXPECT_FALSE(s.version.empty());
  ASSERT_EQ(s.support.size(), kind == 0 ? 7u : 6u);
  for (const std::string& name : s.support) EXPECT_TRUE(std::filesystem::exists(m.folder / name));
  ASSERT_EQ(s.list_a.size(), 4u);
  ASSERT_EQ(s.list_b.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(std::filesystem::exists(m.folder / "survey" / s.list_a[i]));
    EXPECT_TRUE(std::filesystem::exists(m.folder / "survey" / s.list_b[i]));
  }
  const MasterLists lists = ReadMasterLists(m.folder, kind);
  EXPECT_EQ(s.rac_count, static_cast<int>(lists.racs.size()));
  EXPECT_EQ(s.food_forms, static_cast<int>(lists.codes.size()));
  EXPECT_EQ(std::filesystem::file_size(m.folder / s.support[1]),
            lists.racs.size() * (kind == 0 ? 60u : 62u));
  ASSERT_EQ(s.populations.size(), kind == 0 ? 33u : 24u);
  EXPECT_EQ(s.populations[0], "U.S. Population");
  EXPECT_EQ(s.populations[kind == 0 ? 13 : 15], "All Infants (< 1 yr)");
}

TEST_P(SupportFiles, MasterListsAreContiguousWithWaterInPlace) {
  const MasterLists lists = ReadMasterLists(SmallSample(GetParam()).folder, GetParam());
  ASSERT_GE(lists.racs.size(), 556u);
  EXPECT_EQ(TrimBlanks(lists.racs[531].code), "86010000");
  EXPECT_EQ(TrimBlanks(lists.racs[532].code), "86020000");
  for (int c = 549; c <= 556; ++c) {
    EXPECT_EQ(lists.racs[c - 1].present, 1) << c;
    EXPECT_EQ(TrimBlanks(lists.racs[c - 1].code).substr(0, 3), "860") << c;
  }
  int expected_first = 1;
  int empty = 0;
  for (const Rac& r : lists.racs) {
    if (r.present == 0) {
      ++empty;
      EXPECT_EQ(r.form_count, 0);
      continue;
    }
    EXPECT_GE(r.form_count, 1) << r.name;
    EXPECT_EQ(r.first_form, expected_first) << r.name;
    expected_first += r.form_count;
  }
  EXPECT_GT(empty, 0);
  EXPECT_EQ(expected_first - 1, static_cast<int>(lists.codes.size()));
  for (std::int16_t code : lists.codes) {
    EXPECT_GE(code, 0);
    EXPECT_LE(code, 999);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SupportFiles, ::testing::Values(0, 2));

TEST(SupportFiles, SetupAndReportSpecificationLines) {
  const SampleManifest& m = SmallSample(2);
  ListReader setup(ReadWholeFile(m.folder / "setupTARNNH.txt"));
  std::vector<std::string> lines;
  while (!setup.AtEnd()) lines.push_back(setup.ReadLine());
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], m.residue_folder.generic_string() + "/");
  EXPECT_EQ(lines[4], (m.folder / "survey").generic_string() + "/");
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
