// The batch file editor: saving, its checks (which refuse what the reader would refuse),
// opening old-style files, and Close, Exit and Cancel with their questions.
#include "forms/batch_editor.h"

#include <gtest/gtest.h>

#include "inputs/batch_file.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::ReadText;
using testing::WriteText;

class BatchEditing : public ::testing::Test {
 protected:
  void StartNew(const std::string& name = "RUN") {
    port_.file_names = {name};
    editor_.NewFile(port_);
    ASSERT_EQ(editor_.state(), BatchEditor::State::NewFile);
  }
  // Refused by the checks: nothing is written, the message names the fault.
  std::string Refused(const std::string& list, const std::string& doc = "") {
    editor_.file_list = list;
    editor_.doc = doc;
    port_.events.clear();
    EXPECT_FALSE(editor_.Save(port_)) << list;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "RUN.B10"));
    return port_.LastMessage();
  }

  testing::ScratchFolder dir_;
  ScriptedPort port_;
  BatchEditor editor_{"R10", "B10", dir_.path()};
};

TEST_F(BatchEditing, SavedFilesReadBackWithTheBatchReader) {
  EXPECT_FALSE(editor_.EnterTextBox(port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: You must open an existing file or start a new file before entering data "
            "into this form.");
  StartNew();
  EXPECT_TRUE(editor_.EnterTextBox(port_));
  editor_.doc = "Two runs\r\nof the sample files";
  editor_.file_list = "sample.r10, First\r\n\r\n  My File.R10 ,Second run  \r\n";
  ASSERT_TRUE(editor_.Save(port_)) << port_.LastMessage();
  const auto file = dir_ / "RUN.B10";
  EXPECT_EQ(port_.LastMessage(), "Confirmation: Batch file saved as " + file.string());
  EXPECT_EQ(ReadText(file),
            "Two runs\r\nof the sample files\r\nSTART\r\n 2 \r\nsample.r10, First\r\n"
            "My File.R10, Second run\r\n");
  auto read = ReadBatchFile(file, "R10", false, port_);
  ASSERT_TRUE(read.has_value()) << port_.LastMessage();
  EXPECT_EQ(read->comment, "Two runs\r\nof the sample files");
  EXPECT_EQ(read->BatchResFile, (std::vector<std::string>{"SAMPLE.R10", "MY FILE.R10"}));
  EXPECT_EQ(read->BatchRptFile, (std::vector<std::string>{"First", "Second run"}));
}

TEST_F(BatchEditing, ChecksRefuseWhatTheReaderWouldRefuse) {
  StartNew();
  // An extension message names the line at fault among the others.
  EXPECT_EQ(Refused("A.R10, Fine\r\nB.R10, out.txt"),
            "Warning: The common report file name cannot have an extension (or a '.'). Line: "
            "B.R10, out.txt");
  EXPECT_EQ(Refused("A.R10 Report"),
            "Warning: Each line of the list needs a residue file name, a comma and a report file "
            "name: A.R10 Report");
  EXPECT_EQ(Refused("A.R10,  "),
            "Warning: Each line of the list needs both a residue file name and a report file "
            "name: A.R10,");
  EXPECT_EQ(Refused("A.R10, Rep,ort"),
            "Warning: File names in a batch file cannot contain a double quote or a comma: A.R10, "
            "Rep,ort");
  EXPECT_EQ(Refused("\"A.R10\", Report"),
            "Warning: File names in a batch file cannot contain a double quote or a comma: "
            "\"A.R10\", Report");
  EXPECT_EQ(Refused("A.R98, Report"),
            "Warning: All residue filenames in the current batch file must include the extension "
            "R10. Line: A.R98, Report");
  EXPECT_EQ(Refused("A.B.R10, Report"),  // the reader takes the text after the first point
            "Warning: All residue filenames in the current batch file must include the extension "
            "R10. Line: A.B.R10, Report");
  EXPECT_EQ(Refused("sub/A.R10, Report"),
            "Batch file error: Do not include path with residue file names and report file "
            "names.");
  EXPECT_EQ(Refused("\r\n  \r\n"),
            "Warning: Can't save this batch file until at least one residue file name and a "
            "corresponding report file name is specified.");
  EXPECT_EQ(Refused("A.R10, Same\r\nB.R10, same"),
            "Warning: Two entries have the report file name same; their reports would overwrite "
            "each other.");
  EXPECT_EQ(Refused("A.R10, Report", "Start here"),
            "Warning: A documentation line cannot contain the word START, which marks the end of "
            "the documentation in a batch file: Start here");
  std::string many;
  for (int i = 0; i < 101; ++i) many += "A.R10, R" + std::to_string(i) + "\r\n";
  EXPECT_EQ(Refused(many), "Warning: Each box of the batch file editor holds at most 100 lines.");
}

TEST_F(BatchEditing, CloseKeepsTheListsWhenItsSaveIsRefused) {
  StartNew();
  editor_.file_list = "A.R10, out.txt";
  port_.answers = {Answer::Yes};  // save first: refused by the checks
  editor_.Close(port_);
  EXPECT_EQ(editor_.state(), BatchEditor::State::NewFile);
  EXPECT_EQ(editor_.file_list, "A.R10, out.txt");
  port_.answers = {Answer::No};  // close without saving
  editor_.Close(port_);
  EXPECT_EQ(editor_.state(), BatchEditor::State::NoFile);
  EXPECT_TRUE(editor_.file_list.empty());
  EXPECT_FALSE(std::filesystem::exists(dir_ / "RUN.B10"));
}

TEST_F(BatchEditing, ExitAndCancelHonourTheAnswer) {
  EXPECT_TRUE(editor_.Exit(port_));  // nothing open: no question
  EXPECT_TRUE(port_.events.empty());
  StartNew();
  port_.answers = {Answer::No};
  EXPECT_FALSE(editor_.Exit(port_));
  EXPECT_EQ(port_.LastMessage(),
            "Confirmation: Do you want to exit without saving the current file?");
  port_.answers = {Answer::Yes};
  EXPECT_TRUE(editor_.Exit(port_));
  port_.answers = {Answer::No};
  EXPECT_FALSE(editor_.Cancel(port_));
}

TEST_F(BatchEditing, OpeningFiles) {
  WriteText(dir_ / "OLD.B10", "Old batch\r\nSTART\r\n2\r\nA.R10,A.MCL\r\nB.R10,\"Rep.X\"\r\n");
  port_.file_names = {"MISSING.B10", "OLD.B10"};
  port_.answers = {Answer::Ok};  // back to the dialog after the path error
  editor_.OpenExisting(port_);
  ASSERT_EQ(editor_.state(), BatchEditor::State::ExistingFile);
  EXPECT_EQ(editor_.doc, "Old batch\r\n");
  EXPECT_EQ(editor_.file_list, "A.R10, \r\nB.R10, Rep.X\r\n");  // the MCL name is dropped
  const auto messages = port_.Messages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].title, "Path Error");
  EXPECT_EQ(messages[1].text.rfind("This is an old-style Tarn batch file with MCL file names.", 0),
            0u);
  EXPECT_EQ(messages[2].text.rfind("This Batch file is not in proper format.", 0), 0u);
  editor_.NewFile(port_);
  EXPECT_EQ(port_.LastMessage(),
            "Warning: You cannot open a batch file until you close the current batch file.");
}

TEST_F(BatchEditing, NewFileOverAnExistingOneAsksFirst) {
  WriteText(dir_ / "RUN.B10", "kept");
  port_.file_names = {"RUN"};
  port_.answers = {Answer::No};
  editor_.NewFile(port_);
  EXPECT_EQ(editor_.state(), BatchEditor::State::NoFile);
  EXPECT_EQ(port_.LastMessage(),
            "Warning!: File " + (dir_ / "RUN.B10").string() + " already exists. Write over?");
  EXPECT_EQ(ReadText(dir_ / "RUN.B10"), "kept");
}

}  // namespace
}  // namespace acute
