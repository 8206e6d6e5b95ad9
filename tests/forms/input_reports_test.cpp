// The Show Residue File, Show RDF Summary and Show Batch File buttons: their checks, and
// reports made from the files as they are now, never from tables of an earlier file.
#include "forms/input_reports.h"

#include <gtest/gtest.h>

#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::ReadText;

class InputReports : public ::testing::Test {
 protected:
  void SetUp() override {
    m_ = sample::WriteSampleData(dir_ / "data", {2, 50, 7});
    session_ = OpenDataSession(m_.folder, port_);
  }
  void Open(const std::string& name) {
    form_.residue = ReadResidueFile(m_.residue_folder / name, session_.support, port_);
    ASSERT_TRUE(form_.residue.has_value());
    form_.TakeEndpointsFromResidueFile();
  }
  testing::ScratchFolder dir_;
  sample::SampleManifest m_;
  ScriptedPort port_;
  DataSession session_;
  MainForm form_;
};

TEST_F(InputReports, NothingOpen) {
  EXPECT_FALSE(PrepareResidueReport(form_, session_, port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: You need to open a residue file before you print the file.");
  EXPECT_FALSE(PrepareRdfSummary(form_, session_, port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: You need to open a residue file before you can summarize the RDF files in "
            "a residue file.");
  EXPECT_FALSE(PrepareBatchReport(form_, session_, port_));
  EXPECT_EQ(port_.LastMessage(),
            "Warning: You need to open a batch file before you print the file.");
  Open(m_.plain_residue);
  EXPECT_FALSE(PrepareRdfSummary(form_, session_, port_));
  EXPECT_EQ(port_.LastMessage(), "Sorry!: The current residue file has no RDF files to summarize.");
}

TEST_F(InputReports, TheSummaryReadsTheFilesOfTheOpenResidueFile) {
  Open(m_.mc_residue);
  auto first = PrepareRdfSummary(form_, session_, port_);
  ASSERT_TRUE(first) << port_.LastMessage();
  EXPECT_NE(ReadText(first->file).find("APPLES.RDF"), std::string::npos);
  Open(m_.two_chemical_residue);
  auto second = PrepareRdfSummary(form_, session_, port_);
  ASSERT_TRUE(second) << port_.LastMessage();
  const std::string text = ReadText(second->file);
  EXPECT_EQ(second->file, m_.folder / "rdf.tmp");
  EXPECT_EQ(text.find("APPLES.RDF"), std::string::npos);
  EXPECT_NE(text.find("CUMFRUIT.RDF"), std::string::npos);
  EXPECT_NE(text.find("Demoxafen in RDF #"), std::string::npos);
}

TEST_F(InputReports, TheResidueReportReadsTheFileAgainAndUsesTheFormsFields) {
  Open(m_.plain_residue);
  form_.noel = "7.5";
  form_.arfd = "0";
  form_.comment = "checked";
  session_.work_folder = dir_ / "work";
  std::filesystem::create_directories(session_.work_folder);
  const std::filesystem::path file = m_.residue_folder / m_.plain_residue;
  std::string text = ReadText(file);
  text.replace(text.find("07/15/2021"), 10, "01/02/2027");  // edited since it was opened
  testing::WriteText(file, text);
  auto report = PrepareResidueReport(form_, session_, port_, "12/06/2026");
  ASSERT_TRUE(report) << port_.LastMessage();
  EXPECT_EQ(report->file, session_.work_folder / "acuteres.tmp");
  const std::string out = ReadText(report->file);
  EXPECT_NE(out.find("Residue file dated: 01/02/2027\r\n"), std::string::npos);
  EXPECT_NE(out.find("\r\nReference dose (NOEL) = 7.5 mg/kg bw/day\r\nComment: checked\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace acute
