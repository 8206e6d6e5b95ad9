// Cumulative distribution files: one record per row holding its total, the row check, the
// chemical tables matched by name across files, and reading the rows again.
#include "inputs/rdf/rdf_cumulative.h"

#include <gtest/gtest.h>

#include "rdf_test_fixture.h"

namespace acute {
namespace {

using testing::Lines;
using RdfCumulativeTest = testing::RdfFixture;

std::string Cumulative(const std::string& first, const std::string& second,
                       std::initializer_list<std::string> rows) {
  std::string text = Lines({"' cumulative", "NCHEMICALS=2", "CHEMICAL(1)=\"" + first + "\"",
                            "CHEMICAL(2)=" + second + " ' as listed", "POTENCY(1)=1", ""});
  for (const std::string& row : rows) text += row + "\r\n";
  return text;
}

TEST_F(RdfCumulativeTest, ChemicalsAreMatchedByNameAcrossFiles) {
  residue.AllLinesPointToRdl = 1;
  AddRdf("CUMA.RDF", Cumulative("Alpha acid", "Beta", {"1.0,0.6,0.4", "0.3 0.1 0.2"}));
  AddRdf("CUMB.RDF", Cumulative("beta", "Gamma", {"2.0, 1.5\t0.5"}), 3);  // RDL 2 unused
  ASSERT_EQ(Run(), RdfSetUp::Ok) << port.LastMessage();
  EXPECT_EQ(tables.values, (std::vector<float>{1.0f, 0.3f, 2.0f}));
  EXPECT_EQ(tables.RdfChemCount[1], 2);
  EXPECT_EQ(tables.RdfHeaderLines[1], 5);
  EXPECT_EQ(tables.RdfTotalNZ[3], 1);
  EXPECT_EQ(tables.RdfFirstRecord[3], 3);
  EXPECT_EQ(tables.RdfChemName[1][1], "Alpha acid");
  ASSERT_TRUE(tables.all_cumulative);
  EXPECT_EQ(tables.CumChemCount, 3);
  EXPECT_EQ(tables.CumChemName[2], "Beta");
  EXPECT_EQ(tables.CumChemName[3], "Gamma");
  EXPECT_EQ(tables.RdfChemColumn[3][2], 1);
  EXPECT_EQ(tables.RdfChemColumn[3][3], 2);
  EXPECT_EQ(tables.RdfChemColumn[3][1], 0);
  EXPECT_EQ(tables.CumChemPresent[1][1], 1);
  EXPECT_EQ(tables.CumChemPresent[1][3], 0);
  EXPECT_EQ(tables.CumChemPresent[2][3], 1);

  std::vector<std::vector<float>> rows;
  long n = ForEachCumulativeRow(tables.RdfPath[1], "CUMA.RDF", tables.RdfHeaderLines[1], 2,
                                [&](const CumulativeRow& row) { rows.push_back(row.residues); });
  EXPECT_EQ(n, 2);
  EXPECT_EQ(rows, (std::vector<std::vector<float>>{{0.6f, 0.4f}, {0.1f, 0.2f}}));
}

// The tables need every line to point to an RDL and every RDL in use to be cumulative.
TEST_F(RdfCumulativeTest, TablesOnlyWhenEverythingIsCumulative) {
  residue.AllLinesPointToRdl = 0;
  AddRdf("CUMA.RDF", Cumulative("A", "B", {"1.0,0.6,0.4"}));
  ASSERT_EQ(Run(), RdfSetUp::Ok);
  EXPECT_FALSE(tables.all_cumulative);
  EXPECT_EQ(tables.CumChemCount, 0);

  residue.AllLinesPointToRdl = 1;
  AddRdf("PLAIN.RDF", Lines({"'", "'", "'", "'", "0.5"}));
  ASSERT_EQ(Run(), RdfSetUp::Ok);
  EXPECT_FALSE(tables.all_cumulative);
  EXPECT_TRUE(tables.CumChemName.empty());
}

// A row whose total is not the sum of its residues is refused, even when not every file is
// cumulative; the sum may differ by a factor of 0.9999 to 1.0001.
TEST_F(RdfCumulativeTest, RowTotals) {
  AddRdf("PLAIN.RDF", Lines({"'", "'", "'", "'", "0.5"}));
  AddRdf("CUM.RDF", Cumulative("A", "B", {"1.0,0.6,0.4", "1.0001,0.6,0.4", "1.0,0.6,0.3"}));
  EXPECT_EQ(Run(), RdfSetUp::Unusable);
  EXPECT_EQ(port.LastMessage(), "RDF file error: In rdf file " + Shown("CUM.RDF") +
                                    " in row 3 the total residue value in column 1 does not "
                                    "equal the sum of the 2 residue values that follow in that "
                                    "row.");
  EXPECT_EQ(port.Messages()[0].icon, Icon::Information);
  EXPECT_FALSE(std::filesystem::exists(Scratch()));
  EXPECT_EQ(port.events.rbegin()[1].text, "Reading " + Shown("CUM.RDF") + "\r\nThird pass");
}

TEST_F(RdfCumulativeTest, AtMostFortyChemicalsInAll) {
  residue.AllLinesPointToRdl = 1;
  std::string forty = Lines({"NCHEMICALS=40"});
  std::string row = "40";
  for (int k = 1; k <= 40; ++k) {
    forty += "CHEMICAL(" + std::to_string(k) + ")=C" + std::to_string(k) + "\r\n";
    row += ",1";
  }
  AddRdf("FORTY.RDF", forty + row + "\r\n");
  AddRdf("MORE.RDF", Cumulative("C1", "C41", {"1.0,0.6,0.4"}));
  EXPECT_EQ(Run(), RdfSetUp::Unusable);
  EXPECT_EQ(port.LastMessage(), "RDF file error: The cumulative RDF files listed in file " +
                                    residue.ResFileName +
                                    " name more than 40 different chemicals; a cumulative "
                                    "analysis can use at most 40. Can't continue.");
}

}  // namespace
}  // namespace acute
