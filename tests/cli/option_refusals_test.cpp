// The command line refuses option values that the main form's fields would refuse, with the
// form's texts, a non-zero exit status and no report.
#include "cli/cli_fixture.h"

namespace acute::testing {
namespace {

class OptionRefusalsTest : public CliTest {
 protected:
  // An analysis of the plain residue file with these options is refused with `text`.
  void ExpectRefused(const std::string& options, const std::string& text) const {
    const CliResult r = Acute("analyze --residue SAMPLE.R10 " + options);
    EXPECT_TRUE(Refused(r)) << options;
    EXPECT_NE((r.out + r.err).find(text), std::string::npos) << options << "\n" << r.err;
  }
};

constexpr const char* kHalfLife =
    "Acute analysis data problem: Half Life cannot be set to zero or greater than 48 hrs.";
constexpr const char* kToddlers = "\"Toddlers|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|";

// One check per option: every command that takes it refuses the same values with the
// form's text (each kind of refused number: the field checks' tests).
TEST_F(OptionRefusalsTest, EachOptionIsCheckedAlikeOnEveryCommand) {
  const std::vector<std::string> endpoint_commands = {"analyze --residue SAMPLE.R10",
                                                      "report residue SAMPLE.R10"};
  struct Case {
    std::string option;
    std::vector<std::string> commands;
    std::vector<std::string> values;
    std::string text;
  };
  const Case cases[] = {
      {"--arfd",
       endpoint_commands,
       {"-1", "nan", "x"},
       "Warning: The aRfD must be a number from 0 to 1000000, or blank."},
      {"--noel",
       endpoint_commands,
       {"1e30"},
       "Warning: The NOEL must be a number from 0 to 1000000, or blank."},
      {"--reversal", {"analyze --residue SAMPLE.R10", "run"}, {"''", "0", "48.5"}, kHalfLife},
  };
  for (const Case& c : cases)
    for (const std::string& command : c.commands)
      for (const std::string& value : c.values) {
        const std::string args = command + " " + c.option + " " + value;
        const CliResult r = Acute(args);
        EXPECT_TRUE(Refused(r)) << args;
        EXPECT_NE(r.err.find(c.text), std::string::npos) << args << "\n" << r.err;
      }
  const CliResult r = Acute("report residue SAMPLE.R10 --arfd 0.10 --noel ''");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Reference dose (aRfD) = 0.1 mg/kg bw/day"), std::string::npos) << r.out;
}

TEST_F(OptionRefusalsTest, PadValues) {
  ExpectRefused("--pad --pad-value 3=0.1", "PADs are given for standard populations 6 to 24.");
  ExpectRefused("--pad --pad-value 25=0.1", "PADs are given for standard populations 6 to 24.");
  ExpectRefused("--pad --pad-value 6=-0.1", "a PAD must be a number of 0 or more");
  ExpectRefused("--pad --pad-value 6=nan", "a PAD must be a number of 0 or more");
  ExpectRefused("--pad --pad-value x=1", "--pad-value x=1: give N=X");
}

// The option's own parsing; the dialog's checks have their tests, one of them reached here.
TEST_F(OptionRefusalsTest, CustomPopulations) {
  ExpectRefused(std::string("--custom ") + kToddlers + "0,0,1,0,120\"",
                "Warning: Ages in years must be between 0 and 99.");
  ExpectRefused(std::string("--custom ") + kToddlers + "0,0,1,0,2|nan\"",
                "the aPAD must be a number of 0 or more");
  ExpectRefused(std::string("--custom ") + kToddlers + "0,0,nan,0,2\"", "must be a whole number");
  ExpectRefused("--custom \"X|2,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|1,0,0,0,0\"",
                "must be 0 or 1.");
}

TEST_F(OptionRefusalsTest, MonteCarloAndNames) {
  ExpectRefused("--mc 0 --seed 1", "Warning: Number of iterations must be 1-5000.");
  ExpectRefused("--mc 10 --seed 40000", "Warning: Seed Number must be 0-32000.");
  EXPECT_TRUE(Refused(Acute("analyze --residue SAMPLE.R10 --mc nan")));
  ExpectRefused("--report my,rep", "Illegal filename: Illegal character in filename ,");
  ExpectRefused("--report r --plot 'a<b'", "Illegal character in filename <");
  ExpectRefused("--threads 0", "--threads");
}

// A text with control characters, as the shell's printf makes it: "\\033" is an escape.
std::string Printed(const std::string& format) {
  return "\"$(printf '" + format + "')\"";
}

// True when a file or folder under `folder` has a control character in its name.
bool AnyNameWithControls(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    for (char c : entry.path().filename().string())
      if (static_cast<unsigned char>(c) < 32) return true;
  return false;
}

TEST_F(OptionRefusalsTest, ControlCharactersInCommentsAndNames) {
  const std::string escape = "Run Comment: The run comment holds a control character (code 27).";
  for (const char* command : {"analyze --residue SAMPLE.R10", "report residue SAMPLE.R10"}) {
    const CliResult r = Acute(std::string(command) + " --comment " + Printed("\\033[31mred"));
    EXPECT_TRUE(Refused(r)) << command;
    EXPECT_NE(r.err.find(escape), std::string::npos) << command << "\n" << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(Data() / "acute.tmp"));
  const std::string analyze = "analyze --residue SAMPLE.R10 ";
  const std::string names[] = {
      analyze + "--report " + Printed("a\\nb"),
      analyze + "--report r --plot " + Printed("a\\rb"),
      analyze + "--report " + Printed("sub\\ndir/rep"),
      analyze + "--dwloc --arfd 0.1 --dwloc-report " + Printed("a\\tb"),
      analyze + "--cec " + Printed("c\\nc"),
      "redo-cec --cec " + Printed("c\\nc"),
      "report residue SAMPLE.R10 --save " + Printed("s\\ns"),
      "--work " + Printed("w\\nw") + " " + analyze,
  };
  for (const std::string& args : names) {
    const CliResult r = Acute(args);
    EXPECT_TRUE(Refused(r)) << args;
    EXPECT_NE(r.err.find("Illegal character in filename"), std::string::npos) << args << "\n"
                                                                              << r.err;
  }
  EXPECT_FALSE(AnyNameWithControls(dir_.path()));
  const CliResult lines = Acute(analyze + "--comment " + Printed("two\\r\\nlines"));
  EXPECT_EQ(lines.status, 0) << lines.err;
}

TEST_F(OptionRefusalsTest, SpecsAndSampleDataOptions) {
  const std::string before = ReadText(Data() / "AcutSpec.txt");
  for (const char* bad : {"--users 2", "--per-capita -1", "--headers nan", "--min-percent nan",
                          "--min-percent inf", "--min-percent -1", "--min-percent 1e300"})
    EXPECT_NE(Acute(std::string("specs ") + bad).status, 0) << bad;
  EXPECT_EQ(ReadText(Data() / "AcutSpec.txt"), before);
  EXPECT_NE(Acute("sample-data " + (dir_ / "huge").string() + " --persons 5000000").status, 0);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "huge"));
}

TEST_F(OptionRefusalsTest, ValidOptionsStillRun) {
  const CliResult r =
      Acute(std::string("analyze --residue SAMPLE.R10 --reversal 6 --pop 1 --custom ") + kToddlers +
            "0,0,1,0,2|0.01\" --pad --pad-value 6=0.002");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Last report:"), std::string::npos);
  // The summary is the same on one thread as on three.
  const std::string mc = "analyze --residue SAMPLEMC.R10 --mc 5 --seed 3 ";
  const CliResult one = Acute(mc + "--threads 1");
  EXPECT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(Acute(mc + "--threads 3").out, one.out);
}

// An option that would do nothing with the others is refused, saying what it needs.
TEST_F(OptionRefusalsTest, OptionsThatWouldDoNothingAreRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {"--hold", "--hold needs --occasions"},
      {"--occasions --hold", "--hold needs --mc"},
      {"--qa", "--qa needs --dwloc"},
      {"--cec-low 90", "--cec-low needs --cec NAME"},
      {"--cumulative-cec", "--cumulative-cec needs --cec NAME"},
      // What the form hides for the file and boxes given.
      {"--plot p", "--plot needs --report"},
      {"--dwloc-report d", "--dwloc-report needs --dwloc"},
      {"--dwloc --report r", "a DWLOC analysis saves its report with --dwloc-report"},
      {"--per-person --pad", "--pad: PADs apply to exposures per kg body weight"},
      {"--dwloc --dwloc-report d --cec c", "--cec: a DWLOC analysis that saves its report"},
      {"--pop 0", "--pop 0: standard populations run from 1 to 24."},
  };
  for (const auto& [options, text] : cases) {
    const CliResult r = Acute(std::string("analyze --residue SAMPLEMC.R10 ") + options);
    EXPECT_EQ(r.status, 2) << options;
    EXPECT_NE(r.err.find(text), std::string::npos) << options << "\n" << r.err;
  }
  EXPECT_EQ(Acute("analyze --residue SAMPLEMC.R10 --reversal 4 --hold --mc 2 --seed 1").status, 0);
}

// Seed 0 takes the timer: the user is told the value it took.
TEST_F(OptionRefusalsTest, ASeedFromTheTimerIsToldToTheUser) {
  const CliResult r = Acute("analyze --residue SAMPLEMC.R10 --mc 2 --seed 0 --rng mt");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("seed 0 took the timer value "), std::string::npos) << r.err;
  const bool repeatable = r.err.find("to repeat this run") != std::string::npos;
  EXPECT_NE(repeatable, r.err.find("which no --seed repeats") != std::string::npos) << r.err;
  EXPECT_EQ(Acute("analyze --residue SAMPLEMC.R10 --mc 2 --seed 1").err.find("timer value"),
            std::string::npos);
}

}  // namespace
}  // namespace acute::testing
