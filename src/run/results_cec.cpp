// The "cec" member of the results file: each population's final window, its critical pairs
// and foods (or, in a cumulative run, its chemical disaggregation) and its printed records
// with their food lines. The records are written one at a time.
#include <charconv>
#include <cmath>
#include <ostream>
#include <string_view>

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
// One JSON object written as text, member by member: the records are many, and building a
// tree for each costs several times the writing.
class ObjectText {
 public:
  ObjectText& Raw(std::string_view key, std::string_view json) {
    text_ += text_.size() == 1 ? "\"" : ", \"";
    text_.append(key).append("\": ").append(json);
    return *this;
  }
  ObjectText& Int(std::string_view key, std::int64_t v) {
    char digits[24];
    return Raw(key, std::string_view(digits, std::to_chars(digits, digits + 24, v).ptr));
  }
  // A single-precision figure of a record in the shortest text that reads back as the same
  // single (the record files hold singles); null when it is not finite.
  ObjectText& Num(std::string_view key, float v) {
    if (!std::isfinite(v)) return Raw(key, "null");
    char digits[32];
    return Raw(key, std::string_view(digits, std::to_chars(digits, digits + 32, v).ptr));
  }
  std::string Close() { return std::move(text_) + "}"; }

 private:
  std::string text_ = "{";
};

// A number of the record line: whole numbers (numbers, days, counts) as integers.
ObjectText& NumberField(ObjectText& o, std::string_view key, const std::vector<std::string>& f,
                        std::size_t i) {
  double v = 0;
  if (i >= f.size() || !ParseNumber(f[i], v)) return o.Raw(key, "null");
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
    return o.Int(key, static_cast<std::int64_t>(v));
  return o.Num(key, static_cast<float>(v));  // a body weight as the record line prints it
}

std::string TextField(const std::vector<std::string>& f, std::size_t i) {
  return i < f.size() ? results::Dump(Text(f[i])) : "null";
}

// The names of the food codes as JSON strings, made once for every record's food lines.
std::vector<std::string> QuotedCodes(const CecReportRequest& q) {
  std::vector<std::string> codes;
  for (const std::string& code : q.names.code) codes.push_back(results::Dump(Text(code)));
  return codes;
}

std::string FoodLineText(const CecReportRequest& q, const std::vector<std::string>& codes,
                         const CecLineValues& f, bool cumulative) {
  ObjectText line;
  line.Int("food", f.food)
      .Raw("code", f.food >= 0 && f.food < static_cast<int>(codes.size())
                       ? std::string_view(codes[static_cast<std::size_t>(f.food)])
                       : std::string_view("\"\""))
      .Int("form", f.form)
      .Num("amount", f.amount)
      .Num("residue", f.residue)
      .Num("factor1", f.factor1)
      .Num("factor2", f.factor2)
      .Num("contribution", f.contribution_mg)
      .Num("percent", f.percent);
  if (!cumulative) return line.Raw("chemicals", "null").Close();
  std::string parts = "[";
  for (const CecChemicalPart& part : ChemicalParts(f, *q.cumulative)) {
    if (parts.size() > 1) parts += ", ";
    parts += ObjectText()
                 .Int("chemical", part.chemical)
                 .Num("residue", part.residue)
                 .Num("contribution", part.contribution_mg)
                 .Num("percent", part.percent)
                 .Close();
  }
  return line.Raw("chemicals", parts + "]").Close();
}

std::string RecordText(const CecReportRequest& q, const std::vector<std::string>& codes,
                       const CecFileRecord& rec, std::int64_t rank, bool cumulative) {
  const std::vector<std::string> f = RecordFields(rec.line1);
  std::string foods = "[";
  for (const CecLineValues& v : rec.foods) {
    if (foods.size() > 1) foods += ", ";
    foods += FoodLineText(q, codes, v, cumulative);
  }
  ObjectText o;
  o.Int("rank", rank);
  NumberField(o, "record", f, 0);
  NumberField(o, "person", f, 1);
  NumberField(o, "household_or_sequence", f, 2);
  NumberField(o, "day", f, 3);
  o.Raw("sex", TextField(f, 4)).Raw("age", TextField(f, 5));
  NumberField(o, "body_weight", f, 6);
  NumberField(o, "nf", f, 7);
  return o.Int("nx", rec.nx)
      .Num("exposure", rec.e)
      .Int("sample_weight", rec.sample_weight)
      .Raw("foods", foods + "]")
      .Close();
}

// One population: its head, then its printed records one line each.
void WritePopulation(std::ostream& out, const CecReportRequest& q, const RankedSection& r,
                     bool cumulative, const std::vector<std::string>& codes) {
  std::string head = results::MemberText("x", PopulationHead(q, r, cumulative), 6);
  head = head.substr(head.find('{'));  // the object alone, its members at 8 spaces
  head.erase(head.rfind('\n'));        // without its closing line
  out << "      " << head << ",\n        \"records\": [";
  for (std::int64_t i = 0; i < r.printed; ++i) {
    out << (i == 0 ? "\n          " : ",\n          ");
    out << RecordText(q, codes, *r.ranked[static_cast<std::size_t>(i)], i + 1, cumulative);
  }
  out << (r.printed == 0 ? "]\n      }" : "\n        ]\n      }");
}

}  // namespace

void WriteCecMember(std::ostream& out, const CecReportRequest& q,
                    const std::vector<RankedSection>& ranked) {
  const bool cumulative = Cumulative(q, ranked);
  const std::vector<std::string> codes = QuotedCodes(q);
  out << "  \"cec\": {\n";
  out << results::MemberText("settings", SettingsJson(q), 4) << ",\n";
  out << results::MemberText("cumulative", cumulative, 4) << ",\n";
  out << results::MemberText("chemicals", ChemicalsJson(q, cumulative), 4) << ",\n";
  out << "    \"populations\": [";
  for (std::size_t p = 0; p < ranked.size(); ++p) {
    out << (p == 0 ? "\n" : ",\n");
    WritePopulation(out, q, ranked[p], cumulative, codes);
  }
  out << (ranked.empty() ? "]\n  }" : "\n    ]\n  }");
}

}  // namespace acute
