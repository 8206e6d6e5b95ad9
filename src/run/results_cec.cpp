// The "cec" member of the results file: each population's final window, its critical pairs
// and foods (or, in a cumulative run, its chemical disaggregation) and its printed records
// with their food lines. The records are written one at a time.
#include <cmath>
#include <ostream>

#include "cec/cec_report_layout.h"
#include "cec/critical_foods.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "run/results_file.h"
#include "run/results_json.h"

namespace acute {
namespace {

using results::Entered;
using results::Figure;
using results::Json;
using results::Text;

std::string NameIn(const std::vector<std::string>& table, int i) {
  return i >= 0 && i < static_cast<int>(table.size()) ? table[static_cast<std::size_t>(i)] : "";
}

bool Cumulative(const CecReportRequest& q, const std::vector<RankedSection>& ranked) {
  return q.cumulative && !ranked.empty() && ranked[0].section != nullptr &&
         !ranked[0].chemical_sum.empty();
}

std::string ChemicalName(const CecReportRequest& q, int m) {
  return q.cumulative ? NameIn(q.cumulative->names, m) : "";
}

Json SettingsJson(const CecReportRequest& q) {
  const CecSettings& c = q.cec;
  return {{"basis", c.OnPercentiles() ? "percentiles" : "amounts"},
          {"low", Entered(c.low)},
          {"high", Entered(c.high)},
          {"max_printed_records", c.max_records},
          {"min_line_contribution_percent", Entered(c.min_percent)},
          {"min_food_percent", Entered(q.threshold * 100.0f)},
          {"two_day_average", q.two_day},
          {"file", Text(c.file_name)},
          {"excel", c.excel}};
}

Json ChemicalsJson(const CecReportRequest& q, bool cumulative) {
  Json list = Json::array();
  if (!cumulative) return list;
  for (int m = 1; m <= q.cumulative->count; ++m)
    list.push_back({{"chemical", m}, {"name", Text(ChemicalName(q, m))}});
  return list;
}

Json PairChemicalsJson(const CecPair& p) {
  Json list = Json::array();
  for (std::size_t m = 0; m < p.chemical_sum.size(); ++m)
    if (p.chemical_sum[m] != 0) {
      const int chemical = static_cast<int>(m) + 1;
      list.push_back(
          {{"chemical", chemical}, {"percent", Figure(ChemicalPercentOfPair(p, chemical))}});
    }
  return list;
}

Json PairsJson(const CecReportRequest& q, const RankedSection& r, bool cumulative) {
  const float limit = q.threshold * 100.0f;
  Json list = Json::array();
  for (const CecPair& p : r.pairs)
    list.push_back({{"food", p.food},
                    {"code", Text(NameIn(q.names.code, p.food))},
                    {"form", p.form},
                    {"label", Text(PairName(q, p))},
                    {"n", p.n},
                    {"percent", Figure(p.percent)},
                    {"reported", ShownPercent(p.percent) >= limit},
                    {"chemicals", cumulative ? PairChemicalsJson(p) : Json(nullptr)}});
  return list;
}

Json FoodsJson(const CecReportRequest& q, const RankedSection& r) {
  const float limit = q.threshold * 100.0f;
  Json list = Json::array();
  for (const CecFoodShare& f : FoodsByShare(r))
    list.push_back({{"food", f.food},
                    {"code", Text(NameIn(q.names.code, f.food))},
                    {"name", Text(NameIn(q.names.food_name, f.food))},
                    {"n", f.n},
                    {"percent", Figure(f.percent)},
                    {"reported", f.percent != 0 && f.percent >= limit}});
  return list;
}

Json DisaggregationJson(const CecReportRequest& q, const RankedSection& r) {
  const float limit = q.threshold * 100.0f;
  Json list = Json::array();
  for (int m : ChemicalsByShare(r)) {
    Json foods = Json::array();
    for (const CecPair& p : r.pairs) {
      const double sum = p.chemical_sum[static_cast<std::size_t>(m - 1)];
      if (sum == 0) continue;
      const float percent = ChemicalPercentOfInterval(r, sum, q.two_day);
      foods.push_back({{"food", p.food},
                       {"code", Text(NameIn(q.names.code, p.food))},
                       {"form", p.form},
                       {"percent", Figure(percent)},
                       {"reported", ShownPercent(percent) >= limit}});
    }
    const double sum = r.chemical_sum[static_cast<std::size_t>(m - 1)];
    list.push_back({{"chemical", m},
                    {"name", Text(ChemicalName(q, m))},
                    {"percent", Figure(ChemicalPercentOfInterval(r, sum, q.two_day))},
                    {"foods", foods}});
  }
  return list;
}

Json PopulationHead(const CecReportRequest& q, const RankedSection& r, bool cumulative) {
  const CecSection& s = *r.section;
  return {{"number", s.number},
          {"name", Text(s.name)},
          {"window",
           {{"low", Figure(r.window.low)},
            {"high", r.window.has_high ? Figure(r.window.high) : Json(nullptr)}}},
          {"records_in_window", r.ranked.size()},
          {"represented", r.represented},
          {"printed", r.printed},
          {"printed_represented", r.printed_represented},
          {"total_exposure", Figure(r.total)},
          {"pairs", PairsJson(q, r, cumulative)},
          {"foods", cumulative ? Json(nullptr) : FoodsJson(q, r)},
          {"chemical_disaggregation", cumulative ? DisaggregationJson(q, r) : Json(nullptr)}};
}

// The record line's fields: "number, PID, household, day, sex, age, bw, NF, NX".
std::vector<std::string> RecordFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  for (;;) {
    const std::size_t comma = line.find(',', at);
    fields.push_back(TrimBlanks(line.substr(at, comma == std::string::npos ? comma : comma - at)));
    if (comma == std::string::npos) return fields;
    at = comma + 1;
  }
}

// A number of the record line; whole numbers (numbers, days, counts) as integers.
Json NumberField(const std::vector<std::string>& f, std::size_t i) {
  double v = 0;
  if (i >= f.size() || !ParseNumber(f[i], v)) return nullptr;
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
    return static_cast<std::int64_t>(v);
  return Figure(v);
}

Json TextField(const std::vector<std::string>& f, std::size_t i) {
  return i < f.size() ? Text(f[i]) : Json(nullptr);
}

Json FoodLineJson(const CecReportRequest& q, const CecLineValues& f, bool cumulative) {
  Json line = {{"food", f.food},
               {"code", Text(NameIn(q.names.code, f.food))},
               {"form", f.form},
               {"amount", Figure(f.amount)},
               {"residue", Figure(f.residue)},
               {"factor1", Figure(f.factor1)},
               {"factor2", Figure(f.factor2)},
               {"contribution", Figure(f.contribution_mg)},
               {"percent", Figure(f.percent)}};
  Json parts = nullptr;
  if (cumulative) {
    parts = Json::array();
    for (const CecChemicalPart& part : ChemicalParts(f, *q.cumulative))
      parts.push_back({{"chemical", part.chemical},
                       {"residue", Figure(part.residue)},
                       {"contribution", Figure(part.contribution_mg)},
                       {"percent", Figure(part.percent)}});
  }
  line["chemicals"] = parts;
  return line;
}

Json RecordJson(const CecReportRequest& q, const CecFileRecord& rec, std::int64_t rank,
                bool cumulative) {
  const std::vector<std::string> f = RecordFields(rec.line1);
  Json foods = Json::array();
  for (const CecLineValues& v : rec.foods) foods.push_back(FoodLineJson(q, v, cumulative));
  return {{"rank", rank},
          {"record", NumberField(f, 0)},
          {"person", NumberField(f, 1)},
          {"household_or_sequence", NumberField(f, 2)},
          {"day", NumberField(f, 3)},
          {"sex", TextField(f, 4)},
          {"age", TextField(f, 5)},
          {"body_weight", NumberField(f, 6)},
          {"nf", NumberField(f, 7)},
          {"nx", rec.nx},
          {"exposure", Figure(rec.e)},
          {"sample_weight", rec.sample_weight},
          {"foods", foods}};
}

// One population: its head, then its printed records one line each.
void WritePopulation(std::ostream& out, const CecReportRequest& q, const RankedSection& r,
                     bool cumulative) {
  std::string head = results::MemberText("x", PopulationHead(q, r, cumulative), 6);
  head = head.substr(head.find('{'));  // the object alone, its members at 8 spaces
  head.erase(head.rfind('\n'));        // without its closing line
  out << "      " << head << ",\n        \"records\": [";
  for (std::int64_t i = 0; i < r.printed; ++i) {
    out << (i == 0 ? "\n          " : ",\n          ");
    out << results::Dump(RecordJson(q, *r.ranked[static_cast<std::size_t>(i)], i + 1, cumulative));
  }
  out << (r.printed == 0 ? "]\n      }" : "\n        ]\n      }");
}

}  // namespace

void WriteCecMember(std::ostream& out, const CecReportRequest& q,
                    const std::vector<RankedSection>& ranked) {
  const bool cumulative = Cumulative(q, ranked);
  out << "  \"cec\": {\n";
  out << results::MemberText("settings", SettingsJson(q), 4) << ",\n";
  out << results::MemberText("cumulative", cumulative, 4) << ",\n";
  out << results::MemberText("chemicals", ChemicalsJson(q, cumulative), 4) << ",\n";
  out << "    \"populations\": [";
  for (std::size_t p = 0; p < ranked.size(); ++p) {
    out << (p == 0 ? "\n" : ",\n");
    WritePopulation(out, q, ranked[p], cumulative);
  }
  out << (ranked.empty() ? "]\n  }" : "\n    ]\n  }");
}

}  // namespace acute
