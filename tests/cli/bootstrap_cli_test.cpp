// The uncertainty analysis on the command line: what it refuses, a run with the timer's seed,
// and partial runs merged into the one-process results.
#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_fixture.h"

namespace acute::testing {
namespace {

class BootstrapCli : public CliTest {};

constexpr const char* kMc = "analyze --residue SAMPLEMC.R10 --mc 4 --seed 2 --rng mt --pop 1 ";

TEST_F(BootstrapCli, RefusesWhatABootstrapCannotGoWith) {
  const std::pair<std::string, std::string> cases[] = {
      {"analyze --residue SAMPLE.R10 --dwloc --bootstrap 5", "acute analyses only"},
      {"analyze --batch SAMPLE.B10 --bootstrap 5", "one residue file"},
      {"analyze --residue SAMPLE.R10 --dwloc --dwloc-report d --bootstrap 5",
       "acute analyses only"},
      {std::string(kMc) + "--cec c --bootstrap 5 --bootstrap-seed 1 --rounds 0-2 --json p",
       "writes no CEC file"},
      {"analyze --residue SAMPLEMC.R10 --mc 4 --seed 2 --bootstrap 5", "period is too short"},
      {std::string(kMc) + "--bootstrap 5 --rounds 0-2 --json p", "bootstrap seed other than 0"},
      {std::string(kMc) + "--bootstrap 5 --bootstrap-seed 1 --rounds 3-6 --json p",
       "must lie from 0 to 5"},
      {std::string(kMc) + "--bootstrap 5 --bootstrap-seed 1 --rounds 2-1 --json p",
       "not a round number or range"},
      {std::string(kMc) + "--bootstrap 5 --bootstrap-seed 1 --rounds 0-2", "--json names"},
      {std::string(kMc) + "--bootstrap-seed 4", "need --bootstrap B"},
      {std::string(kMc) + "--bootstrap 20001", "from 0 to 20000"},
      {std::string(kMc) + "--bootstrap 5 --bootstrap-level 99.95", "from 50 to 99.9"},
      {std::string(kMc) + "--bootstrap 5 --bootstrap-seed -1", "0 to 4294967295"},
      {"analyze --residue SAMPLE.R10 --bootstrap 5 --bootstrap-mc 10", "no iterations"},
  };
  for (const auto& [args, text] : cases) {
    const CliResult r = Acute(args);
    EXPECT_TRUE(Refused(r)) << args;
    EXPECT_NE(r.err.find(text), std::string::npos) << args << "\n" << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(Residues() / "p.json"));
  // Rounds of 0 change nothing; a deterministic run resamples the survey alone.
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10 --pop 1").status, 0);
  const std::string plain = ReadText(Data() / "results.json");
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10 --pop 1 --bootstrap 0 --bootstrap-seed 3").status,
            0);
  const auto without_provenance = [](const std::string& text) {
    return text.substr(0, text.find("\"provenance\""));
  };
  EXPECT_EQ(without_provenance(ReadText(Data() / "results.json")), without_provenance(plain));
  // A CEC file comes from the main run, beside the rounds.
  const CliResult cec =
      Acute(std::string(kMc) + "--cec c --cec-quiet --bootstrap 2 --bootstrap-seed 3");
  ASSERT_EQ(cec.status, 0) << cec.err;
  const std::string results = ReadText(Data() / "results.json");
  EXPECT_NE(results.find("\"bootstrap\": {"), std::string::npos);
  EXPECT_EQ(results.find("\"cec\": null"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(Residues() / "c.CEC"));
}

TEST_F(BootstrapCli, PartialRunsMergeIntoTheOneProcessResults) {
  const std::string run = std::string(kMc) + "--bootstrap 4 --bootstrap-of survey ";
  const CliResult timer = Acute(run);
  ASSERT_EQ(timer.status, 0) << timer.err;
  const std::size_t at = timer.err.find("bootstrap seed 0 took the timer value ");
  ASSERT_NE(at, std::string::npos) << timer.err;
  const std::string seed = timer.err.substr(at + 38, timer.err.find(':', at) - at - 38);
  const std::string report = ReadText(Data() / "acute.tmp");
  EXPECT_NE(report.find("Bootstrap seed = " + seed + ";"), std::string::npos);
  EXPECT_NE(report.find("Resampled in each round: survey persons\r\n"), std::string::npos);

  const std::string seeded = run + "--bootstrap-seed " + seed + " ";
  ASSERT_EQ(Acute(seeded + "--rounds 0-1 --json a").status, 0);
  ASSERT_EQ(Acute("--work w2 " + seeded + "--rounds 2-4 --json b").status, 0);
  const CliResult merged =
      Acute("merge " + (Residues() / "b.json").string() + " " + (Residues() / "a.json").string() +
            " --json m.json --report s.txt");
  ASSERT_EQ(merged.status, 0) << merged.err;
  using Json = nlohmann::json;
  Json one = Json::parse(ReadText(Data() / "results.json"));
  Json two = Json::parse(ReadText(dir_ / "m.json"));
  one.erase("provenance");
  two.erase("provenance");
  EXPECT_EQ(one["bootstrap"]["seed_from_timer"], true);
  one["bootstrap"]["seed_from_timer"] = false;  // the partial runs were given the seed
  EXPECT_EQ(one, two);
  EXPECT_NE(report.find(ReadText(dir_ / "s.txt")), std::string::npos);
  // --csv: the intervals as a table, a row per population and figure.
  ASSERT_EQ(Acute(run + "--bootstrap-seed 5 --csv out").status, 0);
  const Json boot = Json::parse(ReadText(Data() / "results.json"))["bootstrap"];
  const std::string csv = ReadText(dir_ / "out/bootstrap.csv");
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "population,figure,main,low,median,high\r");
  const Json& mean = boot["populations"][0]["figures"]["capita_mean"];
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);
  std::getline(lines, line);  // the first figure of the first population
  std::vector<std::string> fields;
  for (std::stringstream in(line); std::getline(in, line, ',');) fields.push_back(line);
  ASSERT_EQ(fields.size(), 6u);
  EXPECT_EQ(fields[1], "capita_mean");
  EXPECT_EQ(std::stod(fields[3]), mean["low"].get<double>());
  EXPECT_EQ(std::stod(fields[5]), mean["high"].get<double>());
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'),
            1 + static_cast<long>(boot["populations"][0]["figures"].size()));
  const CliResult gap = Acute("merge " + (Residues() / "b.json").string() + " --json n.json");
  EXPECT_EQ(gap.status, 1);
  EXPECT_NE(gap.err.find("Rounds 0 to 1 are in none of the files"), std::string::npos) << gap.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "n.json"));
}

}  // namespace
}  // namespace acute::testing
