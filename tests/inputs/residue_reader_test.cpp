// Residue files: the load view with its refusals, and the analysis view.
#include "inputs/residue_reader.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "inputs/master_lists.h"
#include "support/data_folder_fixture.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::FixtureOptions;
using testing::ScratchFolder;

// A residue file: header with `tag`, optional RDL lines, then `body` (commodity blocks).
std::string ResidueText(const std::string& tag, const std::string& rdl, const std::string& body,
                        const std::string& marker = "-1,\"Run comment\",3", int chemicals = 1) {
  return "\"Chemical X\",0\r\n\"" + tag + "\"\r\n0.25,\"mg\"\r\n0,10,0\r\n\"12/01/2026\"\r\n" +
         rdl + marker + "\r\n" + std::to_string(chemicals) + "\r\n" + body;
}

const std::string kPlainBody =
    "1,\"10000001\",\"01\",0.5,1,1,0,\"Commodity 1\",\"\"\r\n"
    "2,\"10000002\",\"01\",0,1,1,2,\"Commodity 2\",\"note\"\r\n"
    "12,\"Form 12\",0.2,1.5,2,\"\"\r\n"
    "19,\"Unknown form\",0.9,1,1,\"\"\r\n";

class ResidueFiles : public ::testing::Test {
 protected:
  void SetUpFolder(int kind = 2) {
    FixtureOptions o;
    o.kind = kind;
    options_ = o;
    testing::WriteDataFolder(dir_.path(), o);
    ScriptedPort quiet;
    support_ = ReadSupportList(dir_.path(), quiet);
  }
  std::optional<ResidueData> Read(const std::string& text) {
    std::filesystem::path file = dir_ / "residues/TEST.R10";
    testing::WriteText(file, text);
    return ReadResidueFile(file, support_, port_);
  }
  void SetUp() override { SetUpFolder(); }

  ScratchFolder dir_;
  FixtureOptions options_;
  SupportData support_;
  ScriptedPort port_;
};

TEST_F(ResidueFiles, PlainFileLoadView) {
  auto d = Read(ResidueText("21-07-aNH2", "", kPlainBody));
  ASSERT_TRUE(d.has_value()) << port_.LastMessage();
  EXPECT_TRUE(port_.events.empty());
  EXPECT_EQ(d->ChemicalName, "Chemical X");
  EXPECT_FLOAT_EQ(d->ResARfD, 0.25f);
  EXPECT_FLOAT_EQ(d->ResNoel, 10.0f);
  EXPECT_EQ(d->ResFileDate, "12/01/2026");
  EXPECT_EQ(d->ResComment, "Run comment");
  EXPECT_FALSE(d->IsMonteCarloFile());
  EXPECT_FALSE(d->OffersMonteCarlo());
  EXPECT_EQ(d->ResLineCount(), 2);
  EXPECT_EQ(d->FoodFormLineCount(), 2);
  EXPECT_EQ(d->Commodities[2].ResCommodityCode, "10000002");
  EXPECT_EQ(d->Commodities[2].ResLineComment, "note");
  EXPECT_FLOAT_EQ(d->FoodForms[1].FfAdj2, 2.0f);
  EXPECT_EQ(d->RacFoodName[2], "Commodity 2");
  EXPECT_EQ(d->AllLinesPointToRdl, 0);
  EXPECT_EQ(d->ResFolder, (dir_ / "residues/").string());
  EXPECT_EQ(d->ResFileLoaded, 1);
  auto uncommented = Read(ResidueText("21-07-aNH2", "", kPlainBody, "3"));  // a count, no marker
  ASSERT_TRUE(uncommented.has_value());
  EXPECT_EQ(uncommented->ResComment, "");
}

// Control characters in a comment (an escape, a tab) become blanks, with one notice; the
// analysis view takes them quietly.
TEST_F(ResidueFiles, ControlCharactersInCommentsBecomeBlanksWithANotice) {
  const std::string body =
      "2,\"10000002\",\"01\",0,1,1,1,\"Commodity 2\",\"a\tnote\"\r\n"
      "12,\"Form 12\",0.2,1.5,2,\"\x1b[31mred\"\r\n";
  auto d = Read(ResidueText("21-07-aNH2", "", body, "-1,\"Run\x1b comment\",3"));
  ASSERT_TRUE(d.has_value()) << port_.LastMessage();
  EXPECT_EQ(d->ResComment, "Run  comment");
  EXPECT_EQ(d->Commodities[1].ResLineComment, "a note");
  EXPECT_EQ(d->FoodForms[1].FfComment, " [31mred");
  ASSERT_EQ(port_.Messages().size(), 1u);
  EXPECT_EQ(port_.LastMessage(),
            "Reading Residue File: The comments of residue file " +
                (dir_ / "residues/TEST.R10").string() +
                " hold control characters (tabs, escapes or the like); they have been replaced by "
                "blanks.");
  ScriptedPort quiet;
  ResidueData data;
  ResidueTables tables;
  ScriptedPort master_port;
  const MasterLists master = ReadMasterLists(dir_.path(), support_, master_port);
  ReadResidueForAnalysis(dir_ / "residues/TEST.R10", support_, master, false, quiet, data, tables);
  EXPECT_EQ(data.ResComment, "Run  comment");
  EXPECT_TRUE(quiet.Messages().empty());
}

TEST_F(ResidueFiles, MonteCarloFilesWithRdlLines) {
  const std::string rdl =
      "3\r\n"
      "500,6,\"apple.rdf\",1\r\nApple residues 2025\r\n"
      "7,6,\"water.rdf\",0\r\n"
      "2,-1,0.3,0\r\n";
  const std::string body =
      "1,\"10000001\",\"01\",0.5,500,1,1,1,0,\"Commodity 1\",\"\"\r\n"
      "2,\"10000002\",\"01\",0,0,0,1,1,1,\"Commodity 2\",\"\"\r\n"
      "12,\"Form 12\",0.2,7,1,1.5,2,\"\"\r\n";
  auto d = Read(ResidueText("21-07-aMCNH2", rdl, body));
  ASSERT_TRUE(d.has_value()) << port_.LastMessage();
  EXPECT_TRUE(d->IsMonteCarloFile());
  EXPECT_TRUE(d->OffersMonteCarlo());
  EXPECT_EQ(d->RdlCount, 3);
  EXPECT_EQ(d->MaxRdlIndex, 500);
  EXPECT_EQ(d->Rdl[500].rdf_file, "apple.rdf");
  EXPECT_EQ(d->Rdl[500].comment, "Apple residues 2025");
  EXPECT_FLOAT_EQ(d->Rdl[2].param[1], 0.3f);
  EXPECT_EQ(d->Commodities[1].rdl.ptr[1], 500);
  EXPECT_EQ(d->FoodForms[1].rdl.ptr[1], 7);
  EXPECT_EQ(d->AllLinesPointToRdl, 0);  // a fixed-value line was read

  const std::string pointing = "1,\"10000001\",\"01\",0.5,4,1,1,1,0,\"Commodity 1\",\"\"\r\n";
  auto all = Read(ResidueText("21-07-aMCNH2", "1\r\n4,6,\"a.rdf\",0\r\n", pointing));
  ASSERT_TRUE(all.has_value());
  EXPECT_EQ(all->AllLinesPointToRdl, 1);
  auto none = Read(ResidueText("21-07-aMCNH2", "0\r\n", pointing));
  ASSERT_TRUE(none.has_value());
  EXPECT_FALSE(none->OffersMonteCarlo());  // MC tag without RDL lines
}

// Every refusal shows its exact title and text and hands out nothing.
TEST_F(ResidueFiles, RefusalsOfKindTwo) {
  const std::string mc_body = "1,\"10000001\",\"01\",0.5,1,1,1,1,0,\"Commodity 1\",\"\"\r\n";
  struct Case {
    std::string text;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {ResidueText("VELD3", "", kPlainBody),
       "Reading Residue File: This residue file was saved with the set of RAC and Foodforms at "
       "version 03-08-d. Please load this file into the Tarn residue file editor and resave it "
       "before you use it to perform a dietary exposure assessment.  Review RAC/FF additions "
       "since that version. Can't use this file until this is done."},
      {ResidueText("21-07-aMCNH2", "1\r\n501,-1,0.3,0\r\n", mc_body),
       "Tarn Residue file error: There is is an RDL pointer in this residue file (501) that is "
       "higher than the g_c_Maximum number of RDL pointers allowed (500). Can't use this file "
       "until this is fixed."},
      {ResidueText("21-07-aMCNH2", "1\r\n0,-1,0.3,0\r\n", mc_body),
       "Tarn Residue file error: There is is an RDL pointer in this residue file with a zero "
       "value. Can't use this file until this is fixed."},
      {ResidueText("21-07-aMCNH2", "1\r\n-4,-1,0.3,0\r\n", kPlainBody),
       "Tarn Residue file error: There is an RDL pointer in this residue file with a negative "
       "value (-4). Can't use this file until this is fixed."},
      {ResidueText("21-07-aNH2", "",
                   "532,\"86010000\",\"01\",1,1,1,0,\"Water\",\"\"\r\n"
                   "550,\"10000550\",\"01\",1,1,1,0,\"Tap\",\"\"\r\n"),
       "Reading Residue File: You cannot include both Direct Water All Sources and Direct Water "
       "Tap or Bottled in the same analysis because you will be double counting part or all of "
       "the water intake. Can't use this residue file."},
  };
  for (const auto& c : cases) {
    port_.events.clear();
    EXPECT_FALSE(Read(c.text).has_value()) << c.expected;
    EXPECT_EQ(port_.LastMessage(), c.expected);
    EXPECT_EQ(port_.Messages().back().icon, Icon::Information);
  }
  port_.events.clear();
  EXPECT_FALSE(Read(ResidueText("21-07-aNH2", "", "0,0\r\n")).has_value());
  EXPECT_EQ(port_.LastMessage(),
            "Empty Residue File: File " + (dir_ / "residues/TEST.R10").string() +
                " has no foods or foodforms with residue values. No analysis can be performed.");
}

TEST_F(ResidueFiles, AcceptedTagsAndWaterCombinations) {
  auto old = Read(
      ResidueText("xx05-10-bMCNH2", "0\r\n", "1,\"10000001\",\"01\",0.5,0,0,1,1,0,\"C\",\"\"\r\n"));
  ASSERT_TRUE(old.has_value());
  EXPECT_TRUE(old->IsMonteCarloFile());
  auto water = Read(ResidueText("21-07-aNH2", "",
                                "532,\"86010000\",\"01\",1,1,1,0,\"Water\",\"\"\r\n"
                                "548,\"10000548\",\"01\",1,1,1,0,\"Other\",\"\"\r\n"
                                "553,\"10000553\",\"01\",1,1,1,0,\"Indirect\",\"\"\r\n"));
  EXPECT_TRUE(water.has_value());
}

TEST_F(ResidueFiles, KindZeroTags) {
  SetUpFolder(0);
  port_.events.clear();
  auto d =
      Read(ResidueText("VELDMC", "0\r\n", "1,\"10000001\",\"01\",0.5,0,0,1,1,0,\"C\",\"\"\r\n"));
  ASSERT_TRUE(d.has_value()) << port_.LastMessage();
  EXPECT_EQ(d->Tag, "VELDMC1");
  EXPECT_TRUE(d->IsMonteCarloFile());
  ASSERT_EQ(port_.Messages().size(), 1u);
  EXPECT_EQ(port_.Messages()[0].title, "R98 File Update Not Completed");

  port_.events.clear();
  EXPECT_FALSE(Read(ResidueText("21-07-aNH2", "", kPlainBody)).has_value());
  EXPECT_EQ(port_.LastMessage(), "Reading R98 file: This is an invalid R98 file.");
  EXPECT_EQ(port_.Messages().back().icon, Icon::Exclamation);
}

// A commodity line of a plain file with the given residue, factors and food-form count.
std::string CommodityLine(const std::string& residue, const std::string& adj1,
                          const std::string& count) {
  return "2,\"10000002\",\"01\"," + residue + "," + adj1 + ",1," + count +
         ",\"Commodity 2\",\"\"\r\n12,\"Form 12\",0.2,1.5,2,\"\"\r\n";
}

// Damaged files, and numbers that are not finite, not whole where a count is meant, absurd,
// or negative where a residue, factor or endpoint is meant, are refused when the file is
// read, with their line; such a file never reaches an analysis. (Each kind of number that
// is not one: the list reader's tests.)
TEST_F(ResidueFiles, DamagedFilesAndBadNumbersAreRefusedWithTheirLine) {
  const std::string mc = "21-07-aMCNH2";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {ResidueText("21-07-aNH2", "", "561,\"x\",\"01\",1,1,1,0,\"x\",\"\"\r\n"),
       "names commodity 561, which is outside the commodity list"},
      {ResidueText("21-07-aNH2", "",
                   "1,\"10000001\",\"01\",0.5,1,1,2,\"C\",\"\"\r\n11,\"F\",1\r\n"),
       "the file ends inside a record"},
      {ResidueText("21-07-aNH2", "", "1,\"10000001\",\"01\",abc,1,1,0,\"C\",\"\"\r\n"),
       "\"abc\" is not a number (line 8)"},
      {ResidueText("21-07-aNH2", "", CommodityLine("0.5", "1", "1e10")),
       "commodity 2 states more food-form lines than the food-form list has food forms (39) "
       "(line 8)"},
      {ResidueText("21-07-aNH2", "", CommodityLine("0.5", "1", "2147483648")),
       "states more food-form lines"},
      {ResidueText("21-07-aNH2", "", CommodityLine("0.5", "1", "-1")),
       "commodity 2 states a negative number of food-form lines (line 8)"},
      {ResidueText("21-07-aNH2", "", CommodityLine("3e38", "1", "1")),
       "a residue above 1000000 (line 8)"},
      {ResidueText("21-07-aNH2", "", CommodityLine("-0.5", "1", "1")),
       "a negative residue (-0.5) (line 8)"},
      {ResidueText("21-07-aNH2", "", CommodityLine("0.5", "-2", "1")),
       "a negative adjustment factor (-2) (line 8)"},
      {ResidueText("21-07-aNH2", "", CommodityLine("0.5", "1", "1") + "\r\n3,\"x\",\"01\",1e39"),
       "\"1e39\" does not fit a single-precision number (line 11)"},
      {ResidueText(mc, "1\r\n2.5,-1,0.3,0\r\n", kPlainBody),
       "\"2.5\" is not a whole number (line 7)"},
      {ResidueText(mc, "1\r\n3,4,0.5,-1,0,0\r\n", kPlainBody),
       "residue distribution line 3 has a negative standard deviation (-1) (line 7)"},
      {ResidueText(mc, "1\r\n3,5,0.5,0.1,-2,0\r\n", kPlainBody),
       "residue distribution line 3 has a negative upper bound (-2)"},
      {ResidueText(mc, "1\r\n3,4,-0.5,0.1,0,0\r\n", kPlainBody), "a negative mean (-0.5)"},
      {ResidueText(mc, "1\r\n3,-1,-0.3,0\r\n", kPlainBody), "a negative residue (-0.3)"},
      {ResidueText(mc, "1\r\n3,2,0,1,0,0\r\n", kPlainBody), "a shape that is not above 0"},
      {ResidueText(mc, "1\r\n3,1,0,3e38,0\r\n", kPlainBody),
       "a parameter 2 beyond the largest residue value (1000000) (line 7)"},
      {ResidueText(mc, "1\r\n3,-1,0.3,0\r\n",
                   "1,\"10000001\",\"01\",0.5,-2,1,1,1,0,\"C\",\"\"\r\n"),
       "a residue distribution pointer (-2) outside 0 to 500 (line 10)"},
      {ResidueText(mc, "1\r\n3,-1,0.3,0\r\n",
                   "1,\"10000001\",\"01\",0.5,3,-1,1,1,0,\"C\",\"\"\r\n"),
       "a negative chemical ratio (-1)"},
  };
  for (const auto& [text, part] : cases) {
    port_.events.clear();
    EXPECT_FALSE(Read(text).has_value()) << part;
    EXPECT_NE(port_.LastMessage().find(part), std::string::npos) << port_.LastMessage();
    EXPECT_EQ(port_.LastMessage().rfind("Reading Residue File: Residue file ", 0), 0u);
  }
  std::string many;
  for (int i = 0; i < 561; ++i) many += "1,\"10000001\",\"01\",0.5,1,1,0,\"C\",\"\"\r\n";
  port_.events.clear();
  EXPECT_FALSE(Read(ResidueText("21-07-aNH2", "", many)).has_value());
  EXPECT_NE(port_.LastMessage().find("more commodity lines"), std::string::npos);
  // The header's endpoints.
  port_.events.clear();
  std::string nan_arfd = ResidueText("21-07-aNH2", "", kPlainBody);
  nan_arfd.replace(nan_arfd.find("0.25"), 4, "nan");
  EXPECT_FALSE(Read(nan_arfd).has_value());
  EXPECT_NE(port_.LastMessage().find("\"nan\" is not a number (line 3)"), std::string::npos);
  std::string negative_noel = ResidueText("21-07-aNH2", "", kPlainBody);
  negative_noel.replace(negative_noel.find("0,10,0"), 6, "0,-10,0");
  EXPECT_FALSE(Read(negative_noel).has_value());
  EXPECT_NE(port_.LastMessage().find("a negative NOEL (-10) (line 4)"), std::string::npos);
  // The analysis refuses such a file too, before anything is indexed.
  std::filesystem::path file = dir_ / "residues/NAN.R10";
  testing::WriteText(file, ResidueText("21-07-aNH2", "", CommodityLine("0.5", "1", "nan")));
  MasterLists master = ReadMasterLists(dir_.path(), support_, port_);
  ResidueData data;
  ResidueTables t;
  EXPECT_THROW(ReadResidueForAnalysis(file, support_, master, false, port_, data, t), RunEnds);
}

TEST_F(ResidueFiles, AnalysisViewIndexesByMasterNumbers) {
  const std::string rdl = "1\r\n4,-1,0.3,0\r\n";
  const std::string body =
      "1,\"10000001\",\"01\",0.5,4,1,1.5,2,0,\"Commodity 1\",\"\"\r\n"
      "2,\"10000002\",\"01\",0,0,0,1,1,2,\"Commodity 2\",\"\"\r\n"
      "12,\"Form 12\",0.2,4,0.5,3,4,\"\"\r\n"
      "19,\"Unknown\",0.9,4,1,1,1,\"\"\r\n";
  std::filesystem::path file = dir_ / "residues/MC.R10";
  testing::WriteText(file, ResidueText("21-07-aMCNH2", rdl, body));
  MasterLists master = ReadMasterLists(dir_.path(), support_, port_);
  for (bool mc : {false, true}) {
    ResidueData data;
    ResidueTables t;
    ReadResidueForAnalysis(file, support_, master, mc, port_, data, t);
    EXPECT_EQ(data.RdlCountInForce, mc ? 1 : 0);
    EXPECT_FLOAT_EQ(t.ResDefRes[1], 0.5f);
    EXPECT_FLOAT_EQ(t.ResAdj2[1], 2.0f);
    EXPECT_EQ(t.RacCommodityCode[2], "10000002");
    const int f12 = testing::MasterFoodForm(options_, 2, 2);
    EXPECT_FLOAT_EQ(t.FfRes[f12], 0.2f);
    EXPECT_FLOAT_EQ(t.FfAdj1[f12], 3.0f);
    for (int f = 1; f <= master.FoodFormCount(); ++f)
      if (f != f12) {
        EXPECT_EQ(t.FfRes[f], 0.0f) << f;  // code 19 is not a form of 2
      }
    if (mc) {
      EXPECT_EQ(t.FfRdlPtr[t.At(f12, 1)], 4);
      EXPECT_FLOAT_EQ(t.FfRdlRatio[t.At(f12, 1)], 0.5f);
      EXPECT_EQ(t.ResRdlPtr[t.At(1, 1)], 4);
    } else {
      EXPECT_TRUE(t.FfRdlPtr.empty());
    }
  }
  testing::WriteText(file, "\"x\",0\r\n");
  ResidueData data;
  ResidueTables t;
  EXPECT_THROW(ReadResidueForAnalysis(file, support_, master, false, port_, data, t), RunEnds);
}

TEST_F(ResidueFiles, MasterListsAndTheirDamage) {
  MasterLists m = ReadMasterLists(dir_.path(), support_, port_);
  EXPECT_EQ(m.RacCode[532], "86010000");
  EXPECT_EQ(m.RacName[3], "Commodity 3");
  EXPECT_EQ(m.RacFfCount[4], 0 + 3);
  EXPECT_EQ(m.RacCode[6], "");  // an empty slot
  const int f = testing::MasterFoodForm(options_, 533, 1);
  EXPECT_EQ(m.FfRac[f], 533);
  EXPECT_EQ(m.FfCode[f], 11);
  EXPECT_EQ(m.FindFoodForm(533, 12), f + 1);
  EXPECT_EQ(m.FindFoodForm(533, 19), 0);

  std::filesystem::resize_file(dir_ / "FFLIST.DAT", 30);
  EXPECT_THROW(ReadMasterLists(dir_.path(), support_, port_), RunEnds);
  EXPECT_NE(port_.LastMessage().find("FFLIST.DAT is shorter than its 39 records"),
            std::string::npos);
}

}  // namespace
}  // namespace acute
