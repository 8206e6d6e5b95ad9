// The session both front ends hold: a residue or batch file a user names is found as given or
// in the residue folder, whatever the letter case of the name; a work folder is made.
#include "run/session.h"

#include <gtest/gtest.h>

#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

TEST(Session, FindsANamedFileAsGivenOrInTheResidueFolderWhateverItsCase) {
  testing::ScratchFolder dir;
  const auto m = sample::WriteSampleData(dir / "data", {2, 20, 1});
  ScriptedPort port;
  Session session = Session::Open(m.folder, port);
  const std::filesystem::path residue = m.residue_folder / "SAMPLE.R10";
  EXPECT_EQ(session.Locate("SAMPLE.R10"), residue);
  EXPECT_EQ(session.Locate("sample.r10"), residue);
  EXPECT_EQ(session.Locate(residue.string()), residue);
  EXPECT_EQ(session.Locate("NONE.R10"), std::nullopt);
  EXPECT_EQ(session.Locate(""), std::nullopt);
  ASSERT_TRUE(session.ReadResidueFile(*session.Locate("sample.r10"), port)) << port.LastMessage();
  ASSERT_TRUE(session.ReadBatchFile(*session.Locate(m.batch_file), port)) << port.LastMessage();

  EXPECT_EQ(session.WorkFolder(), m.folder);
  ASSERT_TRUE(session.UseWorkFolder(dir.path() / "work" / "deep", port));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "work" / "deep"));
  EXPECT_EQ(session.WorkFolder(), dir.path() / "work" / "deep");
  testing::WriteText(dir / "file", "x");
  EXPECT_FALSE(session.UseWorkFolder(dir / "file", port));
  EXPECT_NE(port.LastMessage().find("Can't use the work folder"), std::string::npos);
}

}  // namespace
}  // namespace acute
