// The Results table: its columns by toxicity code, its rows at full precision behind the
// report's rounding, the entries of a batch, the copy and CSV texts and Save as CSV.
#include "forms/results_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "forms/results_numbers.h"
#include "reports/endpoints.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

PopulationResult Result(double scale) {
  PopulationResult r;
  r.has_exposure = true;
  r.user_mean = 0.0125f;
  r.capita_mean = 0.0053f;
  r.pct_users = 42.5f;
  for (int i = 0; i < kLevelCount; ++i) {
    const auto l = static_cast<std::size_t>(i);
    r.exp_user[l] = scale * (i + 1) * 0.0012345678912;
    r.exp_capita[l] = scale * i * 0.0004321;
    r.moe_user[l] = i < kSearchedLevelCount ? 1000 - i : 0;
    r.moe_capita[l] = i < kSearchedLevelCount ? kMoeCap : 0;
    r.pct_user[l] = i < kSearchedLevelCount ? static_cast<float>(12.5 + i) : 0;
    r.pct_capita[l] = i < kSearchedLevelCount ? 20000.5f : 0;
  }
  return r;
}

ReportFigures Figures(const std::string& code, bool dwloc = false) {
  ReportFigures f;
  f.context.toxicity_code = code;
  f.context.settings.dwloc = dwloc;
  f.context.settings.per_kg = true;
  f.context.chemical_name = "Examplamide";
  f.context.residue_file_path = "/data/res/SAMPLE.R10";
  ReportPopulation us{"U.S. Population", "U.S. Population", 1, false, 0, {}};
  ReportPopulation teens{"Teens", "Custom demographics 1: Teens, \"13-19\"", 1, true, 0, {}};
  f.context.populations = {us, teens};
  f.results = {Result(1), PopulationResult{}};
  return f;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> fields;
  std::stringstream in(text);
  std::string field;
  while (std::getline(in, field, separator)) fields.push_back(field);
  return fields;
}

TEST(ResultsTableTest, TheToxicityCodeChoosesTheColumns) {
  const auto headings = [](const ReportFigures& f) { return ResultsTable({f}).Headings(); };
  EXPECT_EQ(headings(Figures("")),
            (std::vector<std::string>{"Percentile", "Per-user exposure (binned)",
                                      "Per-user exposure (exact)", "Per-capita exposure (binned)",
                                      "Per-capita exposure (exact)"}));
  EXPECT_EQ(headings(Figures("N"))[3], "Per-user MOE");
  EXPECT_EQ(headings(Figures("R"))[3], "Per-user % aRfD");
  EXPECT_EQ(headings(Figures("P"))[3], "Per-user % aPAD");
  const auto np = headings(Figures("NP"));
  ASSERT_EQ(np.size(), 9u);
  EXPECT_EQ(np[3], "Per-user % aPAD");
  EXPECT_EQ(np[4], "Per-user MOE");
  EXPECT_EQ(np[8], "Per-capita MOE");
  // A DWLOC report has the one per-capita distribution.
  EXPECT_EQ(headings(Figures("", true)),
            (std::vector<std::string>{"Percentile", "Per-capita DWLOC (binned)",
                                      "Per-capita DWLOC (exact)"}));
  EXPECT_EQ(ResultsTable({Figures("N")}).Headings("\n")[4], "Per-capita\nexposure (binned)");
}

TEST(ResultsTableTest, RowsHoldEveryLevelAtFullPrecisionBehindTheReportsRounding) {
  ResultsTable table({Figures("NR")});
  const auto rows = table.Rows();
  const PopulationResult r = Result(1);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kLevelCount));
  EXPECT_EQ(rows[0][0].text, "10");
  EXPECT_EQ(rows[4][0].text, "50");
  EXPECT_EQ(rows[14][0].text, "99.9");
  EXPECT_EQ(rows[14][0].value, 99.9);
  EXPECT_EQ(rows[15][0].text, "Maximum");
  EXPECT_FALSE(rows[15][0].value);
  // Percentile, exposure, exact, % aRfD, MOE per distribution.
  EXPECT_EQ(rows[9][1].value, r.exp_user[9]);
  EXPECT_EQ(rows[9][1].text, "0.012346");
  EXPECT_EQ(rows[15][1].value, r.exp_user[15]);
  EXPECT_FALSE(rows[9][2].value);
  EXPECT_EQ(rows[9][2].text, kAbsentFigure);
  EXPECT_EQ(rows[9][3].value, 21.5);
  EXPECT_EQ(rows[9][3].text, "21.50");
  EXPECT_EQ(rows[9][4].value, 991);
  EXPECT_EQ(rows[9][8].text, ">1,000,000");
  EXPECT_EQ(rows[9][8].value, kMoeCap);
  EXPECT_EQ(rows[9][7].text, ">10,000");
  // Margins and percents of dose are figured at the searched levels only.
  EXPECT_EQ(rows[15][3].text, kAbsentFigure);
  EXPECT_EQ(rows[15][4].text, kAbsentFigure);

  // With the "exceeding" orientation a level is labelled by its upper tail.
  ReportFigures exceeding = Figures("NR");
  exceeding.context.orientation = "D";
  EXPECT_EQ(ResultsTable({exceeding}).Rows()[14][0].text, "0.1");
}

TEST(ResultsTableTest, SummaryAndAPopulationWithoutExposure) {
  ResultsTable table({Figures("N")});
  EXPECT_EQ(table.Title(), "U.S. Population");
  const auto summary = table.Summary();
  ASSERT_EQ(summary.size(), 5u);
  EXPECT_EQ(summary[0].label, "Per-user mean");
  EXPECT_EQ(summary[0].value, "0.012500");
  EXPECT_EQ(summary[1].value, "0.005300");
  EXPECT_EQ(summary[2].value, "42.50%");
  EXPECT_EQ(summary[3].value, "mg/kg body-wt/day");

  table.ChoosePopulation(1);
  EXPECT_EQ(table.Title(), "Custom demographics 1: Teens, \"13-19\"");
  EXPECT_EQ(table.Summary()[0].value, "none for this population");
  for (const auto& row : table.Rows())
    for (std::size_t c = 1; c < row.size(); ++c) EXPECT_EQ(row[c].text, kAbsentFigure);
  table.ChoosePopulation(2);  // there is none
  EXPECT_EQ(table.Population(), 1u);

  ReportFigures water = Figures("", true);
  water.context.settings.per_kg = false;
  const auto dwloc = ResultsTable({water}).Summary();
  EXPECT_EQ(dwloc[0].label, "Per-capita mean DWLOC");
  EXPECT_EQ(dwloc[2].value, "ppm of drinking water");
  EXPECT_EQ(dwloc.back().value, "percent of per-capita days reaching or exceeding the DWLOC");
  EXPECT_EQ(ResultsTable({Figures("N", true)}).Rows()[15][0].text, "Minimum");
}

TEST(ResultsTableTest, ABatchHasAnEntryPerReport) {
  ReportFigures second = Figures("R");
  second.context.residue_file_path = "C:\\res\\OTHER.R10";
  second.context.populations.resize(1);
  second.results.resize(1);
  second.results[0] = Result(2);
  ResultsTable table({Figures("N"), second});
  EXPECT_TRUE(table.HasEntryChoice());
  EXPECT_FALSE(ResultsTable({Figures("N")}).HasEntryChoice());
  EXPECT_EQ(table.EntryNames(), (std::vector<std::string>{"Entry 1: SAMPLE.R10 (Examplamide)",
                                                          "Entry 2: OTHER.R10 (Examplamide)"}));
  table.ChoosePopulation(1);
  table.ChooseEntry(1);
  EXPECT_EQ(table.Population(), 0u);
  EXPECT_EQ(table.PopulationNames(), std::vector<std::string>{"U.S. Population"});
  EXPECT_EQ(table.Headings()[3], "Per-user % aRfD");
  EXPECT_EQ(table.Rows()[0][1].value, 2 * 0.0012345678912);
  table.ChooseEntry(2);
  EXPECT_EQ(table.Entry(), 1u);
}

TEST(ResultsTableTest, CopyAndCsvTextsHaveAHeadingRowAndFullPrecision) {
  ResultsTable table({Figures("N")});
  const auto lines = Split(table.CopyText(), '\n');
  ASSERT_EQ(lines.size(), 1u + kLevelCount);
  EXPECT_EQ(lines[0],
            "Percentile\tPer-user exposure (binned)\tPer-user exposure (exact)\tPer-user MOE\t"
            "Per-capita exposure (binned)\tPer-capita exposure (exact)\tPer-capita MOE");
  EXPECT_EQ(lines[1], "10\t0.0012345678912\t\t1000\t0\t\t1000000");
  EXPECT_EQ(lines[15], "99.9\t0.018518518368\t\t986\t0.0060494\t\t1000000");
  EXPECT_EQ(Split(lines[16], '\t')[0], "Maximum");

  // The CSV: the same fields, comma-separated, CRLF line ends.
  const std::string csv = table.CsvText();
  const auto records = Split(csv, '\n');
  ASSERT_EQ(records.size(), 1u + kLevelCount);
  for (std::size_t i = 0; i < records.size(); ++i) {
    ASSERT_EQ(records[i].back(), '\r');
    std::string as_tabs = records[i].substr(0, records[i].size() - 1);
    for (char& c : as_tabs) c = c == ',' ? '\t' : c;
    EXPECT_EQ(as_tabs, lines[i]);
  }
}

TEST(ResultsTableTest, NumbersReadBackExactlyAndSpreadsheetsReadThem) {
  for (double v : {0.0, 1e6, 0.1, 1.0 / 3, 1e-7, 123456.789012345, -2.5e-3, 1e-9, 3e20})
    EXPECT_EQ(std::stod(NumberText(v)), v) << NumberText(v);
  EXPECT_EQ(NumberText(1e6), "1000000");
  EXPECT_EQ(NumberText(1.5e-7), "0.00000015");
  EXPECT_EQ(NumberText(1e-9), "1e-09");
  EXPECT_EQ(NumberText(FloatValue(12.34f)), "12.34");
}

TEST(ResultsTableTest, SaveAsCsvAsksBeforeWritingOver) {
  testing::ScratchFolder dir;
  ResultsTable table({Figures("R")});
  ScriptedPort port;
  port.file_names = {(dir / "tables").string()};
  const auto written = SaveResultsCsv(table, port);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, (dir / "tables.csv").string());
  EXPECT_EQ(testing::ReadText(dir / "tables.csv"), table.CsvText());

  // An existing file: No asks for another name, Cancel stops.
  port.file_names = {(dir / "tables.csv").string(), (dir / "tables.csv").string()};
  port.answers = {Answer::No, Answer::Cancel};
  EXPECT_FALSE(SaveResultsCsv(table, port));
  EXPECT_EQ(port.Messages().size(), 2u);
  EXPECT_EQ(port.Messages()[0].text,
            "File " + (dir / "tables.csv").string() + " already exists. Write over?");
  port.file_names = {(dir / "missing" / "t.csv").string()};
  EXPECT_FALSE(SaveResultsCsv(table, port));
  EXPECT_EQ(port.LastMessage(), "Save results as CSV: The file " +
                                    (dir / "missing" / "t.csv").string() + " cannot be written.");
  EXPECT_FALSE(SaveResultsCsv(table, port));  // the dialog cancelled
}

}  // namespace
}  // namespace acute
