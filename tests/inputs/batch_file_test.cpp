// Batch files: every refusal of the reader with its text, the run comment, the entries, and
// the batch report.
#include "inputs/batch_file.h"

#include <gtest/gtest.h>

#include "common/file_names.h"
#include "inputs/batch_report.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::ScratchFolder;
using testing::WriteText;

class BatchFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteText(dir_ / "A.R10", "");
    WriteText(dir_ / "B.R10", "");
  }
  std::optional<BatchFile> Read(const std::string& text, bool check = true,
                                const std::string& ext = "R10") {
    WriteText(path_, text);
    return ReadBatchFile(path_, ext, check, port_);
  }
  // The one message of a refused file, as "title: text".
  std::string Refusal(const std::string& text, bool check = true, const std::string& ext = "R10") {
    port_ = ScriptedPort{};
    EXPECT_FALSE(Read(text, check, ext).has_value()) << text;
    EXPECT_EQ(port_.Messages().size(), 1u);
    EXPECT_EQ(port_.Messages().empty() ? Icon::Critical : port_.Messages()[0].icon, Icon::None);
    return port_.LastMessage();
  }

  ScratchFolder dir_;
  std::filesystem::path path_ = dir_ / "RUN.B10";
  std::string p_ = path_.string();
  ScriptedPort port_;
};

TEST_F(BatchFiles, ControlCharactersInTheCommentBecomeBlanksWithANotice) {
  auto b = Read("First\x1b[2J line\r\nsecond\tline\r\nSTART\r\n1\r\nA.R10, RepA\r\n");
  ASSERT_TRUE(b.has_value()) << port_.LastMessage();
  EXPECT_EQ(b->comment, "First [2J line\r\nsecond line");
  EXPECT_EQ(port_.LastMessage(),
            "Warning: The comment lines of batch file " + p_ +
                " hold control characters (tabs, escapes or the like); they have been replaced by "
                "blanks in the run comment.");
}

TEST_F(BatchFiles, CommentLinesEntriesAndReport) {
  auto b = Read(
      "First line\r\nsecond line\r\nThen Start here\r\n2\r\n\"a.r10\",\"RepA\"\r\n"
      "b.R10, \"  \", RepB\r\n");
  ASSERT_TRUE(b.has_value()) << port_.LastMessage();
  EXPECT_EQ(b->comment, "First line\r\nsecond line");
  EXPECT_EQ(b->BatchFolder, dir_.path().string() + "/");
  EXPECT_EQ(b->BatchResFile, (std::vector<std::string>{"A.R10", "B.R10"}));
  EXPECT_EQ(b->BatchRptFile, (std::vector<std::string>{"RepA", "RepB"}));  // blank: next value
  EXPECT_EQ(BatchReportText(*b),
            "Batch File Name: " + p_ +
                "\r\n\r\nResidue Files                          Output Files\r\n"
                "-----------------                      -----------------------\r\n"
                "A.R10                                  RepA\r\n"
                "B.R10                                  RepB\r\n");
}

TEST_F(BatchFiles, RefusalsOfTheFileAndTheCount) {
  EXPECT_EQ(Refusal("no keyword\r\n1\r\nA.R10,X\r\n"),
            "Warning: Can't find START keyword in batch file " + p_);
  const std::string count = "Warning: Stated number of files in batch file " + p_ + " must > 0.";
  EXPECT_EQ(Refusal("START\r\n0\r\n"), count);
  EXPECT_EQ(Refusal("START\r\n-2\r\nA.R10,X\r\n"), count);  // negative counts too
  EXPECT_EQ(Refusal("START\r\n2\r\nA.R10,X\r\n"),
            "Warning: Error reading batch file in line 4 after START keyword. Can't continue.");
  EXPECT_EQ(Refusal("START\r\ntwo\r\n"),
            "Warning: Error reading batch file in line 2 after START keyword. Can't continue.");
}

TEST_F(BatchFiles, RefusalsOfResidueNames) {
  EXPECT_EQ(Refusal("START\r\n1\r\nA.R10,X\r\n", true, "R98"),
            "Warning: All residue files in the batchfile must have the extension R98. Can't use "
            "this batch file.");
  EXPECT_EQ(Refusal("START\r\n1\r\nA,X\r\n"),
            "Warning: All residue files in the batchfile must have the extension R10. Can't use "
            "this batch file.");
  // Refused even though the file exists.
  EXPECT_EQ(Refusal("START\r\n1\r\n\"" + (dir_ / "A.R10").string() + "\",X\r\n"),
            "Batch file error: Residue file " + ToUpper((dir_ / "A.R10").string()) +
                " contains path; paths not allowed in batch file.");
  EXPECT_EQ(Refusal("START\r\n1\r\nC.R10,X\r\n"),
            "Warning: Can't find residue file " + dir_.path().string() +
                "/C.R10. Use Batch File Editor to correct filename.");
  EXPECT_TRUE(Read("START\r\n1\r\nC.R10,X\r\n", false).has_value());  // no existence check
}

TEST_F(BatchFiles, RefusalsOfReportNames) {
  const std::string common = "Warning: Batch file: " + p_ +
                             "  You must specify a common report file name with each residue "
                             "file name.";
  EXPECT_EQ(Refusal("START\r\n1\r\nA.R10,\"\",\"\"\r\n"), common);
  EXPECT_EQ(Refusal("START\r\n2\r\nA.R10,B.R10\r\nB.R10,Y\r\n"), common);
  EXPECT_EQ(
      Refusal("START\r\n1\r\nA.R10,OLD.MCL\r\n"),
      "Warning: Batch file: " + p_ + " Tarn-VELD Acute cannot use batch files with MCL files.");
  const std::string extension = "Warning: Batch file: " + p_ +
                                "  The output file name for reports cannot have a file extension. "
                                "It will be assigned an extention during the analysis.";
  EXPECT_EQ(Refusal("START\r\n1\r\nA.R10,X.TXT\r\n"), extension);
  EXPECT_EQ(Refusal("START\r\n1\r\nA.R10,B.R10\r\n", false), extension);
  EXPECT_EQ(Refusal("START\r\n1\r\nA.R10,out/X\r\n"),
            "Batch file error: Report filename out/X contains path; paths not allowed in batch "
            "file.");
  // Two entries writing the same reports are refused before any run.
  EXPECT_EQ(Refusal("START\r\n2\r\nA.R10,Same\r\nB.R10,SAME\r\n"),
            "Warning: Batch file: " + p_ +
                "  Entries 1 and 2 have the same report file name SAME; their reports would "
                "overwrite each other. Can't use this batch file.");
}

// Every cut of a good file is read or refused with one message, never anything else.
TEST_F(BatchFiles, TruncatedFilesGiveOneMessage) {
  const std::string text = "Doc\r\nSTART\r\n2\r\n\"A.R10\",\"RepA\"\r\nB.R10, ,RepB\r\n";
  for (std::size_t n = 0; n <= text.size(); ++n) {
    ScriptedPort port;
    const auto read = ParseBatchFile(text.substr(0, n), p_, "R10", true, port);
    EXPECT_EQ(port.Messages().size(), read ? 0u : 1u) << n;
  }
}

TEST_F(BatchFiles, MissingFileIsRefusedWithAMessage) {
  EXPECT_FALSE(ReadBatchFile(dir_ / "NONE.B10", "R10", true, port_).has_value());
  EXPECT_EQ(port_.Messages().size(), 1u);
}

}  // namespace
}  // namespace acute
