#include "cec/critical_foods.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "common/number_picture.h"
#include "common/str.h"

namespace acute {
namespace {

std::string NameOf(const std::vector<std::string>& table, int i) {
  return i >= 0 && i < static_cast<int>(table.size()) ? table[i] : "";
}

// The percent as shown, with two decimals.
float Shown(float percent) {
  return static_cast<float>(std::round(percent * 100.0) / 100.0);
}

void Legend(PrintWriter& w) {
  w.Line("  N=number of appearances in all records (including duplicates)");
  w.Line("  %=percent of total exposure for all records (including duplicates)");
  w.EndLine();
}

}  // namespace

void WriteCriticalFoods(PrintWriter& w, const RankedSection& r, const CecNames& names,
                        const std::vector<std::string>& labels, float threshold, bool comma) {
  const float limit = threshold * 100.0f;
  const char* sep = comma ? "," : "";
  w.EndLine();
  w.Line("Critical foods with foodforms for this population (as derived from these records):");
  if (threshold != 0)
    w.Line("Only foods/foodforms with percent contribution >=" + Str(limit) + " are reported.");
  Legend(w);
  if (comma) {
    w.Line("Food,        FF,      N  ,  Percent,  Food Name    ");
    w.Line("----------,  ---,    -----,  -------,  -------------");
  } else {
    w.Line("Food         FF       N     Percent   Food Name    ");
    w.Line("----------   ---    -----   -------   -------------");
  }
  struct FoodSum {
    std::int64_t n = 0;
    float percent = 0;
  };
  std::map<int, FoodSum> foods;
  std::vector<int> food_order;
  for (std::size_t i = 0; i < r.pairs.size(); ++i) {
    const CecPair& p = r.pairs[i];
    if (!foods.count(p.food)) food_order.push_back(p.food);
    FoodSum& f = foods[p.food];
    f.n += p.n;
    f.percent += Shown(p.percent);
    if (!(Shown(p.percent) >= limit)) continue;
    w.Text(NameOf(names.code, p.food)).Text(sep);
    w.Tab(14).Text(Picture(p.form, "###")).Text(sep);
    w.Tab(21).Text(Picture(static_cast<double>(p.n), "#####")).Text(sep);
    w.Tab(29).Text(Picture(p.percent, "###.##")).Text("%").Text(sep);
    w.Tab(39).Text(i < labels.size() ? labels[i] : "").EndLine();
  }
  w.EndLine();

  w.EndLine();
  w.Line("Critical foods (without foodforms) for this population (as derived from these records):");
  if (threshold != 0)
    w.Line("Only foods with percent contribution >=" + Str(limit) + " are reported.");
  Legend(w);
  if (comma) {
    w.Line("Food      ,     N ,  Percent,   Food Name    ");
    w.Line("----------,  -----,  -------,  -------------");
  } else {
    w.Line("Food           N     Percent   Food Name    ");
    w.Line("----------   -----   -------   -------------");
  }
  std::stable_sort(food_order.begin(), food_order.end(), [&](int a, int b) {
    if (foods[a].percent != foods[b].percent) return foods[a].percent > foods[b].percent;
    return a < b;
  });
  for (int food : food_order) {
    const FoodSum& f = foods[food];
    if (f.percent == 0 || !(f.percent >= limit)) continue;
    w.Text(NameOf(names.code, food)).Text(sep);
    w.Tab(14).Text(Picture(static_cast<double>(f.n), "#####")).Text(sep);
    w.Tab(22).Text(Picture(f.percent, "###.##")).Text("%").Text(sep);
    w.Tab(33).Text(NameOf(names.food_name, food)).EndLine();
  }
}

}  // namespace acute
