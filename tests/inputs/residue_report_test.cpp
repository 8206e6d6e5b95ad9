// The residue file report in all its layouts, against golden files.
#include "inputs/residue_report.h"

#include <gtest/gtest.h>

#include "common/str.h"
#include "input_report_golden.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"

namespace acute {
namespace {

using testing::ExpectInputGolden;

ResidueReportInputs Inputs(bool comments) {
  ResidueReportInputs in;
  in.program_version = "1.0.0";
  in.food_list_version = "21-07-a";
  in.print_comments = comments;
  in.arfd_text = "0.25";
  in.noel_text = "10";
  in.date = "12/06/2026";
  return in;
}

ResiduePairs Pairs(std::vector<std::int16_t> ptr, std::vector<float> ratio) {
  ptr.insert(ptr.begin(), 0);
  ratio.insert(ratio.begin(), 0.0f);
  return {ptr, ratio};
}

// A Monte Carlo file of `chemicals` chemicals: two distribution lines, one commodity with a
// 7-character code and one food form, one commodity of 8 characters without food forms.
ResidueData McFile(int chemicals) {
  ResidueData d;
  d.ResFileName = "/data/residues/MULTI.R10";
  d.Tag = "21-07-aMCNH2";
  d.ChemicalName = "Chemical Y";
  d.ResFileDate = "11/30/2026";
  d.ChemicalCount = static_cast<std::int16_t>(chemicals);
  d.RdlCount = 3;
  d.MaxRdlIndex = 7;
  d.Rdl.assign(kMaxRdlIndex + 1, RdlLine{});
  d.Rdl[1] = {1, DistributionType::Empirical, {}, "FRUIT.RDF", "Fruit"};
  d.Rdl[4] = {4, DistributionType::Pareto, {0, 3, 0.5f, 0.25f}, "", ""};
  d.Rdl[7] = {7, DistributionType::Point, {0, 0.125f}, "", "Fixed"};
  std::vector<std::int16_t> ptr;
  std::vector<float> ratio;
  for (int i = 1; i <= chemicals; ++i) {
    ptr.push_back(static_cast<std::int16_t>(i % 2 == 1 ? 1 : 4));
    ratio.push_back(1.0f / static_cast<float>(chemicals));
  }
  d.Commodities.assign(1, CommodityLine{});
  d.FoodForms.assign(1, FoodFormLine{});
  CommodityLine apple{1,
                      " 1030200",
                      "1",
                      0.05f,
                      1,
                      1.5f,
                      1,
                      "Apple, fresh, with a name longer than thirty-two",
                      "A comment that is long",
                      Pairs(ptr, ratio)};
  d.Commodities.push_back(apple);
  d.FoodForms.push_back(
      FoodFormLine{150, "Uncooked Juice N/S", "short", 123.5f, 1, 2, Pairs(ptr, ratio)});
  d.Commodities.push_back(
      CommodityLine{2, "10000002", "2", 0.0f, 0.25f, 1, 0, "Beet", "", Pairs(ptr, ratio)});
  return d;
}

ResidueData PlainFile() {
  ResidueData d = McFile(1);
  d.Tag = "21-07-aNH2";
  d.RdlCount = 0;
  d.MaxRdlIndex = 0;
  d.Rdl.clear();
  d.ChemicalCount = 1;
  return d;
}

TEST(ResidueReport, PlainLayoutWithAndWithoutComments) {
  ExpectInputGolden("plain_comments.ac1", ResidueReportText(PlainFile(), Inputs(true)));
  ResidueReportInputs in = Inputs(false);
  in.comment = "Plain run";
  ExpectInputGolden("plain.ac1", ResidueReportText(PlainFile(), in));
}

TEST(ResidueReport, MonteCarloLayoutsByChemicalCount) {
  ExpectInputGolden("mc_one_chemical.ac1", ResidueReportText(McFile(1), Inputs(true)));
  ExpectInputGolden("mc_three_chemicals.ac1", ResidueReportText(McFile(3), Inputs(true)));
  ExpectInputGolden("mc_five_chemicals.ac1", ResidueReportText(McFile(5), Inputs(false)));
  // More than five chemicals: five pairs to a line under the five-chemical headings.
  ExpectInputGolden("mc_seven_chemicals.ac1", ResidueReportText(McFile(7), Inputs(false)));
}

// The endpoint lines the golden files do not show (they have both endpoints per kg).
TEST(ResidueReport, EndpointLinesByOptionAndValues) {
  auto endpoint_line = [](bool per_kg, const std::string& arfd, const std::string& noel) {
    ResidueReportInputs in = Inputs(false);
    in.per_kg = per_kg;
    in.arfd_text = arfd;
    in.noel_text = noel;
    const std::string text = ResidueReportText(PlainFile(), in);
    const std::size_t at = text.find("Reference dose");
    return at == std::string::npos ? std::string() : text.substr(at, text.find('\r', at) - at);
  };
  EXPECT_EQ(endpoint_line(true, "0", " 10 "), "Reference dose (NOEL) = 10 mg/kg bw/day");
  EXPECT_EQ(endpoint_line(false, "0.25", "10"),
            "Reference dose: aRfD = 0.25 mg/day  NOEL =10 mg/day");
  EXPECT_EQ(endpoint_line(false, "0.25", ""), "Reference dose (aRfD)0.25 mg/day");
  EXPECT_EQ(endpoint_line(true, "0", "0"), "");
}

// The residue files of the sample data folder, read as the report reads them. The folder
// part of the path line is replaced so that the golden files do not depend on it.
TEST(ResidueReport, SampleResidueFiles) {
  testing::ScratchFolder dir;
  sample::SampleManifest m = sample::WriteSampleData(dir / "data", {2, 50, 7});
  ScriptedPort port;
  DataSession session = OpenDataSession(m.folder, port);
  for (const auto& [name, golden] : {std::pair{m.plain_residue, "sample_plain.ac1"},
                                     {m.mc_residue, "sample_mc.ac1"},
                                     {m.two_chemical_residue, "sample_twochem.ac1"}}) {
    auto data = ReadResidueFile(m.residue_folder / name, session.support, port);
    ASSERT_TRUE(data.has_value()) << port.LastMessage();
    ResidueReportInputs in = Inputs(session.setup.PrintComments());
    in.food_list_version = session.support.RacFfVersion;
    in.arfd_text = TrimStr(data->ResARfD);
    in.noel_text = TrimStr(data->ResNoel);
    std::string text = ResidueReportText(*data, in);
    const std::string folder = m.residue_folder.string();
    text.replace(text.find(folder), folder.size(), "<residue folder>");
    ExpectInputGolden(golden, text);
  }
}

}  // namespace
}  // namespace acute
