// Cumulative CEC on the sample two-chemical residue file: every food line names the record
// its residue was drawn from and that record's chemical count, and the chemicals' shares of
// each interval add up to 100 %.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cec/cec_fixture.h"
#include "cec/cec_ranking.h"
#include "cec/cec_work_files.h"
#include "common/list_reader.h"
#include "common/work_set_check.h"

namespace acute {
namespace {

std::vector<float> Singles(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes(std::istreambuf_iterator<char>(in), {});
  std::vector<float> v(bytes.size() / 4);
  std::memcpy(v.data(), bytes.data(), v.size() * 4);
  return v;
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream ss(line);
  std::string item;
  while (std::getline(ss, item, ',')) out.push_back(item);
  return out;
}

// Cumulative CEC requests in Monte Carlo runs of the sample two-chemical residue file.
class CecCumulative : public testing::CecSampleFixture {
 protected:
  void SetUp() override {
    Open(true, "3");
    form_.save_cec = true;
    form_.cec_name = "two";
    form_.cec_min_percent = "1";
    form_.cumulative_cec = true;
  }
};

TEST_F(CecCumulative, FoodLinesNameTheirRecordAndTheChemicalsAddUp) {
  form_.standard[1] = true;
  form_.cec_low = "95";
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  const std::vector<float> scratch = Singles(manifest_.folder / "rdfacute.tmp");
  const std::vector<float> cumul = Singles(manifest_.folder / "cumul.tmp");
  ASSERT_EQ(cumul.size(), scratch.size() * 40);
  long lines = 0;
  for (const std::string& line : SplitLines(testing::ReadText(manifest_.folder / "cec1.tmp"))) {
    const auto f = Split(line);
    if (line.rfind("    ", 0) != 0 || f.size() != 10) continue;
    double count = 0, record = 0, residue = 0;
    ASSERT_TRUE(ParseNumber(f[8], count) && ParseNumber(f[9], record) &&
                ParseNumber(f[3], residue));
    if (record == 0) continue;
    ASSERT_LE(record, static_cast<double>(scratch.size()));
    const auto r = static_cast<std::size_t>(record) - 1;
    EXPECT_NEAR(scratch[r], residue, 5e-7) << line;
    int nonzero = 0;
    for (int m = 0; m < 40; ++m) nonzero += cumul[r * 40 + m] != 0 ? 1 : 0;
    EXPECT_EQ(nonzero, static_cast<int>(count)) << line;
    ++lines;
  }
  EXPECT_GT(lines, 0);

  // Each pair's chemicals add up to the pair; the chemicals' shares of an interval add up
  // to the share of its listed pairs (all of it but the lines below the minimum).
  const std::vector<std::string> ranked =
      SplitLines(testing::ReadText(manifest_.folder / "cec3.tmp"));
  int sections = 0;
  double pairs_total = 0, pair_chemicals = -1;
  for (std::size_t i = 0; i < ranked.size(); ++i) {
    const std::string& l = ranked[i];
    const auto f = Split(l);
    double v = 0;
    const std::size_t quote = l.find('"');
    if (quote != std::string::npos && quote > 20 && f.size() >= 5 && ParseNumber(f[3], v)) {
      pairs_total += v;  // a critical food line
      if (pair_chemicals >= 0) {
        EXPECT_NEAR(pair_chemicals, 100, 1e-3);
      }
      pair_chemicals = 0;
    } else if (quote != std::string::npos && quote < 10 && ParseNumber(f.back(), v)) {
      pair_chemicals += v;  // one of its chemicals
    } else if (l.rfind("Chemical Disaggregation: Percent", 0) == 0) {
      ++sections;
      // The text's ": " and Str of the count: two blanks before a one-digit count.
      EXPECT_EQ(l,
                "Chemical Disaggregation: Percent of total exposure in this interval by "
                "chemical:  2");
      double n = 0, shares = 0;
      ASSERT_TRUE(ParseNumber(l.substr(l.rfind(':') + 1), n));
      std::size_t j = i + 1;
      for (int m = 0; m < static_cast<int>(n); ++m) {
        const auto g = Split(ranked.at(j++));
        ASSERT_TRUE(g.size() == 2 && ParseNumber(g[1], v));
        shares += v;
        double k = 0;
        ASSERT_TRUE(ParseNumber(ranked.at(j++).substr(26), k));
        j += static_cast<std::size_t>(k);
      }
      EXPECT_NEAR(shares, pairs_total, 0.05 * (1 + pairs_total / 100));
      EXPECT_GT(pairs_total, 90);
      pairs_total = 0;
      pair_chemicals = -1;
    }
  }
  EXPECT_EQ(sections, 2);
}

// A repeat whose distribution files have changed since the run finds records that no longer
// hold the residues of the food lines, and says so instead of splitting them wrongly.
TEST_F(CecCumulative, ARepeatRefusesRecordsThatNoLongerMatch) {
  form_.cec_low = "90";
  ASSERT_TRUE(Launch()->completed);
  // Every file's data rows in reverse order: same counts, other residues per record.
  for (const auto& entry : std::filesystem::directory_iterator(manifest_.residue_folder)) {
    if (entry.path().extension() != ".RDF") continue;
    std::vector<std::string> lines = SplitLines(testing::ReadText(entry.path()));
    auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return !l.empty() && (std::isdigit(static_cast<unsigned char>(l[0])) || l[0] == '.');
    });
    std::reverse(first, lines.end());
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    testing::WriteText(entry.path(), text);
  }
  form_.cec_name = "again";
  // The folder's list knows the files the run read: the repeat names the one that changed.
  ScriptedPort redo;
  auto outcome = RedoLastCec(form_, session_, redo);
  ASSERT_TRUE(outcome);
  EXPECT_FALSE(outcome->completed);
  EXPECT_EQ(redo.Messages().back().title, "Repeat CEC");
  EXPECT_NE(redo.LastMessage().find(".RDF has changed since the last CEC run read it"),
            std::string::npos)
      << redo.LastMessage();
  // Without the list (a folder of an older version) the records themselves are checked.
  std::filesystem::remove(session_.WorkFolder() / kManifestFileName);
  ScriptedPort legacy;
  outcome = RedoLastCec(form_, session_, legacy);
  ASSERT_TRUE(outcome);
  EXPECT_FALSE(outcome->completed);
  EXPECT_EQ(legacy.Messages().front().title, kWorkFilesTitle);
  EXPECT_EQ(legacy.Messages().back().title, "Acute error");
}

// A chemical line's percent is the line's percent as the record file prints it, times the
// chemical's residue over the line's, in single precision; its contribution likewise from the
// contribution as the run holds it.
TEST(CecChemicalLines, SharesAreTakenInSinglePrecision) {
  CumulativeResidues c;
  c.count = 2;
  c.totals = {0.913301468f};
  c.slots.resize(1);
  c.slots[0].fill(0);
  c.slots[0][0] = 0.0219026897f;
  c.slots[0][1] = 0.913301468f - 0.0219026897f;
  CecLineValues line;
  line.record = 1;
  line.percent = 59.08f;  // "59.08" read back
  line.contribution_mg = 0.00123456789f;
  const auto parts = ChemicalParts(line, c);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0].chemical, 1);
  EXPECT_EQ(parts[0].percent, 0x1.6ab6acp+0f);  // in double and rounded once: 0x1.6ab6aap+0
  const float rk = c.slots[0][0], residue = c.totals[0];
  EXPECT_EQ(parts[0].contribution_mg, line.contribution_mg * rk / residue);
}

}  // namespace
}  // namespace acute
