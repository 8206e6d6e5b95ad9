// Names that hold commas or double quotes read back whole from the pass file, and an
// analysis runs in a data folder whose name holds a comma.
#include <gtest/gtest.h>

#include "common/scripted_port.h"
#include "engine/pass_file.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "reports/report_specs.h"
#include "support/data_folder_fixture.h"
#include "support/survey_fixture.h"
#include "support/test_support.h"
#include "ui/main_form.h"

namespace acute {
namespace {

using testing::ScratchFolder;

const PassFileLayout kLayout{2, 24};

// An empty name written bare left no field, and the next value was read in its place.
TEST(PassFileNames, EmptyNamesReadBackEmpty) {
  AnalysisSettings s;
  s.standard_selected.assign(24, 0);
  s.standard_selected[0] = 1;
  ScratchFolder dir;
  testing::WriteText(dir / kPassFileName, PassFileText(s, kLayout));
  ScriptedPort port;
  const AnalysisSettings r = ReadPassFile(dir / kPassFileName, kLayout, port);
  EXPECT_EQ(r.residue_file, "");
  EXPECT_EQ(r.standard_selected, s.standard_selected);

  CecSettings cec{100, 0.05f, "", 0, 95.0f, 99.0f, 0, 0, 0};
  testing::WriteText(dir / "short.tmp", ShortPassFileText(cec));
  const CecSettings back = ReadShortPassFile(dir / "short.tmp", port);
  EXPECT_EQ(back.file_name, "");
  EXPECT_EQ(back.max_records, 100);
  EXPECT_FLOAT_EQ(back.high, 99.0f);
  EXPECT_TRUE(port.events.empty());
}

TEST(PassFileNames, NamesWithCommasAndQuotesReadBackWhole) {
  AnalysisSettings s;
  s.residue_file = "/tmp/data, x/residues/A.R10";
  s.working_folder = "/tmp/data, x/residues/";
  s.save_plot = 1;
  s.plot_file = "say \"hi\".PLT";
  s.save_report = 1;
  s.report_file = "my,rep.AC10";
  s.comment_line = QuoteRunComment("a, b");
  s.standard_selected.assign(24, 0);
  CustomPopulation quoted;
  quoted.name = "\"Kids\", 1 to 2";
  CustomPopulation plain;
  plain.name = "Women, 20 to 49";
  s.custom = {quoted, plain};
  s.cec_flag = 1;
  s.cec = {100, 0, "crit, 1.CEC", 0, 95.0f, 99.0f, 0, 0, 0};
  const std::string text = PassFileText(s, kLayout);
  EXPECT_NE(
      text.find(" 0            \"/tmp/data, x/residues/A.R10\"\r\n/tmp/data, x/residues/\r\n"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("\r\nWomen, 20 to 49\r\n"), std::string::npos);  // a line needs no quotes

  ScratchFolder dir;
  testing::WriteText(dir / kPassFileName, text);
  ScriptedPort port;
  const AnalysisSettings r = ReadPassFile(dir / kPassFileName, kLayout, port);
  EXPECT_TRUE(port.events.empty());
  EXPECT_EQ(r.residue_file, s.residue_file);
  EXPECT_EQ(r.working_folder, s.working_folder);
  EXPECT_EQ(r.plot_file, "/tmp/data, x/residues/say \"hi\".PLT");
  EXPECT_EQ(r.report_file, "/tmp/data, x/residues/my,rep.AC10");
  EXPECT_EQ(r.comment_line, "\"a, b\"");
  ASSERT_EQ(r.custom.size(), 2u);
  EXPECT_EQ(r.custom[0].name, quoted.name);
  EXPECT_EQ(r.custom[1].name, plain.name);
  EXPECT_EQ(r.cec.file_name, "/tmp/data, x/residues/crit, 1.CEC");

  // Batch entries' names, quoted and bare.
  s.batch_count = 1;
  s.residue_file = "/b, c/RUNS.B10";
  s.cec_flag = 0;
  s.batch = {BatchEntry{"/b, c/\"ONE\".R10", "/b, c/one", 1, 0, "", {}}};
  testing::WriteText(dir / kPassFileName, PassFileText(s, kLayout));
  const AnalysisSettings b = ReadPassFile(dir / kPassFileName, kLayout, port);
  ASSERT_EQ(b.batch.size(), 1u);
  EXPECT_EQ(b.residue_file, "/b, c/RUNS.B10");
  EXPECT_EQ(b.batch[0].residue_file, "/b, c/\"ONE\".R10");
  EXPECT_EQ(b.batch[0].output_base, "/b, c/one");
}

// The residue file of a data folder named "data, x", and a report named "my,rep": the run
// completes and saves the report under its whole name.
TEST(PassFileNames, AnalysisInAFolderWhoseNameHoldsAComma) {
  ScratchFolder scratch;
  const std::filesystem::path folder = scratch / "data, x";
  testing::WriteDataFolder(folder);
  testing::FixturePerson person;
  person.day1 = {{1, 100}};
  testing::WriteSurvey(folder / "survey", {person});
  testing::WriteText(
      folder / "residues/TEST.R10",
      "\"Testchem\",0\r\n\"21-07-aNH2\"\r\n0.02,\"mg\"\r\n0,5,0\r\n\"12/01/2026\"\r\n"
      "3\r\n1\r\n1,\"10000001\",\"01\",1,1,1,0,\"Commodity 1\",\"\"\r\n");
  ASSERT_TRUE(WriteReportSpecsFile(folder / "AcutSpec.txt", DefaultReportSpecs()));
  ScriptedPort port;
  const DataSession session = OpenDataSession(folder, port);
  MainForm form;
  form.residue = ReadResidueFile(folder / "residues/TEST.R10", session.support, port);
  ASSERT_TRUE(form.residue.has_value()) << port.LastMessage();
  form.TakeEndpointsFromResidueFile();
  form.standard.assign(session.support.StandardPopulationCount(), false);
  form.standard[0] = true;
  form.save_report = true;
  form.report_name = "my,rep";
  const auto outcome = LaunchAnalysis(form, session, port, "12/06/2026", "10:00:00");
  ASSERT_TRUE(outcome && outcome->completed) << port.LastMessage();
  const std::filesystem::path saved = folder / "residues" / "my,rep.AC10";
  EXPECT_NE(port.LastMessage().find("Report saved as file " + saved.string()), std::string::npos)
      << port.LastMessage();
  ASSERT_TRUE(std::filesystem::exists(saved));
  EXPECT_EQ(testing::ReadText(saved), testing::ReadText(folder / "acute.tmp"));
  EXPECT_FALSE(std::filesystem::exists(folder / "residues" / "my.AC10"));
}

}  // namespace
}  // namespace acute
