#pragma once
// A residue file in memory (the load view: commodity lines in file order), and the
// residue distribution line tables it carries.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/distribution_type.h"

namespace acute {

inline constexpr int kMaxRdlIndex = 500;

// One residue distribution line.
struct RdlLine {
  std::int16_t index = 0;
  DistributionType type = DistributionType::None;
  std::array<float, 4> param{};  // parameters in 1 to 3
  std::string rdf_file;          // empirical
  std::string comment;
};

// The residue and distribution pointers of one commodity or food-form line.
struct ResiduePairs {
  std::vector<std::int16_t> ptr;  // chemical 1 to ChemicalCount (slot 0 unused)
  std::vector<float> ratio;
};

struct CommodityLine {
  std::int16_t ResRacIndex = 0;
  std::string ResCommodityCode;
  std::string ResCropGroup;
  float ResDefRes = 0;
  float ResAdj1 = 0;
  float ResAdj2 = 0;
  float ResFormCount = 0;
  std::string ResFoodName;
  std::string ResLineComment;
  ResiduePairs rdl;
};

struct FoodFormLine {
  std::int16_t FfCode = 0;
  std::string FfName;
  std::string FfComment;
  float FfRes = 0;
  float FfAdj1 = 0;
  float FfAdj2 = 0;
  ResiduePairs rdl;
};

struct ResidueData {
  std::string ResFileName;
  std::string ResFolder;
  std::int16_t ResFileLoaded = 0;
  std::string Tag;  // after the rewriting of old tags
  std::string ChemicalName;
  float ResARfD = 0;
  float ResNoel = 0;
  std::string ResFileDate;
  std::string ResComment;
  std::int16_t RdlCount = 0;
  std::int16_t RdlCountInForce = 0;
  std::int16_t MaxRdlIndex = 0;
  std::int16_t ChemicalCount = 0;
  std::int16_t AllLinesPointToRdl = 1;
  std::vector<RdlLine> Rdl;  // indexes 0 to 500 when the file has RDL lines, else empty

  // Load view: commodity lines 1 to ResLineCount (slot 0 unused), food-form lines in file
  // order (slot 0 unused); the food-form lines of commodity line k follow those of k - 1.
  std::vector<CommodityLine> Commodities;
  std::vector<FoodFormLine> FoodForms;
  std::vector<std::string> RacFoodName;  // by commodity number 0 to RacCount

  bool IsMonteCarloFile() const { return Tag.find("MC") != std::string::npos; }
  int ResLineCount() const { return static_cast<int>(Commodities.size()) - 1; }
  int FoodFormLineCount() const { return static_cast<int>(FoodForms.size()) - 1; }
  // True when the file offers Monte Carlo analysis.
  bool OffersMonteCarlo() const { return RdlCount >= 1 && ChemicalCount >= 1; }
};

}  // namespace acute
