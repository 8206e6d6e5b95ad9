// Damaged or absurd inputs end with the reader's message, naming the file and line, and a
// non-zero exit status; no report claims success. A folder name with a comma still runs.
#include <sstream>
#include <vector>

#include "cli/cli_fixture.h"

namespace acute::testing {
namespace {

using InputRefusals = CliTest;

// Line 11 of the sample residue file is commodity 24 with one food-form line:
// 24,"01080300","1",residue,factor 1,factor 2,food-form count,...
constexpr int kCommodityLine = 11;
std::string CommodityLine(const std::string& residue, const std::string& factor,
                          const std::string& count) {
  return "24,\"01080300\",\"1\"," + residue + "," + factor + ",1," + count +
         ",\"Radish, dried\",\"Food-form residues from processing studies\"";
}

// The reader's tests cover each kind of damaged number; here one reaches the user from both
// commands that read the file.
TEST_F(InputRefusals, AResidueFileNumberThatCannotBeDataIsRefusedWithTheLine) {
  WriteResidueVariant("SAMPLE.R10", "BAD.R10", kCommodityLine, CommodityLine("nan", "0.5", "1"));
  for (const char* command : {"check-residue BAD.R10", "analyze --residue BAD.R10"}) {
    const CliResult r = Acute(command);
    EXPECT_TRUE(Refused(r)) << command;
    EXPECT_NE(r.err.find("BAD.R10 cannot be used"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("(line 11)"), std::string::npos) << r.err;
  }
}

TEST_F(InputRefusals, ANegativeDistributionValueIsRefusedWithFileAndLine) {
  WriteResidueVariant("APPLES.RDF", "APPLES.RDF", 8, "-100");
  const CliResult r = Acute("analyze --residue SAMPLEMC.R10 --mc 10 --seed 1");
  EXPECT_TRUE(Refused(r));
  EXPECT_NE(r.err.find("APPLES.RDF at line 8"), std::string::npos) << r.err;
}

// Rewrites the pass file's distribution row whose index and type are given, field `field`
// (from 0) becoming `value`.
void EditDistributionRow(const std::filesystem::path& pass, const std::string& index,
                         const std::string& type, std::size_t field, const std::string& value) {
  std::istringstream in(ReadText(pass));
  std::string text;
  std::string row;
  while (std::getline(in, row)) {
    std::istringstream fields(row);
    std::vector<std::string> items;
    for (std::string f; fields >> f;) items.push_back(f);
    if (items.size() > field && items[0] == index && items[1] == type) {
      items[field] = value;
      row.clear();
      for (const auto& item : items) row += " " + item + " ";
      row += "\r";
    }
    text += row + "\n";
  }
  WriteText(pass, text);
}

// The pass-file reader's tests cover each row out of range; here one ends `run`.
TEST_F(InputRefusals, APassFileRowOutsideWhatItIndexesIsRefused) {
  const std::filesystem::path pass = Data() / "tarnpass.tmp";
  ASSERT_EQ(Acute("analyze --residue SAMPLEMC.R10 --mc 10 --seed 1").status, 0);
  EditDistributionRow(pass, "1", "6", 5, "-40");  // a negative count of residue values
  const CliResult r = Acute("run");
  EXPECT_TRUE(Refused(r));
  EXPECT_NE(r.err.find("The pass file tarnpass.tmp cannot be read at line"), std::string::npos)
      << r.err;
}

// `residues` says what is missing; a set-up file saved with a byte-order mark still reads.
TEST_F(InputRefusals, ResiduesSaysWhatIsMissingAndTakesAByteOrderMark) {
  const std::filesystem::path setup = Data() / "setupTARNNH.txt";
  WriteText(setup, "\xEF\xBB\xBF" + ReadText(setup));
  const CliResult with_mark = Acute("residues");
  EXPECT_EQ(with_mark.status, 0) << with_mark.err;
  EXPECT_NE(with_mark.out.find("Residue folder: " + Residues().string() + "/ ("), std::string::npos)
      << with_mark.out;
  const std::filesystem::path moved = dir_ / "elsewhere";
  std::filesystem::rename(Residues(), moved);
  CliResult r = Acute("residues");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Residue folder: Can't read the residue folder " + Residues().string() +
                       "/ that line 1 of setupTARNNH.txt names (No such file or directory). "
                       "Correct that line, or put the residue files in that folder.\n");
  std::filesystem::create_directory(Residues());
  r = Acute("residues");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Residue folder: The residue folder " + Residues().string() +
                       "/ holds no R10 residue files.\n");
}

TEST_F(InputRefusals, AFolderWithACommaRunsAndNamesWithACommaAreRefused) {
  const std::filesystem::path folder = dir_ / "data, x";
  ASSERT_EQ(Acute("sample-data '" + folder.string() + "' --persons 100").status, 0);
  CliResult r = AcuteIn(folder, "analyze --residue SAMPLE.R10 --report myrep");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(folder / "residues" / "myrep.AC10"));
  r = AcuteIn(folder, "run");
  EXPECT_EQ(r.status, 0) << r.err;
  r = AcuteIn(folder, "analyze --residue SAMPLE.R10 --report 'my,rep'");
  EXPECT_TRUE(Refused(r));
  EXPECT_FALSE(std::filesystem::exists(folder / "residues" / "my.AC10"));
}

}  // namespace
}  // namespace acute::testing
