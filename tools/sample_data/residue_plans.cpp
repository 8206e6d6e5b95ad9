#include "sample_data/residue_plans.h"

#include <array>

#include "sample_data/residue_lines.h"

namespace acute::sample {
namespace {

constexpr const char* kSavedOn = "07/15/2021";

ResidueFile Header(const std::string& chemical, const std::string& tag, float arfd, float noel) {
  ResidueFile file;
  file.chemical = chemical;
  file.tag = tag;
  file.arfd = arfd;
  file.noel = noel;
  file.date = kSavedOn;
  return file;
}

CommodityLine PlainLine(const Catalogue& cat, int commodity, RandomSource& rng) {
  CommodityLine line = LineFor(cat, commodity);
  line.residue = DrawResidue(rng);
  line.adj1 = DrawProcessingFactor(rng);
  line.adj2 = DrawTreatedShare(rng);
  if (rng.Chance(0.6)) {
    line.comment = "Commodity-wide tolerance level";
    return line;
  }
  line.comment = "Food-form residues from processing studies";
  for (int f : DrawFormSubset(cat.At(commodity), rng)) {
    FormLine form = FormLineFor(cat, f);
    form.residue = DrawResidue(rng);
    form.adj1 = DrawProcessingFactor(rng);
    form.adj2 = line.adj2;
    line.forms.push_back(form);
  }
  return line;
}

CommodityLine WaterLine(const Catalogue& cat, int commodity, float residue,
                        std::vector<RdlPointer> pointers) {
  CommodityLine line = LineFor(cat, commodity);
  line.residue = residue;
  line.pointers = std::move(pointers);
  line.comment = "Drinking water estimate";
  return line;
}

std::vector<RdlLine> MonteCarloRdls() {
  return {
      {1, 6, {}, kApplesRdf, "Apples: monitoring samples with zero and LOD counts"},
      {2, 6, {}, kGrapesRdf, "Grapes: frequency-residue pairs"},
      {3, 1, {0.001f, 0.02f}, "", ""},
      {4, 2, {3.0f, 0.002f, 0.1f}, "", ""},
      {5, 3, {0.0f, 0.005f, 0.03f}, "", ""},
      {6, 4, {0.01f, 0.003f, 0.025f}, "", ""},
      {7, 5, {0.004f, 0.006f, 0.08f}, "", ""},
      {8, -1, {0.0025f}, "", ""},
      {9, 6, {}, kWaterRdf, "Finished drinking water: weekly monitoring"},
      {11, 5, {0.0002f, 0.0003f, 0.002f}, "", ""},
  };
}

// A commodity line whose residue comes from one distribution, for all food forms or for
// each food-form line (a few food-form lines keep a fixed residue).
CommodityLine MonteCarloLine(const Catalogue& cat, int commodity, int rdl, bool with_forms,
                             RandomSource& rng) {
  CommodityLine line = LineFor(cat, commodity);
  line.residue = DrawResidue(rng);
  line.adj1 = DrawProcessingFactor(rng);
  if (!with_forms) {
    line.pointers = {{rdl, 1.0f}};
    line.comment = "Distribution for every food form";
    return line;
  }
  line.pointers = {{0, 0.0f}};
  line.comment = "Distributions by food form";
  for (int f : DrawFormSubset(cat.At(commodity), rng)) {
    FormLine form = FormLineFor(cat, f);
    form.residue = DrawResidue(rng);
    form.adj1 = DrawProcessingFactor(rng);
    form.pointers =
        rng.Chance(0.2) ? std::vector<RdlPointer>{{0, 0.0f}} : std::vector<RdlPointer>{{rdl, 1.0f}};
    line.forms.push_back(form);
  }
  return line;
}

// Ratios of the two chemicals that add up to exactly 1.
std::vector<RdlPointer> TwoChemicals(int first, int second, RandomSource& rng) {
  static const std::array<float, 4> kShares = {0.5f, 0.25f, 0.75f, 0.625f};
  float share = kShares[static_cast<std::size_t>(rng.Below(4))];
  return {{first, share}, {second, 1.0f - share}};
}

CommodityLine TwoChemicalLine(const Catalogue& cat, int commodity, RandomSource& rng) {
  CommodityLine line = LineFor(cat, commodity);
  int rdl = rng.Chance(0.5) ? 1 : 2;
  line.residue = DrawResidue(rng);
  line.pointers = TwoChemicals(rdl, 3 - rdl, rng);
  line.comment = "Cumulative monitoring data";
  if (rng.Chance(0.7)) return line;
  for (int f : DrawFormSubset(cat.At(commodity), rng)) {
    FormLine form = FormLineFor(cat, f);
    form.residue = DrawResidue(rng);
    form.adj1 = DrawProcessingFactor(rng);
    form.pointers = TwoChemicals(rdl, 3 - rdl, rng);
    line.forms.push_back(form);
  }
  return line;
}

}  // namespace

ResidueFile PlainResidueFile(const KindLayout& layout, const Catalogue& cat, RandomSource& rng) {
  ResidueFile file =
      Header("Exampledione (generated sample chemical)", layout.plain_tag, 0.005f, 0.5f);
  file.comment = "Sample residue file: tolerance-level residues with water estimates";
  for (int c : DrawCommodities(cat, 40, {}, rng)) file.lines.push_back(PlainLine(cat, c, rng));
  file.lines.push_back(WaterLine(cat, kDirectWaterAll, 0.0006f, {}));
  CommodityLine indirect = WaterLine(cat, kIndirectWaterAll, 0.0f, {});
  FormLine boiled = FormLineFor(cat, cat.At(kIndirectWaterAll).first_form);
  boiled.residue = 0.0004f;
  indirect.forms.push_back(boiled);
  file.lines.push_back(indirect);
  SortByCommodity(file);
  return file;
}

ResidueFile MonteCarloResidueFile(const KindLayout& layout, const Catalogue& cat,
                                  RandomSource& rng) {
  ResidueFile file =
      Header("Exampledione (generated sample chemical)", layout.monte_carlo_tag, 0.01f, 1.0f);
  file.monte_carlo = true;
  file.rdls = MonteCarloRdls();
  file.comment = "Sample Monte Carlo residue file: every distribution type";
  const int apples = FindCommodity(cat, "Apple, fruit with peel");
  const int grapes = FindCommodity(cat, "Grape, fruit");
  file.lines.push_back(MonteCarloLine(cat, apples, 1, false, rng));
  file.lines.push_back(MonteCarloLine(cat, grapes, 2, false, rng));
  static const std::array<int, 8> kCycle = {3, 4, 5, 6, 7, 8, 1, 2};
  std::size_t next = 0;
  for (int c : DrawCommodities(cat, 30, {apples, grapes}, rng)) {
    const bool with_forms = rng.Chance(0.4);
    file.lines.push_back(MonteCarloLine(cat, c, kCycle[next++ % kCycle.size()], with_forms, rng));
  }
  file.lines.push_back(WaterLine(cat, kDirectWaterFirst, 0.0002f, {{9, 1.0f}}));
  file.lines.push_back(WaterLine(cat, kDirectWaterFirst + 1, 0.0002f, {{9, 1.0f}}));
  file.lines.push_back(WaterLine(cat, kDirectWaterFirst + 2, 0.0002f, {{11, 1.0f}}));
  file.lines.push_back(WaterLine(cat, kIndirectWaterFirst, 0.0002f, {{9, 1.0f}}));
  SortByCommodity(file);
  return file;
}

ResidueFile TwoChemicalResidueFile(const KindLayout& layout, const Catalogue& cat,
                                   RandomSource& rng) {
  ResidueFile file = Header("Exampledione and Demoxafen (generated sample chemicals)",
                            layout.monte_carlo_tag, 0.003f, 0.3f);
  file.monte_carlo = true;
  file.chemicals = 2;
  file.rdls = {{1, 6, {}, kFruitCumulativeRdf, "Fruit: both chemicals per sample"},
               {2, 6, {}, kCropCumulativeRdf, "Other crops: both chemicals per sample"},
               {3, 6, {}, kWaterCumulativeRdf, "Drinking water: both chemicals per sample"}};
  file.comment = "Sample two-chemical Monte Carlo residue file (cumulative distributions)";
  for (int c : DrawCommodities(cat, 16, {}, rng))
    file.lines.push_back(TwoChemicalLine(cat, c, rng));
  file.lines.push_back(WaterLine(cat, kDirectWaterAll, 0.0003f, {{3, 0.5f}, {3, 0.5f}}));
  SortByCommodity(file);
  return file;
}

}  // namespace acute::sample
