// results.json as a user meets it: written by every kind of run in the shape the schema
// gives, copied by --json, listed with the other work files and rewritten by Redo Last CEC.
#include <nlohmann/json.hpp>

#include "cli/cli_fixture.h"
#include "cli/printed_report.h"

namespace acute::testing {
namespace {

using Json = nlohmann::json;

// Checks files against the schema: exit 77 without a 2020-12 validator, 1 on a fault (each
// printed). NaN and infinities are refused like any other fault.
constexpr const char* kValidator = R"(import json, sys
try:
    import jsonschema
    Validator = jsonschema.Draft202012Validator
except (ImportError, AttributeError):
    sys.exit(77)
def refuse(name):
    raise ValueError("not a JSON number: " + name)
schema = json.load(open(sys.argv[1]))
Validator.check_schema(schema)
validator = Validator(schema)
faults = 0
for name in sys.argv[2:]:
    for e in validator.iter_errors(json.load(open(name), parse_constant=refuse)):
        print(name, list(e.absolute_path), e.message[:300])
        faults += 1
sys.exit(1 if faults else 0)
)";

Json ReadJson(const std::filesystem::path& path) {
  return Json::parse(ReadText(path));
}

class ResultsFile : public CliTest {
 protected:
  // Runs `args` and keeps the work folder's results file as `name`.
  void RunAndKeep(const std::string& args, const std::string& name) {
    const CliResult r = Acute(args);
    ASSERT_EQ(r.status, 0) << args << "\n" << r.err;
    std::filesystem::copy_file(Data() / "results.json", dir_ / name);
    kept_.push_back(dir_ / name);
  }
  std::vector<std::filesystem::path> kept_;
};

TEST_F(ResultsFile, EveryKindOfRunMatchesTheSchema) {
  const std::string custom =
      " --custom \"Toddlers|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2\"";
  RunAndKeep("analyze --residue SAMPLE.R10 --pop 1 --pop 20" + custom, "deterministic.json");
  RunAndKeep("analyze --residue SAMPLEMC.R10 --mc 5 --seed 0 --pop 1", "monte-carlo.json");
  RunAndKeep("analyze --residue SAMPLE.R10 --dwloc --pop 1 --pop 3", "dwloc.json");
  RunAndKeep("analyze --residue SAMPLEMC.R10 --mc 5 --seed 1 --cec c --cec-quiet", "cec.json");
  RunAndKeep("redo-cec --cec again --cec-low 99.5", "redo.json");
  RunAndKeep("analyze --residue TWOCHEM.R10 --mc 5 --seed 2 --cec cum --cumulative-cec --cec-quiet",
             "cumulative.json");
  RunAndKeep("analyze --batch SAMPLE.B10", "batch.json");
  ASSERT_EQ(Acute("specs --exact on").status, 0);
  RunAndKeep("analyze --residue SAMPLEMC.R10 --mc 5 --seed 3 --pop 1 --pop 2", "exact.json");
  RunAndKeep("analyze --residue SAMPLE.R10 --dwloc --pop 1", "exact-dwloc.json");
  RunAndKeep("analyze --residue SAMPLEMC.R10 --mc 5 --seed 3 --rng mt --pop 1 --pop 2 "
             "--bootstrap 3 --bootstrap-seed 4",
             "bootstrap.json");
  EXPECT_TRUE(
      ReadJson(dir_ /
               "exact.json")["populations"][0]["percentiles"][3]["per_capita"]["exposure_exact"]
          .is_number());
  for (const char* entry : {"SAMPLE.json", "SAMPLEMC.json", "TWOCHEM.json"})
    kept_.push_back(Residues() / entry);
  EXPECT_TRUE(ReadJson(dir_ / "cumulative.json")["cec"]["cumulative"].get<bool>());

  WriteText(dir_ / "validate.py", kValidator);
  std::string command =
      "python3 '" + (dir_ / "validate.py").string() + "' '" ACUTE_RESULTS_SCHEMA "'";
  for (const auto& file : kept_) command += " '" + file.string() + "'";
  const int raw =
      std::system((command + " >'" + (dir_ / "faults.txt").string() + "' 2>&1").c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (status == 77)
    GTEST_SKIP() << "python3 with jsonschema 4 (Debian python3-jsonschema) is not installed: the "
                    "results files are not checked against docs/results.schema.json";
  EXPECT_EQ(status, 0) << ReadText(dir_ / "faults.txt");
}

TEST_F(ResultsFile, ACopyGoesWhereAReportWouldAndIsTheWorkFile) {
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10 --json first.x").status, 0);
  EXPECT_EQ(ReadText(Residues() / "first.json"), ReadText(Data() / "results.json"));
  EXPECT_NE(ReadText(Data() / ".acute-set").find("results.json"), std::string::npos);
  std::filesystem::create_directory(dir_ / "out");
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10 --json out/second").status, 0);
  EXPECT_EQ(ReadText(dir_ / "out/second.json"), ReadText(Data() / "results.json"));
  ASSERT_EQ(Acute("run --json third").status, 0);
  EXPECT_EQ(ReadText(Residues() / "third.json"), ReadText(Data() / "results.json"));
  EXPECT_TRUE(Refused(Acute("analyze --residue SAMPLE.R10 --json \"$(printf 'bad\\tname')\"")));
  EXPECT_TRUE(Refused(Acute("run --json \"$(printf 'bad\\033name')\"")));
  EXPECT_TRUE(Refused(Acute("analyze --residue SAMPLE.R10 --json nowhere/fourth")));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "nowhere"));
}

// The CEC report's counts, population by population.
std::vector<Numbers> CecCounts(const std::string& report) {
  std::vector<Numbers> counts;
  for (const std::string label : {"Number of actual records in this interval:",
                                  "Number of printed records =", "Number of records represented ="})
    for (std::size_t at = 0, n = 0; (at = report.find(label, at)) != std::string::npos; ++n) {
      at += label.size();
      if (counts.size() <= n) counts.emplace_back();
      counts[n].push_back(NumbersIn(report.substr(at, report.find('\n', at) - at)).at(0));
    }
  return counts;
}

std::vector<Numbers> CecCounts(const Json& results) {
  std::vector<Numbers> counts;
  for (const Json& p : results["cec"]["populations"])
    counts.push_back({std::to_string(p["represented"].get<long>()),
                      std::to_string(p["printed"].get<long>()),
                      std::to_string(p["printed_represented"].get<long>())});
  return counts;
}

TEST_F(ResultsFile, RedoCecRewritesTheCecPartOfItsOwnRunOnly) {
  ASSERT_EQ(Acute("analyze --residue SAMPLEMC.R10 --mc 5 --seed 1 --pop 1 --pop 2 --cec c "
                  "--cec-low 95 --cec-quiet")
                .status,
            0);
  const Json run = ReadJson(Data() / "results.json");
  EXPECT_EQ(CecCounts(ReadText(Data() / "cec4.tmp")), CecCounts(run));
  ASSERT_EQ(Acute("redo-cec --cec again --cec-low 99 --cec-records 3").status, 0);
  Json redo = ReadJson(Data() / "results.json");
  EXPECT_EQ(CecCounts(ReadText(Data() / "cec4.tmp")), CecCounts(redo));
  EXPECT_EQ(redo["cec"]["settings"]["low"], 99.0);
  EXPECT_LE(redo["cec"]["populations"][0]["records"].size(), 3u);
  EXPECT_EQ(redo["provenance"]["run_id"], run["provenance"]["run_id"]);
  EXPECT_FALSE(redo["provenance"]["cec_redone"].is_null());
  Json before = run;
  for (Json* j : {&redo, &before}) {
    j->erase("cec");
    j->erase("provenance");
  }
  EXPECT_EQ(redo, before);

  // A later run without CEC: its own results stay when the earlier run's CEC is redone.
  ASSERT_EQ(Acute("analyze --residue SAMPLE.R10 --pop 3").status, 0);
  const std::string later = ReadText(Data() / "results.json");
  EXPECT_TRUE(ReadJson(Data() / "results.json")["cec"].is_null());
  ASSERT_EQ(Acute("redo-cec --cec third --cec-low 99").status, 0);
  EXPECT_EQ(ReadText(Data() / "results.json"), later);
}

}  // namespace
}  // namespace acute::testing
