#pragma once
// The critical foods of a population's section of the CEC report: the table of food/food
// form pairs and the table of foods summed over their food forms.
#include <cstdint>
#include <string>
#include <vector>

#include "cec/cec_ranking.h"
#include "common/print_writer.h"

namespace acute {

struct CecNames {
  std::vector<std::string> code;       // commodity code by commodity number
  std::vector<std::string> name;       // commodity name (master list) by number
  std::vector<std::string> food_name;  // food name of the residue file by number
};

// `labels[i]` is the label of pair i ("commodity name-food-form description"); `threshold`
// is the report specifications' minimum (a fraction). A cumulative run (`chemicals`, the
// cumulative chemical names from 1) lists each pair's chemicals and then the chemical
// contributors instead of the table of foods.
void WriteCriticalFoods(PrintWriter& w, const RankedSection& r, const CecNames& names,
                        const std::vector<std::string>& labels, float threshold, bool comma,
                        const std::vector<std::string>* chemicals = nullptr, bool two_day = false);

// A food's part of the interval's exposure, summed over its food forms as shown (two
// decimals each).
struct CecFoodShare {
  int food = 0;
  std::int64_t n = 0;
  float percent = 0;
};

// Every food of the critical pairs, highest share first (ties in food-number order).
std::vector<CecFoodShare> FoodsByShare(const RankedSection& r);

// The percent as the tables show it, with two decimals; the minimum contribution is
// compared with it.
float ShownPercent(float percent);

// The chemicals of a cumulative interval, highest share first (ties in chemical order).
std::vector<int> ChemicalsByShare(const RankedSection& r);

}  // namespace acute
