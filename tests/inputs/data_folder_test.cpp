// Start-up checks of the data folder: support list, support files, set-up file and the
// engine's analysis file check.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "inputs/support_data.h"
#include "support/data_folder_fixture.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::FixtureOptions;
using testing::ScratchFolder;

TEST(SupportList, ReadsEveryFieldOfBothKinds) {
  for (int kind : {0, 2}) {
    ScratchFolder dir;
    FixtureOptions o;
    o.kind = kind;
    testing::WriteDataFolder(dir.path(), o);
    ScriptedPort port;
    SupportData s = ReadSupportList(dir.path(), port);
    EXPECT_TRUE(port.events.empty());
    EXPECT_EQ(s.DatabaseKind, kind);
    EXPECT_EQ(s.RacFfVersion, "21-07-a");
    EXPECT_EQ(s.DatabaseTitle, "Test survey");
    EXPECT_EQ(s.SupportFile[2], "RACLIST.DAT");
    EXPECT_EQ(s.SupportFile[7], kind == 0 ? "HHDEMO.DAT" : "");
    EXPECT_EQ(s.ConsumptionListA[4], "A4.DAT");
    EXPECT_EQ(s.ConsumptionListB[1], "B1.DAT");
    EXPECT_EQ(s.RacCount, 560);
    EXPECT_EQ(s.FoodFormCount, 39);
    ASSERT_EQ(s.StandardPopulationCount(), 3);
    EXPECT_EQ(s.PopulationNames[3], "Non-Hispanic White");
    EXPECT_EQ(s.ResidueExtension(), kind == 0 ? "R98" : "R10");
  }
  // Files 2 and 3 only: the other slots stay empty.
  ScratchFolder dir;
  FixtureOptions o;
  o.first_index = 2;
  o.last_index = 3;
  testing::WriteDataFolder(dir.path(), o);
  ScriptedPort port;
  SupportData s = ReadSupportList(dir.path(), port);
  ASSERT_EQ(s.ConsumptionListA.size(), 4u);
  EXPECT_EQ(s.ConsumptionListA[1], "");
  EXPECT_EQ(s.ConsumptionListA[2], "A2.DAT");
  EXPECT_EQ(s.ConsumptionListB[3], "B3.DAT");
}

// Each start-up failure ends the program after its exact message.
TEST(SupportList, FailuresEndTheProgramWithTheirMessage) {
  struct Case {
    std::string damage;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"no support list",
       "Starting Tarn-VELD: File TarnSupport.txt is not located in the current directory, "
       "can't proceed without this file."},
      {"two support files missing",
       "Fatal error!: The following support file(s) are missing from the TARN directory:  "
       "FFDESC.TXT SURVEY.TXT.   Can't continue."},
      {"no set-up file",
       "Missing Set Up File: Can't find file setupTARNNH.txt in TARNVELD folder. Run TARNVELD "
       "and use File|Setup feature to create this file."},
      {"kind 1",
       "Starting Tarn-VELD: The data folder is set up for database kind 1; this program works "
       "with kind 0 (R98 residue files) and kind 2 (R10 residue files) only."},
  };
  for (const auto& c : cases) {
    ScratchFolder dir;
    FixtureOptions o;
    o.kind = c.damage == "kind 1" ? 1 : 2;
    testing::WriteDataFolder(dir.path(), o);
    if (c.damage == "no support list") std::filesystem::remove(dir / "TarnSupport.txt");
    if (c.damage == "two support files missing") {
      std::filesystem::remove(dir / "FFDESC.TXT");
      std::filesystem::remove(dir / "SURVEY.TXT");
    }
    if (c.damage == "no set-up file") std::filesystem::remove(dir / "setupTARNNH.txt");
    ScriptedPort port;
    EXPECT_THROW(ReadSupportList(dir.path(), port), ProgramEnds) << c.damage;
    EXPECT_EQ(port.LastMessage(), c.expected);
  }
}

// A setting line or page length that is not a finite number is refused with its line.
TEST(SupportList, NonFiniteSettingsAreRefused) {
  for (const char* value : {"two", "nan", "inf", "1e10"}) {
    ScratchFolder dir;
    testing::WriteDataFolder(dir.path());
    std::string text = testing::ReadText(dir / "TarnSupport.txt");
    const std::size_t at = text.find('=', text.find("\r\n") + 2);
    text.replace(at + 1, text.find("\r\n", at) - at - 1, value);
    testing::WriteText(dir / "TarnSupport.txt", text);
    ScriptedPort port;
    EXPECT_THROW(ReadSupportList(dir.path(), port), ProgramEnds) << value;
    EXPECT_NE(port.LastMessage().find("cannot be read at line 2"), std::string::npos)
        << port.LastMessage();

    testing::WriteDataFolder(dir.path());
    std::string setup = testing::ReadText(dir / "setupTARNNH.txt");
    setup.replace(setup.find("\r\n60\r\n") + 2, 2, value);
    testing::WriteText(dir / "setupTARNNH.txt", setup);
    ScriptedPort port2;
    EXPECT_THROW(ReadSetupFile(dir.path(), port2), ProgramEnds) << value;
    EXPECT_NE(port2.LastMessage().find("cannot be read at line 2"), std::string::npos)
        << port2.LastMessage();
  }
}

TEST(LocateDataFolder, AsksUntilAnAbsoluteExistingFolderHoldsTheList) {
  ScratchFolder empty, data;
  testing::WriteDataFolder(data.path());
  ScriptedPort port;
  port.inputs = {std::string("TARN"), (empty / "nowhere").string(), empty.path().string(),
                 data.path().string()};
  auto found = LocateDataFolder(empty.path(), port);
  EXPECT_EQ(found, std::filesystem::canonical(data.path()));
  auto messages = port.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].title, "Directory path error");
  EXPECT_EQ(messages[1].title + ": " + messages[1].text, "Error: Invalid directory");
  EXPECT_EQ(port.events[0].title, "Directory problem");
  EXPECT_EQ(port.events[0].text,
            "Can't find file TarnSupport.txt in default directory. Enter directory location of "
            "TARNVELD or press cancel to end.");

  ScriptedPort cancel;
  EXPECT_THROW(LocateDataFolder(empty.path(), cancel), ProgramEnds);
}

TEST(SetupFile, ReadsValuesAndResolvesFolders) {
  ScratchFolder dir;
  FixtureOptions o;
  o.setup_line10 = "";
  testing::WriteDataFolder(dir.path(), o);
  ScriptedPort port;
  std::filesystem::path folder = dir.path();
  SetupData s = CheckSetupFile(folder, port);
  EXPECT_EQ(s.PageLength, 60);
  EXPECT_FALSE(s.Exceeding());
  EXPECT_TRUE(s.PageNumbers());
  EXPECT_FALSE(s.PrintComments());
  EXPECT_EQ(s.PrintCommentsFlag, "");
  EXPECT_EQ(s.ConsumptionFolder(), (dir / "survey/").string());
  EXPECT_EQ(s.ResFolder, (dir / "residues/").string());
}

TEST(SetupFile, AsksForAFolderThatHoldsIt) {
  ScratchFolder empty, data;
  testing::WriteDataFolder(data.path());
  ScriptedPort port;
  port.inputs = {data.path().string()};
  std::filesystem::path folder = empty.path();
  CheckSetupFile(folder, port);
  EXPECT_EQ(folder, std::filesystem::canonical(data.path()));
  EXPECT_EQ(port.events[0].text,
            "Can't find setupTARNNH.txt file in current directory. Enter directory location of "
            "/TARN or press cancel to end.");
  std::filesystem::path again = empty.path();
  ScriptedPort cancel;
  EXPECT_THROW(CheckSetupFile(again, cancel), ProgramEnds);
}

TEST(AnalysisFiles, ChoosesTheListAndNamesMissingFiles) {
  ScratchFolder dir;
  testing::WriteDataFolder(dir.path());
  ScriptedPort port;
  SupportData s = ReadSupportList(dir.path(), port);
  AnalysisFiles daily = CheckAnalysisFiles(dir.path(), s, false, port);
  EXPECT_EQ(daily.ConsumptionFiles[2], "A2.DAT");
  EXPECT_EQ(CheckAnalysisFiles(dir.path(), s, true, port).ConsumptionFiles[2], "B2.DAT");
  EXPECT_EQ(daily.Files[4], "");  // no household file in this kind: not tested

  std::filesystem::remove(dir / "FFLIST.DAT");
  std::filesystem::remove(dir / "FFDESC.TXT");
  EXPECT_THROW(CheckAnalysisFiles(dir.path(), s, false, port), ProgramEnds);
  EXPECT_EQ(port.LastMessage(),
            "TARN: The following Tarn-VELD support files are missing in the TARN folder: "
            "FFLIST.DAT; FFDESC.TXT; ");
  EXPECT_EQ(port.Messages().back().icon, Icon::Critical);
}

}  // namespace
}  // namespace acute
