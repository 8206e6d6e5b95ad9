// Whole acute reports and plot files of small hand-made runs against golden files. The
// figures of every population can be checked by hand from the values dropped into the bins.
#include <gtest/gtest.h>

#include <string>

#include "reports/acute_report.h"
#include "reports/plot_file.h"
#include "reports/report_fixture.h"
#include "reports/summary_section.h"

namespace acute {
namespace {

using testing::AcuteBins;
using testing::AddNonUsers;
using testing::AddUserDay;
using testing::Custom;
using testing::ExpectGolden;
using testing::Standard;

// Calibration mean 100 (integer linear bounds): 25.5, 50.5, 75.5 and 90.5 with weight 1,
// non-users of weight 4. Per user: mean 60.5, SD (2450 / 3)^0.5 = 28.577380, SE half of it,
// 10th percentile 25.4, 90th 90.3; per capita: mean 30.25, SD (9770.5 / 7)^0.5 = 37.360216,
// SE SD / 8^0.5, percentiles 0 up to the 50th (half the weight are non-users), 60th 25.8.
PopulationAccumulators TotalPopulation() {
  PopulationAccumulators acc = AcuteBins(100);
  for (float x : {25.5f, 50.5f, 75.5f, 90.5f}) AddUserDay(acc, x, 1);
  AddNonUsers(acc, 4, 4);
  return acc;
}

// Every person-day a user: 0.25 with weight 3 and 0.75 with weight 1 (mean 0.375).
PopulationAccumulators AllUsers() {
  PopulationAccumulators acc = AcuteBins(1);
  AddUserDay(acc, 0.25f, 3);
  AddUserDay(acc, 0.75f, 1);
  return acc;
}

PopulationAccumulators NoUsers() {
  PopulationAccumulators acc = AcuteBins(0.000001f);
  AddNonUsers(acc, 5, 5);
  return acc;
}

// Hispanic and other races, both sexes, non-nursing, 1 to 2 years.
ReportPopulation Toddlers() {
  ReportPopulation p = Custom("Toddlers", 1);
  p.crit[0] = {1, 1, 1, 1, 1};
  p.crit[1] = {1, 1, 1, 1, 1};
  p.crit[2] = {0, 1, 0, 0, 1};
  p.crit[3] = {1, 1, 1, 1, 1};
  p.crit[4] = {0, 1, 0, 0, 0};
  p.crit[5] = {0, 0, 1, 0, 2};
  return p;
}

ReportContext NrRun() {
  ReportContext ctx = testing::TestContext(
      500, 100, false,
      {Standard("Total US Population", 1), Toddlers(), Standard("Infants (< 1 year)", 3)});
  ctx.page_length = 66;
  ctx.settings.comment_line = "\"Golden test run\"";
  return ctx;
}

TEST(AcuteReportGolden, NoelAndRfdBothDistributionsNumberedPages) {
  const ReportContext ctx = NrRun();
  const AcuteReport report = BuildAcuteReport(ctx, {TotalPopulation(), AllUsers(), NoUsers()});
  ExpectGolden("nr_both_paged.txt", report.text);
  ExpectGolden("nr_both_paged.plt", PlotFileText(ctx, report.results));
}

// Exposures far below the NOEL (margins above the cap) and a population of one unit of
// weight (no spread), users only, "exceeding" wording, two-day average, Monte Carlo.
TEST(AcuteReportGolden, NoelOnlyUsersExceedingMonteCarloTwoDay) {
  ReportContext ctx = testing::TestContext(
      100, 0, false, {Standard("Total US Population", 1), Standard("Children 1-2 yrs", 18)});
  ctx.specs.per_capita = 0;
  ctx.specs.header_all = 0;
  ctx.orientation = "d";
  ctx.form.two_day_average = true;
  ctx.settings.monte_carlo = true;
  ctx.settings.iterations = 2;
  ctx.settings.seed = 7;
  ctx.form.mersenne_twister = true;
  ctx.form.hold_residues = true;
  PopulationAccumulators tiny = AcuteBins(0.0001f);
  AddUserDay(tiny, 0.00005f, 2);
  AddUserDay(tiny, 0.00008f, 2);
  AddNonUsers(tiny, 4, 2);
  PopulationAccumulators single = AcuteBins(0.5f);
  AddUserDay(single, 0.5f, 1);
  AddNonUsers(single, 3, 1);
  const AcuteReport report = BuildAcuteReport(ctx, {tiny, single});
  ExpectGolden("n_users_exceeding.txt", report.text);
  ExpectGolden("n_users_exceeding.plt", PlotFileText(ctx, report.results));
}

// Kind-0 data set with seasons and regions, PADs (a custom population without one is
// compared with the aRfD), per capita only, eating occasions with reversal, a batch entry
// with a file comment, water in the residue file and a two-line run comment.
TEST(AcuteReportGolden, PadPerCapitaKindZeroBatchEntry) {
  ReportPopulation women = Custom("Women 13-49", 1, 0);
  women.crit[0] = {0, 1, 1, 0, 0};
  women.crit[1] = {0, 1, 0, 1, 0};
  women.crit[2] = {1, 1, 1, 1, 1};
  women.crit[3] = {0, 1, 1, 1, 1};
  women.crit[4] = {1, 1, 1, 0, 0};
  women.crit[5] = {0, 0, 13, 0, 49};
  ReportContext ctx =
      testing::TestContext(0, 0.5f, true, {Standard("Total US Population", 1, 0.1f), women});
  ctx.database_kind = 0;
  ctx.region_names = RegionNames(0);
  ctx.specs.users = 0;
  ctx.settings.eating_occasion = true;
  ctx.form.reversal = true;
  ctx.form.half_life_hours = 6;
  ctx.settings.batch_count = 2;
  ctx.residue_file_comment = "Tolerance-level residues";
  ctx.water_in_residue_file = true;
  ctx.settings.pad_flag = true;
  ctx.settings.comment_line =
      "\"A run comment long enough to need a second line in the report header; this is "
      "the rest\"";
  PopulationAccumulators total = AcuteBins(0.01f);
  AddUserDay(total, 0.005f, 1);
  AddUserDay(total, 0.0075f, 1);
  AddNonUsers(total, 2, 2);
  PopulationAccumulators some = AcuteBins(0.01f);
  AddUserDay(some, 0.0025f, 2);
  AddNonUsers(some, 6, 6);
  const AcuteReport report = BuildAcuteReport(ctx, {total, some});
  ExpectGolden("p_capita_kind0.txt", report.text);
  ExpectGolden("p_capita_kind0.plt", PlotFileText(ctx, report.results));
}

// Exposure per person (no endpoints) with unnumbered pages.
TEST(AcuteReportGolden, PerPersonWithoutEndpoints) {
  ReportContext ctx = testing::TestContext(0, 0, false, {Standard("Total US Population", 1)});
  ctx.settings.per_kg = false;
  ctx.settings.second_adjustment = true;
  ctx.toxicity_code = ToxicityCode(0, 0, 0, 0, 0);
  ctx.page_number_switch = "n";
  ctx.page_length = 90;
  const AcuteReport report = BuildAcuteReport(ctx, {AllUsers()});
  ExpectGolden("empty_per_person.txt", report.text);
}

// Percents of the aRfD above the cap and an exposure above the calibration mean (bin 170,
// from 1.01^69 = 1.98689437 up to the maximum 2), without page headers.
TEST(AcuteReportGolden, RfdOnlyCappedPercents) {
  ReportContext ctx = testing::TestContext(0, 0.001f, false, {Standard("Total US Population", 1)});
  ctx.specs.header_all = 0;
  PopulationAccumulators acc = AcuteBins(1);
  AddUserDay(acc, 0.005f, 2);
  AddUserDay(acc, 0.05f, 1);
  AddUserDay(acc, 2, 1);
  const AcuteReport report = BuildAcuteReport(ctx, {acc});
  ExpectGolden("r_capped.txt", report.text);
  ExpectGolden("r_capped.plt", PlotFileText(ctx, report.results));
}

// NOEL and PAD columns side by side, users only, on one framed page.
TEST(AcuteReportGolden, NoelAndPadUsersPage) {
  ReportContext ctx =
      testing::TestContext(5, 0.5f, true, {Standard("Total US Population", 1, 0.2f)});
  ctx.specs.per_capita = 0;
  const auto results = ComputeResults(ctx, {AllUsers()});
  ExpectGolden("np_users_page.txt", PopulationPagesText(ctx, results));
}

// A summary longer than its page: footers, repeated headers and the "(users)" titles.
TEST(AcuteReportGolden, SummaryPageBreaks) {
  ReportContext ctx = NrRun();
  ctx.populations.push_back(Standard("Females 13-49", 23));
  ctx.populations.push_back(Standard("Males 20+", 25));
  ctx.page_length = 30;
  ctx.specs.choice = {0, 2, 5};
  const auto results = ComputeResults(
      ctx, {TotalPopulation(), AllUsers(), NoUsers(), AllUsers(), TotalPopulation()});
  const std::string paged = SummaryText(ctx, results);
  ExpectGolden("summary_breaks.txt", paged);
  // The same tables without the page frames: each title once, each population once a section,
  // every line one of the report's.
  const std::string tables = SummaryTables(ctx, results);
  const auto count = [&](const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = tables.find(part); at != std::string::npos; at = tables.find(part, ++at))
      ++n;
    return n;
  };
  EXPECT_EQ(count("Summary calculations--per capita:\r\n"), 1u);
  EXPECT_EQ(count("Summary calculations--users:\r\n"), 1u);
  EXPECT_EQ(count("Summary calculations ("), 0u);
  EXPECT_EQ(count(":Females 13-49\r\n"), 2u);
  EXPECT_EQ(count("\f"), 0u);
  for (std::size_t at = 0, end; (end = tables.find("\r\n", at)) != std::string::npos; at = end + 2)
    EXPECT_NE(paged.find(tables.substr(at, end - at)), std::string::npos) << tables.substr(at);
}

}  // namespace
}  // namespace acute
