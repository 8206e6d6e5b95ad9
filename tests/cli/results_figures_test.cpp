// Every figure the reports of the sample folder print is the results file's figure, printed
// with the report's own picture.
#include <nlohmann/json.hpp>

#include "cli/cli_fixture.h"
#include "cli/printed_report.h"
#include "common/number_picture.h"
#include "reports/endpoints.h"
#include "reports/report_numbers.h"

namespace acute::testing {
namespace {

using Json = nlohmann::json;

Json ReadJson(const std::filesystem::path& path) {
  return Json::parse(ReadText(path));
}

std::string Exposure(const Json& v) {
  return ExposureText(v.get<double>());
}
std::string Percent(const Json& v) {
  return PercentText(static_cast<float>(v.get<double>()));
}
std::string Spread(const Json& v) {
  return v.is_null() ? "n/a" : Exposure(v);
}
// A margin without a finite value prints as the cap.
std::string MeanMoe(const Json& v) {
  return v.is_null() ? ">1,000,000" : MeanMoeText(v.get<double>());
}

// The texts of one cell of a percentile table.
std::string TableCell(const Json& level, const char* d, const std::string& code) {
  const Json& p = level[d];
  std::string cell =
      Picture(level["percentile"].get<double>(), "##.##") + " " + Exposure(p["exposure"]);
  if (HasPercent(code)) cell += " " + Percent(p["percent_dose"]);
  if (HasMoe(code)) cell += " " + TableMoeText(p["moe"].get<std::int32_t>());
  return cell;
}

Numbers Table(const Json& pop, const char* d, const std::string& code) {
  std::string text;
  for (int row = 0; row < 8; ++row) {
    text += " " + TableCell(pop["percentiles"][row], d, code);
    if (row + 8 < 15) text += " " + TableCell(pop["percentiles"][row + 8], d, code);
  }
  return NumbersIn(text);
}

std::string Pair(const Json& pop, const char* key, std::string (*text)(const Json&)) {
  return text(pop["per_capita"][key]) + " " + text(pop["users"][key]);
}

void ExpectAcuteBlock(const Json& results, const Json& pop, const PrintedPopulation& printed) {
  const std::string code = results["settings"]["endpoints"]["toxicity_code"];
  const std::map<std::string, Numbers>& lines = printed.lines;
  EXPECT_EQ(lines.at("mean"), NumbersIn(Pair(pop, "mean", Exposure)));
  EXPECT_EQ(lines.at("sd"), NumbersIn(Pair(pop, "sd", Spread)));
  if (!results["settings"]["monte_carlo"].get<bool>()) {
    EXPECT_EQ(lines.at("se"), NumbersIn(Pair(pop, "se", Spread)));
  }
  EXPECT_EQ(lines.count("moe"), HasMoe(code) ? 1u : 0u);
  if (HasMoe(code)) {
    EXPECT_EQ(lines.at("moe"), NumbersIn(Pair(pop, "moe_at_mean", MeanMoe)));
  }
  EXPECT_EQ(lines.count("percent"), HasPercent(code) ? 1u : 0u);
  if (HasPercent(code)) {
    EXPECT_EQ(lines.at("percent"), NumbersIn(Pair(pop, "percent_dose_at_mean", Percent)));
  }
  ASSERT_EQ(printed.tables.size(), 2u);
  EXPECT_EQ(printed.tables[0], Table(pop, "users", code));
  EXPECT_EQ(printed.tables[1], Table(pop, "per_capita", code));
}

void ExpectDwlocBlock(const Json& results, const Json& pop, const PrintedPopulation& printed) {
  EXPECT_EQ(printed.lines.at("mean"), NumbersIn(Exposure(pop["per_capita"]["mean"])));
  EXPECT_EQ(printed.lines.at("sd"), NumbersIn(Spread(pop["per_capita"]["sd"])));
  if (!results["settings"]["monte_carlo"].get<bool>()) {
    EXPECT_EQ(printed.lines.at("se"), NumbersIn(Spread(pop["per_capita"]["se"])));
  }
  ASSERT_EQ(printed.tables.size(), 1u);
  EXPECT_EQ(printed.tables[0], Table(pop, "per_capita", ""));
}

std::string SummaryCell(const Json& p, const std::string& code) {
  std::string cell = Picture(p["exposure"].get<double>(), "###.######");
  if (HasPercent(code)) {
    const auto pct = static_cast<float>(p["percent_dose"].get<double>());
    cell += " " + (pct >= kPercentCap ? ">10000" : Picture(pct, "####.##"));
  }
  if (HasMoe(code)) {
    const auto moe = p["moe"].get<std::int32_t>();
    cell += " " + (moe >= kMoeCap ? ">1000000" : Picture(moe, "########"));
  }
  return cell;
}

void ExpectSummary(const Json& results, const PrintedReport& printed) {
  const Json& summary = results["report"]["summary"];
  const std::string code = results["settings"]["endpoints"]["toxicity_code"];
  ASSERT_EQ(printed.summary.size(), summary["distributions"].size());
  for (std::size_t s = 0; s < printed.summary.size(); ++s) {
    const std::string d = summary["distributions"][s];
    ASSERT_EQ(printed.summary[s].size(), results["populations"].size());
    for (std::size_t j = 0; j < printed.summary[s].size(); ++j) {
      std::string line;
      for (int level : summary["levels"])
        line += " " + SummaryCell(results["populations"][j]["percentiles"][level][d], code);
      EXPECT_EQ(printed.summary[s][j], NumbersIn(line)) << d << ", population " << j + 1;
    }
  }
}

// The report text against the results file, population by population.
void ExpectSameFigures(const std::filesystem::path& report, const Json& results) {
  SCOPED_TRACE(report.string());
  const PrintedReport printed = ReadPrintedReport(ReadText(report));
  const Json& pops = results["populations"];
  ExpectSummary(results, printed);
  ASSERT_EQ(printed.populations.size(), pops.size());
  for (std::size_t j = 0; j < pops.size(); ++j) {
    SCOPED_TRACE("population " + std::to_string(j + 1));
    const PrintedPopulation& p = printed.populations[j];
    EXPECT_EQ(p.no_exposure, !pops[j]["has_exposure"].get<bool>());
    if (p.no_exposure) continue;
    EXPECT_EQ(p.lines.at("share"),
              NumbersIn(Picture(pops[j]["user_day_percent"].get<double>(), "###.##")));
    if (results["kind"] == "dwloc")
      ExpectDwlocBlock(results, pops[j], p);
    else
      ExpectAcuteBlock(results, pops[j], p);
  }
}

using ResultsFigures = CliTest;

TEST_F(ResultsFigures, AcuteReportsPrintTheResultsFiguresForEveryEndpointCode) {
  const std::string custom =
      " --custom \"Toddlers|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2\"";
  for (const std::string& args :
       {"--residue SAMPLE.R10 --pop 1 --pop 20" + custom,  // MOE and % aRfD, deterministic
        std::string("--residue SAMPLEMC.R10 --mc 10 --seed 3 --pop 1 --pop 2"),
        std::string("--residue SAMPLEMC.R10 --mc 5 --seed 1 --arfd 0 --pop 1"),  // MOE only
        std::string("--residue SAMPLE.R10 --noel 0 --pop 1 --pop 4"),            // % aRfD only
        std::string("--residue SAMPLE.R10 --per-person --pop 1")}) {             // no endpoint
    const CliResult r = Acute("analyze " + args);
    ASSERT_EQ(r.status, 0) << args << "\n" << r.err;
    ExpectSameFigures(Data() / "acute.tmp", ReadJson(Data() / "results.json"));
  }
}

TEST_F(ResultsFigures, DwlocReportsPrintTheResultsFigures) {
  for (const std::string args : {"--pop 1 --pop 3", "--mc 5 --seed 2 --pop 1"}) {
    const std::string residue = args[2] == 'm' ? "SAMPLEMC.R10" : "SAMPLE.R10";
    const CliResult r = Acute("analyze --dwloc --residue " + residue + " " + args);
    ASSERT_EQ(r.status, 0) << r.err;
    const Json results = ReadJson(Data() / "results.json");
    EXPECT_EQ(results["units"]["exposure"], "ppm");
    ExpectSameFigures(Data() / "dwloc.tmp", results);
  }
}

TEST_F(ResultsFigures, EachBatchEntrysReportPrintsItsOwnResultsFile) {
  const CliResult r = Acute("analyze --batch SAMPLE.B10");
  ASSERT_EQ(r.status, 0) << r.err;
  const Json batch = ReadJson(Data() / "results.json");
  ASSERT_EQ(batch["entries"].size(), 3u);
  std::size_t i = 0;
  for (const char* base : {"SAMPLE", "SAMPLEMC", "TWOCHEM"}) {
    Json entry = ReadJson(Residues() / (std::string(base) + ".json"));
    ExpectSameFigures(Residues() / (std::string(base) + ".AC10"), entry);
    entry.erase("provenance");
    EXPECT_EQ(entry, batch["entries"][i++]) << base;
  }
}

}  // namespace
}  // namespace acute::testing
