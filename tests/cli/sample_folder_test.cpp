// The sample data folder as a user copies and moves it.
#include "cli/cli_fixture.h"

namespace acute::testing {
namespace {

using SampleFolder = CliTest;

TEST_F(SampleFolder, ACopiedFolderReadsAndWritesItsOwnFiles) {
  const std::filesystem::path copy = dir_ / "copy";
  std::filesystem::copy(Data(), copy, std::filesystem::copy_options::recursive);
  std::filesystem::remove_all(Residues());  // the original's residue folder is gone
  const CliResult r = AcuteIn(copy, "analyze --residue SAMPLE.R10 --report copied");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(copy / "residues/copied.AC10"));
  EXPECT_FALSE(std::filesystem::exists(Residues()));
  // The reports print full paths: the copy's.
  EXPECT_NE(r.err.find("Report saved as file " + (copy / "residues/copied.AC10").string()),
            std::string::npos)
      << r.err;
}

TEST_F(SampleFolder, TheResidueFilesCommentIsTheRunCommentUnlessOneIsGiven) {
  const std::string comment = "Run Comment: \"Sample residue file: tolerance-level residues";
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10").status, 0);
  EXPECT_NE(ReadText(Data() / "acute.tmp").find(comment), std::string::npos);
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10 --comment ''").status, 0);
  EXPECT_EQ(ReadText(Data() / "acute.tmp").find(comment), std::string::npos);
  ASSERT_EQ(Acute("report residue SAMPLE.R10").status, 0);
  EXPECT_NE(ReadText(Data() / "acuteres.tmp").find("Sample residue file: tolerance-level"),
            std::string::npos);
}

}  // namespace
}  // namespace acute::testing
