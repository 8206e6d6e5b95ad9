// The DWLOC variants already in place: ascending percentiles and the plot file rows.
#include <gtest/gtest.h>

#include "reports/plot_file.h"
#include "reports/population_stats.h"
#include "reports/report_fixture.h"
#include "support/test_support.h"

namespace acute {
namespace {

// Descending bounds 100, 99, ... (0 from bin 100 on); DWLOC values in bins 0 and 10 with
// weight 1 and two person-days of DWLOC 0 (bin 1476).
TEST(DwlocPlotFile, RowsCountUpwardsFromTheHighestDwloc) {
  ReportContext ctx = testing::TestContext(0, 0.5f, false, {testing::Standard("Total", 1)});
  ctx.settings.dwloc = 1;
  ctx.toxicity_code = "";
  PopulationAccumulators acc;
  for (int k = 0; k < 100; ++k) acc.bound[k] = 100.0f - k;
  acc.bin_w[0] = 1;
  acc.bin_w[10] = 1;
  acc.bin_w[1476] = 2;
  acc.sum_w = acc.tot_w = 4;
  acc.n = acc.tot_n = 4;
  acc.sum_wx = 100 + 90.5;
  acc.min_v = 0;
  const auto results = ComputeResults(ctx, {acc});
  // The 10th percentile lies within bin 0: the largest DWLOC, Bound(0).
  EXPECT_TRUE(testing::Near(results[0].exp_user[1], 100));
  EXPECT_EQ(results[0].exp_capita[16], 0);  // the smallest DWLOC

  const std::string text = PlotFileText(ctx, results);
  EXPECT_NE(text.find("Tarn-VELD DWLOC PLOT FILE for TESTAZINE"), std::string::npos);
  EXPECT_NE(text.find("\r\nPctl\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Total user days"), std::string::npos);
  EXPECT_NE(text.find("   (Wghtd) ,   High bound,      Low bound   ,      (Per Capita)\r\n"
                      "           1,     0.0       ,   100.00000000,         25.000\r\n"
                      "           1,    91.00000000,    90.00000000,         50.000\r\n"
                      "           2,     0.00000000,     0.00000000,        100.000\r\n\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace acute
