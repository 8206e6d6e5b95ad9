// The program's messages on the command line: a text that points at a window's button says
// what to type instead, an unanswered question says which option answers it, a saved file
// is named once, and a run's summary tables follow it.
#include "cli/cli_fixture.h"

namespace acute::testing {
namespace {

using ConsoleMessages = CliTest;

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; ++at) ++n;
  return n;
}

TEST_F(ConsoleMessages, ButtonsBecomeCommandsAndSavedFilesAreNamedOnce) {
  const CliResult r = Acute("analyze --residue SAMPLE.R10 --report named");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Click on 'Last Acute Rpt' to display analysis.\r\n"), std::string::npos);
  EXPECT_NE(r.err.find("  (on the command line: acute show last-report)\n"), std::string::npos)
      << r.err;
  EXPECT_EQ(Count(r.out + r.err, "named.AC10"), 1u) << r.out << r.err;
}

// After a run: where the report is, then its summary tables once each, without the report's
// page frames.
TEST_F(ConsoleMessages, TheSummaryTablesFollowTheLastReport) {
  const CliResult r = Acute("analyze --residue SAMPLE.R10 --pop 1 --pop 3");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Last report: ", 0), 0u) << r.out;
  EXPECT_EQ(Count(r.out, "Summary calculations--per capita:\n"), 1u) << r.out;
  EXPECT_EQ(Count(r.out, "Summary calculations--users:\n"), 1u) << r.out;
  EXPECT_EQ(Count(r.out, ":U.S. Population\n"), 2u) << r.out;
  EXPECT_EQ(Count(r.out, ":Non-Hispanic White\n"), 2u) << r.out;
  EXPECT_EQ(r.out.find_first_of("\r\f"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Ver. "), std::string::npos) << r.out;
}

TEST_F(ConsoleMessages, AnUnansweredQuestionSaysWhichOptionAnswersIt) {
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10 --report twice").status, 0);
  // No --yes or --no, and no terminal: the question is answered No, and the option named.
  const std::string command = "cd '" + dir_.path().string() + "' && '" ACUTE_CLI "' --data '" +
                              Data().string() +
                              "' analyze --residue SAMPLE.R10 --report twice 2>err.txt </dev/null";
  EXPECT_NE(std::system(command.c_str()), 0);
  const std::string err = ReadText(dir_ / "err.txt");
  EXPECT_NE(err.find("already exists. Do you want to write over the old file?\n"
                     "  (no terminal to answer on: taken as No; --yes answers Yes)\n"),
            std::string::npos)
      << err;
}

TEST_F(ConsoleMessages, NamesAndVersionsAreFoundWithoutAManual) {
  CliResult r = Acute("populations");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("   1  U.S. Population\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("PAD populations (give --pad with --pad-value N=X): 6 to 24\n"),
            std::string::npos)
      << r.out;
  // --version needs no data folder; with one it names the folder's list version too.
  const std::string bare =
      "cd '" + dir_.path().string() + "' && '" ACUTE_CLI "' --version >out.txt 2>&1";
  ASSERT_EQ(std::system(bare.c_str()), 0);
  EXPECT_EQ(ReadText(dir_ / "out.txt").rfind("acute ", 0), 0u);
  r = Acute("--version");
  EXPECT_NE(r.out.find("commodity/food-form list version 21-07-a"), std::string::npos) << r.out;
  // Global options after the subcommand.
  const std::string after = "cd '" + dir_.path().string() +
                            "' && '" ACUTE_CLI "' populations --data '" + Data().string() +
                            "' --yes >out.txt 2>&1";
  EXPECT_EQ(std::system(after.c_str()), 0) << ReadText(dir_ / "out.txt");
}

TEST_F(ConsoleMessages, SpecsWithoutOptionsOnlyShows) {
  std::filesystem::remove(Data() / "AcutSpec.txt");
  CliResult r = Acute("specs");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("You cannot start the Acute Analysis until you have used the 'Set Report "
                       "Specs' menu item"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("Summary percentiles:            95, 99, 99.9"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Data() / "AcutSpec.txt"));
  r = Acute("specs --users 0");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(Data() / "AcutSpec.txt"));
  const auto stamp = std::filesystem::last_write_time(Data() / "AcutSpec.txt");
  EXPECT_NE(Acute("specs").out.find("Report user distribution:       no"), std::string::npos);
  EXPECT_EQ(std::filesystem::last_write_time(Data() / "AcutSpec.txt"), stamp);
}

}  // namespace
}  // namespace acute::testing
