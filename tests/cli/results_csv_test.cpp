// The CSV tables of --csv and the `results` command, read as a user's script reads them: by
// Python's csv module, figure by figure against the results file they come from.
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_fixture.h"

namespace acute::testing {
namespace {

using Json = nlohmann::json;

// Reads the tables of a folder with the csv module and checks each against the results file:
// the stated columns, a row per population, level, pair, food and food line, each figure the
// file's, no NaN or infinity, food names holding a comma quoted. Prints its counts as
// NAME=N lines, and each fault; exits 1 on a fault.
constexpr const char* kChecker = R"(import csv, json, os, sys
folder, results = sys.argv[1], sys.argv[2]
doc = json.load(open(results))
batch = doc["kind"] == "batch"
analyses = doc["entries"] if batch else [doc]
lead = ["entry"] if batch else []
faults, counts = [], {}

def table(name):
    with open(os.path.join(folder, name + ".csv"), newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    for i, row in enumerate(rows[1:], 2):
        if len(row) != len(rows[0]):
            faults.append("%s.csv line %d: %d fields" % (name, i, len(row)))
        if any(c.lower() in ("nan", "inf", "-inf", "infinity") for c in row):
            faults.append("%s.csv line %d: %s" % (name, i, row))
    counts[name] = len(rows) - 1
    return rows[0], [dict(zip(rows[0], row)) for row in rows[1:]]

def same(cell, value):
    if value is None: return cell == ""
    if isinstance(value, bool): return cell == ("true" if value else "false")
    if isinstance(value, str): return cell == value
    return cell not in ("", None) and float(cell) == value

def check(name, rows, expected):
    if len(rows) != len(expected):
        faults.append("%s.csv: %d rows, %d expected" % (name, len(rows), len(expected)))
    for row, want in zip(rows, expected):
        for column, value in want.items():
            if not same(row.get(column), value):
                faults.append("%s.csv: %s is %r, not %r in %s" % (name, column, row.get(column), value, row))

populations, levels = [], []
for e, a in enumerate(analyses, 1):
    for j, p in enumerate(a["populations"], 1):
        head = {"entry": str(e)} if batch else {}
        head["population"] = str(j)
        users, capita = p["users"] or {}, p["per_capita"]
        populations.append(dict(head, name=p["name"], number=p["number"], tot_w=p["tot_w"],
            tot_n=p["tot_n"], sum_w=p["sum_w"], n=p["n"], capita_mean=capita["mean"],
            capita_sd=capita["sd"], capita_se=capita["se"],
            capita_moe_at_mean=capita["moe_at_mean"],
            capita_percent_dose_at_mean=capita["percent_dose_at_mean"],
            user_mean=users.get("mean"), user_sd=users.get("sd"), user_se=users.get("se"),
            user_moe_at_mean=users.get("moe_at_mean"),
            user_percent_dose_at_mean=users.get("percent_dose_at_mean"),
            user_day_percent=p["user_day_percent"], exposure_unit=a["units"]["exposure"]))
        for key, basis in (("users", "user"), ("per_capita", "capita")):
            for level in p["percentiles"]:
                point = level[key]
                if point is None: continue
                levels.append(dict(head, basis=basis,
                    level="max" if level["maximum"] else level["percentile"],
                    exposure_binned=point["exposure"], exposure_exact=point["exposure_exact"],
                    moe_binned=point["moe"], moe_exact=point["moe_exact"],
                    percent_dose_binned=point["percent_dose"],
                    percent_dose_exact=point["percent_dose_exact"]))

columns = lead + ["population", "basis", "level", "exposure_binned", "exposure_exact",
    "moe_binned", "moe_exact", "percent_dose_binned", "percent_dose_exact"]
header, rows = table("percentiles")
if header != columns: faults.append("percentiles.csv columns: %s" % header)
check("percentiles", rows, levels)
counts["exact"] = sum(1 for r in rows if r.get("exposure_exact"))
counts["user_rows"] = sum(1 for r in rows if r.get("basis") == "user")
header, rows = table("populations")
if [c for c in populations[0] if c not in header]: faults.append("populations.csv columns: %s" % header)
check("populations", rows, populations)

cec = None if batch else doc["cec"]
names = ("cec_pairs", "cec_foods", "cec_records")
if cec is None:
    for name in names:
        if os.path.exists(os.path.join(folder, name + ".csv")): faults.append(name + ".csv is left")
else:
    pairs, foods, lines = [], [], []
    for p in cec["populations"]:
        head = {"population": p["number"], "population_name": p["name"]}
        for i, f in enumerate(p["pairs"], 1):
            pairs.append(dict(head, rank=i, food=f["food"], code=f["code"], form=f["form"],
                              label=f["label"], n=f["n"], percent=f["percent"]))
        for i, f in enumerate(p["foods"] or [], 1):
            foods.append(dict(head, rank=i, food=f["food"], code=f["code"], name=f["name"],
                              n=f["n"], percent=f["percent"], reported=f["reported"]))
        for r in p["records"]:
            record = dict(head, rank=r["rank"], person=r["person"], day=r["day"], age=r["age"],
                          exposure=r["exposure"], sample_weight=r["sample_weight"])
            for i, f in enumerate(r["foods"], 1):
                lines.append(dict(record, line=i, food=f["food"], code=f["code"],
                    amount=f["amount"], residue=f["residue"], contribution=f["contribution"],
                    percent=f["percent"]))
            if not r["foods"]: lines.append(record)
    check("cec_pairs", table("cec_pairs")[1], pairs)
    check("cec_foods", table("cec_foods")[1], foods)
    check("cec_records", table("cec_records")[1], lines)
    text = open(os.path.join(folder, "cec_foods.csv"), encoding="utf-8").read()
    commas = [f["name"] for f in foods if "," in f["name"]]
    counts["quoted"] = sum(1 for name in commas if '"%s"' % name in text)
    if counts["quoted"] != len(commas): faults.append("unquoted names among %s" % commas)
for name, n in sorted(counts.items()): print("%s=%d" % (name, n))
for f in faults[:20]: print(f)
sys.exit(1 if faults else 0)
)";

using Counts = std::map<std::string, long>;

class ResultsCsv : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    WriteText(dir_ / "check.py", kChecker);
  }

  // Runs `args` with its tables in folder `name`, and checks them against the work folder's
  // results file; the checker's counts.
  Counts RunAndCheck(const std::string& args, const std::string& name) {
    const CliResult r = Acute(args + " --csv " + name);
    EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
    EXPECT_NE(r.out.find("CSV tables: populations.csv percentiles.csv"), std::string::npos);
    const std::string command =
        "python3 '" + (dir_ / "check.py").string() + "' '" + (dir_ / name).string() + "' '" +
        (Data() / "results.json").string() + "' >'" + (dir_ / "check.txt").string() + "' 2>&1";
    const int status = std::system(command.c_str());
    const std::string report = ReadText(dir_ / "check.txt");
    EXPECT_EQ(status, 0) << args << "\n" << report;
    Counts counts;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);)
      if (const auto eq = line.find('='); eq != std::string::npos && line.find(' ') == line.npos)
        counts[line.substr(0, eq)] = std::stol(line.substr(eq + 1));
    return counts;
  }
};

TEST_F(ResultsCsv, TablesHoldTheResultsFileFiguresForEveryKindOfRun) {
  ASSERT_EQ(Acute("specs --exact on").status, 0);
  Counts mc = RunAndCheck("analyze --residue SAMPLEMC.R10 --mc 5 --seed 3 --pop 1 --pop 2", "mc");
  EXPECT_EQ(mc["populations"], 2);
  EXPECT_EQ(mc["percentiles"], 2 * 2 * 16);
  EXPECT_EQ(mc["exact"], mc["percentiles"]);
  // `run` on the same pass file gives the same tables.
  RunAndCheck("run", "rerun");
  for (const char* table : {"populations.csv", "percentiles.csv"})
    EXPECT_EQ(ReadText(dir_ / "rerun" / table), ReadText(dir_ / "mc" / table)) << table;

  Counts cec =
      RunAndCheck("analyze --residue SAMPLEMC.R10 --mc 5 --seed 1 --cec c --cec-quiet", "cec");
  EXPECT_GT(cec["cec_pairs"], 0);
  EXPECT_GT(cec["cec_records"], 0);
  EXPECT_GT(cec["quoted"], 0) << "no food name with a comma to quote";
  // A DWLOC run into the same folder: one per-capita distribution, and no CEC tables left.
  Counts dwloc = RunAndCheck("analyze --residue SAMPLE.R10 --dwloc --pop 1 --pop 3", "cec");
  EXPECT_EQ(dwloc["percentiles"], 2 * 16);
  EXPECT_EQ(dwloc["user_rows"], 0);

  Counts batch = RunAndCheck("analyze --batch SAMPLE.B10", "batch");
  const Json entries = Json::parse(ReadText(Data() / "results.json"))["entries"];
  EXPECT_EQ(batch["populations"], static_cast<long>(entries.size()));
  EXPECT_GT(batch["populations"], 1);
}

TEST_F(ResultsCsv, ResultsCommandPrintsTheFileAndRefusesWhatItCannotShow) {
  ASSERT_EQ(Acute("analyze --residue SAMPLEMC.R10 --mc 5 --seed 3 --pop 1 --pop 2 --csv t").status,
            0);
  const CliResult text = Acute("results");
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* part :
       {"Population 1: ", "Population 2: ", "Per user", "Per capita", "99.9 ", "   max ", "TotW "})
    EXPECT_NE(text.out.find(part), std::string::npos) << part << "\n" << text.out;
  EXPECT_EQ(Acute("results --format csv").out, ReadText(dir_ / "t/percentiles.csv"));
  const std::string second = Acute("results --format csv --population 2").out;
  EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 1 + 2 * 16);
  EXPECT_EQ(second.find("\n1,"), std::string::npos);

  const Json file = Json::parse(ReadText(Data() / "results.json"));
  std::filesystem::copy_file(Data() / "results.json", dir_ / "kept.json");
  const CliResult json = Acute("results kept.json --format json --population 2");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(Json::parse(json.out), Json::array({file["populations"][1]}));
  EXPECT_EQ(Json::parse(Acute("results --format json").out).size(), 2u);

  for (const char* n : {"0", "3"}) {
    const CliResult r = Acute(std::string("results --population ") + n);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("populations 1 to 2"), std::string::npos) << r.err;
  }
  const CliResult missing = Acute("results none.json");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("There is no file none.json"), std::string::npos) << missing.err;
  WriteText(dir_ / "cut.json", ReadText(dir_ / "kept.json").substr(0, 500));
  const CliResult cut = Acute("results cut.json");
  EXPECT_EQ(cut.status, 1);
  EXPECT_NE(cut.err.find("is not JSON"), std::string::npos) << cut.err;
  Json edited = file;
  edited["populations"][1]["percentiles"][3]["users"]["exposure"] = "high";
  WriteText(dir_ / "edited.json", edited.dump());
  const CliResult wrong = Acute("results edited.json --format csv");
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.err.find("/populations/1/percentiles/3/users/exposure is not a number"),
            std::string::npos)
      << wrong.err;
  EXPECT_NE(Acute("--work empty results").err.find("run an analysis first"), std::string::npos);
}

TEST_F(ResultsCsv, AFolderNameThatCannotBeOneIsRefusedBeforeTheRun) {
  WriteText(dir_ / "taken", "a file");
  const CliResult file = Acute("analyze --residue SAMPLE.R10 --csv taken");
  EXPECT_TRUE(Refused(file));
  EXPECT_NE(file.err.find("--csv taken: that is a file"), std::string::npos) << file.err;
  EXPECT_TRUE(Refused(Acute("run --csv \"$(printf 'bad\\tname')\"")));
  EXPECT_FALSE(std::filesystem::exists(Data() / "results.json"));
}

}  // namespace
}  // namespace acute::testing
