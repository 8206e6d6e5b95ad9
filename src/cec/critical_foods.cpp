#include "cec/critical_foods.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "cec/cec_picture.h"
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

std::string Name20(const std::vector<std::string>& names, int m) {
  std::string n = m >= 0 && m < static_cast<int>(names.size()) ? names[m] : "";
  n.resize(20, ' ');
  return n;
}

void WritePairChemicals(PrintWriter& w, const CecPair& p, const std::vector<std::string>& names,
                        bool comma) {
  bool first = true;
  for (std::size_t m = 0; m < p.chemical_sum.size(); ++m) {
    if (p.chemical_sum[m] == 0) continue;
    if (first) {
      if (comma) {
        w.Text(",,,,").Tab(47).Text(",Chemical            ,  Perc.").EndLine();
        w.Text(",,,,").Tab(47).Text(",--------------------, -------").EndLine();
      } else {
        w.Tab(47).Text("Chemical               Perc.").EndLine();
        w.Tab(47).Text("--------------------  -------").EndLine();
      }
      first = false;
    }
    const int chemical = static_cast<int>(m) + 1;
    const std::string percent = CecPicture(ChemicalPercentOfPair(p, chemical), "###.##") + "%";
    if (comma)
      w.Text(",,,,").Tab(47).Text("," + Name20(names, chemical)).Tab(68).Text("," + percent);
    else
      w.Tab(47).Text(Name20(names, chemical)).Tab(69).Text(percent);
    w.EndLine();
  }
}

void WriteChemicalContributors(PrintWriter& w, const RankedSection& r, const CecNames& names,
                               const std::vector<std::string>& chemicals, float limit, bool comma,
                               bool two_day) {
  const std::vector<int> order = ChemicalsByShare(r);
  if (r.total > 0)
    w.Line("Chemical Disaggregation: Percent of total exposure in this interval by chemical: " +
           Str(static_cast<std::int32_t>(order.size())));
  else
    w.Line("Chemical Disaggregation: No exposure." + Str(static_cast<std::int32_t>(0)));
  w.EndLine();
  const char* c = comma ? "," : "";
  w.Text(c)
      .Text("Chemical")
      .Tab(27)
      .Text(c)
      .Text("Percent")
      .Tab(40)
      .Text(c)
      .Text("  Food Contributors");
  w.EndLine();
  w.Text(c)
      .Text("------------------------")
      .Tab(27)
      .Text(c)
      .Text("--------")
      .Tab(40)
      .Text(c)
      .Text("----------------------");
  w.EndLine();
  for (int m : order) {
    const float share = ChemicalPercentOfInterval(r, r.chemical_sum[m - 1], two_day);
    w.Text(CecPicture(m, "##")).Text(c).Tab(5).Text(Name20(chemicals, m)).Text(c);
    w.Tab(27).Text(CecPicture(share, "###.##") + "%").EndLine();
    bool first = true;
    for (const CecPair& p : r.pairs) {
      const double sum = p.chemical_sum[m - 1];
      if (sum == 0) continue;
      const float percent = ChemicalPercentOfInterval(r, sum, two_day);
      if (!(Shown(percent) >= limit)) continue;
      if (first) {
        if (comma) {
          w.Text(",,").Tab(40).Text(",  RAC,      FF,   Perc.").EndLine();
          w.Text(",,").Tab(40).Text(",----------, ---,  -------").EndLine();
        } else {
          w.Tab(40).Text("  RAC       FF    Perc.").EndLine();
          w.Tab(40).Text("----------  ---   -------").EndLine();
        }
        first = false;
      }
      const std::string code = NameOf(names.code, p.food);
      const std::string form = CecPicture(p.form, "###");
      const std::string pct = CecPicture(percent, "###.##") + "%";
      if (comma)
        w.Text(",,").Tab(40).Text("," + code + ", " + form + ",  " + pct).EndLine();
      else
        w.Tab(40).Text(code).Tab(52).Text(form).Tab(57).Text(pct).EndLine();
    }
  }
}

}  // namespace

float ShownPercent(float percent) {
  return Shown(percent);
}

std::vector<CecFoodShare> FoodsByShare(const RankedSection& r) {
  std::map<int, CecFoodShare> foods;
  std::vector<int> order;
  for (const CecPair& p : r.pairs) {
    if (!foods.count(p.food)) order.push_back(p.food);
    CecFoodShare& f = foods[p.food];
    f.food = p.food;
    f.n += p.n;
    f.percent += Shown(p.percent);
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    if (foods[a].percent != foods[b].percent) return foods[a].percent > foods[b].percent;
    return a < b;
  });
  std::vector<CecFoodShare> shares;
  for (int food : order) shares.push_back(foods[food]);
  return shares;
}

std::vector<int> ChemicalsByShare(const RankedSection& r) {
  std::vector<int> order;
  for (std::size_t m = 0; m < r.chemical_sum.size(); ++m) order.push_back(static_cast<int>(m) + 1);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return r.chemical_sum[a - 1] > r.chemical_sum[b - 1]; });
  return order;
}

void WriteCriticalFoods(PrintWriter& w, const RankedSection& r, const CecNames& names,
                        const std::vector<std::string>& labels, float threshold, bool comma,
                        const std::vector<std::string>* chemicals, bool two_day) {
  const float limit = threshold * 100.0f;
  const char* sep = comma ? "," : "";
  w.EndLine();
  w.Line("Critical foods with foodforms for this population (as derived from these records):");
  if (threshold != 0)
    w.Line("Only foods/foodforms with percent contribution >=" + Str(limit) + " are reported.");
  Legend(w);
  const bool cumulative = chemicals != nullptr;
  if (comma && cumulative) {
    w.Line("Food,        FF,      N  ,  Percent,  Food Name    ,Chemical Contributors");
    w.Line("----------,  ---,    -----,  -------,  -------------,-----------------------------");
  } else if (comma) {
    w.Line("Food,        FF,      N  ,  Percent,  Food Name    ");
    w.Line("----------,  ---,    -----,  -------,  -------------");
  } else if (cumulative) {
    w.Line("Food         FF       N     Percent   Food Name     Chemical Contributors");
    w.Line("----------   ---    -----   -------   ------------- -----------------------------");
  } else {
    w.Line("Food         FF       N     Percent   Food Name    ");
    w.Line("----------   ---    -----   -------   -------------");
  }
  for (std::size_t i = 0; i < r.pairs.size(); ++i) {
    const CecPair& p = r.pairs[i];
    if (!(Shown(p.percent) >= limit)) continue;
    w.Text(NameOf(names.code, p.food)).Text(sep);
    w.Tab(14).Text(CecPicture(p.form, "###")).Text(sep);
    w.Tab(21).Text(CecPicture(static_cast<double>(p.n), "#####")).Text(sep);
    w.Tab(29).Text(CecPicture(p.percent, "###.##")).Text("%").Text(sep);
    w.Tab(39).Text(i < labels.size() ? labels[i] : "").Text(sep).EndLine();
    if (cumulative) WritePairChemicals(w, p, *chemicals, comma);
  }
  w.EndLine();
  if (cumulative) {
    WriteChemicalContributors(w, r, names, *chemicals, limit, comma, two_day);
    return;
  }

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
  for (const CecFoodShare& f : FoodsByShare(r)) {
    if (f.percent == 0 || !(f.percent >= limit)) continue;
    w.Text(NameOf(names.code, f.food)).Text(sep);
    w.Tab(14).Text(CecPicture(static_cast<double>(f.n), "#####")).Text(sep);
    w.Tab(22).Text(CecPicture(f.percent, "###.##")).Text("%").Text(sep);
    w.Tab(33).Text(NameOf(names.food_name, f.food)).Text(sep).EndLine();
  }
}

}  // namespace acute
