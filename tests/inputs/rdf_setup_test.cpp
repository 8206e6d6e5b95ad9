// Reading distribution files into the per-RDL tables and the scratch file: counts, record
// numbers, line rules, progress, Cancel and file look-up.
#include <gtest/gtest.h>

#include "common/binary_records.h"
#include "rdf_test_fixture.h"

namespace acute {
namespace {

using testing::Lines;
using RdfSetUpTest = testing::RdfFixture;

std::vector<float> ScratchRecords(const std::filesystem::path& file) {
  ByteReader in = ByteReader::FromFile(file);
  std::vector<float> records;
  while (!in.AtEnd()) records.push_back(in.R4());
  return records;
}

TEST_F(RdfSetUpTest, NinetyValuesTenLodSamplesAndNineHundredZeros) {
  std::string text = Lines({"TOTALNZ=90", "TOTALLOD=10", "LODRES=0.005", "TOTALZ=900"});
  for (int i = 1; i <= 90; ++i) text += std::to_string(i) + "e-3\r\n";
  AddRdf("NINETY.RDF", text);
  ASSERT_EQ(Run(), RdfSetUp::Ok) << port.LastMessage();
  EXPECT_TRUE(port.Messages().empty());
  EXPECT_EQ(tables.RdfValueCount[1], 90);
  EXPECT_EQ(tables.RdfCountWithLod[1], 100);
  EXPECT_EQ(tables.RdfTotalCount[1], 1000);
  EXPECT_EQ(tables.RdfFirstRecord[1], 1);
  EXPECT_FLOAT_EQ(tables.RdfFirstValue[1], 0.001f);
  EXPECT_FLOAT_EQ(tables.RdfLodRes[1], 0.005f);
  EXPECT_EQ(tables.RdfHeaderLines[1], 4);
  EXPECT_EQ(tables.RdfChemCount[1], 0);
  ASSERT_EQ(tables.values.size(), 90u);
  EXPECT_FLOAT_EQ(tables.values[89], 0.09f);
  EXPECT_EQ(ScratchRecords(Scratch()), tables.values);
  const std::string reading = "Reading " + Shown("NINETY.RDF") + "\r\n";
  ASSERT_EQ(port.events.size(), 2u);
  EXPECT_EQ(port.events[0].title, "Acute Analysis Progress Report");
  EXPECT_EQ(port.events[0].text, reading + "First pass");
  EXPECT_EQ(port.events[1].text, reading + "Second pass");
}

// Records run on from file to file; pairs give as many records as their frequency; counts
// that are not declared are stored as counted; an RDL of type 0 is passed over; a file of
// zero samples only writes no record.
TEST_F(RdfSetUpTest, RecordsOfSeveralFiles) {
  std::string ten = Lines({"TOTALZ=5", "TOTALLOD=2", "LODRES=0.005", "' ten values"});
  for (int i = 1; i <= 10; ++i) ten += "0." + std::to_string(i) + "\r\n";
  AddRdf("TEN.RDF", ten);
  AddRdf("PAIRS.RDF", Lines({"TOTALFREQ=2", "'", "'", "'", "3,0.05", "2 , 0.5"}), 3);
  AddRdf("MIXED.RDF", Lines({"Mixed values", "'", "'", "'", "0.2", "2,0.3"}), 4);
  AddRdf("ZEROS.RDF", Lines({"TOTALZ=50"}), 5);
  ASSERT_EQ(Run(), RdfSetUp::Ok) << port.LastMessage();
  EXPECT_EQ(tables.RdfValueCount[1], 10);
  EXPECT_EQ(tables.RdfTotalCount[1], 17);
  EXPECT_EQ(tables.RdfTotalNZ[1], 10);
  EXPECT_EQ(tables.RdfTotalCount[2], 0);
  EXPECT_EQ(tables.RdfFirstRecord[3], 11);
  EXPECT_EQ(tables.RdfValueCount[3], 5);
  EXPECT_EQ(tables.RdfTotalFreq[3], 2);
  EXPECT_EQ(tables.RdfTotalNZ[3], 0);
  EXPECT_EQ(tables.RdfFirstRecord[4], 16);
  EXPECT_EQ(tables.RdfTotalNZ[4], 1);
  EXPECT_EQ(tables.RdfTotalFreq[4], 1);
  EXPECT_EQ(tables.RdfHeaderLines[4], 4);
  EXPECT_EQ(tables.RdfCheckRecord[4], 16);
  EXPECT_EQ(tables.RdfFirstRecord[5], 19);  // no values: no check record
  EXPECT_EQ(tables.RdfValueCount[5], 0);
  EXPECT_EQ(tables.RdfTotalCount[5], 50);
  EXPECT_EQ(tables.RdfCheckRecord[5], 0);
  const std::vector<float> tail(tables.values.begin() + 10, tables.values.end());
  EXPECT_EQ(tail, (std::vector<float>{0.05f, 0.05f, 0.05f, 0.5f, 0.5f, 0.2f, 0.3f, 0.3f}));
  EXPECT_EQ(ScratchRecords(Scratch()), tables.values);
}

// Empty lines count neither among the first four lines nor among the header lines; line
// numbers in messages are physical; LF and CR line ends are read like CR LF.
TEST_F(RdfSetUpTest, EmptyLinesAndLineNumbers) {
  AddRdf("GAPS.RDF", "\n' c\n\n  \nTOTALZ=1\r\rtitle\n' more\n0.5\n\n0.25 DOC lab 2\n");
  ASSERT_EQ(Run(), RdfSetUp::Ok) << port.LastMessage();
  EXPECT_EQ(tables.RdfHeaderLines[1], 4);
  EXPECT_EQ(tables.values, (std::vector<float>{0.5f, 0.25f}));

  AddRdf("GAPS.RDF", "' a\n\n\n' b\n\n0.5\n", 1);  // physical line 6, third non-empty line
  EXPECT_EQ(Run(), RdfSetUp::Unusable);
  EXPECT_EQ(port.Messages().back().title, "Compute RDF distribution");

  AddRdf("GAPS.RDF", Lines({"' a", "", "' b", "' c", "", "' d", "0.5", "", "abc"}), 1);
  EXPECT_EQ(Run(), RdfSetUp::Unusable);
  EXPECT_EQ(port.LastMessage(), "RDF file error: Error in file " + Shown("GAPS.RDF") +
                                    " at line 9. There is a non-numeric character where a "
                                    "residue value is expected.");
}

// Comments after values and keywords, keywords in any case and anywhere on their line.
TEST_F(RdfSetUpTest, CommentsAndKeywordForms) {
  AddRdf("NOTES.RDF",
         Lines({"DOCUMENT: sample notes", "Zeros: totalz = 7 ' after the survey", "' x", "' y",
                "TOTALLOD=1 DOC lab", "LodRes=0.01", "0.05 ' composite",
                "' caf\xe9: past line 5 any code is accepted", "2,0.06 doc duplicate"}));
  ASSERT_EQ(Run(), RdfSetUp::Ok) << port.LastMessage();
  EXPECT_EQ(tables.RdfTotalZ[1], 7);
  EXPECT_EQ(tables.RdfTotalLod[1], 1);
  EXPECT_FLOAT_EQ(tables.RdfLodRes[1], 0.01f);
  EXPECT_EQ(tables.RdfHeaderLines[1], 6);
  EXPECT_EQ(tables.RdfTotalCount[1], 11);
}

// Blanks and tabs around commas, trailing commas, signs and exponents; a frequency is
// rounded half to even.
TEST_F(RdfSetUpTest, DataLineForms) {
  AddRdf("FORMS.RDF",
         Lines({"' 1", "' 2", "' 3", "' 4", "0.5,", "3 ,\t0.05", "2.5,0.1", "+1e-3", "3.5,0.2 ,"}));
  ASSERT_EQ(Run(), RdfSetUp::Ok) << port.LastMessage();
  EXPECT_EQ(tables.values, (std::vector<float>{0.5f, 0.05f, 0.05f, 0.05f, 0.1f, 0.1f, 0.001f, 0.2f,
                                               0.2f, 0.2f, 0.2f}));
  EXPECT_EQ(tables.RdfTotalNZ[1], 2);
  EXPECT_EQ(tables.RdfTotalFreq[1], 3);
}

TEST_F(RdfSetUpTest, FilesAreLookedUpInTheResidueFolder) {
  const std::string values = Lines({"' 1", "' 2", "' 3", "' 4", "0.5"});
  testing::WriteText(dir / "APPLES.RDF", values);
  std::filesystem::create_directories(dir / "sub");
  testing::WriteText(dir / "sub/Pears.rdf", values);
  residue.Rdl[1] = {1, DistributionType::Empirical, {}, "apples.rdf", ""};
  residue.Rdl[2] = {2, DistributionType::Empirical, {}, "sub/PEARS.RDF", ""};
  residue.MaxRdlIndex = 2;
  ASSERT_EQ(Run(), RdfSetUp::Ok) << port.LastMessage();
  EXPECT_EQ(tables.RdfPath[1], dir / "APPLES.RDF");
  EXPECT_EQ(tables.RdfPath[2], dir / "sub/Pears.rdf");

  residue.Rdl[3] = {3, DistributionType::Empirical, {}, "GONE.RDF", ""};
  residue.Rdl[4] = {4, DistributionType::Empirical, {}, "sub/LOST.RDF", ""};
  residue.MaxRdlIndex = 4;
  EXPECT_EQ(Run(), RdfSetUp::Unusable);
  ASSERT_EQ(port.Messages().size(), 1u);
  EXPECT_EQ(port.Messages()[0].icon, Icon::Critical);
  EXPECT_EQ(port.LastMessage(),
            "Tarn-VELD Acute Module: Error: Can't find the following RDF file(s) listed in "
            "file " +
                residue.ResFileName + ":   " + Shown("GONE.RDF") +
                "  sub/LOST.RDF. Can't continue.");
}

// An old scratch file is replaced; after a refusal or Cancel none is left.
TEST_F(RdfSetUpTest, ScratchFileCancelAndCaption) {
  testing::WriteText(Scratch(), std::string(400, 'x'));
  std::string big = Lines({"' big", "' 2", "' 3", "' 4"});
  for (int i = 0; i < 2500; ++i) big += "1.5\r\n";
  AddRdf("BIG.RDF", big);
  ASSERT_EQ(Run(true), RdfSetUp::Ok);
  EXPECT_EQ(std::filesystem::file_size(Scratch()), 10000u);
  EXPECT_EQ(port.events[0].title, "DWLOC Analysis Progress Report");

  for (long call : {1, 3, 5}) {  // first pass: start, line 2000; second pass: line 1000
    port = ScriptedPort{};
    port.cancel_at_call = call;
    EXPECT_EQ(Run(), RdfSetUp::Cancelled) << call;
    EXPECT_TRUE(port.Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(Scratch()));
  }

  AddRdf("BAD.RDF", "x\r\n' a\r\n' b\r\n' c\r\nbad\r\n");
  port = ScriptedPort{};
  EXPECT_EQ(Run(), RdfSetUp::Unusable);
  EXPECT_FALSE(std::filesystem::exists(Scratch()));
}

}  // namespace
}  // namespace acute
