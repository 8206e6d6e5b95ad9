// The generator's promises to its callers: the same seed gives the same bytes, another
// seed another survey, and failures are reported as exceptions with a message.
#include <gtest/gtest.h>

#include <stdexcept>

#include "sample_data/sample_data.h"
#include "sample_fixture.h"
#include "support/test_support.h"

namespace acute::sample {
namespace {

SampleOptions Small(int kind, std::uint32_t seed) {
  SampleOptions o;
  o.kind = kind;
  o.persons = 60;
  o.seed = seed;
  return o;
}

TEST(SampleData, SameSeedWritesIdenticalFolder) {
  acute::testing::ScratchFolder scratch;
  const std::filesystem::path folder = scratch / "data";
  for (int kind : {0, 2}) {
    WriteSampleData(folder, Small(kind, 11));
    const auto first = testing::Snapshot(folder);
    std::filesystem::remove_all(folder);
    const SampleManifest again = WriteSampleData(folder, Small(kind, 11));
    EXPECT_EQ(testing::Snapshot(folder), first) << "kind " << kind;
    EXPECT_EQ(again.person_records, 60);
    EXPECT_TRUE(again.folder.is_absolute());
    std::filesystem::remove_all(folder);
  }
}

TEST(SampleData, OtherSeedChangesTheSurveyButNotTheMasterLists) {
  acute::testing::ScratchFolder scratch;
  const auto one = testing::Snapshot(WriteSampleData(scratch / "a", Small(2, 1)).folder);
  const auto two = testing::Snapshot(WriteSampleData(scratch / "b", Small(2, 2)).folder);
  EXPECT_NE(one.at("survey/DT0304.DAT"), two.at("survey/DT0304.DAT"));
  EXPECT_NE(one.at("survey/EO0910.DAT"), two.at("survey/EO0910.DAT"));
  EXPECT_EQ(one.at("RACLIST.DAT"), two.at("RACLIST.DAT"));
  EXPECT_EQ(one.at("FFLIST.DAT"), two.at("FFLIST.DAT"));
  EXPECT_EQ(one.size(), two.size());
}

TEST(SampleData, RefusesWhatItCannotWrite) {
  acute::testing::ScratchFolder scratch;
  EXPECT_THROW(WriteSampleData(scratch / "k1", Small(1, 1)), std::runtime_error);
  SampleOptions negative = Small(2, 1);
  negative.persons = -5;
  EXPECT_THROW(WriteSampleData(scratch / "neg", negative), std::runtime_error);
  acute::testing::WriteText(scratch / "plain-file", "x");
  try {
    WriteSampleData(scratch / "plain-file" / "data", Small(2, 1));
    FAIL() << "a folder below a file was accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("plain-file"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace acute::sample
