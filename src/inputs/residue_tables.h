#pragma once
// The residue tables of an analysis: the residue file's values indexed by commodity number
// and by master food-form number. Tables of pairs are stored flat, row by row, with
// ChemicalCount + 1 columns (column 0 unused).
#include <cstdint>
#include <string>
#include <vector>

namespace acute {

struct ResidueTables {
  int chemical_count = 0;
  bool monte_carlo = false;
  // By commodity number 0 to RacCount.
  std::vector<float> ResDefRes, ResAdj1, ResAdj2, ResFormCount;
  std::vector<std::string> RacCommodityCode;
  std::vector<std::int16_t> ResRdlPtr;
  std::vector<float> ResRdlRatio;
  // By master food-form number 0 to FoodFormCount.
  std::vector<float> FfRes, FfAdj1, FfAdj2;
  std::vector<std::int16_t> FfRdlPtr;
  std::vector<float> FfRdlRatio;

  void Allocate(int rac_count, int food_form_count, int chemicals, bool mc) {
    chemical_count = chemicals;
    monte_carlo = mc;
    const std::size_t nc = static_cast<std::size_t>(rac_count) + 1;
    const std::size_t nf = static_cast<std::size_t>(food_form_count) + 1;
    const std::size_t cols = static_cast<std::size_t>(chemicals) + 1;
    ResDefRes.assign(nc, 0);
    ResAdj1.assign(nc, 0);
    ResAdj2.assign(nc, 0);
    ResFormCount.assign(nc, 0);
    RacCommodityCode.assign(nc, "");
    FfRes.assign(nf, 0);
    FfAdj1.assign(nf, 0);
    FfAdj2.assign(nf, 0);
    ResRdlPtr.assign(mc ? nc * cols : 0, 0);
    ResRdlRatio.assign(mc ? nc * cols : 0, 0);
    FfRdlPtr.assign(mc ? nf * cols : 0, 0);
    FfRdlRatio.assign(mc ? nf * cols : 0, 0);
  }
  std::size_t At(int row, int chemical) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(chemical_count + 1) +
           static_cast<std::size_t>(chemical);
  }
};

}  // namespace acute
