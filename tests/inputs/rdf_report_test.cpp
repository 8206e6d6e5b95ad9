// The RDF summary report: counts of every distribution file, the chemicals of cumulative
// files, and a file whose distribution lines are all parametric.
#include "inputs/rdf/rdf_report.h"

#include <gtest/gtest.h>

#include "input_report_golden.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"

namespace acute {
namespace {

using testing::ExpectInputGolden;

TEST(RdfSummary, SampleMonteCarloFiles) {
  testing::ScratchFolder dir;
  sample::SampleManifest m = sample::WriteSampleData(dir / "data", {2, 50, 7});
  ScriptedPort port;
  DataSession session = OpenDataSession(m.folder, port);
  for (const auto& [name, golden, cumulative] :
       {std::tuple{m.mc_residue, "sample_mc.ac3", false},
        std::tuple{m.two_chemical_residue, "sample_twochem.ac3", true}}) {
    auto data = ReadResidueFile(m.residue_folder / name, session.support, port);
    ASSERT_TRUE(data.has_value()) << port.LastMessage();
    RdfTables tables;
    ASSERT_EQ(SetUpRdfs(*data, dir / "rdfacute.tmp", false, port, tables), RdfSetUp::Ok)
        << port.LastMessage();
    EXPECT_EQ(tables.all_cumulative, cumulative);
    RdfSummary summary = RdfSummaryText(*data, tables);
    EXPECT_FALSE(summary.rdf_without_chemicals && cumulative);
    const std::string folder = m.residue_folder.string();
    summary.text.replace(summary.text.find(folder), folder.size(), "<residue folder>");
    ExpectInputGolden(golden, summary.text);
  }
}

TEST(RdfSummary, ZerosAndParametricLines) {
  ResidueData d;
  d.ResFileName = "/r/P.R10";
  d.MaxRdlIndex = 3;
  d.Rdl.assign(kMaxRdlIndex + 1, RdlLine{});
  d.Rdl[1] = {1, DistributionType::Pareto, {0, 1, 2, 3}, "", ""};
  d.Rdl[3] = {3, DistributionType::Point, {0, 0.5f}, "", ""};
  RdfTables t;
  const std::string parametric = RdfSummaryText(d, t).text;
  EXPECT_EQ(parametric.substr(parametric.rfind("-------")), "-------\r\n");  // no rows

  d.Rdl[2] = {2, DistributionType::Empirical, {}, "/r/sub/A.RDF", ""};
  t.RdfTotalFreq = {0, 0, 3, 0};
  t.RdfTotalNZ = {0, 0, 12, 0};
  t.RdfTotalLod = {0, 0, 2, 0};
  t.RdfLodRes = {0, 0, 0.005f, 0};
  t.RdfTotalZ = {0, 0, 5, 0};
  t.RdfChemCount = {0, 0, 0, 0};
  const std::string row = RdfSummaryText(d, t).text;
  // Index at column 2 (a blank before the number), name without folder at 8, counts at 25,
  // 36, 48, LOD at 56, zeros at 70.
  EXPECT_NE(
      row.find("  2    A.RDF             3          12          2       0.005         5 \r\n"),
      std::string::npos)
      << row;
}

}  // namespace
}  // namespace acute
