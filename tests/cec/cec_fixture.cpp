#include "cec/cec_fixture.h"

#include <sstream>

#include "inputs/residue_reader.h"
#include "reports/report_specs.h"
#include "support/data_folder_fixture.h"
#include "support/survey_fixture.h"

namespace acute::testing {
namespace {

const char* kResidue =
    "\"Testchem\",0\r\n\"21-07-aNH2\"\r\n0.02,\"mg\"\r\n0,5,0\r\n\"12/01/2026\"\r\n3\r\n2\r\n"
    "1,\"10000001\",\"01\",1,1,1,0,\"Commodity 1\",\"\"\r\n"
    "2,\"10000002\",\"01\",2,0.5,1,0,\"Commodity 2\",\"\"\r\n";

// Exposures (mg/kg body weight/day):
//  101, 10 kg, man:   day 1 100 g of form 1 -> 0.01; day 2 nothing with residue
//  102, 20 kg, man:   day 1 200 g of form 2 -> 0.01; day 2 300 g of form 3 and 50 g of
//                     form 4 (commodity 2: 100 x 2 x 0.5 / 1000 = 0.1 mg) -> 0.02
//  103, 50 kg, woman: day 1 80 g of form 5 -> 0.0016; day 2 500 g of form 1 -> 0.01
std::vector<FixturePerson> People() {
  FixturePerson a;
  a.number = 101;
  a.body_weight = 10;
  a.sample_weight = 1000;
  a.day1 = {{1, 100}};
  FixturePerson b;
  b.number = 102;
  b.body_weight = 20;
  b.sample_weight = 2000;
  b.day1 = {{2, 200}};
  b.day2 = {{3, 300}, {4, 100}};
  FixturePerson c;
  c.number = 103;
  c.sex = '2';
  c.age = 4;
  c.body_weight = 50;
  c.sample_weight = 1000;
  c.day1 = {{5, 80}};
  c.day2 = {{1, 500}};
  return {a, b, c};
}

}  // namespace

void CecFixture::SetUp() {
  WriteDataFolder(dir_.path());
  WriteSurvey(dir_ / "survey", People());
  WriteText(dir_ / "residues/TEST.R10", kResidue);
  ASSERT_TRUE(WriteReportSpecsFile(dir_ / "AcutSpec.txt", DefaultReportSpecs()));
  ScriptedPort quiet;
  session_ = OpenDataSession(dir_.path(), quiet);
  form_.residue = ReadResidueFile(dir_ / "residues/TEST.R10", session_.support, quiet);
  ASSERT_TRUE(form_.residue.has_value());
  form_.TakeEndpointsFromResidueFile();
  form_.standard = {true, false, false};
  form_.save_cec = true;
  form_.cec_name = "risk";
  form_.cec_min_percent = "1";
  form_.cec_records = "100";
}

std::optional<EngineOutcome> CecRunFixture::Launch() {
  return LaunchAnalysis(form_, session_, port_, "12/06/2026", "10:00:00");
}

void CecSampleFixture::Open(bool two_chemicals, const std::string& seed) {
  manifest_ = sample::WriteSampleData(dir_ / "data", {2, 400, 3});
  ScriptedPort quiet;
  session_ = OpenDataSession(manifest_.folder, quiet);
  const std::string& residue =
      two_chemicals ? manifest_.two_chemical_residue : manifest_.mc_residue;
  form_.residue = ReadResidueFile(manifest_.residue_folder / residue, session_.support, quiet);
  ASSERT_TRUE(form_.residue);
  form_.TakeEndpointsFromResidueFile();
  form_.standard.assign(session_.support.StandardPopulationCount(), false);
  form_.standard[0] = true;
  form_.monte_carlo = true;
  form_.iterations = "20";
  form_.seed = seed;
  form_.mersenne_twister = true;
}

std::vector<std::string> CecFixture::Lines(const std::string& name) const {
  std::vector<std::string> lines;
  std::istringstream in(ReadText(dir_ / name));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace acute::testing
