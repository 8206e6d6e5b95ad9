// Every refusal of a distribution file shows its exact title, text and icon, and makes the
// files unusable.
#include <gtest/gtest.h>

#include "rdf_test_fixture.h"

namespace acute {
namespace {

using testing::Lines;
using RdfRefusalTest = testing::RdfFixture;

const std::string kFour = Lines({"' 1", "' 2", "' 3", "' 4"});
const std::string kCumulative = Lines({"NCHEMICALS=2", "CHEMICAL(1)=A", "CHEMICAL(2)=B", "'"});

struct Refusal {
  std::string text;      // the file
  std::string expected;  // "title: text", {F} standing for the file name
  Icon icon = Icon::Information;
};

std::string Expand(std::string s, const std::string& file) {
  for (std::size_t at; (at = s.find("{F}")) != std::string::npos;) s.replace(at, 3, file);
  return s;
}

std::string Repeated(const std::string& line, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += line;
  return s;
}

const std::vector<Refusal> kRefusals = {
    {kFour + "' r\xe9sum\xe9\r\n",
     "Problem reading RDF file: The RDF file {F} appears to have word-processing codes in it "
     "(codes that cannot be entered from the keyboard). This RDF file cannot be used. It needs "
     "to be saved as a text file using only characters from the keyboard."},
    {Lines({"TOTALLOD=2", "LODRES=0.1", "NCHEMICALS=2"}),
     "RDF file error: RDF file {F} .  You cannot use keywords TOTALLOAD and or TOTALFREQ with "
     "NCHEMICALS in the same rdf file."},
    {Lines({"TOTALFREQ=1", "NCHEMICALS=2"}),
     "RDF file error: RDF file {F} .  You cannot use keywords TOTALLOAD and or TOTALFREQ with "
     "NCHEMICALS in the same rdf file."},
    {Lines({"NCHEMICALS=2", "CHEMICAL(41)=X"}),
     "RDF file error: In RDF file {F} .  Chemical number must be in range 1-40."},
    {Lines({"NCHEMICALS=2", "CHEMICAL(1=X"}),
     "RDF file error: In RDF file {F} .  In keyword 'CHEMICAL' there is no closing "
     "parenthesis."},
    {Lines({"NCHEMICALS=1", "TOTALFREQ=3"}),
     "RDF file error: In RDF file {F}, you can't use keyword TOTALFREQ with cumulative rdf "
     "files."},
    {Lines({"NCHEMICALS=1", "TOTALLOD=3"}),
     "RDF file error: RDF file {F} .  You cannot use keywords TOTALLOD and NChemicals in the "
     "same rdf file."},
    {Lines({"' a", "0.5"}),
     "Compute RDF distribution: It appears that there are residue values located in the first "
     "four lines of RDF file {F}. The first four lines are reserved for comments and keywords. "
     "You should review this rdf file and remove anything that looks like residue values from "
     "the first four lines (e.g., a single numeric value or two numeric values separated by a "
     "comma)."},
    {Lines({"TOTALLOD=1", "'", "'", "'", "0.5"}),
     "Can't continue.: Error in RDF file {F}: LODRES set to 0.", Icon::None},
    {kFour + "0.05 composite sample\r\n",
     "RDF file error: In RDF file {F} there are comments or some other characters which are "
     "not set off with a (') or (DOC)."},
    {kFour + Lines({"2,0.1", "0,0.05"}),
     "Can't continue: Error in RDF file {F} at line 6: At least one residue frequency value "
     "set to 0.",
     Icon::None},
    {kFour + "3,abc\r\n",
     "RDF file error: Error in file {F} at line 5. There is a non-numeric character where a "
     "frequency-residue pair is expected. Can't Continue."},
    {kFour + "nan\r\n",
     "RDF file error: Error in file {F} at line 5. There is a non-numeric character where a "
     "residue value is expected."},
    {kCumulative + "1.0\r\n",
     "RDF file error: Error in file {F} at line 5. There are no cumulative residue components "
     "on this line."},
    {Lines({"TOTALNZ=5", "'", "'", "'", "0.1", "0.2"}),
     "Can't continue: Error in RDF file {F}: the number of residues without frequencies (2) "
     "does not equal declared value (TOTALNZ =5)",
     Icon::None},
    {Lines({"TOTALFREQ=3", "'", "'", "'", "2,0.1"}),
     "Can't continue: Error in {F}: the number of frequency-residue pairs (1) does not equal "
     "declared value (TOTALFREQ =3)",
     Icon::None},
    // Faults that would otherwise be read wrongly.
    {Lines({"TOTALZ=many"}),
     "RDF file error: In RDF file {F} at line 1, the value of keyword TOTALZ is missing or is "
     "not a number."},
    {Lines({"'", "LODRES 0.1"}),
     "RDF file error: In RDF file {F} at line 2, the value of keyword LODRES is missing or is "
     "not a number."},
    {Lines({"TOTALNZ=2147483648"}),
     "RDF file error: In RDF file {F} at line 1, keyword TOTALNZ must be a whole number from 0 "
     "to 2147483647."},
    {Lines({"TOTALZ=-1"}),
     "RDF file error: In RDF file {F} at line 1, keyword TOTALZ must be a whole number from 0 "
     "to 2147483647."},
    {Lines({"TOTALLOD=2.5"}),
     "RDF file error: In RDF file {F} at line 1, keyword TOTALLOD must be a whole number from "
     "0 to 2147483647."},
    {Lines({"TOTALFREQ=32768"}),
     "RDF file error: In RDF file {F} at line 1, keyword TOTALFREQ must be a whole number from "
     "0 to 32767."},
    {Lines({"NCHEMICALS=41"}),
     "RDF file error: In RDF file {F} at line 1, keyword NCHEMICALS must be a whole number "
     "from 1 to 40."},
    {Lines({"NCHEMICALS=2", "CHEMICAL(1)=A"}),
     "RDF file error: In RDF file {F} .  There is no name for chemical 2 (keyword "
     "CHEMICAL(2))."},
    {Lines({"NCHEMICALS=2", "CHEMICAL(1)=A", "CHEMICAL(2)=a"}),
     "RDF file error: In RDF file {F} .  Chemical a is named twice."},
    {kFour + "-2,0.1\r\n",
     "RDF file error: Error in RDF file {F} at line 5: a residue frequency must be a whole "
     "number from 1 to 2147483647."},
    {kFour + "1,2,3\r\n",
     "RDF file error: Error in file {F} at line 5. There are more than two values where a "
     "residue value or a frequency-residue pair is expected."},
    {kCumulative + "1.0,0.5,0.3,0.2\r\n",
     "RDF file error: Error in file {F} at line 5. There are 3 cumulative residue components "
     "on this line; NCHEMICALS is 2."},
    {Lines({"TOTALZ=1000", "'", "'", "'", "2147483000,0.1"}),
     "RDF file error: Error in RDF file {F}: its residue values, LOD samples and zero samples "
     "together are more than 2147483647."},
    {kFour + Repeated("1,0.5\r\n", 32768),
     "RDF file error: Error in RDF file {F}: the number of frequency-residue pairs (32768) is "
     "more than 32767."},
    // A value that cannot be a residue: negative, or absurdly large.
    {kFour + Lines({"0.5", "-100"}),
     "RDF file error: Error in file {F} at line 6. A residue value must lie from 0 to 1000000; "
     "a negative or larger value cannot be a residue."},
    {kFour + "3,-0.1\r\n",
     "RDF file error: Error in file {F} at line 5. A residue value must lie from 0 to 1000000; "
     "a negative or larger value cannot be a residue."},
    {kFour + "3e38\r\n",
     "RDF file error: Error in file {F} at line 5. A residue value must lie from 0 to 1000000; "
     "a negative or larger value cannot be a residue."},
    {kCumulative + "0.1,0.2,-0.1\r\n",
     "RDF file error: Error in file {F} at line 5. A residue value must lie from 0 to 1000000; "
     "a negative or larger value cannot be a residue."},
    {Lines({"TOTALLOD=2", "LODRES=-0.005"}),
     "RDF file error: In RDF file {F} at line 2, keyword LODRES must be a residue from 0 to "
     "1000000."},
    {Repeated("'\r\n", 32768) + "0.5\r\n",
     "RDF file error: In RDF file {F} there are more than 32767 comment and keyword lines "
     "before the first residue value."},
};

TEST_F(RdfRefusalTest, EveryFaultShowsItsMessage) {
  for (const Refusal& r : kRefusals) {
    SCOPED_TRACE(r.expected);
    AddRdf("BAD.RDF", r.text, 1);
    port = ScriptedPort{};
    EXPECT_EQ(Run(), RdfSetUp::Unusable);
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(port.LastMessage(), Expand(r.expected, Shown("BAD.RDF")));
    EXPECT_EQ(port.Messages()[0].icon, r.icon);
  }
}

// Counts that only overflow over all files together, and a scratch file that cannot be
// written.
TEST_F(RdfRefusalTest, FaultsOfTheFilesTogether) {
  // Each file's frequencies fit; together they pass what the program holds in memory.
  AddRdf("HALF1.RDF", kFour + "15000000,0.1\r\n");
  AddRdf("HALF2.RDF", kFour + "15000000,0.2\r\n");
  EXPECT_EQ(Run(), RdfSetUp::Unusable);
  EXPECT_EQ(port.LastMessage(), "RDF file error: The RDF files listed in file " +
                                    residue.ResFileName +
                                    " hold more than 20000000 residue values in all. Can't "
                                    "continue.");
  EXPECT_TRUE(tables.values.empty());

  AddRdf("HALF2.RDF", kFour + "0.2\r\n", 2);
  port = ScriptedPort{};
  const auto scratch = dir / "no-such-folder" / kRdfScratchFileName;
  AddRdf("HALF1.RDF", kFour + "0.1\r\n", 1);
  EXPECT_EQ(SetUpRdfs(residue, scratch, false, port, tables), RdfSetUp::Unusable);
  EXPECT_EQ(port.LastMessage(), "RDF file error: Can't write the residue value file " +
                                    scratch.string() + ". Can't continue.");
}

}  // namespace
}  // namespace acute
