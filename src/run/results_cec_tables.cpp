// The CEC part of the results file as tables: per population its critical pairs and foods
// (or, in a cumulative report, its chemical disaggregation) and a row per food line of each
// printed record, the record's fields repeated on each of its lines.
#include "run/results_cec_tables.h"

#include <map>

#include "run/results_fields.h"

namespace acute::results {
namespace {

constexpr Column kPair[] = {{"food", "food"},
                            {"code", "code", Kind::Text},
                            {"form", "form"},
                            {"label", "label", Kind::Text},
                            {"n", "n"},
                            {"percent", "percent"},
                            {"reported", "reported", Kind::Flag}};

constexpr Column kFood[] = {
    {"food", "food"}, {"code", "code", Kind::Text}, {"name", "name", Kind::Text},
    {"n", "n"},       {"percent", "percent"},       {"reported", "reported", Kind::Flag}};

constexpr Column kChemical[] = {{"chemical", "chemical"},
                                {"chemical_name", "name", Kind::Text},
                                {"chemical_percent", "percent"}};

constexpr Column kChemicalFood[] = {{"food", "food"},
                                    {"code", "code", Kind::Text},
                                    {"form", "form"},
                                    {"percent", "percent"},
                                    {"reported", "reported", Kind::Flag}};

constexpr Column kRecord[] = {{"rank", "rank"},
                              {"record", "record"},
                              {"person", "person"},
                              {"household_or_sequence", "household_or_sequence"},
                              {"day", "day"},
                              {"sex", "sex", Kind::Text},
                              {"age", "age", Kind::Text},
                              {"body_weight", "body_weight"},
                              {"nf", "nf"},
                              {"nx", "nx"},
                              {"exposure", "exposure"},
                              {"sample_weight", "sample_weight"}};

constexpr Column kFoodLine[] = {
    {"food", "food"},       {"code", "code", Kind::Text},     {"form", "form"},
    {"amount", "amount"},   {"residue", "residue"},           {"factor1", "factor1"},
    {"factor2", "factor2"}, {"contribution", "contribution"}, {"percent", "percent"}};

const std::vector<std::string> kLead{"population", "population_name"};

ResultsTable Table(const char* name, std::vector<std::string> columns) {
  ResultsTable t;
  t.name = name;
  t.columns = std::move(columns);
  return t;
}

void Add(ResultsTable& t, std::vector<std::string> row, std::size_t owner) {
  t.rows.push_back(std::move(row));
  t.owners.push_back(owner);
}

class CecReader {
 public:
  explicit CecReader(bool cumulative) : cumulative_(cumulative) {}

  void Population(const Json& p, const std::string& where, std::size_t owner) {
    ExpectObject(p, where);
    const std::vector<std::string> lead{FieldAt(p, "number", Kind::Number, where),
                                        FieldAt(p, "name", Kind::Text, where)};
    owner_ = owner;
    Ranked(pairs_, p, "pairs", kPair, where, lead);
    names_.clear();
    Ranked(foods_, p, "foods", kFood, where, lead);
    if (cumulative_) Chemicals(p, where, lead);
    const Json& records = ListAt(p, "records", where);
    for (std::size_t i = 0; i < records.size(); ++i)
      Record(records[i], At(At(where, "records"), i), lead);
  }

  std::vector<ResultsTable> Tables() && {
    std::vector<ResultsTable> out{std::move(pairs_), std::move(foods_), std::move(records_)};
    if (cumulative_) out.push_back(std::move(chemicals_));
    return out;
  }

 private:
  // The pairs or foods of a population, from 1 in the order of their shares.
  void Ranked(ResultsTable& table, const Json& p, const char* key, std::span<const Column> columns,
              const std::string& where, const std::vector<std::string>& lead) {
    const Json& list = ListAt(p, key, where, true);
    for (std::size_t i = 0; i < list.size(); ++i) {
      std::vector<std::string> head = lead;
      head.push_back(std::to_string(i + 1));
      const std::string place = At(At(where, key), i);
      std::vector<std::string> row = Fields(list[i], columns, place, head);
      if (&table == &foods_)
        names_[FieldAt(list[i], "food", Kind::Number, place)] =
            FieldAt(list[i], "name", Kind::Text, place);
      Add(table, std::move(row), owner_);
    }
  }

  void Chemicals(const Json& p, const std::string& where, const std::vector<std::string>& lead) {
    const Json& list = ListAt(p, "chemical_disaggregation", where, true);
    for (std::size_t m = 0; m < list.size(); ++m) {
      const std::string place = At(At(where, "chemical_disaggregation"), m);
      const std::vector<std::string> head = Fields(list[m], kChemical, place, lead);
      const Json& foods = ListAt(list[m], "foods", place);
      for (std::size_t i = 0; i < foods.size(); ++i)
        Add(chemicals_, Fields(foods[i], kChemicalFood, At(At(place, "foods"), i), head), owner_);
    }
  }

  // A record: a row per food line (a record without lines: one row, its line fields empty).
  void Record(const Json& r, const std::string& where, const std::vector<std::string>& lead) {
    const std::vector<std::string> head = Fields(r, kRecord, where, lead);
    const Json& lines = ListAt(r, "foods", where);
    if (lines.empty()) {
      std::vector<std::string> row = head;
      row.resize(records_.columns.size());
      Add(records_, std::move(row), owner_);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
      std::vector<std::string> row = head;
      row.push_back(std::to_string(i + 1));
      row = Fields(lines[i], kFoodLine, At(At(where, "foods"), i), row);
      const auto name = names_.find(row[head.size() + 1]);
      row.insert(row.begin() + static_cast<long>(head.size()) + 3,
                 name == names_.end() ? std::string() : name->second);
      Add(records_, std::move(row), owner_);
    }
  }

  bool cumulative_;
  std::size_t owner_ = 0;
  std::map<std::string, std::string> names_;  // the population's food names by food number
  ResultsTable pairs_ = Table("cec_pairs", Names(kPair, {"population", "population_name", "rank"}));
  ResultsTable foods_ = Table("cec_foods", Names(kFood, {"population", "population_name", "rank"}));
  ResultsTable records_ = RecordsTable();
  ResultsTable chemicals_ = Table("cec_chemicals", Names(kChemicalFood, Names(kChemical, kLead)));

  static ResultsTable RecordsTable() {
    std::vector<std::string> columns = Names(kRecord, kLead);
    columns.emplace_back("line");
    columns = Names(kFoodLine, columns);
    // The food's name beside its code.
    columns.insert(columns.begin() + static_cast<long>(kLead.size() + std::size(kRecord)) + 3,
                   "name");
    return Table("cec_records", std::move(columns));
  }
};

}  // namespace

std::vector<ResultsTable> CecTables(const Json& cec, const std::string& where) {
  const std::string cumulative = FieldAt(cec, "cumulative", Kind::Flag, where);
  CecReader reader(cumulative == "true");
  const Json& list = ListAt(cec, "populations", where);
  for (std::size_t p = 0; p < list.size(); ++p)
    reader.Population(list[p], At(At(where, "populations"), p), p);
  return std::move(reader).Tables();
}

}  // namespace acute::results
