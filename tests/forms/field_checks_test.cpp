// The main form's field checks: numbers, percentiles and file names, with their texts.
#include "forms/field_checks.h"

#include <gtest/gtest.h>

#include "forms/main_form.h"
#include "support/scripted_port.h"

namespace acute {
namespace {

TEST(FieldChecksTest, FieldNumbersAreFiniteSingles) {
  EXPECT_EQ(FieldNumber(" 2.5 "), 2.5);
  EXPECT_EQ(FieldNumber("1e3"), 1000.0);
  for (const char* bad : {"", "  ", "nan", "inf", "-inf", "1e300", "abc", "1,5"})
    EXPECT_FALSE(FieldNumber(bad)) << bad;
}

TEST(FieldChecksTest, HalfLifeRefusesZeroNegativeNonFiniteAndAbove48) {
  ScriptedPort port;
  EXPECT_TRUE(CheckHalfLifeField("48", port));
  EXPECT_TRUE(CheckHalfLifeField("0.5", port));
  for (const char* bad : {"0", "-1", "48.01", "100", "nan", "inf", ""})
    EXPECT_FALSE(CheckHalfLifeField(bad, port)) << bad;
  ASSERT_EQ(port.Messages().size(), 7u);
  EXPECT_EQ(port.LastMessage(),
            "Acute analysis data problem: Half Life cannot be set to zero or greater than 48 hrs.");
}

TEST(FieldChecksTest, EndpointsAreBlankOrWithinRange) {
  ScriptedPort port;
  EXPECT_TRUE(CheckNoelField("", port));
  EXPECT_TRUE(CheckArfdField("0.01", port));
  EXPECT_TRUE(CheckArfdField("0", port));
  for (const char* bad : {"nan", "inf", "-1", "1e300", "2e6", "x"}) {
    EXPECT_FALSE(CheckNoelField(bad, port)) << bad;
    EXPECT_FALSE(CheckArfdField(bad, port)) << bad;
  }
  EXPECT_EQ(port.LastMessage(), "Warning: The aRfD must be a number from 0 to 1000000, or blank.");
}

TEST(FieldChecksTest, IterationsSeedAndCecNumbers) {
  ScriptedPort port;
  EXPECT_TRUE(CheckSeedField("0", port));
  EXPECT_TRUE(CheckIterationsField("", port));
  EXPECT_FALSE(CheckIterationsField("5001", port));
  EXPECT_EQ(port.LastMessage(), "Warning: Number of iterations must be 1-5000.");
  EXPECT_FALSE(CheckSeedField("32001", port));
  EXPECT_EQ(port.LastMessage(), "Warning: Seed Number must be 0-32000.");
  EXPECT_TRUE(CheckMinContributionField("0.1", port));
  EXPECT_FALSE(CheckMinContributionField("50.5", port));
  EXPECT_NE(port.Messages().back().text.find("between .1 and 50%."), std::string::npos);
  EXPECT_FALSE(CheckPrintedRecordsField("", port));
  EXPECT_EQ(port.LastMessage(),
            "CEC Setup: Number of printed CEC records must be between 1 and 40000.");
}

TEST(FieldChecksTest, CommentsRefuseControlCharactersButLineEnds) {
  ScriptedPort port;
  EXPECT_TRUE(CheckCommentField("two\r\nlines, \"quoted\"", port));
  for (const std::string& bad :
       {std::string("\x1b[31mred"), std::string("a\tb"), std::string("a\0b", 3)})
    EXPECT_FALSE(CheckCommentField(bad, port)) << bad;
  ASSERT_EQ(port.Messages().size(), 3u);
  EXPECT_EQ(port.Messages()[0].text,
            "The run comment holds a control character (code 27). Remove it: a comment may hold "
            "line ends, but no tabs, escapes or other control characters.");
  EXPECT_EQ(port.Messages()[0].title, "Run Comment");
}

TEST(FieldChecksTest, FileNamesRefuseEveryControlCharacter) {
  ScriptedPort port;
  for (const char* bad : {"my\nreport", "my\rreport", "tab\there", "\x1b"})
    EXPECT_FALSE(CheckNameCharacters(bad, port)) << bad;
  ASSERT_EQ(port.Messages().size(), 4u);
  EXPECT_EQ(port.Messages()[0].text,
            "Illegal character in filename \"my^Jreport\": a control character (code 10). Do not "
            "use line ends, tabs or other control characters in file or folder names.");
  EXPECT_EQ(port.Messages()[0].title, "Illegal filename");
  EXPECT_EQ(ControlCharacterInName("/a folder/with, comma"), "");
  EXPECT_NE(ControlCharacterInName("/a\rfolder/x").find("\"/a^Mfolder/x\""), std::string::npos);
}

TEST(FieldChecksTest, PercentilesAndTheHighList) {
  ScriptedPort port;
  EXPECT_EQ(HighPercentileChoices("99.5%"), (std::vector<std::string>{"99.9%", "100%"}));
  EXPECT_EQ(HighPercentileChoices("95").size(), 7u);
  EXPECT_FALSE(CheckLowPercentileField("90%", port));
  EXPECT_EQ(port.LastMessage(),
            "CEC Low Percentile: Low Percentile for CEC records cannot be less than 95%.)");
  EXPECT_FALSE(CheckHighPercentileField("95%", "90%", port));
  EXPECT_EQ(port.Messages().back().title, "CEC High Percentile");
  EXPECT_FALSE(CheckHighPercentileField("99%", "99%", port));
  EXPECT_EQ(port.LastMessage(),
            "CEC Low Percentile: High Percentile for CEC records cannot be equal to or less than "
            "the Low Percentile.)");
  EXPECT_TRUE(CheckHighPercentileField("100%", "99%", port));
}

TEST(FieldChecksTest, FileNamesRefusePathsIllegalCharactersAndCommas) {
  ScriptedPort port;
  EXPECT_EQ(CheckNameField(NameField::Report, " risk ", ".AC10", port), "risk.AC10");
  EXPECT_EQ(CheckNameField(NameField::Report, "", ".AC10", port), "");
  EXPECT_FALSE(CheckNameField(NameField::Plot, "c:plot", ".PLT", port));
  EXPECT_EQ(port.LastMessage(),
            "Tarn-VELD Acute Module: Do not include a path with the plot filename (or do not use "
            "the characters \\ or : in the filename).");
  EXPECT_FALSE(CheckNameField(NameField::Cec, "dir/x", ".CEC", port));
  EXPECT_NE(port.LastMessage().find("with the CEC filename"), std::string::npos);
  EXPECT_FALSE(CheckNameField(NameField::Report, "a<b", ".AC10", port));
  EXPECT_EQ(port.LastMessage(),
            "Illegal filename: Illegal character in filename <  Do not use the following "
            "characters: ?*/<>|");
  // A comma would cut the name where the pass file stores it.
  EXPECT_FALSE(CheckNameField(NameField::Dwloc, "my,rep", ".DWL", port));
  EXPECT_EQ(port.Messages().back().text.substr(0, 31), "Illegal character in filename ,");
  EXPECT_FALSE(CheckNameField(NameField::Report, "say\"hi", ".AC10", port));
  EXPECT_EQ(port.Messages().size(), 5u);
}

TEST(FieldChecksTest, CecExtensionFollowsTheExcelBox) {
  EXPECT_EQ(WithCecExtension("risk", false), "risk.CEC");
  EXPECT_EQ(WithCecExtension("risk.CEC", true), "risk.CSV");
  EXPECT_EQ(WithCecExtension("risk.csv", false), "risk.CEC");
  EXPECT_EQ(WithCecExtension("risk.txt", false), "risk.txt.CEC");
  EXPECT_EQ(WithCecExtension("", true), "");
}

}  // namespace
}  // namespace acute
