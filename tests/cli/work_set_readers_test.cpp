// What the commands that read work files make of the folder's set: a file changed since its
// run is refused, a folder of an older version is read with a notice, a refused run keeps the
// previous scratch file, and the distribution summary waits for a running analysis.
#include "cli/cli_fixture.h"
#include "common/work_files.h"
#include "common/work_set.h"

namespace acute::testing {
namespace {

using WorkSetReaders = CliTest;

TEST_F(WorkSetReaders, ShowRefusesAChangedFileAndReadsAnOlderFolderWithANotice) {
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10").status, 0);
  const std::string report = ReadText(Data() / "acute.tmp");
  EXPECT_EQ(Acute("show last-report").status, 0);
  WriteText(Data() / "acute.tmp", report + "edited\r\n");
  CliResult r = Acute("show last-report");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Show last Acute Analysis: The work file acute.tmp in " + Data().string() +
                       " is not the file its run wrote"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.out, "");
  // Without the folder's list the file is shown as it stands, after a notice.
  std::filesystem::remove(Data() / kManifestFileName);
  r = Acute("show last-report");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("Work files: The work files in " + Data().string() +
                       " carry no list of the run that wrote them"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("edited"), std::string::npos);
}

TEST_F(WorkSetReaders, ARefusedMonteCarloRunKeepsThePreviousScratchFile) {
  ASSERT_EQ(Acute("analyze --residue SAMPLEMC.R10 --mc 5 --seed 1").status, 0);
  const std::string scratch = ReadText(Data() / "rdfacute.tmp");
  ASSERT_FALSE(scratch.empty());
  WriteResidueVariant("APPLES.RDF", "APPLES.RDF", 4, "TOTALNZ=banana");
  EXPECT_TRUE(Refused(Acute("analyze --residue SAMPLEMC.R10 --mc 5 --seed 2")));
  EXPECT_EQ(ReadText(Data() / "rdfacute.tmp"), scratch);
  const CliResult again = Acute("run");  // the last pass file, with the scratch file it needs
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_TRUE(Refused(Acute("report rdf SAMPLEMC.R10")));
  EXPECT_EQ(ReadText(Data() / "rdfacute.tmp"), scratch);
}

TEST_F(WorkSetReaders, TheDistributionSummaryWaitsForARunningAnalysis) {
  auto running = FolderLock::TryAcquire(Data());
  ASSERT_TRUE(running.lock);
  const CliResult r = Acute("report rdf SAMPLEMC.R10");
  EXPECT_TRUE(Refused(r));
  EXPECT_NE(r.err.find("Another analysis is running with the work files in"), std::string::npos)
      << r.err;
  EXPECT_FALSE(std::filesystem::exists(Data() / "rdfacute.tmp"));
}

}  // namespace
}  // namespace acute::testing
