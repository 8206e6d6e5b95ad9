// The figures of the uncertainty analysis: interval ranks, the quantiles read off the rounds,
// and the figure list's names and values.
#include "reports/bootstrap_figures.h"

#include <gtest/gtest.h>

#include <set>

namespace acute {
namespace {

TEST(BootstrapFigures, RanksAreTheCeilingOfTheShareOfTheRounds) {
  const auto ranks = [](int count, int level) {
    const IntervalRanks r = RanksOf(count, level);
    return std::vector<int>{r.low, r.median, r.high};
  };
  EXPECT_EQ(ranks(200, 950), (std::vector<int>{5, 100, 195}));
  EXPECT_EQ(ranks(20, 950), (std::vector<int>{1, 10, 20}));  // ceil(0.5), ceil(19.5)
  EXPECT_EQ(ranks(1, 950), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(ranks(1000, 999), (std::vector<int>{1, 500, 1000}));
  EXPECT_EQ(ranks(7, 900), (std::vector<int>{1, 4, 7}));  // ceil(0.35), ceil(3.5), ceil(6.65)
  EXPECT_EQ(IntervalNamesOf(950).low, "2.5");
  EXPECT_EQ(IntervalNamesOf(950).high, "97.5");
  EXPECT_EQ(IntervalNamesOf(999).low, "0.05");
  EXPECT_EQ(IntervalNamesOf(900).high, "95");
}

TEST(BootstrapFigures, IntervalsSkipRoundsWithoutTheFigure) {
  const std::vector<std::optional<double>> rounds{5.0, std::nullopt, 1.0, 3.0, 2.0, 4.0};
  const FigureInterval i = IntervalOf(3.5, rounds, 800);  // five values: ranks 1, 3, 5
  EXPECT_EQ(i.main, 3.5);
  EXPECT_EQ(i.low, 1.0);
  EXPECT_EQ(i.median, 3.0);
  EXPECT_EQ(i.high, 5.0);
  const FigureInterval none = IntervalOf(std::nullopt, {std::nullopt}, 950);
  EXPECT_FALSE(none.main || none.low || none.median || none.high);
}

TEST(BootstrapFigures, ListNamesEachReportFigureOnce) {
  const std::vector<BootstrapFigure> plain = BootstrapFigureList(false);
  const std::vector<BootstrapFigure> exact = BootstrapFigureList(true);
  EXPECT_EQ(plain.size(), 7u + 2 * 15 * 3);
  EXPECT_EQ(exact.size(), plain.size() + 2 * 15 * 3);
  std::set<std::string> keys;
  for (const BootstrapFigure& f : exact) EXPECT_TRUE(keys.insert(f.key).second) << f.key;

  PopulationResult r;
  r.capita_mean = 0.5f;
  r.moe_user_mean = 20;
  r.pct_users = 40;
  r.exp_capita[14] = 0.25;
  r.moe_user[9] = 300;
  r.pct_capita[11] = 7.5f;
  ExactFigures e;
  e.exposure[14] = 0.125;
  r.exact_capita = e;
  const auto values = BootstrapFigureValues(r, true);
  const auto value = [&](const std::string& key) {
    for (std::size_t i = 0; i < exact.size(); ++i)
      if (exact[i].key == key) return values[i];
    return std::optional<double>(-1);
  };
  EXPECT_EQ(value("capita_mean"), 0.5);
  EXPECT_EQ(value("user_mean_moe"), 20);
  EXPECT_EQ(value("user_share"), 40);
  EXPECT_EQ(value("capita_p99.9"), 0.25);
  EXPECT_EQ(value("user_p95_moe"), 300);
  EXPECT_EQ(value("capita_p99_dose"), 7.5);
  EXPECT_EQ(value("capita_exact_p99.9"), 0.125);
  EXPECT_EQ(value("capita_exact_p10"), std::nullopt);  // no exact value at that level
  EXPECT_EQ(value("user_exact_p99.9"), std::nullopt);  // no exact figures per user
}

}  // namespace
}  // namespace acute
