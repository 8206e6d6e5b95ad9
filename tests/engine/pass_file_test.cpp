// The analysis pass file: every record written is read back as it was, names holding
// commas or double quotes included.
#include "engine/pass_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <limits>

#include "common/errors.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::ScratchFolder;

const PassFileLayout kLayout{2, 24};

CustomPopulation Toddlers() {
  CustomPopulation c;
  c.name = "Toddlers, 1 to 2";
  c.crit = {{{1, 0, 0, 0, 0},
             {1, 0, 0, 0, 0},
             {0, 1, 0, 0, 1},
             {1, 1, 0, 0, 0},
             {0, 1, 0, 0, 0},
             {0, 0, 1, 0, 2}}};
  c.pad = 0.05f;
  return c;
}

AnalysisSettings SingleMonteCarloRun() {
  AnalysisSettings s;
  s.residue_file = "/data/res/SAMPLEMC.R10";
  s.working_folder = "/data/res/";
  s.monte_carlo = true;
  s.eating_occasion = true;
  s.second_adjustment = true;
  s.iterations = 1000;
  s.seed = -17;
  s.arfd = 0.1f;
  s.noel = 12.5f;
  s.pad_flag = true;
  s.standard_pad = StandardPads(24);
  s.standard_pad.Set(6, 0.01f);
  s.standard_pad.Set(24, 0.3f);
  s.save_plot = true;
  s.plot_file = "run.PLT";
  s.save_report = true;
  s.report_file = "/elsewhere/run.AC10";
  s.comment_line = QuoteRunComment("First line\r\nsaid \"hi\"");
  s.standard_selected.assign(24, false);
  s.standard_selected[0] = s.standard_selected[5] = true;
  s.custom = {Toddlers(), Toddlers()};
  s.custom[1].name = "Second";
  RdlRow empirical;
  empirical.index = 3;
  empirical.type = DistributionType::Empirical;
  empirical.total_z = 900;
  empirical.total_lod = 10;
  empirical.lod_res = 0.005f;
  empirical.value_count = 90;
  empirical.count_with_lod = 100;
  empirical.total_count = 1000;
  empirical.first_record = 1;
  empirical.first_value = 0.125f;
  empirical.check_record = 1;
  RdlRow lognormal;
  lognormal.index = 7;
  lognormal.type = DistributionType::Pareto;
  lognormal.param = {0.1f, 0.25f, 3.0f};
  RdlRow unused;
  unused.index = 8;
  s.rdl_rows = {empirical, lognormal, unused};
  s.max_rdl_index = 8;
  s.cec_flag = true;
  s.cec = {40000, 0.05f, "crit.CEC", CecBasis::Percentiles, 95.0f, 99.9f, true, false, true};
  return s;
}

void ExpectSameRow(const RdlRow& a, const RdlRow& b) {
  EXPECT_EQ(a.index, b.index);
  EXPECT_EQ(a.type, b.type);
  EXPECT_EQ(a.total_z, b.total_z);
  EXPECT_EQ(a.lod_res, b.lod_res);
  EXPECT_EQ(a.total_count, b.total_count);
  EXPECT_EQ(a.first_value, b.first_value);
  EXPECT_EQ(a.check_record, b.check_record);
  EXPECT_EQ(a.param, b.param);
}

TEST(PassFile, SingleRunRoundTrip) {
  ScratchFolder dir;
  const AnalysisSettings s = SingleMonteCarloRun();
  ASSERT_TRUE(WritePassFile(dir / kPassFileName, s, kLayout));
  ScriptedPort port;
  CheckPassFileHeader(dir / kPassFileName, port);
  AnalysisSettings r = ReadPassFile(dir / kPassFileName, kLayout, port);
  EXPECT_TRUE(port.events.empty());
  EXPECT_EQ(r.consumption_check_index, 4);
  EXPECT_EQ(r.batch_count, 0);
  EXPECT_EQ(r.residue_file, s.residue_file);
  EXPECT_EQ(r.working_folder, s.working_folder);
  EXPECT_TRUE(r.per_kg);
  EXPECT_TRUE(r.second_adjustment);
  EXPECT_TRUE(r.eating_occasion);
  EXPECT_EQ(r.iterations, 1000);
  EXPECT_EQ(r.seed, -17);
  EXPECT_EQ(r.arfd, 0.1f);
  EXPECT_EQ(r.noel, 12.5f);
  EXPECT_EQ(r.PadOf(6), 0.01f);
  EXPECT_EQ(r.PadOf(24), 0.3f);
  EXPECT_EQ(r.plot_file, "/data/res/run.PLT");  // the working folder in front of a bare name
  EXPECT_EQ(r.report_file, "/elsewhere/run.AC10");
  EXPECT_EQ(r.comment_line, "\"First line; said 'hi'\"");
  EXPECT_EQ(r.standard_selected, s.standard_selected);
  ASSERT_EQ(r.custom.size(), 2u);
  EXPECT_EQ(r.custom[0].name, "Toddlers, 1 to 2");
  EXPECT_EQ(r.custom[0].crit, s.custom[0].crit);
  EXPECT_EQ(r.custom[0].pad, 0.05f);
  EXPECT_EQ(r.custom[1].name, "Second");
  EXPECT_EQ(r.max_rdl_index, 8);
  ASSERT_EQ(r.rdl_rows.size(), 2u);  // a row of type 0 is never written
  ExpectSameRow(r.rdl_rows[0], s.rdl_rows[0]);
  ExpectSameRow(r.rdl_rows[1], s.rdl_rows[1]);
  EXPECT_EQ(r.cec.max_records, 40000);
  EXPECT_EQ(r.cec.min_percent, 0.05f);
  EXPECT_EQ(r.cec.file_name, "/data/res/crit.CEC");
  EXPECT_TRUE(r.cec.excel);
  EXPECT_FLOAT_EQ(r.cec.HeldLow(), 5.0f);  // percentile window held as upper-tail percents
  EXPECT_NEAR(r.cec.HeldHigh(), 0.1f, 1e-5);
}

// A run from settings in memory takes them as the pass file carries them: every field equal to
// what the engine reads back from the file, numbers as the file writes them.
TEST(PassFile, SettingsInMemoryAreThoseOfTheFileWrittenForThem) {
  ScratchFolder dir;
  AnalysisSettings s = SingleMonteCarloRun();
  s.arfd = 0.0123456789f;
  s.standard_pad.Set(7, 1.0f / 3);
  ASSERT_TRUE(WritePassFile(dir / kPassFileName, s, kLayout));
  ScriptedPort port;
  const AnalysisSettings from_file = ReadPassFile(dir / kPassFileName, kLayout, port);
  const AnalysisSettings in_memory = SettingsAsPassFileCarries(s, kLayout);
  EXPECT_EQ(PassFileText(in_memory, kLayout), PassFileText(from_file, kLayout));
  EXPECT_EQ(in_memory.arfd, from_file.arfd);
  EXPECT_EQ(in_memory.standard_pad, from_file.standard_pad);
  EXPECT_EQ(in_memory.plot_file, from_file.plot_file);
  // And writing what was read changes nothing more.
  EXPECT_EQ(PassFileText(SettingsAsPassFileCarries(in_memory, kLayout), kLayout),
            PassFileText(in_memory, kLayout));
}

TEST(PassFile, OptionalRecordsAreLeftOut) {
  AnalysisSettings s;
  s.residue_file = "/r/A.R10";
  s.working_folder = "/r/";
  s.comment_line = QuoteRunComment("");
  s.standard_selected.assign(24, true);
  s.custom = {Toddlers()};
  const std::string text = PassFileText(s, kLayout);
  EXPECT_EQ(
      text,
      "ACUTE PASS FILE\r\n 4 \r\n 0            /r/A.R10\r\n/r/\r\n 1  0  0  0 \r\n"
      " 0  0          0 \r\n 0 \r\n 0 \r\n 0 \r\n\"\"\r\n" +
          [] {
            std::string sel;
            for (int i = 0; i < 24; ++i) sel += " 1 ";
            return sel;
          }() +
          "\r\n 1 \r\nToddlers, 1 to 2\r\n 1  0  0  0  0 \r\n 1  0  0  0  0 \r\n"
          " 0  1  0  0  1 \r\n 1  1  0  0  0 \r\n 0  1  0 \r\n 0  0  1  0  2 \r\n"
          " 0.05 \r\n 0 \r\n 0 \r\n");
  ScratchFolder dir;
  testing::WriteText(dir / kPassFileName, text);
  ScriptedPort port;
  AnalysisSettings r = ReadPassFile(dir / kPassFileName, kLayout, port);
  EXPECT_EQ(r.iterations, 1);  // no Monte Carlo line
  EXPECT_EQ(r.custom[0].pad, 0.05f);
  EXPECT_TRUE(r.rdl_rows.empty());
  EXPECT_FALSE(r.cec_flag);
}

TEST(PassFile, BatchRunRoundTrip) {
  AnalysisSettings s = SingleMonteCarloRun();
  s.batch_count = 2;
  s.residue_file = "/b/RUNS.B10";
  s.cec_flag = false;
  BatchEntry a{"/b/ONE.R10", "/b/one", 1, 7, "rdfl1.TMP", {s.rdl_rows[0], s.rdl_rows[1]}};
  BatchEntry b{"/b/TWO.R10", "/b/two", 2, 0, "", {}};
  s.batch = {a, b};
  ScratchFolder dir;
  ASSERT_TRUE(WritePassFile(dir / kPassFileName, s, kLayout));
  const std::string text = testing::ReadText(dir / kPassFileName);
  EXPECT_EQ(text.find("run.PLT"), std::string::npos);  // no file names in a batch run
  ScriptedPort port;
  AnalysisSettings r = ReadPassFile(dir / kPassFileName, kLayout, port);
  ASSERT_EQ(r.batch.size(), 2u);
  EXPECT_EQ(r.batch[0].residue_file, "/b/ONE.R10");
  EXPECT_EQ(r.batch[0].output_base, "/b/one");
  EXPECT_EQ(r.batch[0].max_rdl_index, 7);
  EXPECT_EQ(r.batch[0].rdf_work_file, "rdfl1.TMP");
  ASSERT_EQ(r.batch[0].rows.size(), 2u);
  ExpectSameRow(r.batch[0].rows[1], s.rdl_rows[1]);
  EXPECT_EQ(r.batch[1].number, 2);
  EXPECT_TRUE(r.batch[1].rows.empty());
  EXPECT_TRUE(r.plot_file.empty());
}

// An empty name written bare left no field, and the next value was read in its place.
TEST(PassFile, EmptyNamesReadBackEmpty) {
  AnalysisSettings s;
  s.standard_selected.assign(24, false);
  s.standard_selected[0] = true;
  ScratchFolder dir;
  testing::WriteText(dir / kPassFileName, PassFileText(s, kLayout));
  ScriptedPort port;
  const AnalysisSettings r = ReadPassFile(dir / kPassFileName, kLayout, port);
  EXPECT_EQ(r.residue_file, "");
  EXPECT_EQ(r.standard_selected, s.standard_selected);

  CecSettings cec{100, 0.05f, "", CecBasis::Percentiles, 95.0f, 99.0f, false, false, false};
  testing::WriteText(dir / "short.tmp", ShortPassFileText(cec));
  const CecSettings back = ReadShortPassFile(dir / "short.tmp", port);
  EXPECT_EQ(back.file_name, "");
  EXPECT_EQ(back.max_records, 100);
  EXPECT_FLOAT_EQ(back.high, 99.0f);
  EXPECT_TRUE(port.events.empty());
}

TEST(PassFile, NamesWithCommasAndQuotesReadBackWhole) {
  AnalysisSettings s;
  s.residue_file = "/tmp/data, x/residues/A.R10";
  s.working_folder = "/tmp/data, x/residues/";
  s.save_plot = true;
  s.plot_file = "say \"hi\".PLT";
  s.save_report = true;
  s.report_file = "my,rep.AC10";
  s.comment_line = QuoteRunComment("a, b");
  s.standard_selected.assign(24, false);
  CustomPopulation quoted;
  quoted.name = "\"Kids\", 1 to 2";
  CustomPopulation plain;
  plain.name = "Women, 20 to 49";
  s.custom = {quoted, plain};
  s.cec_flag = true;
  s.cec = {100, 0, "crit, 1.CEC", CecBasis::Percentiles, 95.0f, 99.0f, false, false, false};
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
  s.cec_flag = false;
  s.batch = {BatchEntry{"/b, c/\"ONE\".R10", "/b, c/one", 1, 0, "", {}}};
  testing::WriteText(dir / kPassFileName, PassFileText(s, kLayout));
  const AnalysisSettings b = ReadPassFile(dir / kPassFileName, kLayout, port);
  ASSERT_EQ(b.batch.size(), 1u);
  EXPECT_EQ(b.residue_file, "/b, c/RUNS.B10");
  EXPECT_EQ(b.batch[0].residue_file, "/b, c/\"ONE\".R10");
  EXPECT_EQ(b.batch[0].output_base, "/b, c/one");
}

TEST(PassFile, HeaderAndDamage) {
  ScratchFolder dir;
  const std::string pass = (dir / kPassFileName).string();
  testing::WriteText(dir / kPassFileName, "SOMETHING ELSE\r\n");
  ScriptedPort port;
  EXPECT_THROW(CheckPassFileHeader(dir / kPassFileName, port), ProgramEnds);
  const std::string again = ". Run the analysis again to write a new one.";
  EXPECT_EQ(port.LastMessage(),
            "ACUTE: Invalid pass file generated by ACUTE. Can't continue. Please notify Vantrel "
            "Software. The pass file " +
                pass + " does not begin with the line \"ACUTE PASS FILE\"" + again);
  EXPECT_THROW(ReadPassFile(dir / kPassFileName, kLayout, port), ProgramEnds);
  EXPECT_EQ(port.LastMessage(),
            "Fatal error: Invalid pass file generated by ACUTE. The pass file " + pass +
                " does not begin with the line \"ACUTE PASS FILE\"" + again);

  std::string text = PassFileText(SingleMonteCarloRun(), kLayout);
  testing::WriteText(dir / kPassFileName, text.substr(0, text.size() / 2));
  EXPECT_THROW(ReadPassFile(dir / kPassFileName, kLayout, port), ProgramEnds);
  EXPECT_NE(port.LastMessage().find("cannot be read at line"), std::string::npos);
}

// A pass file that is missing, empty, not a file or far too large is named with what is
// wrong with it, and never read whole.
TEST(PassFile, WhatIsWrongWithAnUnusablePassFileIsSaid) {
  ScratchFolder dir;
  const std::filesystem::path pass = dir / kPassFileName;
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[] {}, "does not exist"},
      {[&] { testing::WriteText(pass, ""); }, "is empty"},
      {[&] { testing::WriteText(pass, "  \r\n\r\n"); }, "is empty"},
      {[&] { std::filesystem::create_directory(pass); }, "is a folder, not a file"},
      {[&] { ASSERT_EQ(mkfifo(pass.c_str(), 0600), 0); },
       "is not a regular file (it is a device, a pipe or a socket)"},
      {[&] { std::filesystem::create_symlink("/dev/zero", pass); },
       "is not a regular file (it is a device, a pipe or a socket)"},
      {[&] {
         testing::WriteText(pass, kPassFileHeader);
         std::filesystem::resize_file(pass, kMaxPassFileBytes + 1);
       },
       "is larger than 16 MB"},
  };
  for (const auto& [make, problem] : cases) {
    std::filesystem::remove_all(pass);
    make();
    ScriptedPort port;
    EXPECT_THROW(ReadPassFile(pass, kLayout, port), ProgramEnds) << problem;
    EXPECT_EQ(port.LastMessage(),
              "Fatal error: Invalid pass file generated by ACUTE. The pass file " + pass.string() +
                  " " + problem + ". Run the analysis again to write a new one.");
  }
}

// The refusal of a pass file written from `s`: the program ends after the pass file's
// message, whose text is returned.
std::string RefusalOf(const AnalysisSettings& s) {
  ScratchFolder dir;
  testing::WriteText(dir / kPassFileName, PassFileText(s, kLayout));
  ScriptedPort port;
  EXPECT_THROW(ReadPassFile(dir / kPassFileName, kLayout, port), ProgramEnds);
  EXPECT_EQ(port.LastMessage().rfind("Fatal error: The pass file tarnpass.tmp cannot be read at "
                                     "line ",
                                     0),
            0u)
      << port.LastMessage();
  return port.LastMessage();
}

// Every field of the distribution rows is checked against what it counts or indexes, and
// every parameter against what a residue can be: a negative record number, count, index or
// bound never reaches the tables of a run.
TEST(PassFile, DistributionRowsOutOfRangeAreRefused) {
  const std::vector<std::pair<std::function<void(AnalysisSettings&)>, std::string>> cases = {
      {[](AnalysisSettings& s) { s.rdl_rows[0].first_record = -5; },
       "a first record number (-5) below 1"},
      {[](AnalysisSettings& s) { s.rdl_rows[0].value_count = -90; },
       "a number of residue values (-90) below 0"},
      {[](AnalysisSettings& s) { s.rdl_rows[0].total_z = -1; },
       "a number of zero samples (-1) below 0"},
      {[](AnalysisSettings& s) { s.rdl_rows[0].total_count = 5000; },
       "a total count that is not the count with LOD samples plus the zero samples"},
      {[](AnalysisSettings& s) { s.rdl_rows[0].count_with_lod = -100; },
       "a count with LOD samples that is not the values plus the LOD samples"},
      {[](AnalysisSettings& s) { s.rdl_rows[0].check_record = 91; },
       "a check record (91) outside the records of its distribution"},
      {[](AnalysisSettings& s) { s.rdl_rows[0].lod_res = -0.5f; }, "a negative LOD residue (-0.5)"},
      {[](AnalysisSettings& s) { s.rdl_rows[0].first_value = -100; },
       "a negative residue value (-100)"},
      {[](AnalysisSettings& s) { s.rdl_rows[0].index = -3; },
       "a residue distribution index (-3) outside 1 to 8"},
      {[](AnalysisSettings& s) { s.rdl_rows[1].index = 9; },
       "a residue distribution index (9) outside 1 to 8"},
      {[](AnalysisSettings& s) { s.max_rdl_index = 501; },
       "a highest distribution index (501) outside 1 to 500"},
      {[](AnalysisSettings& s) { s.rdl_rows[1].param[2] = -1; },
       "residue distribution line 7 has a negative upper bound (-1)"},
      {[](AnalysisSettings& s) { s.rdl_rows[1].param[1] = std::nanf(""); }, "is not a number"},
      {[](AnalysisSettings& s) {
         s.rdl_rows[1] = {7, DistributionType::Normal, 0, 0, 0, 0, 0, 0, 0, 0, 0, {1, -2, 0}};
       },
       "residue distribution line 7 has a negative standard deviation (-2)"},
      {[](AnalysisSettings& s) { s.iterations = 0; }, "a number of iterations (0) outside 1"},
      {[](AnalysisSettings& s) { s.arfd = -1; }, "a negative acute reference dose (-1)"},
      {[](AnalysisSettings& s) { s.noel = std::numeric_limits<float>::infinity(); },
       "is not a number"},
      {[](AnalysisSettings& s) { s.standard_pad.Set(6, -0.01f); }, "a negative PAD (-0.01)"},
      {[](AnalysisSettings& s) { s.custom[0].pad = 3e38f; }, "a PAD above 1000000"},
      {[](AnalysisSettings& s) { s.cec.max_records = 0; }, "a maximum number of records (0)"},
  };
  for (const auto& [change, part] : cases) {
    AnalysisSettings s = SingleMonteCarloRun();
    change(s);
    const std::string message = RefusalOf(s);
    EXPECT_NE(message.find(part), std::string::npos) << message;
  }
  // A yes/no field holds 0 or 1; a check box's third state (2) or a -1 is no answer at all.
  for (const char* flags : {" 2  1  1  1 \r\n", " 1  1 -1  1 \r\n"}) {
    std::string text = PassFileText(SingleMonteCarloRun(), kLayout);
    const std::size_t line = text.find(" 1  1  1  1 \r\n");  // per kg, second, MC, occasions
    ASSERT_NE(line, std::string::npos) << text;
    text.replace(line, std::char_traits<char>::length(flags), flags);
    ScratchFolder dir;
    testing::WriteText(dir / kPassFileName, text);
    ScriptedPort port;
    EXPECT_THROW(ReadPassFile(dir / kPassFileName, kLayout, port), ProgramEnds) << flags;
    EXPECT_NE(port.LastMessage().find("outside 0 to 1"), std::string::npos) << port.LastMessage();
  }
  // A normal distribution may still draw below 0: a mean of 0 is a residue.
  AnalysisSettings s = SingleMonteCarloRun();
  s.rdl_rows[1] = {7, DistributionType::Normal, 0, 0, 0, 0, 0, 0, 0, 0, 0, {0, 1, 0}};
  ScratchFolder dir;
  testing::WriteText(dir / kPassFileName, PassFileText(s, kLayout));
  ScriptedPort port;
  EXPECT_EQ(ReadPassFile(dir / kPassFileName, kLayout, port).rdl_rows[1].param[1], 1.0f);
}

TEST(PassFile, ShortFormOfACriticalExposureRerun) {
  ScratchFolder dir;
  CecSettings cec{500, 0, "/x/c.CSV", CecBasis::Amounts, 0.5f, 2.5f, true, true, false};
  testing::WriteText(dir / kPassFileName, ShortPassFileText(cec));
  ScriptedPort port;
  CecSettings r = ReadShortPassFile(dir / kPassFileName, port);
  EXPECT_EQ(r.max_records, 500);
  EXPECT_EQ(r.file_name, "/x/c.CSV");
  EXPECT_EQ(r.HeldLow(), 0.5f);  // exposure-amount bounds stay as they are
  EXPECT_EQ(r.HeldHigh(), 2.5f);
  EXPECT_TRUE(r.suppress_warning);
}

}  // namespace
}  // namespace acute
