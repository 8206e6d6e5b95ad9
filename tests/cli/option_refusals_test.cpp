// The command line refuses option values that the main form's fields would refuse, with the
// form's texts, a non-zero exit status and no report.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <memory>

#include "sample_data/sample_data.h"
#include "support/test_support.h"

namespace acute {
namespace {

struct Result {
  int status = -1;
  std::string output;  // standard output and standard error
};

class OptionRefusalsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new testing::ScratchFolder;
    manifest_ = sample::WriteSampleData(*folder_ / "data", {2, 200, 5});
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  static Result Acute(const std::string& arguments) {
    const std::string command = std::string("'") + ACUTE_CLI_BINARY + "' --yes --data '" +
                                manifest_.folder.string() + "' " + arguments + " 2>&1";
    Result r;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) r.output.append(buffer, n);
    const int raw = pclose(pipe.release());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
  }

  // An analysis of the plain residue file with these options is refused with `text`.
  static void ExpectRefused(const std::string& options, const std::string& text) {
    const Result r = Acute("analyze --residue " + manifest_.plain_residue + " " + options);
    EXPECT_NE(r.status, 0) << options;
    EXPECT_NE(r.output.find(text), std::string::npos) << options << "\n" << r.output;
    EXPECT_EQ(r.output.find("Last report:"), std::string::npos) << options;
  }

  static testing::ScratchFolder* folder_;
  static sample::SampleManifest manifest_;
};

testing::ScratchFolder* OptionRefusalsTest::folder_ = nullptr;
sample::SampleManifest OptionRefusalsTest::manifest_;

constexpr const char* kHalfLife =
    "Acute analysis data problem: Half Life cannot be set to zero or greater than 48 hrs.";
constexpr const char* kToddlers = "\"Toddlers|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|";

TEST_F(OptionRefusalsTest, HalfLifeOnAnalyzeAndRun) {
  for (const char* h : {"nan", "inf", "-1", "0", "48.5", "100"})
    ExpectRefused(std::string("--reversal ") + h, kHalfLife);
  for (const char* h : {"nan", "inf", "-1", "0", "100"}) {
    const Result r = Acute(std::string("run --reversal ") + h);
    EXPECT_NE(r.status, 0) << h;
    EXPECT_NE(r.output.find(kHalfLife), std::string::npos) << h << "\n" << r.output;
  }
}

TEST_F(OptionRefusalsTest, Endpoints) {
  for (const char* v : {"nan", "inf", "-1", "1e300"}) {
    const Result r =
        Acute("analyze --residue " + manifest_.plain_residue + " --arfd " + v + " --dwloc");
    EXPECT_NE(r.status, 0) << v;
    EXPECT_EQ(r.output.find("Last report:"), std::string::npos) << v;
  }
  ExpectRefused("--arfd nan", "Warning: The aRfD must be a number from 0 to 1000000, or blank.");
  ExpectRefused("--arfd -1", "The aRfD must be");
  ExpectRefused("--noel nan", "Warning: The NOEL must be a number from 0 to 1000000, or blank.");
  ExpectRefused("--noel -5", "The NOEL must be");
}

TEST_F(OptionRefusalsTest, PadValues) {
  ExpectRefused("--pad --pad-value 3=0.1", "PADs are given for standard populations 6 to 24.");
  ExpectRefused("--pad --pad-value 25=0.1", "PADs are given for standard populations 6 to 24.");
  ExpectRefused("--pad --pad-value 6=-0.1", "a PAD must be a number of 0 or more");
  ExpectRefused("--pad --pad-value 6=nan", "a PAD must be a number of 0 or more");
}

TEST_F(OptionRefusalsTest, CustomPopulations) {
  ExpectRefused(std::string("--custom ") + kToddlers + "0,0,1,0,120\"",
                "Warning: Ages in years must be between 0 and 99.");
  ExpectRefused(std::string("--custom ") + kToddlers + "0,15,0,0,2\"",
                "Warning: Ages in months must be between 0 and 11.");
  ExpectRefused(std::string("--custom ") + kToddlers + "0,0,1,0,2|nan\"",
                "the aPAD must be a number of 0 or more");
  ExpectRefused(std::string("--custom ") + kToddlers + "0,0,nan,0,2\"", "must be a whole number");
  ExpectRefused(std::string("--custom ") + kToddlers + "0,0,5,0,2\"",
                "Warning: 'From age' must be lower than 'to age'.");
  ExpectRefused(
      "--custom \"All|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|0,0,0|1,0,0,0,0\"",
      "Warning: You must check at least one 'nursing status' category before completing this "
      "form.");
  ExpectRefused("--custom \"X|2,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|1,0,0,0,0\"",
                "must be 0 or 1.");
}

TEST_F(OptionRefusalsTest, MonteCarloAndNames) {
  ExpectRefused("--mc 0 --seed 1", "Warning: Number of iterations must be 1-5000.");
  ExpectRefused("--mc 6000 --seed 1", "Warning: Number of iterations must be 1-5000.");
  ExpectRefused("--mc 10 --seed 40000", "Warning: Seed Number must be 0-32000.");
  const Result r = Acute("analyze --residue " + manifest_.plain_residue + " --mc nan");
  EXPECT_NE(r.status, 0);
  ExpectRefused("--report my,rep", "Illegal filename: Illegal character in filename ,");
  ExpectRefused("--plot 'a<b'", "Illegal character in filename <");
  ExpectRefused("--threads 0", "--threads");
}

TEST_F(OptionRefusalsTest, SpecsAndSampleDataOptions) {
  const std::string before = testing::ReadText(manifest_.folder / "AcutSpec.txt");
  for (const char* bad : {"--users 2", "--per-capita -1", "--headers nan", "--min-percent nan",
                          "--min-percent inf", "--min-percent -1", "--min-percent 1e300"}) {
    const Result r = Acute(std::string("specs ") + bad);
    EXPECT_NE(r.status, 0) << bad;
  }
  EXPECT_EQ(testing::ReadText(manifest_.folder / "AcutSpec.txt"), before);
  const Result r =
      Acute("sample-data " + (folder_->path() / "huge").string() + " --persons 5000000");
  EXPECT_NE(r.status, 0);
  EXPECT_FALSE(std::filesystem::exists(folder_->path() / "huge"));
}

TEST_F(OptionRefusalsTest, ValidOptionsStillRun) {
  const Result r =
      Acute("analyze --residue " + manifest_.plain_residue + " --reversal 6 --pop 1 --custom " +
            kToddlers + "0,0,1,0,2|0.01\" --pad --pad-value 6=0.002");
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("Last report:"), std::string::npos);
  // The summary is the same on one thread as on three.
  const std::string mc = "analyze --residue " + manifest_.mc_residue + " --mc 5 --seed 3 ";
  const Result one = Acute(mc + "--threads 1");
  EXPECT_EQ(one.status, 0) << one.output;
  EXPECT_EQ(Acute(mc + "--threads 3").output, one.output);
}

}  // namespace
}  // namespace acute
