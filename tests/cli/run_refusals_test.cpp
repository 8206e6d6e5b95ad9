// The command line refuses what it cannot run, with the program's message and a non-zero
// exit status, and never claims a report it did not write.
#include "cli/cli_fixture.h"
#include "common/work_files.h"

namespace acute::testing {
namespace {

using RunRefusals = CliTest;

TEST_F(RunRefusals, RunWithoutReportSpecificationsIsRefusedAsAnalyzeIs) {
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10").status, 0);
  std::filesystem::remove(Data() / "AcutSpec.txt");
  const std::string text =
      "Run Tarn Acute Analysis: You cannot start the Acute Analysis until you have used the "
      "'Set Report Specs' menu item";
  for (const char* command : {"run", "analyze --residue SAMPLE.R10"}) {
    const CliResult r = Acute(command);
    EXPECT_TRUE(Refused(r)) << command;
    EXPECT_NE(r.err.find(text), std::string::npos) << command << ": " << r.err;
  }
}

TEST_F(RunRefusals, ASecondRunInOneFolderIsRefusedAtOnceAndACrashLeavesNoLock) {
  {
    auto running = FolderLock::TryAcquire(Data());
    ASSERT_TRUE(running.lock);
    for (const char* command : {"run", "analyze --residue SAMPLE.R10"}) {
      const CliResult r = Acute(command);
      EXPECT_TRUE(Refused(r)) << command;
      EXPECT_NE(r.err.find("Another analysis is running with the work files in"), std::string::npos)
          << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(Data() / "acute.tmp"));
  }
  EXPECT_EQ(Acute("analyze --residue SAMPLE.R10").status, 0);
}

TEST_F(RunRefusals, DwlocReportKeepsTheShareOfUserDays) {
  const CliResult r = Acute("analyze --residue SAMPLE.R10 --dwloc --pop 1 --pop 2");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string report = ReadText(Data() / "dwloc.tmp");
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = report.find("Percent of Person-Days that are User-Days = 100.00%",
                                             at)) != std::string::npos;
       ++at)
    ++lines;
  EXPECT_EQ(lines, 2u);
}

}  // namespace
}  // namespace acute::testing
