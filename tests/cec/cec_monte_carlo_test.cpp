// Critical exposure contribution requests in Monte Carlo runs of a small sample folder: the
// acute report stays that of the run without the request, the record limit and the
// iteration cap.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "cec/cec_fixture.h"

namespace acute {
namespace {

class CecMonteCarlo : public testing::CecSampleFixture {
 protected:
  void SetUp() override {
    Open(false, "5");
    form_.standard[1] = true;
    form_.save_report = form_.save_plot = true;
    form_.report_name = form_.plot_name = "mc";
  }
  void AskForCec(const std::string& low, const std::string& high) {
    form_.save_cec = true;
    form_.cec_name = "mc";
    form_.cec_min_percent = "5";
    form_.cec_records = "50";
    form_.cec_low = low;
    form_.cec_high = high;
  }
};

TEST_F(CecMonteCarlo, TheAcuteReportAndPlotFileStayThoseOfTheRunWithoutCec) {
  ASSERT_TRUE(Launch());
  const std::string report = Read("acute.tmp");
  const std::string plot = Read("plot.tmp");
  AskForCec("50", "100");
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  EXPECT_EQ(Read("acute.tmp"), report);
  EXPECT_EQ(Read("plot.tmp"), plot);
  // Records are numbered in survey order and the total line counts them; a day pass's
  // equal totals are one record (its nx counts them), so no total repeats within one.
  std::istringstream in(Read("cec1.tmp"));
  std::string line, last, day;
  long records = 0, repeated = 0;
  std::set<std::pair<std::string, std::string>> totals;
  while (std::getline(in, line)) {
    if (line.rfind(" " + std::to_string(records + 1) + ",  ", 0) == 0) {
      ++records;
      std::size_t end = 0;  // the person and the day: fields 2 to 4
      for (int field = 0; field < 4; ++field) end = line.find(',', end + 1);
      day = line.substr(line.find(','), end - line.find(','));
      repeated += line.substr(line.size() - 5, 4) != "   1";
      std::getline(in, line);
      EXPECT_TRUE(totals.insert({day, line.substr(0, line.find(','))}).second) << day;
    }
    last = line;
  }
  EXPECT_GT(records, 0);
  EXPECT_GT(repeated, 0);
  EXPECT_EQ(last, "Total Number of CEC records =  " + std::to_string(records) + "\r");
}

TEST_F(CecMonteCarlo, TooManyRecordsStopTheRunWithoutReports) {
  form_.standard[1] = false;
  form_.iterations = "100";  // 28 preliminary iterations
  AskForCec("0", "0");       // every person-day of every iteration
  form_.cec_basis = 1;
  auto outcome = Launch();
  ASSERT_TRUE(outcome);
  EXPECT_FALSE(outcome->completed);
  const auto messages = port_.Messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[messages.size() - 2].title, "Too many CEC records");
  EXPECT_EQ(messages.back().text, "Acute Analysis was not completed.");
  EXPECT_FALSE(std::filesystem::exists(manifest_.folder / "acute.tmp"));
  EXPECT_FALSE(std::filesystem::exists(manifest_.residue_folder / "mc.CEC"));
}

TEST_F(CecMonteCarlo, TheIterationCapQuestionCanStopTheRun) {
  form_.iterations = "5000";
  AskForCec("95", "100");
  port_.answers = {Answer::Cancel};
  auto outcome = Launch();
  ASSERT_TRUE(outcome);
  EXPECT_FALSE(outcome->completed);
  const auto messages = port_.Messages();
  ASSERT_GE(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "CEC file generator");
  EXPECT_EQ(messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(messages[0].text.rfind("CEC records will be generated only for the first ", 0), 0u);
}

TEST_F(CecMonteCarlo, ProgressNamesTheIterationsAndEveryStepOfTheReport) {
  AskForCec("50", "100");
  form_.standard[1] = false;
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  std::vector<std::string> seen;
  for (const PortEvent& e : port_.events) {
    if (e.kind != PortEvent::Kind::Progress) continue;
    const std::string phase = e.text.substr(0, e.text.find("\r\n"));
    if (seen.empty() || seen.back() != phase) seen.push_back(phase);
  }
  const auto at = [&](const std::string& text) {
    return std::find(seen.begin(), seen.end(), text) - seen.begin();
  };
  EXPECT_LT(at("Computing exposure: " + form_.iterations + " iterations"),
            static_cast<long>(seen.size()))
      << ::testing::PrintToString(seen);
  const std::vector<std::string> step3{
      "Generating CEC report: Step 3 of 4, Sorting records",
      "Generating CEC report: Step 3 of 4, Population # 1  Sorting...",
      "Generating CEC report: Step 3 of 4, Population # 1 Summary Statistics",
      "Generating CEC report: Step 3 of 4, Advanced CEC, population # 1  Sorting...",
      "Generating CEC report: step 3 of 4, printing records, pop # 1"};
  ASSERT_LT(at(step3[0]), static_cast<long>(seen.size()));
  EXPECT_EQ(std::vector<std::string>(seen.begin() + at(step3[0]), seen.begin() + at(step3[0]) + 5),
            step3);
}

}  // namespace
}  // namespace acute
