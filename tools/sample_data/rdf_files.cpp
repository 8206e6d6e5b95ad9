#include "sample_data/rdf_files.h"

#include <string>

#include "common/print_writer.h"
#include "sample_data/residue_plans.h"
#include "sample_data/text_format.h"

namespace acute::sample {
namespace {

// Residue units, skewed towards small values: low + (high - low) * u^3.
long SkewedUnits(long low, long high, RandomSource& rng) {
  double u = rng.Uniform();
  return low + static_cast<long>(static_cast<double>(high - low) * u * u * u);
}

// Plain values in ppm, with zero and LOD samples as counts and a few commented values.
PrintWriter ApplesRdf(RandomSource& rng) {
  PrintWriter out;
  out.Line("' Residue distribution file: apples, fruit with peel (generated sample data)");
  out.Line("' Residues in ppm, one sample per line");
  out.Line("DOC Samples below the limit of detection and zero samples are given as counts");
  const int values = 40;
  out.Line("TOTALNZ=" + std::to_string(values));
  out.Line("TOTALZ=160");
  out.Line("TOTALLOD=25");
  out.Line("LODRES=0.0005");
  for (int i = 0; i < values; ++i) {
    std::string value = DecimalText(SkewedUnits(10, 900, rng), 4);
    out.Line(i % 10 == 9 ? value + " ' composite sample" : value);
  }
  return out;
}

// Frequency, residue pairs.
PrintWriter GrapesRdf(RandomSource& rng) {
  PrintWriter out;
  out.Line("' Residue distribution file: grapes (generated sample data)");
  out.Line("' Frequency, residue pairs: each residue in ppm stands for that many samples");
  const int pairs = 15;
  out.Line("TOTALFREQ=" + std::to_string(pairs));
  out.Line("TOTALZ=85");
  for (int i = 0; i < pairs; ++i)
    out.Line(std::to_string(rng.Between(1, 5)) + "," +
             DecimalText(SkewedUnits(5, 1500, rng) + i, 4));
  return out;
}

PrintWriter WaterRdf(RandomSource& rng) {
  PrintWriter out;
  out.Line("' Residue distribution file: finished drinking water (generated sample data)");
  out.Line("' Weekly monitoring results in ppm");
  const int weeks = 52;
  out.Line("TOTALNZ=" + std::to_string(weeks));
  out.Line("TOTALZ=0");
  for (int i = 0; i < weeks; ++i) out.Line(DecimalText(SkewedUnits(20, 400, rng), 6));
  return out;
}

// Rows of total, chemical 1 and chemical 2; the total is their exact sum.
PrintWriter CumulativeRdf(const std::string& what, long scale, int decimals, RandomSource& rng) {
  PrintWriter out;
  out.Line("' Cumulative residue distribution file: " + what + " (generated sample data)");
  out.Line("NCHEMICALS=2");
  out.Line("CHEMICAL(1)=\"Exampledione\"");
  out.Line("CHEMICAL(2)=\"Demoxafen\"");
  out.Line("POTENCY(1)=1");
  out.Line("POTENCY(2)=0.5");
  const int rows = 30;
  out.Line("TOTALNZ=" + std::to_string(rows));
  out.Line("TOTALZ=70");
  for (int i = 0; i < rows; ++i) {
    long first = rng.Chance(0.2) ? 0 : SkewedUnits(1, 6 * scale, rng);
    long second = SkewedUnits(1, 4 * scale, rng);
    out.Line(Joined({DecimalText(first + second, decimals), DecimalText(first, decimals),
                     DecimalText(second, decimals)}));
  }
  return out;
}

}  // namespace

void WriteDistributionFiles(const std::filesystem::path& folder, RandomSource& rng) {
  SaveText(folder / kApplesRdf, ApplesRdf(rng));
  SaveText(folder / kGrapesRdf, GrapesRdf(rng));
  SaveText(folder / kWaterRdf, WaterRdf(rng));
  SaveText(folder / kFruitCumulativeRdf, CumulativeRdf("fruit", 100, 4, rng));
  SaveText(folder / kCropCumulativeRdf, CumulativeRdf("other crops", 100, 4, rng));
  SaveText(folder / kWaterCumulativeRdf, CumulativeRdf("drinking water", 100, 6, rng));
}

}  // namespace acute::sample
