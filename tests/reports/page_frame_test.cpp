// Page header and footer: the lines that depend on the run and line counts; and descriptions
// of custom populations in what the golden reports do not show (race lists, nursing status,
// ages in months). Numbered pages with their fillers and form feeds, standard populations and
// "All Races" in years are pinned by the acute report golden files.
#include "reports/page_frame.h"

#include <gtest/gtest.h>

#include <string>

#include "reports/population_description.h"
#include "reports/report_fixture.h"

namespace acute {
namespace {

using testing::Standard;

// The header's lines after the version and title lines, without the line ends.
std::vector<std::string> HeaderLines(const ReportContext& ctx, int population_index,
                                     OutputKind kind = OutputKind::AcuteReport) {
  PrintWriter out;
  std::int16_t line_count = 1;
  WriteHeader(out, ctx, population_index, line_count, kind);
  std::vector<std::string> lines;
  const std::string& text = out.Contents();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return {lines.begin() + 3, lines.end()};
}

ReportContext PadRun() {
  return testing::TestContext(2, 0.5f, true,
                              {Standard("Total US Population", 1, 0.25f), Standard("Males", 2, 0)});
}

TEST(Header, ResidueFileNameAndAdjustmentText) {
  ReportContext ctx = PadRun();
  ctx.residue_file_path = "/data/" + std::string(35, 'A');  // "Residue file: " + 35 = 49
  EXPECT_EQ(HeaderLines(ctx, 1)[0],
            "Residue file: " + std::string(35, 'A') + " Adjustment factor #2 NOT used.");
  ctx.residue_file_path = "C:\\RES\\" + std::string(36, 'B');  // exactly 50: next line
  ctx.settings.second_adjustment = true;
  const auto lines = HeaderLines(ctx, 1);
  EXPECT_EQ(lines[0], "Residue file: " + std::string(36, 'B'));
  EXPECT_EQ(lines[1], "    Adjustment factor #2 used.");
  ctx.residue_file_path = "D:DRIVE.R98";  // no folder, a drive prefix
  EXPECT_EQ(HeaderLines(ctx, 1)[0].substr(0, 21), "Residue file: DRIVE.R");
}

// An acute run whose code is empty, though endpoints are given (the DWLOC pages and plot
// header are pinned by the DWLOC golden files).
TEST(Header, EmptyCodeInAnAcuteRun) {
  ReportContext ctx = PadRun();
  ctx.toxicity_code = "";
  EXPECT_EQ(HeaderLines(ctx, 1)[2], "Toxicology endpoints not specified.");
}

TEST(Header, CommentsAndLineCount) {
  ReportContext ctx = PadRun();
  ctx.settings.comment_line = "\"\"";
  ctx.residue_file_comment = "not a batch run";
  PrintWriter out;
  std::int16_t line_count = 0;
  WriteHeader(out, ctx, 1, line_count, OutputKind::AcuteReport);
  EXPECT_EQ(out.Contents().find("Comment"), std::string::npos);
  EXPECT_EQ(line_count, out.Lines());  // the first blank line of a file included
  EXPECT_EQ(out.Contents().substr(0, 4), "\r\n\r\n");

  const std::string comment = "\"" + std::string(70, 'c') + "\"";
  const auto parts = SplitRunComment(comment);
  EXPECT_EQ(parts[0].size(), 65u);
  EXPECT_EQ(parts[1], std::string(6, 'c') + "\"");
  EXPECT_EQ(parts[2], "");
  const auto three = SplitRunComment(std::string(65 + 79 + 3, 'x'));
  EXPECT_EQ(three[1].size(), 79u);
  EXPECT_EQ(three[2], "xxx");
}

TEST(Footer, UnnumberedOrUnframedPages) {
  ReportContext ctx = PadRun();
  ctx.page_length = 10;
  ctx.page_number_switch = "N";
  PrintWriter out;
  std::int16_t page = 1, line_count = 6;
  WriteFooter(out, ctx, false, page, line_count, false);
  EXPECT_EQ(out.Contents(), "\r\n\r\n");  // one filler line and a blank line for the number

  ctx.specs.header_all = 0;
  ctx.water_in_residue_file = true;
  out.Clear();
  WriteFooter(out, ctx, true, page, line_count, false);
  EXPECT_EQ(out.Contents(), std::string(79, '-') +
                                "\r\na/ Analysis based on all two-day participant records in "
                                "Test Survey 2001-2002\r\n"
                                "   with 2 days of valid drinking water records.\r\n"
                                "2/ Margin of Exposure = NOEL/ Dietary Exposure.\r\n");
  EXPECT_EQ(line_count, 1);
}

std::string Describe(const ReportPopulation& pop, std::int16_t kind = 2) {
  PrintWriter out;
  WritePopulationDescription(out, pop, kind, RegionNames(kind));
  return out.Contents();
}

ReportPopulation Everyone(const std::string& name) {
  ReportPopulation p = testing::Custom(name, 2);
  for (auto& line : p.crit) line[0] = 1;
  p.crit[3] = {1, 1, 0, 0, 0};
  return p;
}

TEST(PopulationDescription, RaceListNursingStatusAndAgesInMonths) {
  ReportPopulation p = Everyone("Infants");
  p.crit[2] = {0, 0, 1, 1, 0};
  p.crit[5] = {0, 6, 0, 11, 0};
  EXPECT_EQ(Describe(p),
            "\r\nCustom demographics 2: Infants\r\n"
            "Sex: M/F-all/\r\n"
            "Race(s): NH White/NH Black/  Nursing and Non-Nursing (Ages <= 3)\r\n"
            "Age-Low: 6 m  High: 11 m\r\n"
            "------------------------------\r\n");
  p.crit[5] = {0, 6, 0, 0, 2};  // months to years
  p.crit[4] = {0, 0, 1, 0, 0};
  EXPECT_NE(
      Describe(p).find("Nursing Status (Ages <=3): Nursing.\r\nAge-Low: 6 m  High: 2 yrs\r\n"),
      std::string::npos);
  p.crit[2] = {0, 1, 0, 0, 0};
  p.crit[5] = {0, 0, 4, 0, 10};  // no nursing line: the ages continue the race line
  EXPECT_NE(Describe(p).find("Race(s): Hispanic/  Age-Low: 4 yrs   High: 10 yrs\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace acute
